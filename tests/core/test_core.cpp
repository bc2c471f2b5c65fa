#include "zartestsupport.h"

#include "zarfakeboard.h"

#include "core/zarcore.h"

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

    void oneReportPerJobInTheGuiThreadAndChaining()
    {
        zarCore* core = zarCore::instance();
        QCOMPARE(zarCore::instance(), core);
        Listener listener(core);
        core->discover();
        core->clock(zarCoreParamClock());
        core->et2d(group(4));
        QVERIFY(zarWaitFor([&] { return listener.order.size() == 4; }));
        QTest::qWait(50);
        QCOMPARE(listener.order, QStringList({ "discover", "clock", "sensor", "et2d" }));
        QVERIFY(listener.allInGuiThread);
        QVERIFY(!doubleLessThan(1.0, 1.0) && doubleLessThan(1.0, 2.0) && !doubleLessThan(qQNaN(), 1.0));

        // A handler may chain the next job.
        int groups = 0;
        connect(core, &zarCore::sendReportET2D, this, [&](const zarCoreReportET2D) {
            if (++groups < 5)
                core->et2d(group(2));
        });
        core->et2d(group(2));
        QVERIFY(zarWaitFor([&] { return groups == 5; }));
        QTest::qWait(50);
        QCOMPARE(groups, 5);
        QCOMPARE(listener.order.count(QStringLiteral("et2d")), 6);
    }

    // Each job method reaches its own report signal; the stop-all job reports nothing.
    void everyJobMethodReportsUnderItsOwnSignal()
    {
        zarCore* core = zarCore::instance();
        Listener listener(core);
        core->discover();
        core->signal(zarCoreParamSignal());
        core->resistance(zarCoreParamResistance());
        core->calibrate(zarCoreParamCalibrate());
        core->et2d(group(1));
        core->ves(zarMeasureSettings());
        core->sensors(); // skipped: the VES job is running
        core->clock(zarCoreParamClock());
        core->production(zarCoreParamProduction());
        core->txCommand(zarCoreParamTxAux());
        core->swCommand(zarCoreParamSwAux());
        core->rxCommand(zarCoreParamRxAux());
        core->rxStress(zarCoreParamRxStress());
        core->panic();
        core->sound(0);
        QVERIFY(zarWaitFor([&] { return listener.order.contains(QStringLiteral("sound")); }));
        QTest::qWait(50);
        listener.order.removeAll(QStringLiteral("sensor"));
        QCOMPARE(listener.order.join(QLatin1Char(' ')),
                 QStringLiteral("discover signal resistance calibrate et2d ves clock production tx sw rx stress sound"));
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

    void sensorsSkippedWhileBusyIdleStopForgottenSoundCancels()
    {
        zarCore* core = zarCore::instance();
        Listener listener(core);
        core->txCommand(zarCoreParamTxAux()); // 1000 ms
        core->sensors();
        QVERIFY(zarWaitFor([&] { return listener.order.size() == 1; }));
        core->stop();
        core->sensors();
        core->discover();
        QVERIFY(zarWaitFor([&] { return listener.order.size() == 3; }));
        core->txCommand(zarCoreParamTxAux());
        core->sound(1);
        QVERIFY(zarWaitFor([&] { return listener.order.size() == 5; }));
        QCOMPARE(listener.order, QStringList({ "tx", "sensor", "discover", "tx:14", "sound" }));
    }

    void destroyMidJobDeliversNothing()
    {
        Listener first(zarCore::instance());
        zarCore::instance()->txCommand(zarCoreParamTxAux());
        QVERIFY(zarCore::instance()->jobThread().isRunning());
        zarCore::destroy();
        zarCore::destroy(); // idempotent
        QTest::qWait(50);
        QVERIFY(first.order.isEmpty());

        // The core may also end from inside a report handler (the window closing).
        zarCore* ending = zarCore::instance();
        Listener second(ending);
        connect(ending, &zarCore::sendReportSensor, qApp, [] { zarCore::destroy(); });
        ending->et2d(group(2));
        QVERIFY(zarWaitFor([&] { return !second.order.isEmpty(); }));
        QTest::qWait(50);
        QCOMPARE(second.order, QStringList({ "sensor" }));

        Listener fresh(zarCore::instance());
        zarCore::instance()->discover();
        QVERIFY(zarWaitFor([&] { return fresh.order == QStringList({ "discover" }); }));
    }

    void startStopDestroyStress()
    {
        int reports = 0;
        for (int cycle = 0; cycle < 1000; ++cycle) {
            zarCore* core = zarCore::instance();
            connect(core, &zarCore::sendReportET2D, qApp, [&] { ++reports; });
            core->et2d(group(cycle % 5));
            if (cycle % 3 == 0)
                core->stop();
            if (cycle % 7 == 0)
                QCoreApplication::processEvents();
            if (cycle % 2 == 0)
                zarCore::destroy();
        }
        zarCore::destroy();
        QCoreApplication::processEvents();
        QVERIFY(reports <= 1000);
    }
};

ZAR_TEST_MAIN(TestCore)
#include "test_core.moc"
