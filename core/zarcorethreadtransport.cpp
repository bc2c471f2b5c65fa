// The byte level of the link to the core board: request frames out, fixed-size
// replies in, polled without an event loop.
#include "core/zarcorethread.h"

#include "core/zarconstants.h"
#include "core/zardiagnostics.h"
#include "core/zarserialport.h"

#include <QDataStream>

#include <sstream>

namespace {
// Bits on the line per byte: start bit, data bits, parity, stop bits.
double bitsPerByte(const zarSerialPort::Settings& s)
{
    double bits = 1.0 + int(s.dataBits);
    if (s.parity != QSerialPort::NoParity)
        bits += 1.0;
    bits += s.stopBits == QSerialPort::TwoStop ? 2.0 : s.stopBits == QSerialPort::OneAndHalfStop ? 1.5 : 1.0;
    return bits;
}
}

void zarCoreThread::setSerialDevice(std::unique_ptr<zarSerialDevice> device)
{
    m_port = std::move(device);
}

quint16 zarCoreThread::replyTimeout(quint16 timeout, int bytes)
{
    static const zarSerialPort::Settings settings = zarSerialPort::parseSettings(corePortSettings);
    const double baud = settings.valid ? settings.baudRate : 115200.0;
    const double lineMs = bytes * bitsPerByte(settings) * 1000.0 / baud;
    return quint16(qMin(65535.0, timeout + lineMs));
}

bool zarCoreThread::sendMessage(zarAddress device, quint8 command, const QByteArray& payload)
{
    m_lastDevice = -1;
    m_lastCommand = -1;
    if (payload.size() > 16) {
        diagnostic("sendMessage dataBytes.size() exceeds 16");
        setErrorCode(zarErrorCodeBug);
        return false;
    }
    QByteArray frame;
    {
        QDataStream stream(&frame, QIODevice::WriteOnly);
        stream << qint8(device) << qint8(command) << qint16(payload.size());
    }
    frame.append(payload);
    if (m_port && m_port->write(frame) == frame.size()) {
        m_lastDevice = device;
        m_lastCommand = command;
        return true;
    }
    if (m_port) {
        m_port->flushOutBuffer();
        m_port->close();
    }
    zarDiagnostics::raw("\r");
    // The failed frame's bus address goes with "Can not send command".
    m_error.param = device;
    setErrorCode(zarErrorSend);
    diagnostic("no data sent, port was closed");
    return false;
}

bool zarCoreThread::sendCommand(zarAddress device, quint8 command)
{
    return sendMessage(device, command, QByteArray());
}

bool zarCoreThread::waitForData(quint16 count, quint16 timeout)
{
    QElapsedTimer clock;
    clock.start();
    qint64 available = m_port ? m_port->bytesAvailable() : 0;
    while (available < count && clock.elapsed() <= timeout) {
        QThread::usleep(200);
        available = m_port ? m_port->bytesAvailable() : 0;
    }
    if (available != count && m_port)
        available = m_port->bytesAvailable();
    if (available == count)
        return true;

    diagnostic("no data received, wait / available: " + std::to_string(count) + " / " + std::to_string(available));
    const QByteArray pending = m_port ? m_port->read(available) : QByteArray();
    QString dump;
    for (char byte : pending)
        dump += QStringLiteral("%1 ").arg(uint(quint8(byte)), 1, 16).toUpper();
    zarDiagnostics::line("Last sent device:command: " + std::to_string(m_lastDevice) + ":" + std::to_string(m_lastCommand));
    zarDiagnostics::line("Input buffer: " + dump.toStdString());
    if (m_port)
        m_port->flushInBuffer();
    setErrorCode(zarErrorReceive);
    return false;
}

QByteArray zarCoreThread::read(quint16 count)
{
    if (count < 1 || count > 12000) {
        diagnostic("read dataBytes is invalid: " + std::to_string(count));
        setErrorCode(zarErrorCodeBug);
        return QByteArray();
    }
    return m_port ? m_port->read(count) : QByteArray();
}

bool zarCoreThread::exchange(zarAddress device, quint8 command, const QByteArray& payload,
                             quint16 replyBytes, quint16 timeout, QByteArray& reply)
{
    if (!sendMessage(device, command, payload))
        return false;
    if (!waitForData(replyBytes, replyTimeout(timeout, replyBytes)))
        return false;
    reply = read(replyBytes);
    return true;
}

bool zarCoreThread::printSamples(const QVector<float>& samples, const QString& name)
{
    zarDiagnostics::raw(name.toStdString() + " ");
    for (float sample : samples) {
        std::ostringstream text;
        text << double(sample);
        zarDiagnostics::line(text.str());
    }
    return true;
}
