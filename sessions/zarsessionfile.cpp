#include "sessions/zarsessionfile.h"

#include "core/zardiagnostics.h"
#include "core/zarstreamguard.h"

#include <QFile>
#include <QSaveFile>

namespace {
void fileError(const QFileDevice& file)
{
    zarDiagnostics::line(("File error: " + file.errorString()).toLocal8Bit().toStdString());
}

}

void zarSessionFile::write(QDataStream& stream) const
{
    stream << qint32(magic) << arrangement << arraySets << cableConfiguration;
    stream << quint32(electrodes.size());
    for (auto it = electrodes.constEnd(); it != electrodes.constBegin();) {
        --it;
        stream << it.key() << it.value();
    }
    stream << qint32(units.size());
    for (const zarSessionDataUnit& unit : units)
        stream << unit;
    stream << gpsFix;
}

zarSessionFile::WriteResult zarSessionFile::write(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        fileError(file);
        return NotOpened;
    }
    // Composed in memory and handed to the file in one write.
    QByteArray bytes;
    bytes.reserve(256 + units.size() * 128);
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_4_8);
    write(stream);
    if (file.write(bytes) != bytes.size() || file.error() != QFileDevice::NoError || !file.commit()) {
        fileError(file);
        file.cancelWriting();
        return NotWritten;
    }
    return Written;
}

zarSessionFile::ReadResult zarSessionFile::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fileError(file);
        return Unreadable;
    }
    QDataStream stream(&file);
    stream.setVersion(QDataStream::Qt_4_8);
    const ReadResult result = read(stream);
    if (result == Read && file.error() != QFileDevice::NoError) {
        fileError(file);
        return ReadError;
    }
    return result;
}

zarSessionFile::ReadResult zarSessionFile::read(QDataStream& stream)
{
    qint32 fileMagic = 0;
    stream >> fileMagic;
    if (stream.status() != QDataStream::Ok || fileMagic != magic)
        return Corrupted;
    stream >> arrangement >> arraySets >> cableConfiguration;
    if (stream.status() != QDataStream::Ok || !arrangement.hasSaneLayout())
        return Corrupted;
    electrodes.clear();
    quint32 count = 0;
    stream >> count;
    const int pointSize = 2 + 3 * zarStreamGuard::floatSize(stream);
    if (stream.status() != QDataStream::Ok || count > 64 || !zarStreamGuard::fits(stream, count, pointSize))
        return Corrupted;
    for (quint32 i = 0; i < count; ++i) {
        qint16 number = 0;
        zarPoint3D point;
        stream >> number >> point;
        if (stream.status() != QDataStream::Ok)
            return Corrupted;
        electrodes.insert(number, point);
    }
    units.clear();
    count = 0;
    stream >> count;
    if (stream.status() != QDataStream::Ok)
        return Corrupted;
    // Rows are appended one by one, never reserved from the count: a file that ends
    // early keeps its complete rows, and a damaged count costs nothing.
    for (quint32 i = 0; i < count; ++i) {
        zarSessionDataUnit unit;
        stream >> unit;
        // A row cut short is dropped: it would otherwise be measured as zeros.
        if (stream.status() != QDataStream::Ok)
            break;
        units.append(unit);
    }
    if (units.isEmpty())
        return Corrupted;
    zarGPSFix fix;
    stream >> fix;
    gpsFix = stream.status() == QDataStream::Ok ? fix : zarGPSFix();
    return Read;
}
