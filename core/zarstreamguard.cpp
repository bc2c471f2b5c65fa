#include "core/zarstreamguard.h"

#include <QIODevice>

int zarStreamGuard::floatSize(const QDataStream& stream)
{
    return stream.floatingPointPrecision() == QDataStream::SinglePrecision ? 4 : 8;
}

bool zarStreamGuard::fits(const QDataStream& stream, qint64 count, qint64 elementSize)
{
    if (count < 0)
        return false;
    const QIODevice* device = stream.device();
    if (!device || device->isSequential())
        return count <= maxSequentialCount;
    return count * elementSize <= device->bytesAvailable();
}

void zarStreamGuard::readFloats(QDataStream& stream, QVector<float>& values)
{
    values.clear();
    quint32 count = 0;
    stream >> count;
    if (stream.status() != QDataStream::Ok)
        return;
    if (!fits(stream, count, floatSize(stream))) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    values.resize(int(count));
    for (quint32 i = 0; i < count; ++i) {
        stream >> values[int(i)];
        if (stream.status() != QDataStream::Ok) {
            values.clear();
            return;
        }
    }
}
