#include "templates/zarpoint3d.h"

QDataStream& operator<<(QDataStream& stream, const zarPoint3D& p)
{
    return stream << p.x << p.y << p.z;
}

QDataStream& operator>>(QDataStream& stream, zarPoint3D& p)
{
    return stream >> p.x >> p.y >> p.z;
}
