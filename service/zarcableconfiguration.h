#ifndef ZARCABLECONFIGURATION_H
#define ZARCABLECONFIGURATION_H

#include <QDataStream>
#include <QList>

// Result of the cable check: grounding resistance and use of every wire and of the
// two remote electrodes.
class zarCableConfiguration
{
public:
    struct Wire
    {
        float resistance = -1.0f;  // kOhm, -1 when not measured
        bool enabled = true;
    };

    QList<Wire> wires;
    float remoteTxResistance = 0;
    bool remoteTx = false;
    float remoteRxResistance = 0;
    bool remoteRx = false;
};

QDataStream& operator<<(QDataStream& stream, const zarCableConfiguration& configuration);
QDataStream& operator>>(QDataStream& stream, zarCableConfiguration& configuration);

#endif
