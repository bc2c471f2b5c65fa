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

// Records the order and thread of every report that reaches it.
class Listener : public QObject
{
public:
    QStringList order;
    bool allInGuiThread = true;
    explicit Listener(zarCore* core)
    {
        auto note = [this](const char* name) {
            order << QLatin1String(name);
            allInGuiThread = allInGuiThread && QThread::currentThread() == qApp->thread();
        };
        connect(core, &zarCore::sendReportSensor, this, [note] { note("sensor"); });
        connect(core, &zarCore::sendReportET2D, this, [note] { note("et2d"); });
        connect(core, &zarCore::sendReportDiscover, this, [note] { note("discover"); });
        connect(core, &zarCore::sendReportSound, this, [note] { note("sound"); });
        connect(core, &zarCore::sendReportClock, this, [note] { note("clock"); });
        connect(core, &zarCore::sendReportTxAux, this, [note] { note("tx"); });
    }
};
}

class TestCore : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { zarCore::destroy(); }

    void doubleOrder()
    {
        QVERIFY(!doubleLessThan(1.0, 1.0));
        QVERIFY(doubleLessThan(1.0, 2.0));
        QVERIFY(!doubleLessThan(qQNaN(), 2.0));
        QVERIFY(!doubleLessThan(2.0, qQNaN()));
    }

    void oneReportPerJobInTheGuiThread()
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
    }

    void sensorReportPrecedesACancelledET2D()
    {
        zarCore* core = zarCore::instance();
        QList<int> codes;
        QStringList order;
        connect(core, &zarCore::sendReportSensor, this, [&](const zarCoreReportSensor r) {
            order << "sensor";
            QCOMPARE(r.sensors.value(2), 13.2f);
        });
        connect(core, &zarCore::sendReportET2D, this, [&](const zarCoreReportET2D r) {
            order << "et2d";
            codes << r.error.code;
            QCOMPARE(r.results.size(), 3);
        });
        core->thread().abort();
        core->et2d(group(3)); // the setter forgets that stale request
        core->stop();          // this one cancels the wait
        QVERIFY(zarWaitFor([&] { return codes.size() == 1; }));
        QCOMPARE(order, QStringList({ "sensor", "et2d" }));
        QCOMPARE(codes.first(), 14);
    }

    void sensorsIsSkippedWhileBusy()
    {
        zarCore* core = zarCore::instance();
        QSignalSpy sensor(core, &zarCore::sendReportSensor);
        QSignalSpy tx(core, &zarCore::sendReportTxAux);
        core->txCommand(zarCoreParamTxAux()); // 1000 ms
        core->sensors();
        QVERIFY(zarWaitFor([&] { return tx.count() == 1; }));
        QCOMPARE(sensor.count(), 0);
        core->sensors();
        QVERIFY(zarWaitFor([&] { return sensor.count() == 1; }));
    }

    void stopWhileIdleIsForgotten()
    {
        zarCore* core = zarCore::instance();
        QSignalSpy discover(core, &zarCore::sendReportDiscover);
        core->stop();
        core->discover();
        QVERIFY(zarWaitFor([&] { return discover.count() == 1; }));
        QCOMPARE(int(discover.first().at(0).value<zarCoreReportDiscover>().error.code), 0);
    }

    void soundCancelsTheRunningJob()
    {
        zarCore* core = zarCore::instance();
        Listener listener(core);
        QList<int> txCodes;
        connect(core, &zarCore::sendReportTxAux, this, [&](const zarCoreReportTxAux r) { txCodes << r.error.code; });
        core->txCommand(zarCoreParamTxAux());
        core->sound(1);
        QVERIFY(zarWaitFor([&] { return listener.order.size() == 2; }));
        QCOMPARE(listener.order, QStringList({ "tx", "sound" }));
        QCOMPARE(txCodes, QList<int>({ 14 }));
    }

    void panicWaitsAndReportsNothing()
    {
        zarDiagnosticCapture capture;
        zarCore* core = zarCore::instance();
        QSignalSpy tx(core, &zarCore::sendReportTxAux);
        core->txCommand(zarCoreParamTxAux());
        core->panic();
        QVERIFY(zarWaitFor([&] { return !core->thread().isRunning() && tx.count() == 1; }));
        QTest::qWait(20);
        QCOMPARE(int(tx.first().at(0).value<zarCoreReportTxAux>().error.code), 0);
        QCOMPARE(capture.text().count(QLatin1String("port was closed")), 5);
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
        QVERIFY(core->thread().isRunning());
        zarCore::destroy();
        zarCore::destroy(); // idempotent
        QTest::qWait(50);
        QVERIFY(!delivered);

        zarCore* fresh = zarCore::instance();
        QVERIFY(fresh);
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
