#ifndef ZARBENCHDATA_H
#define ZARBENCHDATA_H

#include "service/zarcableconfiguration.h"
#include "sessions/zarsessionfile.h"
#include "templates/zartemplatedatamodel.h"

#include <QElapsedTimer>

#include <functional>
#include <limits>

// Large templates and sessions for the benchmarks.
struct zarBenchData
{
    // The shortest of a few runs of work, in nanoseconds.
    static qint64 bestOf(int rounds, const std::function<void()>& work)
    {
        qint64 best = std::numeric_limits<qint64>::max();
        for (int i = 0; i < rounds; ++i) {
            QElapsedTimer clock;
            clock.start();
            work();
            best = qMin(best, clock.nsecsElapsed());
        }
        return best;
    }

    // An ERTLab-style template of the given number of distinct quadripoles.
    static void ertLabTemplate(zarTemplateDataModel& model, int count)
    {
        for (int e = 1; e <= 64; ++e)
            model.ertElectrodes.insert(quint16(e), zarPoint3D(e, 0, 0));
        for (int a = 0; a < 64 && model.ertQuadripoles.size() < count; ++a)
            for (int b = 0; b < 64 && model.ertQuadripoles.size() < count; ++b)
                for (int m = 0; m < 64 && model.ertQuadripoles.size() < count; ++m) {
                    if (m == a || m == b || a == b)
                        continue;
                    const int n = (m + 1) % 64;
                    if (n == a || n == b)
                        continue;
                    model.ertQuadripoles.append(zarQuadripole(qint16(a), qint16(b), qint16(m), qint16(n)));
                }
    }

    static zarCableConfiguration allWires()
    {
        zarCableConfiguration configuration;
        for (int i = 0; i < 64; ++i)
            configuration.wires.append({ 1.0f, true });
        return configuration;
    }

    // A session of measured rows with a few samples each.
    static zarSessionFile measuredSession(int rows)
    {
        zarSessionFile session;
        session.arraySets = { zarArraySet(3, qint16(rows)) };
        session.arrangement.arrayTypeSets.insert(3, 1);
        session.arrangement.maxDepths = { 60 };
        session.arrangement.profileLength = 315;
        session.cableConfiguration = allWires();
        for (int i = 0; i < rows; ++i) {
            zarSessionDataUnit unit;
            unit.x = float(i % 315);
            unit.z = float(i % 60);
            unit.k = 31.4f;
            unit.rho = 10.0f + i % 97;
            unit.setMask = 1;
            unit.coreQuadripole.a = qint16(i % 60);
            unit.coreQuadripole.b = qint16(i % 60 + 3);
            unit.coreQuadripole.m = qint16(i % 60 + 1);
            unit.coreQuadripole.n = qint16(i % 60 + 2);
            unit.measureSet.measured = true;
            unit.measureSet.txCurrent = 50;
            unit.measureSet.rxVoltage = 10;
            unit.measureSet.samples = { 1, 2, 3, 4 };
            session.units.append(unit);
        }
        return session;
    }
};

#endif
