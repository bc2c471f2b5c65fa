#ifndef ZARBENCHDATA_H
#define ZARBENCHDATA_H

#include "service/zarcableconfiguration.h"
#include "sessions/zarsessionfile.h"
#include "templates/zarsequencebuilder.h"
#include "templates/zartemplatedatamodel.h"

#include <QElapsedTimer>
#include <QSet>
#include <QtTest>

#include <functional>
#include <limits>

// Timing helpers: the best of several rounds, reported once beside its target.
struct zarBench
{
    // QBENCHMARK runs a test function again until its timing settles; report once.
    static bool firstRun()
    {
        static QSet<QString> seen;
        const QString key = QString::fromLatin1(QTest::currentTestFunction()) + QString::fromLatin1(QTest::currentDataTag());
        if (seen.contains(key))
            return false;
        seen.insert(key);
        return true;
    }

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

    // "name: value unit (target: target unit, value / target = ratio: met)".
    static void report(const char* name, double value, const char* unit, double target, bool atMost)
    {
        const bool met = atMost ? value <= target : value >= target;
        qInfo("%s: %.3g %s (target %s %.3g %s, value / target %.2f: %s)", name, value, unit,
              atMost ? "at most" : "at least", target, unit, value / target, met ? "met" : "NOT MET");
    }
};

// Large templates and sessions for the benchmarks.
struct zarBenchData
{
    // The grid cells (spacing, level) of the first spacings and levels.
    static QList<QPair<int, int>> cells(int spacings, int levels)
    {
        QList<QPair<int, int>> cells;
        for (int s = 0; s < spacings; ++s)
            for (int l = 0; l < levels; ++l)
                cells.append({ s, l });
        return cells;
    }

    // One array type generated over every cell of the grid on two cables.
    template <typename List>
    static int generateFullGrid(quint8 arrayType)
    {
        int total = 0;
        for (int s = 0; s < zarGrid::spacings; ++s)
            for (int l = 0; l < zarGrid::levels; ++l) {
                List list;
                zarSequenceBuilder::instance()->generate(2, 5, arrayType, zarSpacing(s), zarLevel(l), &list);
                total += list.size();
            }
        return total;
    }

    // One array type over every cell of the grid on two cables, the whole set
    // appended to one list as the builder does.
    template <typename List>
    static int generateFullSet(quint8 arrayType)
    {
        List list;
        for (int s = 0; s < zarGrid::spacings; ++s)
            for (int l = 0; l < zarGrid::levels; ++l)
                zarSequenceBuilder::instance()->generate(2, 5, arrayType, zarSpacing(s), zarLevel(l), &list);
        return list.size();
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

    // A session of measured rows, with a few samples each as induced polarisation
    // leaves them, or none.
    static zarSessionFile measuredSession(int rows, int samples = 4)
    {
        zarSessionFile session;
        // A set counts its quadripoles in 16 bits: larger sessions take several sets.
        const int perSet = 30000;
        for (int left = rows; left > 0; left -= perSet)
            session.arraySets.append(zarArraySet(3, qint16(qMin(left, perSet))));
        session.arrangement.arrayTypeSets.insert(3, qint8(session.arraySets.size()));
        session.arrangement.maxDepths = QVector<float>(session.arraySets.size(), 60);
        session.arrangement.profileLength = 315;
        session.cableConfiguration = allWires();
        for (int i = 0; i < rows; ++i) {
            zarSessionDataUnit unit;
            unit.x = float(i % 315);
            unit.z = float(i % 60);
            unit.k = 31.4f;
            unit.rho = 10.0f + i % 97;
            unit.setMask = qint8(1 << (i / perSet));
            unit.coreQuadripole.a = qint16(i % 60);
            unit.coreQuadripole.b = qint16(i % 60 + 3);
            unit.coreQuadripole.m = qint16(i % 60 + 1);
            unit.coreQuadripole.n = qint16(i % 60 + 2);
            unit.measureSet.measured = true;
            unit.measureSet.txCurrent = 50;
            unit.measureSet.rxVoltage = 10;
            unit.measureSet.samples = QVector<float>(samples, 2.5f);
            session.units.append(unit);
        }
        return session;
    }
};

#endif
