#include "sessions/zarfiletabledatamodel.h"

#include "core/zarconstants.h"
#include "sessions/zarsessionfile.h"
#include "templates/zartemplatedatamodel.h"

#include <QDataStream>
#include <QDir>
#include <QFile>

#include <algorithm>

namespace {

const int firstArrayColumn = 5;

// Forward and reciprocal array code of each array column; -1 where the array has
// no reciprocal.
const struct { qint8 forward, reciprocal; } arrayColumns[] = {
    { 0, 12 }, { 1, 13 }, { 2, 14 }, { 3, 15 }, { 4, 16 }, { 5, -1 },
    { 6, -1 }, { 7, 17 }, { 8, 18 }, { 9, 19 }, { 10, 20 }, { 11, 21 },
};

} // namespace

zarFileTableDataModel::zarFileTableDataModel(int mode, QObject* parent) : QAbstractTableModel(parent)
{
    titles << (mode == 0 ? QObject::tr("Template") : QObject::tr("Session")) << tr("Cbl")
           << QStringLiteral("%1[%2]").arg(tr("CS"), tr("m")) << tr("Qdps") << tr("Runs")
           << QStringLiteral("W%1").arg(QChar(0x03B1)) << QStringLiteral("W%1").arg(QChar(0x03B2))
           << QStringLiteral("W%1").arg(QChar(0x03B3)) << QStringLiteral("Sch") << QStringLiteral("DD")
           << QStringLiteral("FPD") << QStringLiteral("BPD") << QStringLiteral("PP") << QStringLiteral("G3")
           << QStringLiteral("G5") << QStringLiteral("G7") << QStringLiteral("G9");
    columns = titles.size();

    const QString extension = mode == 0 ? templateExtension : sessionExtension;
    const QString directory = mode == 0 ? templatesDir.path() : sessionsDir.path();
    const qint32 magic = mode == 0 ? zarTemplateDataModel::magic : qint32(zarSessionFile::magic);
    const QString dotted = QStringLiteral(".%1").arg(extension);

    QStringList files = QDir(directory).entryList({ QStringLiteral("*%1").arg(dotted) }, QDir::Files);
    std::sort(files.begin(), files.end(),
              [](const QString& a, const QString& b) { return a.toLower() < b.toLower(); });
    for (const QString& file : files) {
        const QString path = directory + file;
        QFile device(path);
        if (!device.open(QIODevice::ReadOnly))
            continue;
        QDataStream stream(&device);
        stream.setVersion(QDataStream::Qt_4_8);
        qint32 fileMagic = 0;
        stream >> fileMagic;
        if (fileMagic != magic)
            continue;
        // A file cut inside its header still shows, with what could be read.
        zarArrangement record;
        stream >> record;
        if (device.error() != QFileDevice::NoError)
            continue;
        names << QString(path).remove(directory).remove(dotted);
        records << record;
        paths << path;
    }
    rows = names.size();
}

zarFileTableDataModel::~zarFileTableDataModel() = default;

// Cells have no children: a view or proxy would otherwise nest the table in itself.
int zarFileTableDataModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows;
}

int zarFileTableDataModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columns;
}

bool zarFileTableDataModel::isEmpty() const
{
    return rows == 0;
}

QString zarFileTableDataModel::path(int row) const
{
    return paths.value(row);
}

QVariant zarFileTableDataModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows || index.column() >= columns)
        return QVariant();
    const int column = index.column();
    if (role == Qt::TextAlignmentRole)
        return column == 0 ? int(Qt::AlignLeft) : int(Qt::AlignHCenter | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return QVariant();
    const zarArrangement& record = records.at(index.row());
    switch (column) {
    case 0: return names.at(index.row());
    case 1: return QString::number(quint8(record.cables));
    case 2: return QString::number(double(record.cableSpacing), 'f', 1);
    case 3: return QString::number(quint32(record.measurements));
    case 4: return QString::number(quint32(record.runs));
    default: return arrayCell(index.row(), column);
    }
}

QString zarFileTableDataModel::arrayCell(int row, int column) const
{
    const QMap<qint8, qint8>& sets = records.at(row).arrayTypeSets;
    const auto& codes = arrayColumns[column - firstArrayColumn];
    QString text;
    if (sets.contains(codes.forward))
        text = QStringLiteral("%1S").arg(quint8(sets.value(codes.forward)));
    if (codes.reciprocal >= 0 && sets.contains(codes.reciprocal)) {
        if (!text.isEmpty())
            text += QLatin1Char(':');
        text += QStringLiteral("%1R").arg(quint8(sets.value(codes.reciprocal)));
    }
    return text;
}

QVariant zarFileTableDataModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columns)
        return QVariant();
    return titles.value(section);
}
