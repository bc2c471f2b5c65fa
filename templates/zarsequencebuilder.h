#ifndef ZARSEQUENCEBUILDER_H
#define ZARSEQUENCEBUILDER_H

// Generates quadripoles of the standard arrays and turns templates into sessions.
class zarSequenceBuilder
{
public:
    static zarSequenceBuilder* instance();
    static void destroy();

private:
    zarSequenceBuilder() = default;
    static zarSequenceBuilder* s_instance;
};

#endif
