#include "templates/zararrangement.h"

#include "core/zarstreamguard.h"

#include <cmath>

bool zarArrangement::hasSaneLayout() const
{
    return cables >= 1 && cables <= zarGrid::maxCables && std::isfinite(cableSpacing) && cableSpacing > 0
        && cableSpacing <= zarGrid::maxCableSpacing;
}

bool zarArrangement::isSaneLength(float metres)
{
    return std::isfinite(metres) && metres >= 0 && metres <= zarGrid::maxMetres;
}

bool zarArrangement::isSane() const
{
    if (!hasSaneLayout() || !isSaneLength(profileLength) || maxDepths.size() > zarGrid::maxSets)
        return false;
    for (float depth : maxDepths)
        if (!isSaneLength(depth))
            return false;
    return true;
}

QDataStream& operator<<(QDataStream& stream, const zarArrangement& a)
{
    stream << a.cableSpacing << a.cables << qint32(a.measurements) << qint32(a.runs);
    stream << quint32(a.arrayTypeSets.size());
    for (auto it = a.arrayTypeSets.constEnd(); it != a.arrayTypeSets.constBegin();) {
        --it;
        stream << it.key() << it.value();
    }
    stream << a.profileLength;
    stream << quint32(a.maxDepths.size());
    for (float depth : a.maxDepths)
        stream << depth;
    return stream;
}

QDataStream& operator>>(QDataStream& stream, zarArrangement& a)
{
    qint32 measurements = 0, runs = 0;
    stream >> a.cableSpacing >> a.cables >> measurements >> runs;
    a.measurements = measurements;
    a.runs = runs;
    a.arrayTypeSets.clear();
    quint32 entries = 0;
    stream >> entries;
    if (stream.status() != QDataStream::Ok)
        return stream;
    // One entry per array type at most.
    if (entries > quint32(zarGrid::arrayTypes) || !zarStreamGuard::fits(stream, entries, 2)) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return stream;
    }
    for (quint32 i = 0; i < entries && stream.status() == QDataStream::Ok; ++i) {
        qint8 type = 0, sets = 0;
        stream >> type >> sets;
        if (stream.status() == QDataStream::Ok)
            a.arrayTypeSets.insert(type, sets);
    }
    stream >> a.profileLength;
    if (stream.status() != QDataStream::Ok)
        return stream;
    zarStreamGuard::readFloats(stream, a.maxDepths);
    return stream;
}
