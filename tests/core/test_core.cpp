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
};

ZAR_TEST_MAIN(TestCore)
#include "test_core.moc"
