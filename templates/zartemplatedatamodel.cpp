#include "templates/zartemplatedatamodel.h"

#include "core/zarconstants.h"
#include "core/zardiagnostics.h"
#include "core/zarsafesave.h"
#include "core/zarnames.h"
#include "frame/zarkeyboarddialog.h"
#include "frame/zartranslator.h"
#include "frame/zarwarningdialog.h"
#include "templates/zaraddmodifyarraydialog.h"
#include "templates/zarsequencebuilder.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QSaveFile>
#include <QScopedPointer>
#include <QtNumeric>

namespace {

void fileError(const QFileDevice& file)
{
    zarDiagnostics::line(("File error: " + file.errorString()).toLocal8Bit().toStdString());
}

QString blue(const QString& value)
{
    return QStringLiteral("<font color=blue>%1</font>").arg(value);
}

bool containsAll(const QString& line, const char* characters)
{
    for (const char* c = characters; *c; ++c)
        if (!line.contains(QLatin1Char(*c), Qt::CaseInsensitive))
            return false;
    return true;
}

QPixmap dot(const QColor& colour)
{
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(1, 1, 10, 10);
    return pixmap;
}

QString chomp(QByteArray line)
{
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return QString::fromLocal8Bit(line);
}
}

zarTemplateDataModel::zarTemplateDataModel(QObject* parent) : QAbstractTableModel(parent)
{
    // The signals carry the grid's own type names.
    qRegisterMetaType<zarSpacing>("zarSpacing");
    qRegisterMetaType<zarLevel>("zarLevel");
    qRegisterMetaType<zarCable>("zarCable");
    qRegisterMetaType<zarCableSpacing>("zarCableSpacing");
    qRegisterMetaType<QList<zarQuadripole>>("QList<zarQuadripole>");
    const struct { const char* name; QColor colour; } points[] = {
        { ":/points/points/red.png", Qt::red },
        { ":/points/points/green.png", Qt::darkGreen },
        { ":/points/points/purple.png", QColor(128, 0, 128) },
        { ":/points/points/blue.png", Qt::blue },
    };
    for (const auto& point : points) {
        QPixmap pixmap { QLatin1String(point.name) };
        // Without the picture a selected cell would look empty: draw its dot instead.
        if (pixmap.isNull())
            pixmap = dot(point.colour);
        pixmaps.append(pixmap);
    }
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarTemplateDataModel::onTranslate);
    onTranslate();
}

int zarTemplateDataModel::rowCount(const QModelIndex&) const
{
    return zarGrid::spacings;
}

int zarTemplateDataModel::columnCount(const QModelIndex&) const
{
    return zarGrid::levels;
}

QVariant zarTemplateDataModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.model() != this || !hasCurrentSet())
        return QVariant();
    const zarTemplateSet& set = m_sets[currentSet];
    const int row = index.row(), column = index.column();
    if (role == Qt::DecorationRole) {
        if (set.mainMatrix()[row][column] && !pixmaps.isEmpty())
            return pixmaps[row % pixmaps.size()];
    } else if (role == Qt::BackgroundRole) {
        if (set.auxMatrix()[row][column])
            return QColor(Qt::gray);
    }
    return QVariant();
}

QVariant zarTemplateDataModel::headerData(int section, Qt::Orientation, int role) const
{
    if (role == Qt::DisplayRole)
        return int(quint8(section + 1));
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return QVariant();
}

qint8 zarTemplateDataModel::arrayType(quint8 setIndex) const
{
    if (m_sets.isEmpty())
        return -1;
    return m_sets[qMin(int(setIndex), m_sets.size() - 1)].arrayType();
}

int zarTemplateDataModel::measurementCount() const
{
    int total = 0;
    for (const zarTemplateSet& set : m_sets)
        total += set.measurementCount();
    return total;
}

bool zarTemplateDataModel::hasTooManyMeasurements() const
{
    const uint limit = uint(m_cables) * 3168u;
    for (const zarTemplateSet& set : m_sets)
        if (uint(set.measurementCount()) > limit) {
            zarWarningDialog::warning(tr("Template contains too many measurements"));
            return true;
        }
    return false;
}

bool zarTemplateDataModel::isValid() const
{
    if (m_sets.isEmpty()) {
        zarWarningDialog::warning(tr("Template is empty"));
        return false;
    }
    for (const zarTemplateSet& set : m_sets)
        if (set.isEmpty()) {
            zarWarningDialog::warning(tr("Template contains an empty set"));
            return false;
        }
    return !hasTooManyMeasurements();
}

QMap<qint8, qint8> zarTemplateDataModel::arrayTypeCounts() const
{
    QMap<qint8, qint8> counts;
    for (const zarTemplateSet& set : m_sets)
        counts[set.arrayType()] += 1;
    return counts;
}

int zarTemplateDataModel::sequenceLength() const
{
    return zarSequenceBuilder::instance()->build(this, nullptr, QString(), 0);
}

void zarTemplateDataModel::setSetComboBox(QComboBox* comboBox)
{
    setComboBox = comboBox;
    updateSetComboBox();
}

void zarTemplateDataModel::setInfoLabels(QLabel* cables, QLabel* electrodes, QLabel* cableSpacing,
                                         QLabel* profileLength)
{
    cablesLabel = cables;
    electrodesLabel = electrodes;
    cableSpacingLabel = cableSpacing;
    profileLengthLabel = profileLength;
    updateInfoLabels();
}

void zarTemplateDataModel::setArrangement(zarCable c, zarCableSpacing s)
{
    if (c == m_cables && s == m_cableSpacing)
        return;
    m_cables = c;
    m_cableSpacing = s;
    for (zarTemplateSet& set : m_sets)
        set.setArrangement(c, s);
    updateInfoLabels();
    afterSetChange();
}

void zarTemplateDataModel::afterSetChange()
{
    updateCurrentSet();
    updateSetComboBox();
    modified = true;
}

void zarTemplateDataModel::updateCurrentSet(const QModelIndexList& selection)
{
    if (selection.isEmpty())
        emit dataChanged(index(0, 0), index(zarGrid::spacings - 1, zarGrid::levels - 1));
    else
        emit dataChanged(selection.first(), selection.last());
    if (!hasCurrentSet()) {
        emit sendPlotClear(true);
        return;
    }
    QMap<zarSpacing, QList<zarQuadripole>> bySpacing;
    const auto& map = m_sets[currentSet].quadripoles();
    for (auto it = map.constBegin(); it != map.constEnd(); ++it)
        bySpacing[it.key().first] += it.value();
    emit sendPlotClear(bySpacing.isEmpty());
    for (auto it = bySpacing.constBegin(); it != bySpacing.constEnd(); ++it)
        emit sendPlotUpdate(it.key(), it.value(), it + 1 == bySpacing.constEnd());
}

void zarTemplateDataModel::updateSetComboBox()
{
    if (!setComboBox)
        return;
    disconnect(setComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
               &zarTemplateDataModel::onCurrentSetChange);
    setComboBox->clear();
    for (int i = 0; i < m_sets.size(); ++i)
        setComboBox->addItem(QStringLiteral("%1/%2 %3 [%4]")
                                 .arg(i + 1)
                                 .arg(m_sets.size())
                                 .arg(arrayName(zarArrayType(m_sets[i].arrayType())))
                                 .arg(m_sets[i].measurementCount()));
    setComboBox->setCurrentIndex(currentSet);
    connect(setComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &zarTemplateDataModel::onCurrentSetChange);
}

void zarTemplateDataModel::updateInfoLabels()
{
    const QString metres = tr("m");
    if (cablesLabel)
        cablesLabel->setText(blue(QString::number(m_cables)));
    if (electrodesLabel)
        electrodesLabel->setText(blue(QString::number(m_cables * zarGrid::electrodesPerCable)));
    if (cableSpacingLabel)
        cableSpacingLabel->setText(blue(QString::number(m_cableSpacing, 'f', 1)) + QLatin1Char(' ') + metres);
    if (profileLengthLabel)
        profileLengthLabel->setText(
            blue(QString::number((m_cables * zarGrid::electrodesPerCable - 1) * m_cableSpacing, 'f', 1))
            + QLatin1Char(' ') + metres);
}

void zarTemplateDataModel::onTranslate()
{
    updateInfoLabels();
    updateSetComboBox();
}

void zarTemplateDataModel::onCurrentSetChange(int setNumber)
{
    currentSet = quint8(qBound(0, setNumber, qMax(0, m_sets.size() - 1)));
    updateCurrentSet();
    updateSetComboBox();
}

bool zarTemplateDataModel::onSetAdd()
{
    if (m_sets.size() >= zarGrid::maxSets) {
        zarWarningDialog::warning(tr("Can not add one more set"));
        return false;
    }
    QScopedPointer<zarAddModifyArrayDialog> dialog(new zarAddModifyArrayDialog(nullptr));
    if (dialog->exec() != QDialog::Accepted)
        return false;
    zarTemplateSet set(m_cables, m_cableSpacing);
    set.setArrayType(qint8(dialog->array()));
    m_sets.append(set);
    currentSet = quint8(m_sets.size() - 1);
    afterSetChange();
    return true;
}

bool zarTemplateDataModel::onSetClone()
{
    if (!hasCurrentSet())
        return false;
    if (m_sets.size() >= zarGrid::maxSets) {
        zarWarningDialog::warning(tr("Can not add one more set"));
        return false;
    }
    m_sets.append(m_sets[currentSet]);
    currentSet = quint8(m_sets.size() - 1);
    afterSetChange();
    zarWarningDialog::warning(tr("Set was cloned successfully"));
    return true;
}

bool zarTemplateDataModel::onSetRemove()
{
    if (!hasCurrentSet())
        return false;
    if (zarWarningDialog::question(tr("Are you sure you want to remove current set?")) != 1)
        return false;
    m_sets.removeAt(currentSet);
    if (!m_sets.isEmpty())
        currentSet = quint8(qMin(int(currentSet), m_sets.size() - 1));
    afterSetChange();
    return true;
}

bool zarTemplateDataModel::onSetClear()
{
    if (!hasCurrentSet())
        return false;
    if (zarWarningDialog::question(tr("Are you sure you want to clear surrent set?")) != 1)
        return false;
    m_sets[currentSet].clear();
    afterSetChange();
    return true;
}

bool zarTemplateDataModel::onSetModify()
{
    if (!hasCurrentSet())
        return false;
    QScopedPointer<zarAddModifyArrayDialog> dialog(new zarAddModifyArrayDialog(nullptr));
    dialog->arrayComboBox->setCurrentIndex(m_sets[currentSet].arrayType());
    if (dialog->exec() != QDialog::Accepted || dialog->array() == m_sets[currentSet].arrayType())
        return false;
    m_sets[currentSet].setArrayType(qint8(dialog->array()));
    afterSetChange();
    return true;
}

void zarTemplateDataModel::onSpacingLevelMainConfig(QModelIndexList modelIndexList)
{
    if (modelIndexList.isEmpty())
        return;
    if (!hasCurrentSet() && !onSetAdd())
        return;
    m_sets[currentSet].applySelection(modelIndexList);
    updateCurrentSet(modelIndexList);
    updateSetComboBox();
    modified = true;
}

void zarTemplateDataModel::onSpacingLevelAuxConfig(zarSpacing spacing, zarLevel level, bool value)
{
    if (!hasCurrentSet())
        return;
    m_sets[currentSet].setAuxCell(spacing, level, value);
    updateCurrentSet();
    modified = true;
}

bool zarTemplateDataModel::saveTemplate(const QString& name, QString* savedAs)
{
    if (!isValid())
        return false;
    // Typed on the on-screen keyboard: the instrument has no other keyboard.
    zarKeyboardDialog keyboard(QFileInfo(name).fileName());
    keyboard.setWindowTitle(tr("Save template"));
    if (keyboard.exec() != QDialog::Accepted)
        return false;
    const QString typed = keyboard.lineEdit->text();
    // The name is a file in the templates directory, never a path out of it.
    if (!isPlainFileName(typed, templateExtension)) {
        zarWarningDialog::warning(tr("Template name is not valid"));
        return false;
    }
    if (!saveTemplateTo(templatesDir + typed))
        return false;
    if (savedAs)
        *savedAs = typed;
    return true;
}

bool zarTemplateDataModel::saveTemplateTo(const QString& fileName)
{
    if (!isValid())
        return false;
    const QString path = fileName + QLatin1Char('.') + templateExtension;
    if (QFile::exists(path) && zarWarningDialog::question(tr("File exists, do you want to overwrite it?")) != 1)
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        fileError(file);
        zarWarningDialog::warning(tr("Can not open file for writing"));
        return false;
    }
    arrangement.cableSpacing = m_cableSpacing;
    arrangement.cables = qint8(m_cables);
    arrangement.measurements = measurementCount();
    arrangement.runs = sequenceLength();
    arrangement.arrayTypeSets = arrayTypeCounts();
    QDataStream stream(&file);
    stream.setVersion(QDataStream::Qt_4_8);
    stream << magic << arrangement << qint8(m_cables) << m_cableSpacing << qint32(m_sets.size());
    for (const zarTemplateSet& set : m_sets)
        stream << set;
    if (stream.status() != QDataStream::Ok || file.error() != QFileDevice::NoError || !zarSafeSave::commit(file)) {
        fileError(file);
        file.cancelWriting();
        zarWarningDialog::warning(tr("Can not write data to file"));
        return false;
    }
    modified = false;
    return true;
}

// Reads into temporaries and takes them only when the whole file made sense.
bool zarTemplateDataModel::readTemplate(QDataStream& stream)
{
    qint32 head = 0;
    stream >> head;
    if (stream.status() != QDataStream::Ok || head != magic)
        return false;
    zarArrangement header;
    zarArrangement layout;
    qint8 cables = 0;
    qint32 count = 0;
    stream >> header >> cables >> layout.cableSpacing >> count;
    layout.cables = cables;
    if (stream.status() != QDataStream::Ok || !header.isSane() || !layout.hasSaneLayout() || count < 0
        || count > zarGrid::maxSets)
        return false;
    QList<zarTemplateSet> sets;
    for (qint32 i = 0; i < count; ++i) {
        zarTemplateSet set(2, 5.0f);
        stream >> set;
        if (stream.status() != QDataStream::Ok)
            return false;
        sets.append(set);
    }
    arrangement = header;
    m_cables = zarCable(cables);
    m_cableSpacing = layout.cableSpacing;
    m_sets = sets;
    return true;
}

bool zarTemplateDataModel::loadTemplate(const QString& path, bool quiet)
{
    if (path.isEmpty()) {
        emit sendArrangementUpdate(m_cables, m_cableSpacing);
        return true;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fileError(file);
        zarWarningDialog::warning(tr("Can not open file for reading"));
        return false;
    }
    QDataStream stream(&file);
    stream.setVersion(QDataStream::Qt_4_8);
    const bool read = readTemplate(stream);
    file.close();
    if (file.error() != QFileDevice::NoError) {
        fileError(file);
        zarWarningDialog::warning(tr("Can not read data from file"));
        return false;
    }
    if (!read) {
        zarWarningDialog::warning(tr("Template is corrupted"));
        return false;
    }
    if (currentSet >= m_sets.size())
        currentSet = 0;
    if (!quiet) {
        updateCurrentSet();
        updateSetComboBox();
        updateInfoLabels();
    }
    modified = false;
    return true;
}

bool zarTemplateDataModel::ertLabFailure(const QString& message)
{
    zarWarningDialog::warning(message);
    return false;
}

bool zarTemplateDataModel::importErtLab(const QString& path)
{
    ertElectrodes.clear();
    ertQuadripoles.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fileError(file);
        zarWarningDialog::warning(tr("Can not open file for reading"));
        return false;
    }
    auto fail = [&](const QString& message) {
        file.close();
        return ertLabFailure(message);
    };
    if (!containsAll(chomp(file.readLine()), "#XYZ"))
        return fail(tr("Can not find the beginning of header (# X Y Z)"));

    for (;;) {
        const QString line = chomp(file.readLine());
        if (containsAll(line, "#ABMN"))
            break;
        QStringList fields = QString(line).replace(QLatin1Char(','), QLatin1Char('.'))
                                 .split(QRegExp(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        while (fields.size() < 4)
            fields << QString();
        const uint number = fields[0].toUInt();
        if (number < 1 || number > 64)
            return fail(tr("Electrode number %1 is not supported").arg(number));
        if (ertElectrodes.contains(quint16(number)))
            return fail(tr("Electrode %1 appears more than once").arg(number));
        // nan, inf and numbers beyond the float range (read as inf) would make every
        // distance, and so every geometric factor, of the session meaningless.
        const zarPoint3D point(fields[1].toFloat(), fields[2].toFloat(), fields[3].toFloat());
        if (!qIsFinite(point.x) || !qIsFinite(point.y) || !qIsFinite(point.z))
            return fail(tr("Coordinate of electrode %1 is not a finite number").arg(number));
        ertElectrodes.insert(quint16(number), point);
    }

    for (int row = 1;; ++row) {
        if (file.atEnd())
            break;
        const QString line = chomp(file.readLine());
        if (line.trimmed().isEmpty())
            break;
        const QString suffix = QLatin1Char(' ') + tr("(row: %1)").arg(row);
        const QStringList fields = line.split(QRegExp(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        uint value[5] = {};
        bool readable = fields.size() >= 5;
        for (int i = 0; i < 5 && readable; ++i)
            value[i] = fields[i].toUInt(&readable);
        // A field that cannot be read must not turn into 0, the remote electrode.
        if (!readable)
            return fail(tr("Quadripole row can not be read") + suffix);
        const uint a = value[1], b = value[2], m = value[3], n = value[4];
        // Checked before narrowing, so 65537 is not taken for electrode 1.
        auto missing = [&](uint e) { return e > 0xFFFF || !ertElectrodes.contains(quint16(e)); };
        const QString header = tr("Header does not contains electrode %1");
        if (a == 0)
            return fail(tr("A electrode can not be remote") + suffix);
        if (missing(a))
            return fail(header.arg(a) + suffix);
        if (b != 0 && missing(b))
            return fail(header.arg(b) + suffix);
        if (m == 0)
            return fail(tr("M electrode can not be remote") + suffix);
        if (missing(m))
            return fail(header.arg(m) + suffix);
        if (n != 0 && missing(n))
            return fail(header.arg(n) + suffix);
        // One electrode may not serve two poles; only the remote code 0 may repeat.
        const uint used[4] = { a, b, m, n };
        for (int i = 1; i < 4; ++i)
            for (int j = 0; j < i; ++j)
                if (used[i] != 0 && used[i] == used[j])
                    return fail(tr("Electrode %1 appears more than once in quadripole").arg(used[i]) + suffix);
        ertQuadripoles.append(zarQuadripole(b == 0 ? -1 : qint16(b - 1), qint16(a - 1),
                                            n == 0 ? -2 : qint16(n - 1), qint16(m - 1)));
    }
    if (file.error() != QFileDevice::NoError) {
        fileError(file);
        file.close();
        zarWarningDialog::warning(tr("Can not read data from file"));
        return false;
    }
    return true;
}
