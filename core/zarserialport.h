#ifndef ZARSERIALPORT_H
#define ZARSERIALPORT_H

#include "core/zarserialdevice.h"

#include <QSerialPort>
#include <QString>

#include <memory>

// The core board's serial port. The QSerialPort is created and opened on the first
// write, in the thread that uses it (the job thread), and destroyed by close().
class zarSerialPort : public zarSerialDevice
{
public:
    zarSerialPort(const QString& name, const QString& settings);
    ~zarSerialPort() override;

    // "115200, 8, N, 1, off": baud, data bits, parity N/E/O/S/M, stop bits 1/1.5/2, flow off/hw/xon.
    struct Settings
    {
        qint32 baudRate = 115200;
        QSerialPort::DataBits dataBits = QSerialPort::Data8;
        QSerialPort::Parity parity = QSerialPort::NoParity;
        QSerialPort::StopBits stopBits = QSerialPort::OneStop;
        QSerialPort::FlowControl flowControl = QSerialPort::NoFlowControl;
        bool valid = false;
    };
    static Settings parseSettings(const QString& settings);

    bool open();
    bool isOpen() const;
    QString name() const { return m_name; }

    qint64 write(const QByteArray& data) override;
    qint64 bytesAvailable() override;
    QByteArray read(qint64 maxSize) override;
    void flushInBuffer() override;
    void flushOutBuffer() override;
    void close() override;

private:
    QSerialPort* port();

    QString m_name;
    Settings m_settings;
    std::unique_ptr<QSerialPort> m_port;
};

#endif
