// The simulated core board: every job but the stop-all answered with fixed or
// pseudo-random values after the time the real board would take.
#include "core/zarcorethread.h"

#include <cmath>

namespace {
// log10 that never leaves the finite range: degenerate electrode spreads
// (all electrodes on one spot) would otherwise put inf/NaN into a session.
double finiteLog10(double x)
{
    return x > 0.0 ? std::log10(x) : 0.0;
}

template <typename Report>
Report& withError(Report& report, const zarCoreError& error)
{
    report.error = zarCoreError(error.packed());
    return report;
}
}

void zarCoreThread::setSimulationClock(std::function<QDateTime()> clock)
{
    m_clockSource = std::move(clock);
}

void zarCoreThread::setSimulationRandom(std::function<quint32()> random)
{
    m_randomSource = std::move(random);
}

QDateTime zarCoreThread::now() const
{
    return m_clockSource ? m_clockSource() : QDateTime::currentDateTime();
}

void zarCoreThread::seedRandom()
{
    m_random.seed(quint32(now().time().msec()));
}

quint32 zarCoreThread::drawRandom()
{
    return m_randomSource ? m_randomSource() : m_random.generate();
}

zarCoreReportDiscover zarCoreThread::simulateDiscover()
{
    zarCoreReportDiscover report;
    delay(100);
    for (quint8 address = 0; address <= 42; ++address)
        report.devices.append(address);
    return withError(report, m_error);
}

zarCoreReportSignal zarCoreThread::simulateSignal()
{
    zarCoreReportSignal report;
    report.settings = m_signal.settings;
    delay(500);
    const int pulses = m_signal.settings.pulseCode;
    const int pauses = m_signal.settings.pauseCode;
    auto pulse = [pulses](QVector<float>& series, float first, float next) {
        series.reserve(1 + pulses);
        series.append(first);
        for (int i = 0; i < pulses; ++i)
            series.append(next);
    };
    pulse(report.txVoltagePositivePulse, 83576.0f, 153576.0f);
    pulse(report.txCurrentPositivePulse, 100.0f, 167.0f);
    pulse(report.rxVoltagePositivePulse, 25.7f, 38.7f);
    pulse(report.txVoltageNegativePulse, -83576.0f, -153576.0f);
    pulse(report.txCurrentNegativePulse, -100.0f, -167.0f);
    pulse(report.rxVoltageNegativePulse, -25.7f, -38.7f);
    if (m_signal.settings.ip && pauses != 0) {
        for (int k = 1; k <= pauses; ++k) {
            const float kf = float(k);
            report.txVoltagePositivePause.append(5000.5f / kf);
            report.txCurrentPositivePause.append(3.0f / kf);
            report.rxVoltagePositivePause.append(27.0f / kf);
            report.txVoltageNegativePause.append(-5000.5f / kf);
            report.txCurrentNegativePause.append(-3.0f / kf);
            report.rxVoltageNegativePause.append(-27.0f / kf);
        }
    }
    return withError(report, m_error);
}

zarCoreReportResistance zarCoreThread::simulateResistance()
{
    zarCoreReportResistance report;
    report.wire = m_resistance.wire;
    delay(200);
    report.resistance = float(now().time().second() / 50.0 + 0.16543);
    return withError(report, m_error);
}

zarCoreReportCalibrate zarCoreThread::simulateCalibrate()
{
    zarCoreReportCalibrate report;
    delay(500);
    return withError(report, m_error);
}

zarCoreReportET2D zarCoreThread::simulateET2D()
{
    zarCoreReportET2D report;
    delay(30);
    seedRandom();
    const float u = 0.5f + float(drawRandom() % 5);
    const float v = 0.5f + float(drawRandom() % 3);
    const zarMeasureSettings& settings = m_et2d.settings;
    report.results.reserve(m_et2d.quadripoles.size());
    for (const zarCoreQuadripole& q : m_et2d.quadripoles) {
        zarMeasureSet set;
        set.settings = settings;
        float lo = std::min(float(q.n), float(q.b));
        float hi = std::max(float(q.n), float(q.b));
        if (q.a != zarCoreQuadripole::remoteTransmitter) {
            lo = std::min(lo, float(q.a));
            hi = std::max(hi, float(q.a));
        }
        const double d = double(hi - lo);
        const double c = double((hi + lo) * 0.5f);
        set.quality = float(double(v) / 1000.0);
        const double e = std::fabs(finiteLog10(c + d) + d * std::cos(c) - c);
        const double rx = 10.0 + std::sin(c) * (e * finiteLog10(d) / 10.0);
        const double tx = (double(u) + 200.0 - double(v)) * 1000.0;
        set.rxVoltage = float(rx);
        set.txVoltage = float(tx);
        set.txCurrent = float((finiteLog10(100.0 * v + u) + 100.0 + d + c) * 100000.0 / tx);
        set.rxDeviation = float(10.0 * std::sin(double(u) + double(v)));
        if (settings.ip) {
            set.chargeability = set.rxVoltage;
            set.samples = QVector<float>(settings.pauseCode, 13.0f);
        }
        report.results.append(set);
    }
    report.sensors.insert(1, 12.7f);
    report.sensors.insert(2, 13.2f);
    report.sensors.insert(3, 18.8f);
    return withError(report, m_error);
}

zarCoreReportVES zarCoreThread::simulateVES()
{
    zarCoreReportVES report;
    delay(20);
    report.result.settings = m_ves;
    seedRandom();
    const float a = float(0.01 + double(drawRandom() % 10));
    const float b = float(0.01 + double(drawRandom() % 5));
    report.result.quality = 0.68f;
    report.result.rxVoltage = a;
    report.result.txVoltage = 340000.0f;
    report.result.txCurrent = b;
    report.result.chargeability = float(std::fabs(double(a) - double(b)) + 0.01);
    report.result.samples = QVector<float>(m_ves.pauseCode, 13.0f);
    return withError(report, m_error);
}

zarCoreReportSensor zarCoreThread::simulateSensor()
{
    zarCoreReportSensor report;
    delay(1);
    report.sensors.insert(1, 12600.0f);
    report.sensors.insert(2, 12400.0f);
    report.sensors.insert(3, 24.0f);
    return report; // a sensor reading never carries an error
}

zarCoreReportClock zarCoreThread::simulateClock()
{
    zarCoreReportClock report;
    report.set = m_clock.set;
    delay(1);
    if (m_clock.set == 0) {
        const QDateTime current = now();
        report.date = current.date();
        report.time = current.time();
    }
    return withError(report, m_error);
}

zarCoreReportSound zarCoreThread::simulateSound()
{
    zarCoreReportSound report;
    return withError(report, m_error);
}

zarCoreReportProduction zarCoreThread::simulateProduction()
{
    zarCoreReportProduction report;
    report.test = m_production.test;
    delay(500);
    return withError(report, m_error);
}

zarCoreReportTxAux zarCoreThread::simulateTxAux()
{
    zarCoreReportTxAux report;
    delay(1000);
    return withError(report, m_error);
}

zarCoreReportSwAux zarCoreThread::simulateSwAux()
{
    zarCoreReportSwAux report;
    delay(1000);
    return withError(report, m_error);
}

zarCoreReportRxAux zarCoreThread::simulateRxAux()
{
    zarCoreReportRxAux report;
    if (m_rx.start)
        delay(quint32(m_rx.samples) * 20u);
    else if (m_rx.get)
        report.samples = QVector<float>(m_rx.samples, 5.57f);
    return withError(report, m_error);
}

zarCoreReportRxStress zarCoreThread::simulateRxStress()
{
    zarCoreReportRxStress report;
    report.result = QStringLiteral("OK");
    return withError(report, m_error);
}
