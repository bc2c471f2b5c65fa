#include "core/zarserialport.h"

#include <QStringList>

zarSerialPort::zarSerialPort(const QString& name, const QString& settings)
    : m_name(name), m_settings(parseSettings(settings))
{
}

zarSerialPort::~zarSerialPort() = default;

zarSerialPort::Settings zarSerialPort::parseSettings(const QString& text)
{
    Settings s;
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 5)
        return s;
    bool ok = false;
    s.baudRate = parts[0].trimmed().toInt(&ok);
    if (!ok || s.baudRate <= 0)
        return s;
    switch (parts[1].trimmed().toInt()) {
    case 5: s.dataBits = QSerialPort::Data5; break;
    case 6: s.dataBits = QSerialPort::Data6; break;
    case 7: s.dataBits = QSerialPort::Data7; break;
    case 8: s.dataBits = QSerialPort::Data8; break;
    default: return s;
    }
    const QString parity = parts[2].trimmed().toUpper();
    if (parity == QLatin1String("N")) s.parity = QSerialPort::NoParity;
    else if (parity == QLatin1String("E")) s.parity = QSerialPort::EvenParity;
    else if (parity == QLatin1String("O")) s.parity = QSerialPort::OddParity;
    else if (parity == QLatin1String("S")) s.parity = QSerialPort::SpaceParity;
    else if (parity == QLatin1String("M")) s.parity = QSerialPort::MarkParity;
    else return s;
    const QString stop = parts[3].trimmed();
    if (stop == QLatin1String("1")) s.stopBits = QSerialPort::OneStop;
    else if (stop == QLatin1String("1.5")) s.stopBits = QSerialPort::OneAndHalfStop;
    else if (stop == QLatin1String("2")) s.stopBits = QSerialPort::TwoStop;
    else return s;
    const QString flow = parts[4].trimmed().toLower();
    if (flow == QLatin1String("off")) s.flowControl = QSerialPort::NoFlowControl;
    else if (flow == QLatin1String("hw")) s.flowControl = QSerialPort::HardwareControl;
    else if (flow == QLatin1String("xon")) s.flowControl = QSerialPort::SoftwareControl;
    else return s;
    s.valid = true;
    return s;
}

QSerialPort* zarSerialPort::port()
{
    if (!m_port)
        m_port.reset(new QSerialPort(m_name));
    return m_port.get();
}

bool zarSerialPort::open()
{
    if (!m_settings.valid)
        return false;
    QSerialPort* p = port();
    if (p->isOpen())
        return true;
    if (!p->open(QIODevice::ReadWrite))
        return false;
    if (p->setBaudRate(m_settings.baudRate) && p->setDataBits(m_settings.dataBits)
        && p->setParity(m_settings.parity) && p->setStopBits(m_settings.stopBits)
        && p->setFlowControl(m_settings.flowControl))
        return true;
    // A line at the wrong speed would only produce garbage.
    close();
    return false;
}

bool zarSerialPort::isOpen() const
{
    return m_port && m_port->isOpen();
}

qint64 zarSerialPort::write(const QByteArray& data)
{
    // Opened on first use, in the thread that uses it.
    if (!isOpen() && !open())
        return -1;
    const qint64 written = m_port->write(data);
    if (written < 0)
        return written;
    // No event loop in the job thread: push the bytes out before returning.
    // What is still queued when the line stalls was not sent.
    while (m_port->bytesToWrite() > 0)
        if (!m_port->waitForBytesWritten(1000))
            return written - m_port->bytesToWrite();
    return written;
}

qint64 zarSerialPort::bytesAvailable()
{
    if (!isOpen())
        return 0;
    // Collect what the driver holds; there is no event loop to do it for us.
    m_port->waitForReadyRead(0);
    return m_port->bytesAvailable();
}

QByteArray zarSerialPort::read(qint64 maxSize)
{
    if (!isOpen())
        return QByteArray();
    return m_port->read(maxSize);
}

void zarSerialPort::flushInBuffer()
{
    if (isOpen())
        m_port->clear(QSerialPort::Input);
}

void zarSerialPort::flushOutBuffer()
{
    if (isOpen())
        m_port->clear(QSerialPort::Output);
}

void zarSerialPort::close()
{
    // Gone with the close, so the object dies in the thread that made it.
    m_port.reset();
}
