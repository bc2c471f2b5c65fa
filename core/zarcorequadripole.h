#ifndef ZARCOREQUADRIPOLE_H
#define ZARCOREQUADRIPOLE_H

#include <QDataStream>

// Electrodes of one measurement and the receiver channel that records it.
// Electrodes count from 0; A may be -1 (remote transmitter), M may be -2 (remote receiver).
struct zarCoreQuadripole
{
    enum : qint16 { remoteTransmitter = -1, remoteReceiver = -2 };
    enum : quint8 { noChannel = 0x11 };

    qint16 a = 0;
    qint16 b = 0;
    qint16 m = 0;
    qint16 n = 0;
    quint8 channel = 0;

    bool operator==(const zarCoreQuadripole& o) const
    {
        return a == o.a && b == o.b && m == o.m && n == o.n && channel == o.channel;
    }
};

QDataStream& operator<<(QDataStream& stream, const zarCoreQuadripole& quadripole);
QDataStream& operator>>(QDataStream& stream, zarCoreQuadripole& quadripole);

#endif
