// The core-board command set: one operation per command, each checking its
// arguments before anything is sent, plus the stop-all job and sample statistics.
#include "core/zarcorethread.h"

#include "core/zardiagnostics.h"

#include <QDataStream>

#include <cmath>
#include <limits>

namespace {
QByteArray int8(int value)
{
    QByteArray bytes;
    QDataStream(&bytes, QIODevice::WriteOnly) << qint8(value);
    return bytes;
}

QByteArray int16(int value)
{
    QByteArray bytes;
    QDataStream(&bytes, QIODevice::WriteOnly) << qint16(value);
    return bytes;
}

bool isReceiver(zarAddress device)
{
    return device >= 8 && device <= 25;
}

bool isReceiverOrAll(zarAddress device)
{
    return isReceiver(device) || device == 255;
}

bool isSwitchOrAll(zarAddress device)
{
    return (device >= 26 && device <= 42) || device == 254;
}

bool validSamples(int samples)
{
    return samples >= 1 && samples <= 3000;
}
}

bool zarCoreThread::refuse(const std::string& text)
{
    diagnostic(text);
    setErrorCode(zarErrorCodeBug);
    return false;
}

bool zarCoreThread::refuse(const std::string& text, long long value)
{
    return refuse(text + std::to_string(value));
}

bool zarCoreThread::ping(zarAddress device, bool& alive)
{
    if (device > 42)
        return refuse("ping device is invalid: ", device);
    QByteArray reply;
    if (!exchange(0, 0x00, int8(device), 1, 500, reply))
        return false;
    alive = !reply.isEmpty() && reply.at(0) != 0;
    return true;
}

bool zarCoreThread::pingAll(const QVector<quint8>& devices)
{
    for (quint8 device : devices) {
        bool alive = false;
        if (!ping(device, alive))
            return false;
        if (!alive) {
            m_error.param = device;
            setErrorCode(zarErrorNoResponse);
            return false;
        }
    }
    return true;
}

bool zarCoreThread::rxRead(zarAddress device, int samples, QVector<float>& data)
{
    if (!(isReceiver(device) || (device >= 1 && device <= 3)))
        return refuse("rxRead device is invalid: ", device);
    if (!validSamples(samples))
        return refuse("rxRead samples is invalid: ", samples);
    QByteArray reply;
    if (!exchange(device, 0x0A, int16(samples), quint16(samples * 4), 500, reply))
        return false;
    QDataStream stream(reply);
    stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
    data.resize(samples);
    for (float& sample : data)
        stream >> sample;
    return true;
}

bool zarCoreThread::rxStart(const QVector<quint8>& devices, int samples)
{
    if (devices.isEmpty())
        return refuse("rxStart devices are empty");
    if (!validSamples(samples))
        return refuse("rxStart samples is invalid: ", samples);
    quint32 mask = 0;
    for (quint8 device : devices) {
        if (!isReceiver(device))
            return refuse("rxStart devices contains an invalid address: ", device);
        mask |= 1u << (device - 8);
    }
    QByteArray payload;
    QDataStream(&payload, QIODevice::WriteOnly) << qint16(samples) << qint32(mask);
    return sendMessage(255, 0x0C, payload);
}

bool zarCoreThread::rxStartOne(zarAddress device, int samples)
{
    return rxStart(QVector<quint8>{ device }, samples);
}

bool zarCoreThread::rxRangeNoDelay(zarAddress device, quint8 range)
{
    if (!isReceiverOrAll(device))
        return refuse("rxRangeNoDelay device is invalid: ", device);
    if (range > 1)
        return refuse("rxRangeNoDelay range is invalid: ", range);
    QThread::usleep(50);
    return sendMessage(device, 0x0D, int8(range));
}

bool zarCoreThread::rxRange(zarAddress device, quint8 range)
{
    return settle(5, rxRangeNoDelay(device, range));
}

bool zarCoreThread::rxRangeOverloadedNoDelay()
{
    for (quint8 device : m_overloadList)
        if (!rxRangeNoDelay(device, 1))
            return false;
    return true;
}

bool zarCoreThread::rxRangeOverloaded()
{
    return settle(5, rxRangeOverloadedNoDelay());
}

bool zarCoreThread::rxInput(zarAddress device, quint8 input)
{
    if (!isReceiverOrAll(device))
        return refuse("rxInput device is invalid: ", device);
    if (input > 1)
        return refuse("rxInput input is invalid: ", input);
    return settle(5, sendMessage(device, 0x0E, int8(input)));
}

bool zarCoreThread::rxReset(zarAddress device)
{
    if (!isReceiverOrAll(device))
        return refuse("rxReset device is invalid: ", device);
    return settle(5, sendCommand(device, 0x0F));
}

bool zarCoreThread::rxCalibrate(zarAddress device, quint8 rangePulse, int samples)
{
    if (rangePulse < 0x10 || rangePulse > 0x13)
        return refuse("rxCalibrate rangePulse is invalid: ", rangePulse);
    if (!isReceiverOrAll(device))
        return refuse("rxCalibrate device is invalid: ", device);
    if (!validSamples(samples))
        return refuse("rxCalibrate samples is invalid: ", samples);
    if (!sendMessage(device, rangePulse, int16(samples)))
        return false;
    // The receivers calibrate for 40 ms a sample, up to two minutes: wait it all,
    // in pieces that delay accepts, and stay cancellable.
    quint32 remaining = quint32(samples) * 40;
    while (remaining > 30000) {
        if (!delay(30000))
            return false;
        remaining -= 30000;
    }
    return delay(remaining);
}

bool zarCoreThread::rxCalibrateDefault(zarAddress device)
{
    if (!isReceiverOrAll(device))
        return refuse("rxCalibrateDefault device is invalid: ", device);
    return sendCommand(device, 0x14);
}

bool zarCoreThread::rxClear(zarAddress device)
{
    if (!isReceiverOrAll(device))
        return refuse("rxClear device is invalid: ", device);
    return settle(device == 255 ? 450 : 25, sendCommand(device, 0x15));
}

bool zarCoreThread::refTxStop()
{
    return settle(5, sendCommand(6, 0x1E));
}

bool zarCoreThread::refTxStart(quint8 pulse)
{
    if (pulse != 0x21 && pulse != 0x22 && pulse != 0x24)
        return refuse("refTxStart pulse is invalid: ", pulse);
    return settle(5, sendCommand(6, pulse));
}

bool zarCoreThread::txStateResult(const QByteArray& reply, const char* illegal, bool withValue)
{
    const qint8 state = reply.isEmpty() ? qint8(-1) : qint8(reply.at(0));
    switch (state) {
    case 0: return true;
    case 1: setErrorCode(zarErrorBatteryLowOrShort); return false;
    case 2: setErrorCode(zarErrorOverheated); return false;
    case 3: setErrorCode(zarErrorShortCircuitHardware); return false;
    case 4: setErrorCode(zarErrorOpenCircuitHardware); return false;
    default:
        zarDiagnostics::line(std::string("zarCoreThread error:") + illegal
                             + (withValue ? std::to_string(int(state)) : std::string()));
        setErrorCode(zarErrorCodeBug);
        return false;
    }
}

bool zarCoreThread::intTxState()
{
    QByteArray reply;
    if (!exchange(7, 0x1E, int8(1), 1, 1, reply))
        return false;
    return txStateResult(reply, "intTxAdjust illegal txState", false);
}

bool zarCoreThread::intTxAdjust(quint8 adjustPulse, quint8 voltagePercent)
{
    if (adjustPulse != 0x1F && adjustPulse != 0x20)
        return refuse("intTxAdjust adjustPulse is invalid: ", adjustPulse);
    if (voltagePercent > 100 && voltagePercent != 255)
        return refuse("intTxAdjust voltagePercent is invalid: ", voltagePercent);
    QByteArray reply;
    if (!exchange(7, adjustPulse, int8(voltagePercent), 1, 1000, reply))
        return false;
    return txStateResult(reply, "intTxAdjust illegal txState: ", true);
}

bool zarCoreThread::intTxStartNoDelay(quint8 pulse)
{
    if (pulse != 0x21 && pulse != 0x22)
        return refuse("intTxStartNoDelay pulse is invalid: ", pulse);
    return sendCommand(7, pulse);
}

bool zarCoreThread::intTxStart(quint8 pulse)
{
    return settle(35, intTxStartNoDelay(pulse));
}

bool zarCoreThread::intTxRead(float& value)
{
    QByteArray reply;
    if (!exchange(7, 0x23, QByteArray(), 4, 500, reply))
        return false;
    QDataStream stream(reply);
    stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
    stream >> value;
    return true;
}

bool zarCoreThread::clockGet(QDate& date, QTime& time)
{
    QByteArray reply;
    if (!exchange(5, 0x28, QByteArray(), 7, 500, reply))
        return false;
    QDataStream stream(reply);
    qint16 year = 0;
    qint8 month = 0, day = 0, hour = 0, minute = 0, second = 0;
    stream >> year >> month >> day >> hour >> minute >> second;
    const QDate readDate(qBound<int>(2000, year, 2100), month, day);
    const QTime readTime(hour, minute, second, 0);
    // A clock that answers garbage must not pass for a valid reading.
    if (!readDate.isValid() || !readTime.isValid())
        return refuse("clockGet reply is invalid");
    date = readDate;
    time = readTime;
    return true;
}

bool zarCoreThread::clockSet(const QDate& date, const QTime& time)
{
    if (!date.isValid() || !time.isValid())
        return refuse("clockSet date or time is invalid");
    QByteArray payload;
    QDataStream(&payload, QIODevice::WriteOnly)
        << qint16(date.year()) << qint8(date.month()) << qint8(date.day())
        << qint8(time.hour()) << qint8(time.minute()) << qint8(time.second());
    return sendMessage(5, 0x29, payload);
}

bool zarCoreThread::sound(quint8 code)
{
    return sendMessage(4, 0x32, int8(code));
}

bool zarCoreThread::swReset(zarAddress device)
{
    if (!isSwitchOrAll(device))
        return refuse("swReset device is invalid: ", device);
    return settle(5, sendCommand(device, 0x3C));
}

bool zarCoreThread::swResetAll()
{
    return settle(5, sendCommand(254, 0x3C));
}

bool zarCoreThread::swSetNoDelay(zarAddress device, quint8 channelPin, qint16 electrode)
{
    if (!isSwitchOrAll(device))
        return refuse("swSetNoDelay device is invalid: ", device);
    if (channelPin > 1)
        return refuse("swSetNoDelay channelPin is invalid: ", channelPin);
    const bool onCable = electrode >= 0 && electrode <= 63;
    if (!onCable && electrode != zarCoreQuadripole::remoteTransmitter && electrode != zarCoreQuadripole::remoteReceiver)
        return refuse("swSetNoDelay electrode is invalid: ", quint16(electrode));
    // The remote transmitter electrode exists on pin 0 only, the remote receiver on pin 1 only.
    if ((electrode == zarCoreQuadripole::remoteTransmitter && channelPin != 0)
        || (electrode == zarCoreQuadripole::remoteReceiver && channelPin != 1))
        return refuse("swSetNoDelay electrode and channelPin are invalid: "
                      + std::to_string(quint16(electrode)) + " " + std::to_string(channelPin));
    quint8 command = 0x42;
    QByteArray payload;
    if (onCable) {
        command = channelPin == 0 ? 0x3D : 0x3E;
        payload = int8(electrode);
    } else if (electrode == zarCoreQuadripole::remoteTransmitter) {
        command = 0x3F;
    }
    QByteArray acknowledge;
    return exchange(device, command, payload, device == 254 ? 17 : 1, 500, acknowledge);
}

bool zarCoreThread::swApply(zarAddress device)
{
    if (!isSwitchOrAll(device))
        return refuse("swApply device is invalid: ", device);
    return settle(5, sendCommand(device, 0x43));
}

void zarCoreThread::stopAll()
{
    // Every step is tried whatever the one before did: this is the emergency stop.
    sendMessage(7, 0x1E, int8(0));
    QThread::msleep(5);
    sendCommand(6, 0x1E);
    QThread::msleep(5);
    sendCommand(255, 0x0F);
    QThread::msleep(5);
    sendCommand(254, 0x3C);
    QThread::msleep(5);
    if (m_error.code != zarErrorCanceled)
        sound(0);
}

bool zarCoreThread::sampleSum(QVector<float>& out, const QVector<float>& in)
{
    if (out.size() != in.size())
        return refuse("sampleSum out.size() != in.size()");
    for (int i = 0; i < out.size(); ++i)
        out[i] = out[i] + in[i];
    return true;
}

bool zarCoreThread::sampleAbsHalfDifference(QVector<float>& out, const QVector<float>& in)
{
    if (out.size() != in.size())
        return refuse("sampleAbsHalfDifference out.size() != in.size()");
    for (int i = 0; i < out.size(); ++i)
        out[i] = (out[i] - in[i]) * 0.5f;
    return true;
}

float zarCoreThread::average(const QVector<float>& samples)
{
    if (samples.isEmpty()) {
        refuse("average samples is empty");
        return 0.0f;
    }
    float sum = 0.0f;
    for (float sample : samples)
        sum += sample;
    return sum / samples.size();
}

float zarCoreThread::deviation(const QVector<float>& samples)
{
    if (samples.size() < 2)
        return 1000.0f;
    const float mean = average(samples);
    // Relative to the size of the signal whatever its polarity; a signal that
    // averages to nothing has no relative deviation worth trusting.
    if (mean == 0.0f || !std::isfinite(mean))
        return 100.0f;
    double squares = 0.0;
    for (float sample : samples)
        squares += double(sample - mean) * double(sample - mean);
    const double s = std::sqrt(squares / (samples.size() - 1));
    const double result = 100.0 * s / std::fabs(mean);
    if (!std::isfinite(result) || result > 100.0)
        return 100.0f;
    return float(qMax(0.0, result));
}
