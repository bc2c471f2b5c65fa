#include "zartestsupport.h"

#include "zarfakeboard.h"

#include "core/zarcore.h"

#include <functional>

namespace {
// The job thread has ended and whatever it reported was delivered.
bool settled(zarCore* core)
{
    const bool ended = core->jobThread().wait(1000);
    QCoreApplication::processEvents();
    return ended;
}

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
        listen(core, &zarCore::sendReportSignal, "signal");
        listen(core, &zarCore::sendReportResistance, "resistance");
        listen(core, &zarCore::sendReportCalibrate, "calibrate");
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
typedef std::function<void(zarCore*)> Steps;
}
Q_DECLARE_METATYPE(Steps)

class TestCore : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { zarCore::destroy(); }

    // The relay waits for the thread, so a handler may start the next job at once.
    void aHandlerStartsTheNextJobAtOnce()
    {
        zarCore* core = zarCore::instance();
        Listener listener(core);
        connect(core, &zarCore::sendReportET2D, this, [core] { core->sensors(); });
        core->et2d(group(1));
        QVERIFY(zarWaitFor([&] { return listener.order.size() == 3; }));
        QVERIFY(settled(core));
        QCOMPARE(listener.order, QStringList({ "sensor", "et2d", "sensor" }));
    }

    // Calls in a row and the reports that reach the GUI thread, once the job thread is done.
    void jobSequences_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QStringList>("reports");
        QTest::newRow("reports in job order, the sensors before the group")
            << Steps([](zarCore* c) { c->discover(); c->clock(zarCoreParamClock()); c->et2d(group(4)); })
            << QStringList({ "discover", "clock", "sensor", "et2d" });
        QTest::newRow("sensors skipped while a job runs")
            << Steps([](zarCore* c) { c->txCommand(zarCoreParamTxAux()); c->sensors(); c->stop(); })
            << QStringList({ "tx:14" });
        QTest::newRow("a sound cancels the running job")
            << Steps([](zarCore* c) { c->txCommand(zarCoreParamTxAux()); c->sound(1); })
            << QStringList({ "tx:14", "sound" });
        QTest::newRow("a stop while idle is forgotten")
            << Steps([](zarCore* c) { c->stop(); c->discover(); })
            << QStringList({ "discover" });
        QTest::newRow("a stale cancel is forgotten, a stop cancels the group")
            << Steps([](zarCore* c) { c->jobThread().abort(); c->et2d(group(3)); c->stop(); })
            << QStringList({ "sensor", "et2d:14" });
    }

    void jobSequences()
    {
        QFETCH(Steps, steps);
        QFETCH(QStringList, reports);
        zarCore* core = zarCore::instance();
        Listener listener(core);
        steps(core);
        QVERIFY(zarWaitFor([&] { return listener.order.size() >= reports.size(); }));
        QVERIFY(settled(core));
        QCOMPARE(listener.order, reports);
        QVERIFY(listener.allInGuiThread);
    }

    // The emergency stop waits for the running job, then tries every step on the
    // port, which is missing here.
    void panicWaitsAndReportsNothing()
    {
        zarDiagnosticCapture capture;
        zarCore* core = zarCore::instance();
        Listener listener(core);
        core->txCommand(zarCoreParamTxAux());
        core->panic();
        QVERIFY(zarWaitFor([&] { return !listener.order.isEmpty(); }));
        QVERIFY(settled(core));
        QCOMPARE(listener.order, QStringList({ "tx" }));
        QCOMPARE(capture.text().count(QLatin1String("port was closed")), 5);
    }

    // Each job method reaches its own report signal; every job is cancelled as it
    // starts and reports all the same.
    void everyJobMethodReportsUnderItsOwnSignal_data()
    {
        QTest::addColumn<Steps>("job");
        QTest::addColumn<QString>("report");
        QTest::newRow("discover") << Steps([](zarCore* c) { c->discover(); }) << "discover";
        QTest::newRow("signal") << Steps([](zarCore* c) { c->signal(zarCoreParamSignal()); }) << "signal";
        QTest::newRow("resistance") << Steps([](zarCore* c) { c->resistance(zarCoreParamResistance()); }) << "resistance";
        QTest::newRow("calibrate") << Steps([](zarCore* c) { c->calibrate(zarCoreParamCalibrate()); }) << "calibrate";
        QTest::newRow("ves") << Steps([](zarCore* c) { c->ves(zarMeasureSettings()); }) << "ves";
        QTest::newRow("clock") << Steps([](zarCore* c) { c->clock(zarCoreParamClock()); }) << "clock";
        QTest::newRow("production") << Steps([](zarCore* c) { c->production(zarCoreParamProduction()); }) << "production";
        QTest::newRow("tx") << Steps([](zarCore* c) { c->txCommand(zarCoreParamTxAux()); }) << "tx";
        QTest::newRow("sw") << Steps([](zarCore* c) { c->swCommand(zarCoreParamSwAux()); }) << "sw";
        QTest::newRow("rx") << Steps([](zarCore* c) { c->rxCommand(zarCoreParamRxAux()); }) << "rx";
        QTest::newRow("stress") << Steps([](zarCore* c) { c->rxStress(zarCoreParamRxStress()); }) << "stress";
        QTest::newRow("sound") << Steps([](zarCore* c) { c->sound(0); }) << "sound";
    }

    void everyJobMethodReportsUnderItsOwnSignal()
    {
        QFETCH(Steps, job);
        QFETCH(QString, report);
        zarCore* core = zarCore::instance();
        Listener listener(core);
        job(core);
        core->stop();
        QVERIFY(zarWaitFor([&] { return !listener.order.isEmpty(); }));
        QVERIFY(settled(core));
        listener.order.replaceInStrings(QRegularExpression(QStringLiteral(":\\d+$")), QString());
        QCOMPARE(listener.order, QStringList({ report }));
    }

    // Plot points are ordered by x; a point without a number is never before another.
    void doubleLessThan_data()
    {
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("right");
        QTest::addColumn<bool>("less");
        QTest::newRow("equal") << 1.0 << 1.0 << false;
        QTest::newRow("smaller") << 1.0 << 2.0 << true;
        QTest::newRow("larger") << 2.0 << 1.0 << false;
        QTest::newRow("not a number first") << qQNaN() << 2.0 << false;
        QTest::newRow("not a number second") << 2.0 << qQNaN() << false;
    }

    void doubleLessThan()
    {
        QFETCH(double, left);
        QFETCH(double, right);
        QTEST(::doubleLessThan(left, right), "less");
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

    // Jobs started, stopped and cut off by destroy in every order: nothing hangs,
    // crashes or reports twice.
    void startStopDestroyStress()
    {
        int reports = 0;
        for (int cycle = 0; cycle < 200; ++cycle) {
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
        QVERIFY(reports <= 200);
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
};

ZAR_TEST_MAIN(TestCore)
#include "test_core.moc"
