#include "core/zarmeasureset.h"

#include "core/zarstreamguard.h"

bool zarMeasureSet::operator==(const zarMeasureSet& o) const
{
    return txVoltage == o.txVoltage && txCurrent == o.txCurrent && rxVoltage == o.rxVoltage
        && chargeability == o.chargeability && rxDeviation == o.rxDeviation
        && samples == o.samples && quality == o.quality && measured == o.measured
        && settings == o.settings;
}

QDataStream& operator<<(QDataStream& stream, const zarMeasureSet& s)
{
    stream << s.txVoltage << s.txCurrent << s.rxVoltage << s.rxDeviation;
    stream << quint32(s.samples.size());
    for (float sample : s.samples)
        stream << sample;
    stream << s.chargeability << s.quality << s.measured << s.settings;
    return stream;
}

QDataStream& operator>>(QDataStream& stream, zarMeasureSet& s)
{
    stream >> s.txVoltage >> s.txCurrent >> s.rxVoltage >> s.rxDeviation;
    QVector<float> samples;
    zarStreamGuard::readFloats(stream, samples);
    s.samples = samples;
    stream >> s.chargeability >> s.quality >> s.measured >> s.settings;
    return stream;
}
