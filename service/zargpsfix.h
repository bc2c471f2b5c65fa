#ifndef ZARGPSFIX_H
#define ZARGPSFIX_H

#include <QDataStream>
#include <QDate>
#include <QTime>

// One GPS position.
class zarGPSFix
{
public:
    bool rmc = false;
    bool valid = false;
    float latitude = 0;
    float longitude = 0;
    QDate date = QDate(2000, 1, 1);
    QTime time = QTime(0, 0, 0, 0);

    bool operator==(const zarGPSFix& o) const
    {
        return rmc == o.rmc && valid == o.valid && latitude == o.latitude && longitude == o.longitude
            && date == o.date && time == o.time;
    }
};

QDataStream& operator<<(QDataStream& stream, const zarGPSFix& fix);
QDataStream& operator>>(QDataStream& stream, zarGPSFix& fix);

#endif
