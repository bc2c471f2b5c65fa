#include "zartestsupport.h"
#include "zarfakeboard.h"

#include "core/zarcorethread.h"

#include <cmath>
#include <thread>

namespace {
// The job thread on its simulated board, with a fixed clock; run() is called on
// the test's own thread.
class SimulatedBoard : public zarCoreThread
{
public:
    using zarCoreThread::run;
    SimulatedBoard()
    {
        zarRegisterCoreReports();
        setSimulationClock([] { return QDateTime(QDate(2026, 3, 14), QTime(9, 26, 25, 500)); });
    }
    void draws(QList<quint32> values)
    {
        setSimulationRandom([values, i = 0]() mutable { return values.at(i++ % values.size()); });
    }
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
    // Zero passes with the flag set and leaves it for the next wait.
    void aZeroDelayPassesAndKeepsTheFlag()
    {
        zarCoreThread thread;
        thread.abort();
        QVERIFY(thread.delay(0));
        QVERIFY(thread.abortRequested());
    }

    // Above 30000 is refused without looking at the flag; sizes that wrapped in 16
    // bits are refused, not shortened.
    void delayRefusesWhatIsTooLong_data()
    {
        QTest::addColumn<quint32>("msec");
        QTest::newRow("30001") << 30001u;
        QTest::newRow("wrapped in 16 bits") << 3277u * 20u;
    }

    void delayRefusesWhatIsTooLong()
    {
        QFETCH(quint32, msec);
        zarDiagnosticCapture capture;
        zarCoreThread thread;
        thread.abort();
        QCOMPARE(zarFailure(thread, thread.delay(msec)), 15);
        QVERIFY(thread.abortRequested());
        QCOMPARE(capture.text(), QStringLiteral("zarCoreThread error: delay msec is invalid: %1\n\r").arg(msec));
    }

    // An abort before the wait cancels at once and is consumed.
    void anAbortBeforeTheWaitCancelsIt()
    {
        zarCoreThread thread;
        thread.abort();
        QCOMPARE(zarFailure(thread, thread.delay(30000)), 14);
        QVERIFY(!thread.abortRequested());
    }

    // The remaining wait counts from the reference time: none left once it has passed.
    void delayRemainingCountsFromTheReference()
    {
        zarCoreThread thread;
        thread.restartReferenceTime();
        thread.abort();
        QVERIFY(thread.delayRemaining(0));
        QCOMPARE(zarFailure(thread, thread.delayRemaining(30000)), 14);
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

    // A job setter forgets a cancel asked for before it: the job's waits run whole.
    void setterForgetsAStaleAbort_data()
    {
        QTest::addColumn<int>("setter");
        QTest::newRow("sensors") << 0;
        QTest::newRow("group") << 1;
        QTest::newRow("emergency stop") << 2;
    }

    void setterForgetsAStaleAbort()
    {
        QFETCH(int, setter);
        zarCoreThread thread;
        thread.abort();
        if (setter == 0)
            thread.setSensors();
        else if (setter == 1)
            thread.setEt2d(zarCoreParamET2D());
        else
            thread.setPanic();
        QVERIFY(!thread.abortRequested());
        QVERIFY(thread.delay(2));
        QCOMPARE(int(thread.error().code), 0);
    }

    // A job runs once per setter: run() again, or with no job set, reports nothing.
    void aJobRunsOncePerSetter()
    {
        SimulatedBoard board;
        QSignalSpy discover(&board, &zarCoreThread::sendReportDiscover);
        board.run(); // no job yet
        board.setDiscover();
        board.run();
        board.run(); // again without a setter
        QCOMPARE(discover.count(), 1);
        QCOMPARE(int(board.job()), int(zarJobNone));
    }

    // The emergency stop sends its five frames and reports nothing.
    void theEmergencyStopReportsNothing()
    {
        SimulatedBoard board;
        zarFakeBoard* line = zarFakeBoard::attach(board);
        QSignalSpy sound(&board, &zarCoreThread::sendReportSound);
        QSignalSpy sensor(&board, &zarCoreThread::sendReportSensor);
        board.setPanic();
        board.run();
        QCOMPARE(line->frames, QStringList({ "071e000100", "061e0000", "ff0f0000", "fe3c0000", "0432000100" }));
        QCOMPARE(sound.count() + sensor.count(), 0);
    }

    void isNear_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<float>("target");
        QTest::addColumn<bool>("near");
        QTest::newRow("equal") << 1.0f << 1.0f << true;
        QTest::newRow("opposite sign counts") << 1.0f << -1.0f << true;
        QTest::newRow("10 % off") << 0.9f << 1.0f << false;
        QTest::newRow("both negative") << -1.0f << -1.0f << false;
        QTest::newRow("1050 near 1000") << 1050.0f << 1000.0f << true;
        QTest::newRow("1100 not near 1000") << 1100.0f << 1000.0f << false;
    }

    void isNear()
    {
        QFETCH(float, value);
        QFETCH(float, target);
        QTEST(target == 1000.0f ? zarCoreThread::isNear1000(value) : zarCoreThread::isNear(value, target), "near");
    }

    // Only the samples of a receiver in the inverted set change sign.
    void invertPolarityOnlyTheListed()
    {
        QVector<float> samples { 1.0f, -2.0f };
        QVERIFY(zarCoreThread::invertPolarity(8, samples, { 9 }));
        QCOMPARE(samples, QVector<float>({ 1.0f, -2.0f }));
        QVERIFY(zarCoreThread::invertPolarity(9, samples, { 9 }));
        QCOMPARE(samples, QVector<float>({ -1.0f, 2.0f }));
    }

    // The remote transmitter electrode has an idle time of its own.
    void electrodeIdleTimes()
    {
        zarCoreThread thread;
        QCOMPARE(thread.electrodeIdleTime(0xFFFF), qint64(-1));
        QVERIFY(thread.setTxElectrodeStates({ zarQuadripole(-1, 7, 0, 0) }, zarMeasureSettings()));
        QVERIFY(thread.electrodeIdleTime(0xFFFF) >= 0);
        QVERIFY(thread.electrodeIdleTime(7) >= 0);
        QCOMPARE(thread.electrodeIdleTime(5), qint64(-1));
    }

    void anEmptyGroupHasNoElectrodeStates()
    {
        zarCoreThread thread;
        zarDiagnosticCapture capture;
        QCOMPARE(zarFailure(thread, thread.setTxElectrodeStates({}, zarMeasureSettings())), 15);
    }

    void discoverFindsEveryDevice()
    {
        SimulatedBoard board;
        board.setDiscover();
        QCOMPARE(board.run(&zarCoreThread::sendReportDiscover).devices.size(), 43);
    }

    // The signal view's series: one first and pulseCode further pulses, a pause
    // series per pause code with IP.
    void signalSeries()
    {
        SimulatedBoard board;
        zarCoreParamSignal param;
        param.settings.pulseCode = 2;
        param.settings.ip = true;
        param.settings.pauseCode = 3;
        board.setSignal(param);
        const auto report = board.run(&zarCoreThread::sendReportSignal);
        QCOMPARE(report.txVoltagePositivePulse, QVector<float>({ 83576.0f, 153576.0f, 153576.0f }));
        QCOMPARE(report.txCurrentPositivePulse, QVector<float>({ 100.0f, 167.0f, 167.0f }));
        QCOMPARE(report.rxVoltagePositivePulse, QVector<float>({ 25.7f, 38.7f, 38.7f }));
        QCOMPARE(report.txVoltageNegativePulse, QVector<float>({ -83576.0f, -153576.0f, -153576.0f }));
        QCOMPARE(report.txCurrentNegativePulse, QVector<float>({ -100.0f, -167.0f, -167.0f }));
        QCOMPARE(report.rxVoltageNegativePulse, QVector<float>({ -25.7f, -38.7f, -38.7f }));
        QCOMPARE(report.txVoltagePositivePause, QVector<float>({ 5000.5f, 2500.25f, 5000.5f / 3.0f }));
        QCOMPARE(report.txCurrentPositivePause, QVector<float>({ 3.0f, 1.5f, 1.0f }));
        QCOMPARE(report.rxVoltagePositivePause, QVector<float>({ 27.0f, 13.5f, 9.0f }));
        QCOMPARE(report.txVoltageNegativePause, QVector<float>({ -5000.5f, -2500.25f, -5000.5f / 3.0f }));
        QCOMPARE(report.txCurrentNegativePause, QVector<float>({ -3.0f, -1.5f, -1.0f }));
        QCOMPARE(report.rxVoltageNegativePause, QVector<float>({ -27.0f, -13.5f, -9.0f }));
        QCOMPARE(report.settings, param.settings);
    }

    // Without IP there are no pause series.
    void signalWithoutIpHasNoPauseSeries()
    {
        SimulatedBoard board;
        zarCoreParamSignal param;
        param.settings.pulseCode = 2;
        board.setSignal(param);
        const auto report = board.run(&zarCoreThread::sendReportSignal);
        QCOMPARE(report.txVoltagePositivePulse.size(), 3);
        QVERIFY(report.txVoltagePositivePause.isEmpty());
        QVERIFY(report.rxVoltageNegativePause.isEmpty());
    }

    // Setting the clock reads nothing back.
    void settingTheClockReadsNothingBack()
    {
        SimulatedBoard board;
        zarCoreParamClock set;
        set.set = 1;
        set.date = QDate(2020, 1, 1);
        set.time = QTime(1, 2, 3);
        board.setClock(set);
        const auto clock = board.run(&zarCoreThread::sendReportClock);
        QCOMPARE(int(clock.set), 1);
        QVERIFY(clock.date.isNull());
        QVERIFY(clock.time.isNull());
    }

    void productionReportsItsTest()
    {
        SimulatedBoard board;
        zarCoreParamProduction test;
        test.test = 16;
        board.setProduction(test);
        QCOMPARE(int(board.run(&zarCoreThread::sendReportProduction).test), 16);
    }

    void receiverSamplesAreHandedBack()
    {
        SimulatedBoard board;
        zarCoreParamRxAux get;
        get.get = 1;
        get.samples = 4;
        board.setRx(get);
        QCOMPARE(board.run(&zarCoreThread::sendReportRxAux).samples, QVector<float>(4, 5.57f));
    }

    // 3277 samples take 65540 ms: refused, not wrapped to 4 ms.
    void aReceiverStartTooLongIsRefused()
    {
        SimulatedBoard board;
        zarCoreParamRxAux start;
        start.start = 1;
        start.get = 1;
        start.samples = 3277;
        board.setRx(start);
        zarDiagnosticCapture capture;
        const auto report = board.run(&zarCoreThread::sendReportRxAux);
        QCOMPARE(int(report.error.code), 15);
        QVERIFY(report.samples.isEmpty());
        QCOMPARE(capture.text(), QStringLiteral("zarCoreThread error: delay msec is invalid: 65540\n\r"));
    }

    // The resistance follows the seconds of the clock.
    void resistanceFollowsTheClock()
    {
        SimulatedBoard board;
        zarCoreParamResistance resistance;
        resistance.wire = 0xFFFE;
        board.setResistance(resistance);
        const auto measured = board.run(&zarCoreThread::sendReportResistance);
        QCOMPARE(measured.wire, quint16(0xFFFE));
        QCOMPARE(measured.resistance, float(25 / 50.0 + 0.16543));
    }

    // A sensor reading ignores a cancel in its head.
    void sensorsIgnoreACancel()
    {
        SimulatedBoard board;
        board.setSensors();
        board.abort();
        const auto sensor = board.run(&zarCoreThread::sendReportSensor);
        QCOMPARE(sensor.sensors.value(1), 12600.0f);
        QCOMPARE(int(sensor.error.code), 0);
    }

    void clockReadsTheBoardsTime()
    {
        SimulatedBoard board;
        board.setClock(zarCoreParamClock());
        const auto clock = board.run(&zarCoreThread::sendReportClock);
        QCOMPARE(QDateTime(clock.date, clock.time), QDateTime(QDate(2026, 3, 14), QTime(9, 26, 25, 500)));
    }

    void aCancelledTransmitterCommand()
    {
        SimulatedBoard board;
        board.setTx(zarCoreParamTxAux());
        board.abort();
        const auto tx = board.run(&zarCoreThread::sendReportTxAux);
        QCOMPARE(tx.temperature, -298.0f);
        QCOMPARE(int(tx.error.code), 14);
    }

    void et2dWorkedExample()
    {
        SimulatedBoard board;
        board.draws({ 2, 1 }); // u = 2.5, v = 1.5
        zarCoreParamET2D param;
        param.quadripoles = { zarQuadripole(0, 3, 1, 2), zarQuadripole(-1, 3, -2, 4) };
        param.settings.ip = true;
        param.settings.pauseCode = 4;
        board.setEt2d(param);
        const auto report = board.run(&zarCoreThread::sendReportET2D);
        QCOMPARE(report.results.size(), 2);
        const zarMeasureSet& first = report.results[0];
        QCOMPARE(first.txVoltage, 201000.0f);
        QCOMPARE(QString::number(first.txCurrent, 'f', 5), QStringLiteral("53.07625"));
        QCOMPARE(QString::number(first.rxVoltage, 'f', 5), QStringLiteral("10.03020"));
        QCOMPARE(QString::number(first.rxDeviation, 'f', 4), QStringLiteral("-7.5680"));
        QCOMPARE(first.quality, 0.0015f);
        QVERIFY(!first.measured);
        QCOMPARE(first.chargeability, first.rxVoltage);
        QCOMPARE(first.samples, QVector<float>(4, 13.0f));
        QCOMPARE(first.settings, param.settings);
        // Remote A and M do not count: lo 3, hi 4, log10(1) = 0.
        QCOMPARE(report.results[1].rxVoltage, 10.0f);
        QCOMPARE(report.sensors.value(3), 18.8f);
        QCOMPARE(int(report.error.code), 0);
    }

    void vesWorkedExample()
    {
        SimulatedBoard board;
        board.draws({ 7, 3 });
        zarMeasureSettings settings;
        settings.pauseCode = 2; // samples even without ip
        board.setVes(settings);
        const zarMeasureSet result = board.run(&zarCoreThread::sendReportVES).result;
        QCOMPARE(result.rxVoltage, 7.01f);
        QCOMPARE(result.txCurrent, 3.01f);
        QCOMPARE(result.txVoltage, 340000.0f);
        QCOMPARE(QString::number(result.chargeability, 'f', 5), QStringLiteral("4.01000"));
        QCOMPARE(result.quality, 0.68f);
        QCOMPARE(result.samples, QVector<float>(2, 13.0f));
    }


    void anEmptyGroupStillReadsTheSensors()
    {
        SimulatedBoard board;
        board.setEt2d(zarCoreParamET2D());
        const auto report = board.run(&zarCoreThread::sendReportET2D);
        QVERIFY(report.results.isEmpty());
        QCOMPARE(report.sensors.keys(), QList<quint8>({ 1, 2, 3 }));
    }

};

ZAR_TEST_MAIN(TestCoreThread)
#include "test_corethread.moc"
