#include "templates/zararrayset.h"

#include "core/zarnames.h"
#include "core/zarstreamguard.h"
#include "templates/zargrid.h"

QDataStream& operator<<(QDataStream& stream, const QVector<zarArraySet>& sets)
{
    stream << quint32(sets.size());
    for (const zarArraySet& set : sets)
        stream << set.arrayType << set.count;
    return stream;
}

QDataStream& operator>>(QDataStream& stream, QVector<zarArraySet>& sets)
{
    sets.clear();
    quint32 count = 0;
    stream >> count;
    if (stream.status() != QDataStream::Ok)
        return stream;
    if (count > quint32(zarGrid::maxSets) || !zarStreamGuard::fits(stream, count, 3)) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return stream;
    }
    for (quint32 i = 0; i < count; ++i) {
        zarArraySet set;
        stream >> set.arrayType >> set.count;
        if (stream.status() != QDataStream::Ok)
            break;
        sets.append(set);
    }
    return stream;
}

QStringList arraySetDescriptions(const QVector<zarArraySet>& sets)
{
    QStringList lines;
    for (int i = 0; i < sets.size(); ++i)
        lines << QStringLiteral("%1/%2 %3 [%4]")
                     .arg(i + 1)
                     .arg(sets.size())
                     .arg(arrayName(zarArrayType(sets[i].arrayType)))
                     .arg(quint16(sets[i].count));
    return lines;
}
