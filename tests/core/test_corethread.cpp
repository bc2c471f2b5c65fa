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
    void delay()
    {
        zarDiagnosticCapture capture;
        zarCoreThread thread;
        // Zero passes with the flag set and leaves it for the next wait.
        thread.abort();
        QVERIFY(thread.delay(0) && thread.abortRequested());
        // Above 30000 is refused without looking at the flag; sizes that wrapped
        // in 16 bits are refused, not shortened.
        QCOMPARE(zarFailure(thread, thread.delay(30001)), 15);
        QVERIFY(!thread.delay(3277u * 20u) && thread.abortRequested());
        QCOMPARE(capture.text(), QStringLiteral("zarCoreThread error: delay msec is invalid: 30001\n\r"
                                                "zarCoreThread error: delay msec is invalid: 65540\n\r"));
        // An abort before the wait cancels at once and is consumed.
        QCOMPARE(zarFailure(thread, thread.delay(30000)), 14);
        QVERIFY(!thread.abortRequested());
        // The remaining wait counts from the reference time: none left once it has passed.
        thread.restartReferenceTime();
        thread.abort();
        QVERIFY(thread.delayRemaining(0));
        QCOMPARE(zarFailure(thread, thread.delayRemaining(30000)), 14);
        // An abort from another thread ends a running wait.
        std::thread canceller([&thread] { QThread::msleep(50); thread.abort(); });
        const bool finished = thread.delay(30000);
        canceller.join();
        QCOMPARE(zarFailure(thread, finished), 14);
        QVERIFY(!thread.abortRequested());
    }

    void helpers()
    {
        const QList<bool> near { zarCoreThread::isNear(1.0f, 1.0f), zarCoreThread::isNear(1.0f, -1.0f),
                                 zarCoreThread::isNear(0.9f, 1.0f), zarCoreThread::isNear(-1.0f, -1.0f),
                                 zarCoreThread::isNear1000(1050.0f), zarCoreThread::isNear1000(1100.0f) };
        QCOMPARE(near, QList<bool>({ true, true, false, false, true, false }));
        QVector<float> samples { 1.0f, -2.0f };
        QVERIFY(zarCoreThread::invertPolarity(9, samples, { 9 }) && zarCoreThread::invertPolarity(8, samples, { 9 }));
        QCOMPARE(samples, QVector<float>({ -1.0f, 2.0f }));

        // The remote transmitter electrode has an idle time of its own.
        zarCoreThread thread;
        QCOMPARE(thread.electrodeIdleTime(0xFFFF), qint64(-1));
        QVERIFY(thread.setTxElectrodeStates({ zarQuadripole(-1, 7, 0, 0) }, zarMeasureSettings()));
        QVERIFY(thread.electrodeIdleTime(0xFFFF) >= 0 && thread.electrodeIdleTime(7) >= 0);
        QCOMPARE(thread.electrodeIdleTime(5), qint64(-1));
        zarDiagnosticCapture capture;
        QCOMPARE(zarFailure(thread, thread.setTxElectrodeStates({}, zarMeasureSettings())), 15);
    }

    void discoverSignalResistanceSensorClockTx()
    {
        SimulatedBoard board;
        board.setDiscover();
        QCOMPARE(board.run(&zarCoreThread::sendReportDiscover).devices.size(), 43);

        zarCoreParamSignal param;
        param.settings.ip = true;
        param.settings.pauseCode = 3;
        board.setSignal(param);
        const auto report = board.run(&zarCoreThread::sendReportSignal);
        QCOMPARE(report.txVoltagePositivePulse, QVector<float>({ 83576.0f, 153576.0f, 153576.0f }));
        QCOMPARE(report.rxVoltageNegativePulse, QVector<float>({ -25.7f, -38.7f, -38.7f }));
        QCOMPARE(report.txVoltagePositivePause, QVector<float>({ 5000.5f, 2500.25f, 5000.5f / 3.0f }));
        QCOMPARE(report.settings, param.settings);

        // The resistance follows the seconds of the clock.
        zarCoreParamResistance resistance;
        resistance.wire = 0xFFFE;
        board.setResistance(resistance);
        const auto measured = board.run(&zarCoreThread::sendReportResistance);
        QCOMPARE(QString::asprintf("%x %g", measured.wire, measured.resistance), QStringLiteral("fffe 0.66543"));

        board.setSensors();
        board.abort(); // a sensor reading ignores the cancel in its head
        const auto sensor = board.run(&zarCoreThread::sendReportSensor);
        QCOMPARE(QString::asprintf("%g %d", sensor.sensors.value(1), sensor.error.code), QStringLiteral("12600 0")); // no error

        board.setClock(zarCoreParamClock());
        const auto clock = board.run(&zarCoreThread::sendReportClock);
        QCOMPARE(QDateTime(clock.date, clock.time), QDateTime(QDate(2026, 3, 14), QTime(9, 26, 25, 500)));

        board.setTx(zarCoreParamTxAux());
        board.abort();
        const auto tx = board.run(&zarCoreThread::sendReportTxAux);
        QCOMPARE(QString::asprintf("%g %d", tx.temperature, tx.error.code), QStringLiteral("-298 14"));
    }

    void et2dAndVesWorkedExamples()
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
        QCOMPARE(QString::asprintf("%g %.5f %.5f %.4f %g %d", first.txVoltage, first.txCurrent, first.rxVoltage,
                                   first.rxDeviation, first.quality, first.measured),
                 QStringLiteral("201000 53.07625 10.03020 -7.5680 0.0015 0"));
        QCOMPARE(first.chargeability, first.rxVoltage);
        QCOMPARE(first.samples, QVector<float>(4, 13.0f));
        QCOMPARE(first.settings, param.settings);
        // Remote A and M do not count: lo 3, hi 4, log10(1) = 0.
        QCOMPARE(report.results[1].rxVoltage, 10.0f);
        QCOMPARE(report.sensors.value(3), 18.8f);
        QCOMPARE(int(report.error.code), 0);

        board.draws({ 7, 3 });
        zarMeasureSettings settings;
        settings.pauseCode = 2; // samples even without ip
        board.setVes(settings);
        const zarMeasureSet result = board.run(&zarCoreThread::sendReportVES).result;
        QCOMPARE(QString::asprintf("%g %g %g %.5f %g", result.rxVoltage, result.txCurrent, result.txVoltage,
                                   result.chargeability, result.quality), QStringLiteral("7.01 3.01 340000 4.01000 0.68"));
        QCOMPARE(result.samples, QVector<float>(2, 13.0f));
    }

    void et2dDegenerateEmptyAndAborted()
    {
        SimulatedBoard board;
        zarCoreParamET2D param;
        param.quadripoles = { zarQuadripole(0, 0, 0, 0), zarQuadripole(5, 5, 5, 5), zarQuadripole(-1, 0, -2, 0) };
        board.setEt2d(param);
        auto report = board.run(&zarCoreThread::sendReportET2D);
        for (const zarMeasureSet& set : report.results)
            QVERIFY(std::isfinite(set.rxVoltage) && std::isfinite(set.txCurrent) && std::isfinite(set.txVoltage));

        board.setEt2d(zarCoreParamET2D());
        report = board.run(&zarCoreThread::sendReportET2D);
        QVERIFY(report.results.isEmpty());
        QCOMPARE(report.sensors.keys(), QList<quint8>({ 1, 2, 3 }));

        param.quadripoles = { zarQuadripole(0, 3, 1, 2), zarQuadripole(1, 4, 2, 3), zarQuadripole(2, 5, 3, 4) };
        board.setEt2d(param);
        board.abort();
        report = board.run(&zarCoreThread::sendReportET2D);
        QCOMPARE(QList<int>({ report.error.code, report.results.size(), report.sensorError.code }), QList<int>({ 14, 3, 0 }));
    }
};

ZAR_TEST_MAIN(TestCoreThread)
#include "test_corethread.moc"
