#include "service/zargpsfix.h"

QDataStream& operator<<(QDataStream& stream, const zarGPSFix& f)
{
    return stream << f.rmc << f.valid << f.latitude << f.longitude << f.date << f.time;
}

QDataStream& operator>>(QDataStream& stream, zarGPSFix& f)
{
    return stream >> f.rmc >> f.valid >> f.latitude >> f.longitude >> f.date >> f.time;
}
