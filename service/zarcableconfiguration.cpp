#include "service/zarcableconfiguration.h"

#include "core/zarstreamguard.h"

QDataStream& operator<<(QDataStream& stream, const zarCableConfiguration& c)
{
    stream << qint32(c.wires.size());
    for (const auto& wire : c.wires)
        stream << wire.resistance << wire.enabled;
    stream << c.remoteTxResistance << c.remoteTx << c.remoteRxResistance << c.remoteRx;
    return stream;
}

QDataStream& operator>>(QDataStream& stream, zarCableConfiguration& c)
{
    c.wires.clear();
    qint32 count = 0;
    stream >> count;
    if (stream.status() != QDataStream::Ok)
        return stream;
    const int wireSize = zarStreamGuard::floatSize(stream) + 1;
    // Two cables of 32 wires at most; a larger count is damage, not data.
    if (count < 0 || count > 64 || !zarStreamGuard::fits(stream, count, wireSize)) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return stream;
    }
    for (qint32 i = 0; i < count; ++i) {
        zarCableConfiguration::Wire wire;
        stream >> wire.resistance >> wire.enabled;
        if (stream.status() != QDataStream::Ok)
            return stream;
        c.wires.append(wire);
    }
    stream >> c.remoteTxResistance >> c.remoteTx >> c.remoteRxResistance >> c.remoteRx;
    return stream;
}
