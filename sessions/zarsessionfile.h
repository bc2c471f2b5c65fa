#ifndef ZARSESSIONFILE_H
#define ZARSESSIONFILE_H

#include "service/zarcableconfiguration.h"
#include "service/zargpsfix.h"
#include "sessions/zarsessiondataunit.h"
#include "templates/zararrangement.h"
#include "templates/zararrayset.h"
#include "templates/zarpoint3d.h"

#include <QMap>
#include <QVector>

// The contents of a session file (named session or autosave) and its byte layout,
// shared by the sequence builder and the session model.
class zarSessionFile
{
public:
    enum : qint32 { magic = 0x33114422 };
    // Incomplete: the file ends early, or holds more rows than it counts; the rows
    // before the end or up to the count were read.
    enum ReadResult { Read, Incomplete, Unreadable, Corrupted, ReadError };
    enum WriteResult { Written, NotOpened, NotWritten };

    zarArrangement arrangement;
    QVector<zarArraySet> arraySets;
    zarCableConfiguration cableConfiguration;
    QMap<qint16, zarPoint3D> electrodes;
    // Rows side by side in one block: a session holds tens of thousands of them.
    QVector<zarSessionDataUnit> units;
    zarGPSFix gpsFix;

    // Written through a save file: the old file stays whole until the new one is.
    // The diagnostic line is written for every failure.
    WriteResult write(const QString& path) const;
    void write(QDataStream& stream) const;
    // Keeps only complete rows; refuses damaged counts and a file without rows.
    // The header of a file that ends inside its rows, or that counts fewer rows than
    // it holds, is made to count the rows read.
    ReadResult read(const QString& path);
    // Reads what is left on the stream's device.
    ReadResult read(QDataStream& stream);
    ReadResult parse(const QByteArray& bytes);

    // A row's measurement centre or pseudo-depth that a file may hold.
    static bool isSanePosition(float metres);

private:
    void countRows();
};

#endif
