#ifndef ZARARRAYSET_H
#define ZARARRAYSET_H

#include <QDataStream>
#include <QStringList>
#include <QVector>

// One template set of a session: its array type and how many quadripoles it gave.
class zarArraySet
{
public:
    zarArraySet() = default;
    zarArraySet(qint8 arrayType, qint16 count) : arrayType(arrayType), count(count) {}

    qint8 arrayType = 0;
    qint16 count = 0;
};

Q_DECLARE_TYPEINFO(zarArraySet, Q_PRIMITIVE_TYPE);

QDataStream& operator<<(QDataStream& stream, const QVector<zarArraySet>& sets);
QDataStream& operator>>(QDataStream& stream, QVector<zarArraySet>& sets);

// "1/3 Wenner alpha [120]", one line per set.
QStringList arraySetDescriptions(const QVector<zarArraySet>& sets);

#endif
