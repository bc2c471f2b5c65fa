#include "sessions/zarsessionfile.h"

#include "core/zardiagnostics.h"
#include "core/zarsafesave.h"
#include "core/zarstreamguard.h"

#include <QFile>
#include <QSaveFile>

#include <cmath>
#include <utility>

namespace {
const qint64 minBlock = 4096;

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
    if (file.write(bytes) != bytes.size() || file.error() != QFileDevice::NoError || !zarSafeSave::commit(file)) {
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
    // One read of the whole file; the rows are decoded from memory.
    const QByteArray bytes = file.readAll();
    const ReadResult result = parse(bytes);
    if ((result == Read || result == Incomplete) && file.error() != QFileDevice::NoError) {
        fileError(file);
        return ReadError;
    }
    return result;
}

zarSessionFile::ReadResult zarSessionFile::read(QDataStream& stream)
{
    return stream.device() ? parse(stream.device()->readAll()) : Corrupted;
}

zarSessionFile::ReadResult zarSessionFile::parse(const QByteArray& bytes)
{
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_4_8);
    qint32 fileMagic = 0;
    stream >> fileMagic;
    if (stream.status() != QDataStream::Ok || fileMagic != magic)
        return Corrupted;
    stream >> arrangement >> arraySets >> cableConfiguration;
    if (stream.status() != QDataStream::Ok || !arrangement.isSane())
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
    const char* const begin = bytes.constData();
    const char* const end = begin + bytes.size();
    const char* p = begin + stream.device()->pos();
    // Reserved only for the rows that can be present, so a damaged count costs
    // nothing; a file that ends early keeps its complete rows.
    units.reserve(int(qMin<qint64>(count, (end - p) / zarSessionDataUnit::fixedSize)));
    // The rows take their samples as slices of shared blocks rather than a heap
    // block each: one block holds them all when the count is right, as the bytes
    // after the rows then tell their number.
    QVector<float> block;
    float* out = nullptr;
    int filled = 0;
    bool cut = false;
    for (quint32 i = 0; i < count; ++i) {
        int samples = 0;
        // A row cut short is dropped: it would otherwise be measured as zeros.
        cut = !zarSessionDataUnit::skip(p, end, samples);
        if (cut)
            break;
        if (samples > block.size() - filled) {
            // Room for the samples the rest of the file holds if the count is
            // right, and not a block per row when it is not.
            const qint64 rest = (end - p - qint64(count - i) * zarSessionDataUnit::fixedSize) / 8;
            const qint64 least = qMin<qint64>(minBlock, (end - p) / 8);
            block = QVector<float>(int(qMax<qint64>(samples, qMax(rest, least))));
            // Taken before any row shares the block, so filling it never copies it.
            out = block.data();
            filled = 0;
        }
        zarSessionDataUnit unit;
        const char* next = zarSessionDataUnit::decode(p, end, unit, out + filled);
        // Positions place the row in the plots: a damaged one refuses the file.
        if (!isSanePosition(unit.x) || !isSanePosition(unit.z))
            return Corrupted;
        if (samples) {
            unit.measureSet.samples = zarSamples(block, filled, samples);
            filled += samples;
        }
        units.append(std::move(unit));
        p = next;
    }
    if (units.isEmpty())
        return Corrupted;
    // Nothing follows a row cut short: the fix of such a file is a new one.
    zarGPSFix fix;
    if (!cut) {
        stream.device()->seek(p - begin);
        stream >> fix;
    }
    // Bytes after the fix: the count stops short of the rows the file holds, so
    // the fix was read from the next row.
    const bool overrun = !cut && stream.status() == QDataStream::Ok && !stream.atEnd();
    const bool whole = !cut && !overrun && stream.status() == QDataStream::Ok;
    gpsFix = whole ? fix : zarGPSFix();
    if (cut || overrun)
        countRows();
    return whole ? Read : Incomplete;
}

// The header still counts the whole session; the set labels and a later save tell
// what the session now holds.
void zarSessionFile::countRows()
{
    arrangement.measurements = 0;
    for (int set = 0; set < arraySets.size(); ++set) {
        int rows = 0;
        for (const zarSessionDataUnit& unit : units)
            rows += (quint8(unit.setMask) >> set) & 1;
        arraySets[set].count = qint16(rows);
        arrangement.measurements += rows;
    }
    // The last group may have lost its end: it is still one run.
    arrangement.runs = units.constLast().continues;
    for (const zarSessionDataUnit& unit : units)
        arrangement.runs += !unit.continues;
}

bool zarSessionFile::isSanePosition(float metres)
{
    return std::isfinite(metres) && std::fabs(metres) <= zarGrid::maxMetres;
}
