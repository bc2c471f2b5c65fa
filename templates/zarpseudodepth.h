#ifndef ZARPSEUDODEPTH_H
#define ZARPSEUDODEPTH_H

#include "templates/zargrid.h"

#include <QMap>
#include <QString>
#include <QVector>

// Pseudo-depth factors per array, spacing and level, in electrode steps, read from
// the compiled-in table that createBaseFile produced from compute() at build time.
class zarPseudoDepth
{
public:
    static zarPseudoDepth* instance(const QString& path);
    static void destroy();

    explicit zarPseudoDepth(const QString& path);

    bool isLoaded() const { return loaded; }
    float lookup(quint8 arrayType, zarSpacing spacing, zarLevel level) const;
    bool createBaseFile(const QString& path);

    static double compute(quint8 arrayType, zarSpacing spacing, zarLevel level);
    static double interpolate(float x0, float y0, float x1, float y1, float x);

private:
    QMap<qint8, QVector<QVector<float>>> table;
    bool loaded = false;

    bool readTable(QDataStream& stream);

    static zarPseudoDepth* s_instance;
};

#endif
