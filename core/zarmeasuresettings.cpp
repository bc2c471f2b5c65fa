#include "core/zarmeasuresettings.h"

bool zarMeasureSettings::operator==(const zarMeasureSettings& o) const
{
    return pulseCode == o.pulseCode && ip == o.ip && pauseCode == o.pauseCode
        && deviation == o.deviation && minStacking == o.minStacking
        && maxStacking == o.maxStacking && transmitterPower == o.transmitterPower
        && pulseDuration == o.pulseDuration;
}

QDataStream& operator<<(QDataStream& stream, const zarMeasureSettings& s)
{
    stream << qint16(s.pulseCode) << s.ip << qint16(s.pauseCode) << s.deviation
           << qint8(s.minStacking) << qint8(s.maxStacking) << qint8(s.transmitterPower);
    return stream;
}

QDataStream& operator>>(QDataStream& stream, zarMeasureSettings& s)
{
    qint16 pulse = 0, pause = 0;
    qint8 minStacking = 0, maxStacking = 0, power = 0;
    stream >> pulse >> s.ip >> pause >> s.deviation >> minStacking >> maxStacking >> power;
    s.pulseCode = quint16(pulse);
    s.pauseCode = quint16(pause);
    s.minStacking = quint8(minStacking);
    s.maxStacking = quint8(maxStacking);
    s.transmitterPower = quint8(power);
    return stream;
}
