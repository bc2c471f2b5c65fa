// The measuring sequences: commands of the core board combined into the
// measurements the instrument makes.
#include "core/zarcorethread.h"

#include "core/zardiagnostics.h"

#include <cmath>

namespace {
const float overloadLevel = 9000.0f;
const float shortCircuitBelow = 10.0f;
const float openCircuitAbove = 100000.0f;

QByteArray electrodeByte(qint16 electrode)
{
    return QByteArray(1, char(qint8(electrode)));
}

bool isElectrode(qint16 electrode)
{
    return (electrode >= 0 && electrode <= 63) || electrode == zarCoreQuadripole::remoteTransmitter
        || electrode == zarCoreQuadripole::remoteReceiver;
}
}

bool zarCoreThread::discover(float& internalBattery, float& externalBattery, float& moisture)
{
    if (!pingAll({ 0, 1, 2, 3 }))
        return false;
    QVector<float> internal, external, humidity;
    if (!rxRead(1, 1, internal) || !rxRead(2, 1, external) || !rxRead(3, 1, humidity))
        return false;
    internalBattery = std::fabs(internal.at(0));
    externalBattery = std::fabs(external.at(0));
    const float wet = std::fabs(humidity.at(0));
    moisture = std::isnan(wet) ? 100.0f : qBound(0.0f, wet, 100.0f);
    // Written as "not above" so that a reading that is no number fails too.
    if (!(externalBattery >= 10500.0f)) {
        setErrorCode(zarErrorExternalBatteryLow);
        return false;
    }
    if (moisture > 95.0f) {
        setErrorCode(zarErrorCondensation);
        return false;
    }
    return true;
}

bool zarCoreThread::intTxReAdjust()
{
    // A transmitter never adjusted since start-up is due at once.
    const bool due = !m_reAdjustTime.isValid() || m_reAdjustTime.elapsed() > 59999;
    m_reAdjustTime.start();
    if (!due)
        return true;
    intTxAdjust(0x1F, 255);
    intTxState();
    intTxAdjust(0x20, 255);
    intTxState();
    if (m_error.code == zarErrorSuccess || m_error.code == zarErrorBatteryLowOrShort) {
        setErrorCode(zarErrorSuccess);
        return true;
    }
    return false;
}

bool zarCoreThread::circuitInRange(float voltage, float current)
{
    const float resistance = voltage / current;
    // No current, or nothing measurable, means the circuit is open.
    if (current == 0.0f || !std::isfinite(resistance) || resistance > openCircuitAbove) {
        setErrorCode(zarErrorOpenCircuitSoftware);
        return false;
    }
    if (resistance < shortCircuitBelow) {
        setErrorCode(zarErrorShortCircuitSoftware);
        return false;
    }
    return true;
}

bool zarCoreThread::measureWithTxAdjust(const QVector<quint8>& devices, quint8 voltagePercent, float* current)
{
    if (!intTxReAdjust() || !rxRange(24, 1) || !intTxAdjust(0x1F, voltagePercent))
        return false;
    if (!rxStart(devices, 1) || !delay(25) || !intTxState())
        return false;
    float v1 = 0.001f;
    float i1 = 0.001f;
    QVector<quint8> overloaded;
    QVector<float> sample;
    for (quint8 device : devices) {
        if (!rxRead(device, 1, sample))
            return false;
        const float x = sample.at(0);
        if (device == 24)
            v1 = x;
        else if (device == 25)
            i1 = x;
        if (std::fabs(x) > overloadLevel)
            overloaded.append(device);
    }
    setOverloadList(overloaded);

    if (!intTxAdjust(0x20, voltagePercent) || !rxStart({ 24, 25 }, 1) || !delay(25) || !intTxState()
        || !rxRange(24, 0))
        return false;
    if (!rxRead(24, 1, sample))
        return false;
    const float voltage = std::fabs(v1 - sample.at(0)) * 0.5f;
    if (!rxRead(25, 1, sample))
        return false;
    const float amperes = std::fabs(i1 - sample.at(0)) * 0.5f;
    if (current)
        *current = amperes;
    if (!circuitInRange(voltage, amperes))
        return false;
    return rxRangeOverloaded();
}

bool zarCoreThread::measureTxOutput()
{
    float voltage[2] = { 0.0f, 0.0f };
    float amperes[2] = { 0.0f, 0.0f };
    const quint8 pulses[2] = { 0x21, 0x22 };
    QVector<float> sample;
    for (int k = 0; k < 2; ++k) {
        if (!intTxStart(pulses[k]) || !rxStart({ 24, 25 }, 1) || !delay(25) || !intTxState())
            return false;
        if (!rxRead(24, 1, sample))
            return false;
        voltage[k] = sample.at(0);
        if (!rxRead(25, 1, sample))
            return false;
        amperes[k] = sample.at(0);
    }
    return circuitInRange(std::fabs(voltage[0] - voltage[1]) * 0.5f, std::fabs(amperes[0] - amperes[1]) * 0.5f);
}

bool zarCoreThread::getChRDev(quint8 channel, float& result)
{
    if (channel > 15)
        return refuse("getChRDev rx is invalid: ", channel);
    const quint8 receiver = 8 + channel;
    const quint8 board = 26 + channel;
    const QVector<quint8> devices { receiver, 24, 25 };
    float resistance[5] = { 0.0f, 0.0f, 0.0f, 0.0f, 0.0f };
    QVector<float> samples;
    for (quint8 round = 0; round < 5; ++round) {
        if (!swSetNoDelay(board, 1, channel) || !swSetNoDelay(board, 0, channel + 1)
            || !swSetNoDelay(42, 1, channel) || !swSetNoDelay(42, 0, channel + 5) || !swApply(254))
            return false;
        if (!measureWithTxAdjust(devices, round, nullptr))
            return false;

        if (!intTxStart(0x21) || !rxStart(devices, 2) || !delay(45) || !intTxState() || !rxRead(25, 2, samples))
            return false;
        const float i1 = average(samples);
        if (!rxRead(receiver, 2, samples))
            return false;
        const float u1 = average(samples);

        if (!intTxStart(0x22) || !rxStart(devices, 2) || !delay(45) || !intTxState() || !rxRead(25, 2, samples))
            return false;
        const float current = (i1 - average(samples)) * 0.5f;
        if (!rxRead(receiver, 2, samples))
            return false;
        const float voltage = (u1 - average(samples)) * 0.5f;
        resistance[round] = std::fabs(voltage / current);

        if (!swReset(254) || !rxRange(255, 0))
            return false;
        // Checked after the reset so that the board is left clean either way.
        if (current == 0.0f || !std::isfinite(resistance[round])) {
            setErrorCode(zarErrorOpenCircuitSoftware);
            return false;
        }
    }
    // Relative to the first setting: nothing to compare with when it read zero.
    if (resistance[0] == 0.0f) {
        setErrorCode(zarErrorOpenCircuitSoftware);
        return false;
    }
    float largest = 0.0f;
    for (int j = 1; j < 5; ++j)
        largest = qMax(largest, (resistance[j] - resistance[0]) / resistance[0] * 100.0f);
    result = largest;
    return true;
}

bool zarCoreThread::swGnd(qint16 electrode)
{
    if (!isElectrode(electrode))
        return refuse("swGnd electrode is invalid: ", quint16(electrode));
    quint8 own = 0x3D;
    quint8 others = 0x3E;
    if (electrode == zarCoreQuadripole::remoteTransmitter) {
        own = 0x3F;
        others = 0x3E;
    } else if (electrode == zarCoreQuadripole::remoteReceiver) {
        own = 0x42;
        others = 0x3D;
    } else if (electrode % 2 == 0) {
        own = 0x3E;
        others = 0x3D;
    }
    QByteArray acknowledge;
    if (!exchange(42, own, electrodeByte(electrode), 1, 500, acknowledge))
        return false;
    for (qint16 e = 0; e < 64; ++e)
        if (e != electrode && !exchange(42, others, electrodeByte(e), 1, 500, acknowledge))
            return false;
    return swApply(42);
}

bool zarCoreThread::swAll(zarAddress device)
{
    if (device != 254 && (device < 26 || device > 42))
        return refuse("swAll device is invalid: ", device);
    if (!swSetNoDelay(device, 0, zarCoreQuadripole::remoteTransmitter)
        || !swSetNoDelay(device, 1, zarCoreQuadripole::remoteReceiver))
        return false;
    for (qint16 e = 0; e < 64; ++e)
        if (!swSetNoDelay(device, 0, e) || !swSetNoDelay(device, 1, e))
            return false;
    return swApply(device);
}

bool zarCoreThread::swPhantom(zarAddress device)
{
    if (device == 254)
        return true;
    if (device < 26 || device > 42)
        return refuse("swPhantom device is invalid: ", device);
    QVector<qint16> pin0 { zarCoreQuadripole::remoteReceiver };
    QVector<qint16> pin1 { zarCoreQuadripole::remoteTransmitter };
    if (device != 42) {
        pin0.append(zarCoreQuadripole::remoteTransmitter);
        const int channel = device - 26;
        for (qint16 e = 0; e < 64; ++e)
            if ((e & 0x0F) != channel)
                pin1.append(e);
    }
    for (qint16 e : pin0)
        if (!swSetNoDelay(device, 0, e))
            return false;
    for (qint16 e : pin1)
        if (!swSetNoDelay(device, 1, e))
            return false;
    return swApply(device);
}

bool zarCoreThread::swQuadripoles(const QList<zarCoreQuadripole>& quadripoles, QSet<quint8>& inverted)
{
    inverted.clear();
    if (quadripoles.isEmpty())
        return refuse("swQuadripoles quadripoles is empty");
    for (const zarCoreQuadripole& q : quadripoles) {
        const quint8 c = q.channel;
        quint8 pinN = 0;
        quint8 pinM = 1;
        if (!(q.m == zarCoreQuadripole::remoteReceiver || (quint16(q.m) & 0x0F) == c)) {
            // Potential electrodes land on exchanged pins: this receiver's samples need negating.
            inverted.insert(quint8(8 + c));
            pinN = 1;
            pinM = 0;
        }
        if (!swSetNoDelay(quint8(26 + c), pinN, q.n) || !swSetNoDelay(quint8(26 + c), pinM, q.m))
            return false;
    }
    const zarCoreQuadripole& first = quadripoles.first();
    if (!swSetNoDelay(42, 0, first.a) || !swSetNoDelay(42, 1, first.b))
        return false;
    return swApply(254);
}

bool zarCoreThread::waitRest(const QVector<quint16>& electrodes, const char* unit)
{
    const qint64 limit = 6 * qint64(m_electrodeSettings.pulseDuration);
    qint64 shortest = limit;
    for (quint16 electrode : electrodes) {
        // An electrode not used since start-up has rested long enough.
        const qint64 idle = electrodeIdleTime(electrode);
        if (idle >= 0)
            shortest = qMin(shortest, idle);
    }
    if (shortest >= limit)
        return true;
    zarDiagnostics::raw("Wait " + std::to_string(limit - shortest) + unit + "\n");
    return delay(quint32(limit - shortest));
}

bool zarCoreThread::waitElectrodesRest(const QVector<qint16>& electrodes)
{
    QVector<quint16> keys;
    for (qint16 electrode : electrodes)
        keys.append(quint16(electrode));
    return waitRest(keys, "msec...");
}

bool zarCoreThread::waitQuadripolesRest(const QList<zarCoreQuadripole>& quadripoles)
{
    QVector<quint16> keys;
    for (const zarCoreQuadripole& q : quadripoles)
        keys << quint16(q.n) << quint16(q.m);
    return waitRest(keys, " msec...");
}
