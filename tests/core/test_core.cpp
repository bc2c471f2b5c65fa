#include "zartestsupport.h"

#include "core/zarcore.h"

namespace {
zarCoreParamET2D group(int size)
{
    zarCoreParamET2D param;
    for (int i = 0; i < size; ++i) {
        zarCoreQuadripole q;
        q.a = qint16(i); q.b = qint16(i + 3); q.m = qint16(i + 1); q.n = qint16(i + 2);
        param.quadripoles.append(q);
    }
    return param;
}

// Records the order, error codes and thread of every report that reaches it.
class Listener : public QObject
{
public:
    QStringList order;
    QList<int> codes;
    bool allInGuiThread = true;
    explicit Listener(zarCore* core)
    {
        listen(core, &zarCore::sendReportDiscover, "discover");
        listen(core, &zarCore::sendReportCalibrate, "calibrate");
        listen(core, &zarCore::sendReportResistance, "resistance");
        listen(core, &zarCore::sendReportSignal, "signal");
        listen(core, &zarCore::sendReportET2D, "et2d");
        listen(core, &zarCore::sendReportVES, "ves");
        listen(core, &zarCore::sendReportSensor, "sensor");
        listen(core, &zarCore::sendReportClock, "clock");
        listen(core, &zarCore::sendReportSound, "sound");
        listen(core, &zarCore::sendReportProduction, "production");
        listen(core, &zarCore::sendReportTxAux, "tx");
        listen(core, &zarCore::sendReportSwAux, "sw");
        listen(core, &zarCore::sendReportRxAux, "rx");
        listen(core, &zarCore::sendReportRxStress, "rxStress");
    }

private:
    template <typename Report>
    void listen(zarCore* core, void (zarCore::*signal)(Report), const char* name)
    {
        connect(core, signal, this, [this, name](Report r) {
            order << QLatin1String(name);
            codes << r.error.code;
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

    // Each job method starts its own job and its one report comes back in the GUI thread
    // under its own signal; a stop right after the start cancels every job that waits.
    void everyJobMethodBringsItsOwnReport()
    {
        zarDiagnosticCapture capture;
        zarCore* core = zarCore::instance();
        QCOMPARE(zarCore::instance(), core);
        Listener listener(core);
        const QList<std::function<void()>> jobs {
            [core] { core->sensors(); }, [core] { core->discover(); },
            [core] { core->signal(zarCoreParamSignal()); }, [core] { core->resistance(zarCoreParamResistance()); },
            [core] { core->calibrate(zarCoreParamCalibrate()); }, [core] { core->et2d(group(2)); },
            [core] { core->ves(zarMeasureSettings()); }, [core] { core->clock(zarCoreParamClock()); },
            [core] { core->sound(1); }, [core] { core->production(zarCoreParamProduction()); },
            [core] { core->txCommand(zarCoreParamTxAux()); }, [core] { core->swCommand(zarCoreParamSwAux()); },
            [core] { core->rxCommand(zarCoreParamRxAux()); }, [core] { core->rxStress(zarCoreParamRxStress()); },
            [core] { core->panic(); } };
        for (const auto& job : jobs) {
            job();
            core->stop();
        }
        QVERIFY(zarWaitFor([&] { return !core->jobThread().isRunning() && listener.order.size() >= 15; }));
        QTest::qWait(20);
        QCOMPARE(listener.order, QStringList({ "sensor", "discover", "signal", "resistance", "calibrate", "sensor",
                                               "et2d", "ves", "clock", "sound", "production", "tx", "sw", "rx",
                                               "rxStress" }));
        QCOMPARE(listener.codes, QList<int>({ 0, 14, 14, 14, 14, 0, 14, 14, 14, 0, 14, 14, 14, 0, 0 }));
        QVERIFY(listener.allInGuiThread);
        QVERIFY(!doubleLessThan(1.0, 1.0) && doubleLessThan(1.0, 2.0) && !doubleLessThan(qQNaN(), 1.0));
    }

    void sensorReportPrecedesACancelledET2D()
    {
        zarCore* core = zarCore::instance();
        Listener listener(core);
        core->jobThread().abort();
        core->et2d(group(3)); // the setter forgets that stale request
        core->stop();          // this one cancels the wait
        QVERIFY(zarWaitFor([&] { return listener.order.size() == 2; }));
        QCOMPARE(listener.order, QStringList({ "sensor", "et2d" }));
        QCOMPARE(listener.codes.last(), 14);
    }

    void sensorsIsSkippedWhileBusyAndIdleStopIsForgotten()
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
        QCOMPARE(listener.order, QStringList({ "tx", "sensor", "discover" }));
        QCOMPARE(listener.codes, QList<int>({ 0, 0, 0 }));
    }

    void soundCancelsTheRunningJob()
    {
        zarCore* core = zarCore::instance();
        Listener listener(core);
        core->txCommand(zarCoreParamTxAux());
        core->sound(1);
        QVERIFY(zarWaitFor([&] { return listener.order.size() == 2; }));
        QCOMPARE(listener.order, QStringList({ "tx", "sound" }));
        QCOMPARE(listener.codes.first(), 14);
    }

    void aHandlerCanChainTheNextJob()
    {
        zarCore* core = zarCore::instance();
        int groups = 0;
        connect(core, &zarCore::sendReportET2D, this, [&](const zarCoreReportET2D) {
            if (++groups < 5)
                core->et2d(group(2));
        });
        core->et2d(group(2));
        QVERIFY(zarWaitFor([&] { return groups == 5; }));
        QTest::qWait(50);
        QCOMPARE(groups, 5);
    }

    void destroyMidJobDeliversNothing()
    {
        zarCore* core = zarCore::instance();
        bool delivered = false;
        connect(core, &zarCore::sendReportTxAux, qApp, [&] { delivered = true; });
        core->txCommand(zarCoreParamTxAux());
        QVERIFY(core->jobThread().isRunning());
        zarCore::destroy();
        zarCore::destroy(); // idempotent
        QTest::qWait(50);
        QVERIFY(!delivered);

        // The core may also end from inside a report handler (the window closing).
        zarCore* ending = zarCore::instance();
        bool et2d = false, sensor = false;
        connect(ending, &zarCore::sendReportSensor, qApp, [&] { sensor = true; zarCore::destroy(); });
        connect(ending, &zarCore::sendReportET2D, qApp, [&] { et2d = true; });
        ending->et2d(group(2));
        QVERIFY(zarWaitFor([&] { return sensor; }));
        QTest::qWait(50);
        QVERIFY(!et2d);

        zarCore* fresh = zarCore::instance();
        QSignalSpy discover(fresh, &zarCore::sendReportDiscover);
        fresh->discover();
        QVERIFY(zarWaitFor([&] { return discover.count() == 1; }));
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
