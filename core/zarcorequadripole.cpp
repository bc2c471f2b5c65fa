#include "core/zarcorequadripole.h"

QDataStream& operator<<(QDataStream& stream, const zarCoreQuadripole& q)
{
    stream << q.a << q.b << q.m << q.n << qint8(q.channel);
    return stream;
}

QDataStream& operator>>(QDataStream& stream, zarCoreQuadripole& q)
{
    qint8 channel = 0;
    stream >> q.a >> q.b >> q.m >> q.n >> channel;
    q.channel = quint8(channel);
    return stream;
}
