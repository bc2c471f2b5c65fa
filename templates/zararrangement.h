#ifndef ZARARRANGEMENT_H
#define ZARARRANGEMENT_H

#include "templates/zargrid.h"

#include <QDataStream>
#include <QMap>
#include <QVector>

// Header record of template and session files: cable layout and a summary of the
// contents.
class zarArrangement
{
public:
    zarCableSpacing cableSpacing = 5.0f;
    qint8 cables = 2;
    int measurements = 0;
    int runs = 0;
    float profileLength = 0;
    QVector<float> maxDepths;
    QMap<qint8, qint8> arrayTypeSets;

    // Cables 1..2 and a finite positive spacing: what every grid operation assumes.
    bool hasSaneLayout() const;
    // The layout, and the lengths that later scale the depth controls: finite, not
    // negative, within zarGrid::maxMetres; one depth per set at most.
    bool isSane() const;
    // A length in metres that a file may hold.
    static bool isSaneLength(float metres);
};

// The map goes before the profile length on disk.
QDataStream& operator<<(QDataStream& stream, const zarArrangement& arrangement);
QDataStream& operator>>(QDataStream& stream, zarArrangement& arrangement);

#endif
