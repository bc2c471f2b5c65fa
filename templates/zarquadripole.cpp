#include "templates/zarquadripole.h"

#include "core/zarconstants.h"
#include "templates/zarpseudodepth.h"

#include <QString>
#include <cmath>

bool operator==(const zarQuadripole& l, const zarQuadripole& r)
{
    return l.a == r.a && l.b == r.b && l.m == r.m && l.n == r.n;
}

uint qHash(const zarQuadripole& q, uint seed)
{
    return qHash(QStringLiteral("%1,%2,%3,%4")
                     .arg(quint16(q.a)).arg(quint16(q.b)).arg(quint16(q.m)).arg(quint16(q.n)),
                 seed);
}

double quadripolePosition(quint8 arrayType, quint16 a, quint16 b, quint16 m, quint16 n)
{
    const float half = 0.5f;
    switch (arrayType) {
    case 0: case 3: case 12: case 15: case 18: case 19: case 20: case 21:
        return half * double(a + b);
    case 1: case 2: case 4: case 13: case 14: case 16:
        return half * double(a + n);
    case 5: case 6:
        return half * (b + half * double(m + n));
    case 7: case 17:
        return half * double(b + n);
    case 8: case 9: case 10: case 11:
        return half * double(m + n);
    default:
        return 0;
    }
}

void zarQuadripole::computeX(float cableSpacing, quint8 arrayType)
{
    x = float(quadripolePosition(arrayType, quint16(a), quint16(b), quint16(m), quint16(n)) * cableSpacing);
}

void zarQuadripole::computeDepth(float cableSpacing, quint8 arrayType)
{
    // The table is looked up each time rather than cached: it may be destroyed and
    // created again, and a cached pointer would dangle.
    const float d = zarPseudoDepth::instance(pseudoDepthResource)->lookup(arrayType, spacing, level);
    double depth = double(d) * cableSpacing;
    double c, length, t;
    const quint16 ua = quint16(a), ub = quint16(b), um = quint16(m), un = quint16(n);
    if (arrayType >= 8 && arrayType <= 11) {
        c = 0.5f * double(um + un);
        length = double(ub) - ua;
        t = qMin(ub - c, c - ua);
    } else if (arrayType >= 18 && arrayType <= 21) {
        c = 0.5f * double(ua + ub);
        length = double(un) - um;
        t = qMin(un - c, c - um);
    } else {
        z = float(depth);
        return;
    }
    const double u = (t - 0.5f * length) / (double(0.22f) * length);
    depth *= std::exp(double(-0.5f) * u * u);
    z = float(depth);
}
