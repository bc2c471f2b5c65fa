#include "zartestsupport.h"

#include "zarfakeboard.h"

#include "core/zarcore.h"

#include <functional>

namespace {
zarCoreParamET2D group(int size)
{
    zarCoreParamET2D param;
    for (int i = 0; i < size; ++i)
        param.quadripoles.append(zarQuadripole(i, i + 3, i + 1, i + 2));
    return param;
}

// Records the order of the reports that reach it, each with its error code unless 0,
// and whether all came in the GUI thread.
class Listener : public QObject
{
public:
    QStringList order;
    bool allInGuiThread = true;
    explicit Listener(zarCore* core)
    {
        listen(core, &zarCore::sendReportDiscover, "discover");
        listen(core, &zarCore::sendReportET2D, "et2d");
        listen(core, &zarCore::sendReportSensor, "sensor");
        listen(core, &zarCore::sendReportClock, "clock");
        listen(core, &zarCore::sendReportSound, "sound");
        listen(core, &zarCore::sendReportTxAux, "tx");
        listen(core, &zarCore::sendReportCalibrate, "calibrate");
        listen(core, &zarCore::sendReportResistance, "resistance");
        listen(core, &zarCore::sendReportSignal, "signal");
        listen(core, &zarCore::sendReportVES, "ves");
        listen(core, &zarCore::sendReportProduction, "production");
        listen(core, &zarCore::sendReportSwAux, "sw");
        listen(core, &zarCore::sendReportRxAux, "rx");
        listen(core, &zarCore::sendReportRxStress, "stress");
    }

private:
    template <typename Report>
    void listen(zarCore* core, void (zarCore::*signal)(Report), const char* name)
    {
        connect(core, signal, this, [this, name](Report r) {
            order << QLatin1String(name) + (r.error.code ? QStringLiteral(":%1").arg(r.error.code) : QString());
            allInGuiThread = allInGuiThread && QThread::currentThread() == qApp->thread();
        });
    }
};
}

class TestCore : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { zarCore::destroy(); }

    void oneCoreForTheWholeProgram()
    {
        zarCore* core = zarCore::instance();
        QCOMPARE(zarCore::instance(), core);
    }

    void reportsArriveInJobOrderInTheGuiThread()
    {
        zarCore* core = zarCore::instance();
        Listener listener(core);
        core->discover();
        core->clock(zarCoreParamClock());
        core->et2d(group(4));
        QVERIFY(zarWaitFor([&] { return listener.order.size() == 4; }));
        QVERIFY(core->jobThread().wait(1000));
        QCoreApplication::processEvents();
        QCOMPARE(listener.order, QStringList({ "discover", "clock", "sensor", "et2d" }));
        QVERIFY(listener.allInGuiThread);
    }

    // A report handler may start the next job at once.
    void aHandlerChainsTheNextJob()
    {
        zarCore* core = zarCore::instance();
        Listener listener(core);
        int groups = 0;
        connect(core, &zarCore::sendReportET2D, this, [&](const zarCoreReportET2D) {
            if (++groups < 5)
                core->et2d(group(2));
        });
        core->et2d(group(2));
        QVERIFY(zarWaitFor([&] { return groups == 5; }));
        QVERIFY(core->jobThread().wait(1000));
        QCoreApplication::processEvents();
        QCOMPARE(groups, 5);
        QCOMPARE(listener.order.count(QStringLiteral("et2d")), 5);
    }

    void doubleLessThanOrdersAndRejectsNaN_data()
    {
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("right");
        QTest::addColumn<bool>("less");
        QTest::newRow("equal") << 1.0 << 1.0 << false;
        QTest::newRow("smaller") << 1.0 << 2.0 << true;
        QTest::newRow("larger") << 2.0 << 1.0 << false;
        QTest::newRow("not a number") << qQNaN() << 1.0 << false;
    }

    void doubleLessThanOrdersAndRejectsNaN()
    {
        QFETCH(double, left);
        QFETCH(double, right);
        QFETCH(bool, less);
        QCOMPARE(doubleLessThan(left, right), less);
    }

    // Each job method reaches its own report signal; the stop-all job reports nothing.
    // Every job is cancelled as it starts: the report comes all the same.
    void everyJobMethodReportsUnderItsOwnSignal()
    {
        zarCore* core = zarCore::instance();
        Listener listener(core);
        const std::function<void()> jobs[] = {
            [core] { core->discover(); },
            [core] { core->signal(zarCoreParamSignal()); },
            [core] { core->resistance(zarCoreParamResistance()); },
            [core] { core->calibrate(zarCoreParamCalibrate()); },
            [core] { core->et2d(group(1)); },
            [core] { core->ves(zarMeasureSettings()); },
            [core] { core->clock(zarCoreParamClock()); },
            [core] { core->production(zarCoreParamProduction()); },
            [core] { core->txCommand(zarCoreParamTxAux()); },
            [core] { core->swCommand(zarCoreParamSwAux()); },
            [core] { core->rxCommand(zarCoreParamRxAux()); },
            [core] { core->rxStress(zarCoreParamRxStress()); },
            [core] { core->panic(); },
            [core] { core->sound(0); },
        };
        for (const auto& job : jobs) {
            job();
            core->stop();
        }
        QVERIFY(zarWaitFor([&] { return listener.order.filter(QStringLiteral("sound")).size() == 1; }));
        QVERIFY(core->jobThread().wait(1000));
        QCoreApplication::processEvents();
        listener.order.removeAll(QStringLiteral("sensor"));
        listener.order.replaceInStrings(QRegularExpression(QStringLiteral(":\\d+$")), QString());
        QCOMPARE(listener.order, QStringList({ "discover", "signal", "resistance", "calibrate", "et2d", "ves", "clock",
                                               "production", "tx", "sw", "rx", "stress", "sound" }));
    }

    void sensorReportPrecedesACancelledET2D()
    {
        zarCore* core = zarCore::instance();
        Listener listener(core);
        core->jobThread().abort();
        core->et2d(group(3)); // the setter forgets that stale request
        core->stop();          // this one cancels the wait
        QVERIFY(zarWaitFor([&] { return listener.order.size() == 2; }));
        QCOMPARE(listener.order, QStringList({ "sensor", "et2d:14" }));
    }

    void sensorsAreSkippedWhileAJobRuns()
    {
        zarCore* core = zarCore::instance();
        Listener listener(core);
        core->txCommand(zarCoreParamTxAux()); // 1000 ms
        core->sensors();
        core->stop();
        QVERIFY(zarWaitFor([&] { return listener.order.size() == 1; }));
        QVERIFY(core->jobThread().wait(1000));
        QCoreApplication::processEvents();
        QCOMPARE(listener.order, QStringList({ "tx:14" }));
    }

    void sensorsRunWhenIdle()
    {
        zarCore* core = zarCore::instance();
        Listener listener(core);
        core->sensors();
        QVERIFY(zarWaitFor([&] { return listener.order.size() == 1; }));
        QCOMPARE(listener.order, QStringList({ "sensor" }));
    }

    // A stop while nothing runs is forgotten: the next job runs whole.
    void aStopWhileIdleIsForgotten()
    {
        zarCore* core = zarCore::instance();
        Listener listener(core);
        core->stop();
        core->discover();
        QVERIFY(zarWaitFor([&] { return listener.order.size() == 1; }));
        QCOMPARE(listener.order, QStringList({ "discover" }));
    }

    void aSoundCancelsTheRunningJob()
    {
        zarCore* core = zarCore::instance();
        Listener listener(core);
        core->txCommand(zarCoreParamTxAux());
        core->sound(1);
        QVERIFY(zarWaitFor([&] { return listener.order.size() == 2; }));
        QCOMPARE(listener.order, QStringList({ "tx:14", "sound" }));
    }

    void destroyMidJobDeliversNothing()
    {
        Listener listener(zarCore::instance());
        zarCore::instance()->txCommand(zarCoreParamTxAux());
        QVERIFY(zarCore::instance()->jobThread().isRunning());
        zarCore::destroy();
        zarCore::destroy(); // idempotent
        QCoreApplication::processEvents();
        QVERIFY(listener.order.isEmpty());
    }

    // The core may end from inside a report handler (the window closing).
    void destroyFromAReportHandlerStopsTheRelay()
    {
        zarCore* ending = zarCore::instance();
        Listener listener(ending);
        connect(ending, &zarCore::sendReportSensor, qApp, [] { zarCore::destroy(); });
        ending->et2d(group(2));
        QVERIFY(zarWaitFor([&] { return !listener.order.isEmpty(); }));
        QCoreApplication::processEvents();
        QCOMPARE(listener.order, QStringList({ "sensor" }));
    }

    void aNewCoreWorksAfterDestroy()
    {
        zarCore::instance()->txCommand(zarCoreParamTxAux());
        zarCore::destroy();
        Listener fresh(zarCore::instance());
        zarCore::instance()->discover();
        QVERIFY(zarWaitFor([&] { return fresh.order.size() == 1; }));
        QCOMPARE(fresh.order, QStringList({ "discover" }));
    }

    // A report already waiting in the GUI queue when the core ends reaches nobody.
    void aQueuedReportDiesWithItsCore()
    {
        zarCore* core = zarCore::instance();
        Listener listener(core);
        core->discover();
        QVERIFY(core->jobThread().wait(5000));
        zarCore::destroy();
        QCoreApplication::processEvents();
        QVERIFY(listener.order.isEmpty());
    }
};

ZAR_TEST_MAIN(TestCore)
#include "test_core.moc"
