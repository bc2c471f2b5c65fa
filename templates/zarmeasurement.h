#ifndef ZARMEASUREMENT_H
#define ZARMEASUREMENT_H

#include "templates/zarquadripole.h"

// One quadripole on its way from the template sets to a session row: the sets that
// hold it, its receiver channels and its place in a run.
class zarMeasurement
{
public:
    enum : quint8 { noChannel = 0x11 };

    void setMask(quint8 mask) { m_setMask = mask; }
    quint8 setMask() const { return m_setMask; }
    void setChannels();

    zarQuadripole quadripole;
    quint8 m_setMask = 0;
    quint8 mChannel = noChannel;
    quint8 nChannel = noChannel;
    quint8 channel = noChannel;
    quint8 continues = 1;
    quint8 groupParity = 1;
};

bool operator<(const zarMeasurement& l, const zarMeasurement& r);

Q_DECLARE_TYPEINFO(zarMeasurement, Q_MOVABLE_TYPE);

#endif
