#ifndef ZARMEASURESET_H
#define ZARMEASURESET_H

#include "core/zarmeasuresettings.h"
#include "core/zarsamples.h"

// One measured result with the settings it was made with.
struct zarMeasureSet
{
    float txVoltage = 0;
    float txCurrent = 0;
    float rxVoltage = 0;
    float chargeability = 0;
    float rxDeviation = 0;
    zarSamples samples;
    float quality = 0;
    bool measured = false;
    zarMeasureSettings settings;

    bool operator==(const zarMeasureSet& o) const;
};

// The file order differs from the field order: deviation before the samples,
// chargeability after them.
QDataStream& operator<<(QDataStream& stream, const zarMeasureSet& set);
QDataStream& operator>>(QDataStream& stream, zarMeasureSet& set);

#endif
