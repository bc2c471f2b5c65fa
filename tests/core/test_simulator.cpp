#include "zartestsupport.h"

#include "core/zarcorethread.h"

#include <cmath>

namespace {
class SimulatedBoard : public zarCoreThread
{
public:
    using zarCoreThread::run;
    SimulatedBoard()
    {
        zarRegisterCoreReports();
        setSimulationClock([this] { return clockValue; });
    }
    void draws(QList<quint32> values)
    {
        setSimulationRandom([values, i = 0]() mutable { return values.at(i++ % values.size()); });
    }
    QDateTime clockValue = QDateTime(QDate(2026, 3, 14), QTime(9, 26, 25, 500));
};

template <typename Report>
Report only(QSignalSpy& spy)
{
    if (spy.count() != 1)
        qFatal("expected exactly one report, got %d", spy.count());
    return spy.takeFirst().at(0).value<Report>();
}

zarCoreQuadripole quad(int a, int b, int m, int n)
{
    zarCoreQuadripole q;
    q.a = qint16(a); q.b = qint16(b); q.m = qint16(m); q.n = qint16(n);
    return q;
}
}

class TestSimulator : public QObject
{
    Q_OBJECT

private slots:
    void discoverListsEveryDevice()
    {
        SimulatedBoard board;
        QSignalSpy spy(&board, &zarCoreThread::sendReportDiscover);
        board.setDiscover();
        board.run();
        const auto report = only<zarCoreReportDiscover>(spy);
        QCOMPARE(report.devices.size(), 43);
        QCOMPARE(int(report.devices.first()), 0);
        QCOMPARE(int(report.devices.last()), 42);
    }

    void signalSeries()
    {
        SimulatedBoard board;
        QSignalSpy spy(&board, &zarCoreThread::sendReportSignal);
        zarCoreParamSignal param;
        param.settings.pulseCode = 2;
        board.setSignal(param);
        board.run();
        auto report = only<zarCoreReportSignal>(spy);
        QCOMPARE(report.txVoltagePositivePulse, QVector<float>({ 83576.0f, 153576.0f, 153576.0f }));
        QCOMPARE(report.rxVoltageNegativePulse, QVector<float>({ -25.7f, -38.7f, -38.7f }));
        QVERIFY(report.txVoltagePositivePause.isEmpty() && report.rxVoltageNegativePause.isEmpty());

        param.settings.ip = true;
        param.settings.pauseCode = 3;
        board.setSignal(param);
        board.run();
        report = only<zarCoreReportSignal>(spy);
        QCOMPARE(report.txVoltagePositivePause, QVector<float>({ 5000.5f, 2500.25f, 5000.5f / 3.0f }));
        QCOMPARE(report.txCurrentNegativePause.size(), 3);
        QCOMPARE(report.settings, param.settings);
    }

    void resistanceFollowsTheSeconds()
    {
        SimulatedBoard board;
        QSignalSpy spy(&board, &zarCoreThread::sendReportResistance);
        zarCoreParamResistance param;
        param.wire = 0xFFFE;
        board.setResistance(param);
        board.run();
        const auto report = only<zarCoreReportResistance>(spy);
        QCOMPARE(int(report.wire), 0xFFFE);
        QCOMPARE(report.resistance, 0.66543f);
    }

    void et2dWorkedExample()
    {
        SimulatedBoard board;
        board.draws({ 2, 1 }); // u = 2.5, v = 1.5
        QSignalSpy spy(&board, &zarCoreThread::sendReportET2D);
        zarCoreParamET2D param;
        param.quadripoles = { quad(0, 3, 1, 2), quad(-1, 3, -2, 4) };
        param.settings.ip = true;
        param.settings.pauseCode = 4;
        board.setEt2d(param);
        board.run();
        const auto report = only<zarCoreReportET2D>(spy);
        QCOMPARE(report.results.size(), 2);
        const zarMeasureSet& first = report.results[0];
        QCOMPARE(first.txVoltage, 201000.0f);
        QVERIFY(qAbs(first.txCurrent - 53.07625f) < 1e-4f);
        QVERIFY(qAbs(first.rxVoltage - 10.030201f) < 1e-5f);
        QVERIFY(qAbs(first.rxDeviation - -7.568025f) < 1e-5f);
        QCOMPARE(first.quality, 0.0015f);
        QCOMPARE(first.chargeability, first.rxVoltage);
        QCOMPARE(first.samples, QVector<float>(4, 13.0f));
        QVERIFY(!first.measured);
        QCOMPARE(first.settings, param.settings);
        // Remote A and M do not count: lo 3, hi 4, log10(1) = 0.
        QCOMPARE(report.results[1].rxVoltage, 10.0f);
        QCOMPARE(report.results[1].txVoltage, first.txVoltage);
        QCOMPARE(report.sensors.keys(), QList<quint8>({ 1, 2, 3 }));
        QCOMPARE(report.sensors.value(3), 18.8f);
        QCOMPARE(int(report.error.code), 0);
    }

    void et2dStaysFiniteForDegenerateQuadripoles()
    {
        SimulatedBoard board;
        QSignalSpy spy(&board, &zarCoreThread::sendReportET2D);
        zarCoreParamET2D param;
        param.quadripoles = { quad(0, 0, 0, 0), quad(5, 5, 5, 5), quad(-1, 0, -2, 0) };
        board.setEt2d(param);
        board.run();
        const auto report = only<zarCoreReportET2D>(spy);
        for (const zarMeasureSet& set : report.results) {
            QVERIFY(std::isfinite(set.rxVoltage));
            QVERIFY(std::isfinite(set.txCurrent));
            QVERIFY(std::isfinite(set.txVoltage));
        }
    }

    void et2dEmptyGroupAndAbort()
    {
        SimulatedBoard board;
        QSignalSpy spy(&board, &zarCoreThread::sendReportET2D);
        board.setEt2d(zarCoreParamET2D());
        board.run();
        auto report = only<zarCoreReportET2D>(spy);
        QVERIFY(report.results.isEmpty());
        QCOMPARE(report.sensors.size(), 3);

        zarCoreParamET2D param;
        param.quadripoles = { quad(0, 3, 1, 2), quad(1, 4, 2, 3), quad(2, 5, 3, 4) };
        board.setEt2d(param);
        board.abort();
        board.run();
        report = only<zarCoreReportET2D>(spy);
        QCOMPARE(int(report.error.code), 14);
        QCOMPARE(report.results.size(), 3);
        QCOMPARE(int(report.sensorError.code), 0);
    }

    void vesDraws()
    {
        SimulatedBoard board;
        board.draws({ 7, 3 });
        QSignalSpy spy(&board, &zarCoreThread::sendReportVES);
        zarMeasureSettings settings;
        settings.pauseCode = 2; // samples even without ip
        board.setVes(settings);
        board.run();
        const auto report = only<zarCoreReportVES>(spy);
        QCOMPARE(report.result.rxVoltage, 7.01f);
        QCOMPARE(report.result.txCurrent, 3.01f);
        QCOMPARE(report.result.txVoltage, 340000.0f);
        QVERIFY(qAbs(report.result.chargeability - 4.01f) < 1e-5f);
        QCOMPARE(report.result.quality, 0.68f);
        QCOMPARE(report.result.samples, QVector<float>(2, 13.0f));
    }

    void sensorClockProductionAndAux()
    {
        SimulatedBoard board;
        QSignalSpy sensor(&board, &zarCoreThread::sendReportSensor);
        board.setSensors();
        board.abort(); // a sensor reading ignores the cancel in its head
        board.run();
        const auto sensorReport = only<zarCoreReportSensor>(sensor);
        QCOMPARE(int(sensorReport.error.code), 0); // never carries an error
        QCOMPARE(sensorReport.sensors.value(1), 12600.0f);

        QSignalSpy clock(&board, &zarCoreThread::sendReportClock);
        board.setClock(zarCoreParamClock());
        board.run();
        auto clockReport = only<zarCoreReportClock>(clock);
        QCOMPARE(clockReport.date, QDate(2026, 3, 14));
        QCOMPARE(clockReport.time, QTime(9, 26, 25, 500));
        zarCoreParamClock set;
        set.set = 1;
        set.date = QDate(2020, 1, 1);
        board.setClock(set);
        board.run();
        clockReport = only<zarCoreReportClock>(clock);
        QCOMPARE(int(clockReport.set), 1);
        QVERIFY(clockReport.date.isNull() && clockReport.time.isNull());

        QSignalSpy production(&board, &zarCoreThread::sendReportProduction);
        zarCoreParamProduction test;
        test.test = 16;
        board.setProduction(test);
        board.run();
        const auto productionReport = only<zarCoreReportProduction>(production);
        QCOMPARE(int(productionReport.test), 16);
        QCOMPARE(int(productionReport.passed), 1);

        QSignalSpy rx(&board, &zarCoreThread::sendReportRxAux);
        zarCoreParamRxAux get;
        get.get = 1;
        get.samples = 4;
        board.setRx(get);
        board.run();
        QCOMPARE(only<zarCoreReportRxAux>(rx).samples, QVector<float>(4, 5.57f));

        zarDiagnosticCapture capture;
        zarCoreParamRxAux start;
        start.start = 1;
        start.get = 1;
        start.samples = 3277; // 65540 ms: refused, not wrapped to 4 ms
        board.setRx(start);
        board.run();
        const auto startReport = only<zarCoreReportRxAux>(rx);
        QCOMPARE(int(startReport.error.code), 15);
        QVERIFY(startReport.samples.isEmpty());
        QVERIFY(capture.text().contains(QLatin1String("delay msec is invalid: 65540")));

        QSignalSpy stress(&board, &zarCoreThread::sendReportRxStress);
        board.setRxStress(zarCoreParamRxStress());
        board.run();
        QCOMPARE(only<zarCoreReportRxStress>(stress).result, QStringLiteral("OK"));

        QSignalSpy tx(&board, &zarCoreThread::sendReportTxAux);
        board.setTx(zarCoreParamTxAux());
        board.abort();
        board.run();
        const auto txReport = only<zarCoreReportTxAux>(tx);
        QCOMPARE(txReport.temperature, -298.0f);
        QCOMPARE(int(txReport.error.code), 14);
    }
};

ZAR_TEST_MAIN(TestSimulator)
#include "test_simulator.moc"
