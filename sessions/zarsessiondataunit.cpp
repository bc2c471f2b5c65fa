#include "sessions/zarsessiondataunit.h"

#include "core/zardiagnostics.h"

#include <QVarLengthArray>
#include <QtEndian>
#include <cmath>
#include <cstring>

void zarSessionDataUnit::configure(zarCableSpacing cableSpacing, zarMeasurement measurement)
{
    const zarQuadripole& q = measurement.quadripole;
    x = q.x;
    z = q.z;
    setMask = qint8(measurement.setMask());
    continues = measurement.continues != 0;
    groupParity = measurement.groupParity != 0;
    coreQuadripole.channel = measurement.channel;
    if (cableSpacing == 0) {
        zarDiagnostics::line("zarSessionDataUnit error: configure cableSpacing == 0");
        return;
    }
    coreQuadripole.a = q.a;
    coreQuadripole.b = q.b;
    coreQuadripole.m = q.m;
    coreQuadripole.n = q.n;
    const double s = std::fabs(double(cableSpacing));
    // Remote electrodes stand far out on either side of the line.
    const double a = q.a == -1 ? -1000000.0 : s * q.a;
    const double b = s * q.b;
    const double m = q.m == -2 ? 1000000.0 : s * q.m;
    const double n = s * q.n;
    const double am = std::fabs(a - m), bm = std::fabs(b - m), an = std::fabs(a - n), bn = std::fabs(b - n);
    k = float(std::fabs(double(6.2831855f) / (1 / am - 1 / bm - 1 / an + 1 / bn)));
}

void zarSessionDataUnit::derive()
{
    rho = float(std::fabs(double(k) * measureSet.rxVoltage / measureSet.txCurrent));
}

void zarSessionDataUnit::store(const zarMeasureSet& result)
{
    measureSet = result;
    measureSet.measured = true;
    derive();
}

namespace {
// Big-endian writer of the file layout into one buffer: a session holds tens of
// thousands of rows, and one device write per row keeps saving close to raw speed.
class Encoder
{
public:
    explicit Encoder(char* out) : p(out) {}
    void real(float v)
    {
        const double d = v;
        quint64 bits;
        std::memcpy(&bits, &d, sizeof bits);
        qToBigEndian(bits, p);
        p += 8;
    }
    void byte(quint8 v) { *p++ = char(v); }
    void word(quint16 v)
    {
        qToBigEndian(v, p);
        p += 2;
    }
    void dword(quint32 v)
    {
        qToBigEndian(v, p);
        p += 4;
    }
    char* p;
};
}

QDataStream& operator<<(QDataStream& stream, const zarSessionDataUnit& u)
{
    if (stream.floatingPointPrecision() != QDataStream::DoublePrecision
        || stream.byteOrder() != QDataStream::BigEndian)
        return stream << u.x << u.z << u.k << u.rho << u.setMask << u.continues << u.groupParity
                      << u.coreQuadripole << u.measureSet;
    const zarMeasureSet& r = u.measureSet;
    const zarMeasureSettings& s = r.settings;
    QVarLengthArray<char, 256> buffer(zarSessionDataUnit::fixedSize + 8 * r.samples.size());
    Encoder e(buffer.data());
    e.real(u.x);
    e.real(u.z);
    e.real(u.k);
    e.real(u.rho);
    e.byte(quint8(u.setMask));
    e.byte(u.continues);
    e.byte(u.groupParity);
    e.word(quint16(u.coreQuadripole.a));
    e.word(quint16(u.coreQuadripole.b));
    e.word(quint16(u.coreQuadripole.m));
    e.word(quint16(u.coreQuadripole.n));
    e.byte(u.coreQuadripole.channel);
    e.real(r.txVoltage);
    e.real(r.txCurrent);
    e.real(r.rxVoltage);
    e.real(r.rxDeviation);
    e.dword(quint32(r.samples.size()));
    for (float sample : r.samples)
        e.real(sample);
    e.real(r.chargeability);
    e.real(r.quality);
    e.byte(r.measured);
    e.word(s.pulseCode);
    e.byte(s.ip);
    e.word(s.pauseCode);
    e.real(s.deviation);
    e.byte(s.minStacking);
    e.byte(s.maxStacking);
    e.byte(s.transmitterPower);
    stream.writeRawData(buffer.data(), int(e.p - buffer.data()));
    return stream;
}

namespace {
// The encoder's mirror: big-endian fields straight from memory, read as
// QDataStream reads them (any non-zero byte is true, floats pass through double).
class Decoder
{
public:
    explicit Decoder(const char* in) : p(in) {}
    float real()
    {
        const quint64 bits = qFromBigEndian<quint64>(p);
        p += 8;
        double d;
        std::memcpy(&d, &bits, sizeof d);
        return float(d);
    }
    quint8 byte() { return quint8(*p++); }
    bool flag() { return byte() != 0; }
    quint16 word()
    {
        const quint16 v = qFromBigEndian<quint16>(p);
        p += 2;
        return v;
    }
    quint32 dword()
    {
        const quint32 v = qFromBigEndian<quint32>(p);
        p += 4;
        return v;
    }
    const char* p;
};

// Bytes of a row before its sample count, and before its samples.
const int countOffset = 76;
const int headSize = countOffset + 4;
}

const char* zarSessionDataUnit::skip(const char* data, const char* end, int& samples)
{
    if (end - data < fixedSize)
        return nullptr;
    const quint32 count = qFromBigEndian<quint32>(data + countOffset);
    // The count is checked against the bytes left before it sizes anything.
    if (count > quint32((end - data - fixedSize) / 8))
        return nullptr;
    samples = int(count);
    return data + fixedSize + 8 * qint64(count);
}

const char* zarSessionDataUnit::decode(const char* data, const char* end, zarSessionDataUnit& u, float* out)
{
    int samples = 0;
    const char* next = skip(data, end, samples);
    if (!next)
        return nullptr;
    Decoder d(data);
    u.x = d.real();
    u.z = d.real();
    u.k = d.real();
    u.rho = d.real();
    u.setMask = qint8(d.byte());
    u.continues = d.flag();
    u.groupParity = d.flag();
    zarCoreQuadripole& q = u.coreQuadripole;
    q.a = qint16(d.word());
    q.b = qint16(d.word());
    q.m = qint16(d.word());
    q.n = qint16(d.word());
    q.channel = d.byte();
    zarMeasureSet& r = u.measureSet;
    r.txVoltage = d.real();
    r.txCurrent = d.real();
    r.rxVoltage = d.real();
    r.rxDeviation = d.real();
    d.dword();
    Q_ASSERT(d.p == data + headSize);
    if (out) {
        for (int i = 0; i < samples; ++i)
            out[i] = d.real();
    } else if (samples > 0) {
        QVector<float> own(samples);
        for (float& sample : own)
            sample = d.real();
        r.samples = own;
    } else {
        r.samples = zarSamples();
    }
    r.chargeability = d.real();
    r.quality = d.real();
    r.measured = d.flag();
    zarMeasureSettings& s = r.settings;
    s.pulseCode = d.word();
    s.ip = d.flag();
    s.pauseCode = d.word();
    s.deviation = d.real();
    s.minStacking = d.byte();
    s.maxStacking = d.byte();
    s.transmitterPower = d.byte();
    Q_ASSERT(d.p == next);
    return next;
}

QDataStream& operator>>(QDataStream& stream, zarSessionDataUnit& u)
{
    return stream >> u.x >> u.z >> u.k >> u.rho >> u.setMask >> u.continues >> u.groupParity
                  >> u.coreQuadripole >> u.measureSet;
}
