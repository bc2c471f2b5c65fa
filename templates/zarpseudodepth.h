#ifndef ZARPSEUDODEPTH_H
#define ZARPSEUDODEPTH_H

// Pseudo-depth factors per array, spacing and level, loaded from the compiled-in table.
class zarPseudoDepth
{
public:
    static zarPseudoDepth* instance();
    static void destroy();

private:
    zarPseudoDepth() = default;
    static zarPseudoDepth* s_instance;
};

#endif
