#include "sessions/zarsessiondataunit.h"

#include "core/zardiagnostics.h"

#include <cmath>

void zarSessionDataUnit::configure(zarCableSpacing cableSpacing, zarMeasurement measurement)
{
    const zarQuadripole& q = measurement.quadripole;
    x = q.x;
    z = q.z;
    setMask = qint8(measurement.setMask());
    continues = measurement.continues != 0;
    groupParity = measurement.groupParity != 0;
    coreQuadripole.channel = measurement.channel;
    if (cableSpacing == 0) {
        zarDiagnostics::line("zarSessionDataUnit error: configure cableSpacing == 0");
        return;
    }
    coreQuadripole.a = q.a;
    coreQuadripole.b = q.b;
    coreQuadripole.m = q.m;
    coreQuadripole.n = q.n;
    const double s = std::fabs(double(cableSpacing));
    // Remote electrodes stand far out on either side of the line.
    const double a = q.a == -1 ? -1000000.0 : s * q.a;
    const double b = s * q.b;
    const double m = q.m == -2 ? 1000000.0 : s * q.m;
    const double n = s * q.n;
    const double am = std::fabs(a - m), bm = std::fabs(b - m), an = std::fabs(a - n), bn = std::fabs(b - n);
    k = float(std::fabs(double(6.2831855f) / (1 / am - 1 / bm - 1 / an + 1 / bn)));
}

void zarSessionDataUnit::derive()
{
    rho = float(std::fabs(double(k) * measureSet.rxVoltage / measureSet.txCurrent));
}

QDataStream& operator<<(QDataStream& stream, const zarSessionDataUnit& u)
{
    return stream << u.x << u.z << u.k << u.rho << u.setMask << u.continues << u.groupParity
                  << u.coreQuadripole << u.measureSet;
}

QDataStream& operator>>(QDataStream& stream, zarSessionDataUnit& u)
{
    return stream >> u.x >> u.z >> u.k >> u.rho >> u.setMask >> u.continues >> u.groupParity
                  >> u.coreQuadripole >> u.measureSet;
}
