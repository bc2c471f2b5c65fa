#ifndef ZARSERIALDEVICE_H
#define ZARSERIALDEVICE_H

#include <QByteArray>

// What the job thread needs of the serial line to the core board. The real port
// is one implementation; tests script the board's replies with another.
class zarSerialDevice
{
public:
    virtual ~zarSerialDevice() = default;
    // Writes the whole frame, or returns less (-1 when the port is not open).
    virtual qint64 write(const QByteArray& data) = 0;
    virtual qint64 bytesAvailable() = 0;
    virtual QByteArray read(qint64 maxSize) = 0;
    // Discard unread input / unsent output.
    virtual void flushInBuffer() = 0;
    virtual void flushOutBuffer() = 0;
    virtual void close() = 0;
};

#endif
