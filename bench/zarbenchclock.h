#ifndef ZARBENCHCLOCK_H
#define ZARBENCHCLOCK_H

#include <QElapsedTimer>
#include <QSet>
#include <QtTest>

#include <functional>
#include <limits>

// Timing helpers of the benchmarks.
struct zarBenchClock
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

    // Nanoseconds of the fastest of the rounds.
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
};

#endif
