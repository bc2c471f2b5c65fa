#include "templates/zarmeasurement.h"

void zarMeasurement::setChannels()
{
    if (quadripole.m == -2) {
        mChannel = noChannel;
        nChannel = noChannel;
    } else {
        mChannel = quint8(quadripole.m & 15);
        nChannel = quint8(quadripole.n & 15);
    }
}

bool operator<(const zarMeasurement& l, const zarMeasurement& r)
{
    if (l.mChannel != r.mChannel)
        return l.mChannel < r.mChannel;
    return l.nChannel < r.nChannel;
}
