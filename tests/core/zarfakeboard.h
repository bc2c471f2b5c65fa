#ifndef ZARFAKEBOARD_H
#define ZARFAKEBOARD_H

#include "core/zarcorethread.h"
#include "core/zarserialdevice.h"

#include <QDataStream>
#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>

#include <functional>
#include <memory>

// A core board behind the serial interface: records every frame and answers as
// the board would. Readings of the output registrators and receivers follow the
// transmitter's pulse polarity, so a level L reads +L on the first pulse and -L
// on the second.
class zarFakeBoard : public zarSerialDevice
{
public:
    QStringList frames;                // in hex
    QByteArray input;
    bool acceptWrites = true;
    QSet<int> refusedWrites;           // indexes of frames whose write fails
    QSet<quint8> silent;               // devices whose ping answers 0
    QList<quint8> txStates;            // answered in turn, then 0
    QHash<quint8, QList<float>> queued; // raw readings per address, before the model
    QByteArray clockReply = QByteArray::fromHex("07ea0c06150507"); // 2026-12-06 21:05:07
    QByteArray extra;                  // appended to every answer
    bool mute = false;                 // never answers
    float txReading = 3.25f;
    int polarity = 1, lastPercent = -1;
    int inFlushes = 0, outFlushes = 0, closes = 0;

    // 1000 on the output voltage registrator, 10 on the current one, 50 elsewhere.
    std::function<float(quint8)> level = [](quint8 address) {
        return address == 24 ? 1000.0f : address == 25 ? 10.0f : 50.0f;
    };

    // Hands a new board to the thread; the thread owns it, the pointer stays valid.
    static zarFakeBoard* attach(zarCoreThread& thread)
    {
        auto* board = new zarFakeBoard;
        thread.setSerialDevice(std::unique_ptr<zarSerialDevice>(board));
        return board;
    }

    qint64 write(const QByteArray& data) override
    {
        frames.append(QString::fromLatin1(data.toHex()));
        if (!acceptWrites || refusedWrites.contains(frames.size() - 1))
            return -1;
        const QByteArray reply = answer(data);
        if (!reply.isEmpty() && !mute)
            input += reply + extra;
        return data.size();
    }
    qint64 bytesAvailable() override { return input.size(); }
    QByteArray read(qint64 maxSize) override
    {
        const QByteArray taken = input.left(int(maxSize));
        input.remove(0, taken.size());
        return taken;
    }
    void flushInBuffer() override { ++inFlushes; input.clear(); }
    void flushOutBuffer() override { ++outFlushes; }
    void close() override { ++closes; }

private:
    float reading(quint8 address)
    {
        QList<float>& list = queued[address];
        if (!list.isEmpty())
            return list.takeFirst();
        const float value = level(address);
        return address >= 8 && address <= 25 ? polarity * value : value;
    }

    QByteArray answer(const QByteArray& frame)
    {
        const quint8 address = quint8(frame.at(0));
        const quint8 command = quint8(frame.at(1));
        const QByteArray payload = frame.mid(4);
        const auto state = [this] { return QByteArray(1, char(txStates.isEmpty() ? 0 : txStates.takeFirst())); };
        QByteArray reply;
        QDataStream out(&reply, QIODevice::WriteOnly);
        out.setFloatingPointPrecision(QDataStream::SinglePrecision);
        if (address == 0 && command == 0x00) {
            out << qint8(silent.contains(quint8(payload.at(0))) ? 0 : 1);
        } else if (command == 0x0A) {
            const int samples = (quint8(payload.at(0)) << 8) | quint8(payload.at(1));
            for (int i = 0; i < samples; ++i)
                out << reading(address);
        } else if (address == 7) {
            if (command == 0x1E && payload == QByteArray(1, 1))
                return state();
            if (command == 0x1F || command == 0x20) {
                polarity = command == 0x1F ? 1 : -1;
                lastPercent = quint8(payload.at(0));
                return state();
            }
            if (command == 0x21 || command == 0x22)
                polarity = command == 0x21 ? 1 : -1;
            if (command == 0x23)
                out << txReading;
        } else if (address == 5 && command == 0x28) {
            return clockReply;
        } else if (command == 0x3D || command == 0x3E || command == 0x3F || command == 0x42) {
            return QByteArray(address == 254 ? 17 : 1, 1);
        }
        return reply;
    }
};

inline zarCoreQuadripole zarQuadripole(int a, int b, int m, int n, int channel = 0)
{
    zarCoreQuadripole q;
    q.a = qint16(a); q.b = qint16(b); q.m = qint16(m); q.n = qint16(n); q.channel = quint8(channel);
    return q;
}

// The error code a failed call left, or -1 for a success: one comparison checks both.
inline int zarFailure(const zarCoreThread& thread, bool ok)
{
    return ok ? -1 : int(thread.error().code);
}

#endif
