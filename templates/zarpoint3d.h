#ifndef ZARPOINT3D_H
#define ZARPOINT3D_H

#include <QDataStream>

// Coordinates of one electrode, metres.
class zarPoint3D
{
public:
    zarPoint3D() = default;
    zarPoint3D(float x, float y, float z) : x(x), y(y), z(z) {}

    bool operator==(const zarPoint3D& o) const { return x == o.x && y == o.y && z == o.z; }

    float x = 0;
    float y = 0;
    float z = 0;
};

QDataStream& operator<<(QDataStream& stream, const zarPoint3D& point);
QDataStream& operator>>(QDataStream& stream, zarPoint3D& point);

#endif
