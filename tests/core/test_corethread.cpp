#include "zartestsupport.h"
#include "zarfakeboard.h"

#include "core/zarcorethread.h"

#include <cmath>
#include <thread>

namespace {
// The job thread on its simulated board; run() is called on the test's own thread.
class SimulatedBoard : public zarCoreThread
{
public:
    using zarCoreThread::run;
    SimulatedBoard() { zarRegisterCoreReports(); }
    // Runs the job set up before and returns its one report.
    template <typename Report>
    Report run(void (zarCoreThread::*signal)(Report))
    {
        QSignalSpy spy(this, signal);
        zarCoreThread::run();
        if (spy.count() != 1)
            qFatal("expected exactly one report, got %d", spy.count());
        return spy.takeFirst().at(0).template value<Report>();
    }
};
}

class TestCoreThread : public QObject
{
    Q_OBJECT

private slots:
    // Zero passes and keeps the flag for the next wait; a pending abort cancels a
    // wait and is consumed; above 30000 (or wrapped in 16 bits) is refused unseen.
    void delay_data()
    {
        QTest::addColumn<quint32>("msec");
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("flagLeft");
        QTest::newRow("zero") << 0u << -1 << true;
        QTest::newRow("30000 cancelled") << 30000u << 14 << false;
        QTest::newRow("30001 refused") << 30001u << 15 << true;
        QTest::newRow("wrapped in 16 bits") << 3277u * 20u << 15 << true;
    }

    void delay()
    {
        QFETCH(quint32, msec);
        zarDiagnosticCapture capture;
        zarCoreThread thread;
        thread.abort();
        QTEST(zarFailure(thread, thread.delay(msec)), "error");
        QTEST(thread.abortRequested(), "flagLeft");
    }

    void anAbortFromAnotherThreadEndsAWait()
    {
        zarCoreThread thread;
        std::thread canceller([&thread] { QThread::msleep(50); thread.abort(); });
        const bool finished = thread.delay(30000);
        canceller.join();
        QCOMPARE(zarFailure(thread, finished), 14);
        QVERIFY(!thread.abortRequested());
    }

    void degenerateQuadripolesGiveFiniteValues()
    {
        SimulatedBoard board;
        zarCoreParamET2D param;
        param.quadripoles = { zarQuadripole(0, 0, 0, 0), zarQuadripole(5, 5, 5, 5), zarQuadripole(-1, 0, -2, 0) };
        board.setEt2d(param);
        const auto report = board.run(&zarCoreThread::sendReportET2D);
        QCOMPARE(report.results.size(), 3);
        for (const zarMeasureSet& set : report.results) {
            QVERIFY(std::isfinite(set.rxVoltage));
            QVERIFY(std::isfinite(set.txCurrent));
            QVERIFY(std::isfinite(set.txVoltage));
        }
    }

    // A cancelled group reports its rows unmeasured and the sensors without error.
    void aCancelledGroupKeepsItsRows()
    {
        SimulatedBoard board;
        zarCoreParamET2D param;
        param.quadripoles = { zarQuadripole(0, 3, 1, 2), zarQuadripole(1, 4, 2, 3), zarQuadripole(2, 5, 3, 4) };
        board.setEt2d(param);
        board.abort();
        const auto report = board.run(&zarCoreThread::sendReportET2D);
        QCOMPARE(int(report.error.code), 14);
        QCOMPARE(report.results.size(), 3);
        QCOMPARE(int(report.sensorError.code), 0);
    }
};

ZAR_TEST_MAIN(TestCoreThread)
#include "test_corethread.moc"
