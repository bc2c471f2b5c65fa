#ifndef ZARQUADRIPOLE_H
#define ZARQUADRIPOLE_H

#include "templates/zargrid.h"

#include <QHash>
#include <QMetaType>

// One four-electrode measurement with its template cell and its place in the
// pseudo-section. A may be -1 (remote transmitter), M may be -2 (remote receiver).
class zarQuadripole
{
public:
    zarQuadripole() = default;
    zarQuadripole(qint16 a, qint16 b, qint16 m, qint16 n) : a(a), b(b), m(m), n(n) {}

    void computeX(float cableSpacing, quint8 arrayType);
    void computeDepth(float cableSpacing, quint8 arrayType);

    qint16 a = 0;
    qint16 b = 0;
    qint16 m = 0;
    qint16 n = 0;
    zarSpacing spacing = 0;
    zarLevel level = 0;
    float x = 0;
    float z = 0;
};

// Equal and hashed on the four electrodes only.
bool operator==(const zarQuadripole& l, const zarQuadripole& r);
inline bool operator!=(const zarQuadripole& l, const zarQuadripole& r) { return !(l == r); }
uint qHash(const zarQuadripole& q, uint seed = 0);

// Measurement centre in electrode steps.
double quadripolePosition(quint8 arrayType, quint16 a, quint16 b, quint16 m, quint16 n);

Q_DECLARE_TYPEINFO(zarQuadripole, Q_MOVABLE_TYPE);
Q_DECLARE_METATYPE(zarQuadripole)

#endif
