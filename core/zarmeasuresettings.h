#ifndef ZARMEASURESETTINGS_H
#define ZARMEASURESETTINGS_H

#include <QDataStream>

// How one measurement is made. pulseDuration travels in memory only.
struct zarMeasureSettings
{
    quint16 pulseCode = 2;
    bool ip = false;
    quint16 pauseCode = 0;
    float deviation = 1.0f;
    quint8 minStacking = 3;
    quint8 maxStacking = 5;
    quint8 transmitterPower = 25;
    quint16 pulseDuration = 80;

    bool operator==(const zarMeasureSettings& o) const;
    bool operator!=(const zarMeasureSettings& o) const { return !(*this == o); }
};

QDataStream& operator<<(QDataStream& stream, const zarMeasureSettings& settings);
QDataStream& operator>>(QDataStream& stream, zarMeasureSettings& settings);

#endif
