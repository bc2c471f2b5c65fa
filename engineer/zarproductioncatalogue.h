#ifndef ZARPRODUCTIONCATALOGUE_H
#define ZARPRODUCTIONCATALOGUE_H

#include <QStringList>

// The 22 production tests: titles and the instructions shown before each runs,
// translated in the engineer screen's context with the language active now.
// Numbers and signs go in after translation, so every language gets the same values.
class zarProductionCatalogue
{
public:
    static QStringList titles();
    static QStringList instructions();
};

#endif
