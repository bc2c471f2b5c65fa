#ifndef ZARSTREAMGUARD_H
#define ZARSTREAMGUARD_H

#include <QDataStream>
#include <QVector>

// Counts read from files are checked against the bytes that can still follow,
// so a corrupt count never sizes an allocation.
class zarStreamGuard
{
public:
    // Upper bound of element counts on streams whose size is unknown.
    static const qint64 maxSequentialCount = 1 << 20;

    // Size of one float in the stream's current precision.
    static int floatSize(const QDataStream& stream);
    // True when count elements of elementSize bytes can still be in the stream.
    static bool fits(const QDataStream& stream, qint64 count, qint64 elementSize);
    // QVector<float> in its standard form (quint32 count, then the floats). A count
    // that cannot fit marks the stream ReadCorruptData and leaves the vector empty.
    static void readFloats(QDataStream& stream, QVector<float>& values);
};

#endif
