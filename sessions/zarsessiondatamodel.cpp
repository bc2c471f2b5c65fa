#include "sessions/zarsessiondatamodel.h"

#include "core/zarconstants.h"
#include "core/zarcore.h"
#include "core/zarnames.h"
#include "frame/zaroptionswidget.h"
#include "frame/zartranslator.h"
#include "frame/zarkeyboarddialog.h"
#include "frame/zarwarningdialog.h"
#include "service/zargpsmanager.h"

#include <QColor>
#include <QFile>
#include <QLabel>
#include <QSlider>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {
const int alignment = Qt::AlignRight | Qt::AlignVCenter;
const QColor groupColour1(255, 127, 0, 255);
const QColor groupColour2(170, 170, 255, 255);
const QColor currentColour(255, 127, 63, 63);
const QColor potentialColour(127, 255, 127, 63);
const QColor channelColour(255, 255, 127, 95);
const QColor resultColour(127, 127, 255, 63);
const float centreOffset = 0.01f;

QString fixed(double value, int decimals = 1)
{
    return QString::number(value, 'f', decimals);
}

bool pointLess(const QPointF& l, const QPointF& r)
{
    return l.x() < r.x();
}

// Slider positions in tenths of a metre, within the slider's widest range; the
// loader refuses damaged lengths, this keeps any other value from overflowing.
const int sliderTop = 100000000;

int tenths(float metres)
{
    const double t = 10.0 * double(metres);
    return std::isfinite(t) ? int(qBound(0.0, t, double(sliderTop))) : 0;
}
}

zarSessionDataModel::zarSessionDataModel(QObject* parent) : QAbstractTableModel(parent), core(zarCore::instance())
{
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarSessionDataModel::onTranslate);
    onTranslate();
}

// A table: no cell has children.
int zarSessionDataModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int zarSessionDataModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columns;
}

QVariant zarSessionDataModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.model() != this || index.row() >= session.units.size())
        return QVariant();
    const int column = index.column();
    const zarSessionDataUnit& unit = session.units[index.row()];
    if (role == Qt::TextAlignmentRole)
        return alignment;
    if (role == Qt::BackgroundRole) {
        switch (column) {
        case 0: return unit.groupParity ? groupColour1 : groupColour2;
        case 1: case 2: case 6: case 7: case 8: return currentColour;
        case 3: case 4: case 9: case 10: case 11: return potentialColour;
        case 5: return channelColour;
        case 12: case 13: return resultColour;
        default: return QVariant();
        }
    }
    if (role != Qt::DisplayRole)
        return QVariant();
    const zarCoreQuadripole& q = unit.coreQuadripole;
    const zarMeasureSet& r = unit.measureSet;
    switch (column) {
    case 0: return index.row() + 1;
    case 1: return q.a == -1 ? QStringLiteral("Tx%1").arg(QChar(0x221E)) : QVariant(q.a + 1);
    case 2: return q.b + 1;
    case 3: return q.m == -2 ? QStringLiteral("Rx%1").arg(QChar(0x221E)) : QVariant(q.m + 1);
    case 4: return q.n + 1;
    case 5: return q.channel + 1;
    default: break;
    }
    if (!r.measured)
        return QVariant();
    switch (column) {
    case 6: return fixed(std::fabs(r.txCurrent));
    case 7: return fixed(std::fabs(r.txVoltage) / 1000.0);
    case 8: return fixed(std::fabs(double(r.txVoltage) * r.txCurrent) / 1000000.0);
    case 9: return fixed(std::fabs(r.rxVoltage));
    case 10: return fixed(std::fabs(r.rxDeviation));
    case 11: return fixed(std::fabs(r.chargeability));
    case 12: return fixed(std::fabs(unit.rho));
    case 13: return r.quality > 200 ? tr("N / A") : fixed(r.quality, 3);
    default: return QVariant();
    }
}

QVariant zarSessionDataModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < columnTitles.size())
        return columnTitles[section];
    return QVariant();
}

zarQuadripole zarSessionDataModel::quadripole(int row) const
{
    if (session.units.isEmpty())
        return zarQuadripole();
    const zarCoreQuadripole& q = session.units[qBound(0, row, session.units.size() - 1)].coreQuadripole;
    return zarQuadripole(q.a, q.b, q.m, q.n);
}

void zarSessionDataModel::setHeaderLabel(QLabel* label)
{
    headerLabel = label;
}

void zarSessionDataModel::setUnitLabel(QLabel* label)
{
    dimensionLabel = label;
    if (dimensionLabel)
        dimensionLabel->setText(tr("m"));
}

void zarSessionDataModel::setDepthLabel(QLabel* label)
{
    valueLabel = label;
    if (m_plot == 1)
        onMsrCenterDepth(int(10 * centre));
    else if (m_plot == 2)
        onMsrCenterDepth(int(10 * depth));
    else if (valueLabel)
        valueLabel->setText(QStringLiteral("<font color=blue>0.0</font>"));
}

void zarSessionDataModel::setDepthSlider(QSlider* s)
{
    slider = s;
    if (slider)
        connect(slider, &QSlider::valueChanged, this, &zarSessionDataModel::onMsrCenterDepth);
}

void zarSessionDataModel::setResistanceOnly()
{
    resistanceOnly = true;
    onTranslate();
}

void zarSessionDataModel::setMode(quint8 mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    refresh();
}

void zarSessionDataModel::setPlot(quint8 plot)
{
    if (plot == m_plot)
        return;
    m_plot = plot;
    updateDepthControls();
    refresh();
}

void zarSessionDataModel::updateDepthControls()
{
    if (slider) {
        slider->setMinimum(0);
        if (m_plot == 1) {
            slider->setMaximum(sliderTop);
            slider->setValue(tenths(centre));
            slider->setMaximum(tenths(session.arrangement.profileLength));
        } else if (m_plot == 2) {
            slider->setMaximum(sliderTop);
            slider->setValue(tenths(depth));
            slider->setMaximum(tenths(session.arrangement.maxDepths.value(currentSet)));
        }
    }
    if (headerLabel) {
        if (m_plot == 1)
            headerLabel->setText(tr("Measurement center:"));
        else if (m_plot == 2)
            headerLabel->setText(tr("Pseudo depth:"));
    }
}

void zarSessionDataModel::onTranslate()
{
    const QString ohm = tr("Ohm");
    columnTitles = QStringList {
        QStringLiteral("#"), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("M"), QStringLiteral("N"),
        tr("Rx"),
        QStringLiteral("Tx.I [%1]").arg(tr("mA")),
        QStringLiteral("Tx.U [%1]").arg(tr("V")),
        QStringLiteral("Tx.P [%1]").arg(tr("W")),
        QStringLiteral("Rx.U [%1]").arg(tr("mV")),
        QStringLiteral("Rx.S [%1]").arg(tr("mV")),
        QStringLiteral("M [%1]").arg(tr("mV/V")),
        resistanceOnly ? QStringLiteral("R [%1]").arg(ohm)
                       : QStringLiteral("%1 [%2%3%4]").arg(QChar(0x03C1), ohm, QChar(0x22C5), tr("m")),
        QStringLiteral("Q [%]"),
    };
    columns = columnTitles.size();
    updateDepthControls();
    if (dimensionLabel)
        dimensionLabel->setText(tr("m"));
    emit headerDataChanged(Qt::Horizontal, 0, columns - 1);
    emit sendSetInfoUpdate(arraySetDescriptions(session.arraySets));
}

void zarSessionDataModel::onGPS()
{
    if (session.gpsFix.rmc && session.gpsFix.valid)
        return;
    const zarGPSFix fix = zarGPSManager::instance()->fix();
    if (!(fix == session.gpsFix)) {
        session.gpsFix = fix;
        markChanged();
    }
    QTimer::singleShot(5000, this, &zarSessionDataModel::onGPS);
}

void zarSessionDataModel::onCurrentSetChange(int setNumber)
{
    currentSet = quint8(qBound(0, setNumber, qMax(0, session.arraySets.size() - 1)));
    updateDepthControls();
    refresh();
}

void zarSessionDataModel::onRowDelete(int index)
{
    if (index < 0 || index >= session.units.size())
        return;
    bool& measured = session.units[index].measureSet.measured;
    if (measured)
        markChanged();
    measured = false;
    announceCells(index, index, 0, columns - 1);
    refresh();
}

bool zarSessionDataModel::counts(const zarSessionDataUnit& unit) const
{
    return unit.measureSet.measured && (quint8(unit.setMask) >> currentSet) & 1;
}

float zarSessionDataModel::value(const zarSessionDataUnit& unit) const
{
    return m_mode == 1 ? unit.measureSet.chargeability : unit.rho;
}

bool zarSessionDataModel::onCurve(const zarSessionDataUnit& unit) const
{
    const float spacing = session.arrangement.cableSpacing;
    if (m_plot == 1)
        return std::fabs(unit.x - centre + centreOffset) < 0.5f * spacing;
    if (m_plot == 2)
        return std::fabs(unit.z - depth + centreOffset) < 0.25f * spacing;
    return false;
}

// Non-finite values (a zero current) stay in the table and the file but never
// reach the log scales of the plots.
QVector<QPointF> zarSessionDataModel::curve(bool absolute) const
{
    QVector<QPointF> points;
    for (const zarSessionDataUnit& unit : session.units) {
        const float v = absolute ? std::fabs(value(unit)) : value(unit);
        if (!counts(unit) || !std::isfinite(v) || !onCurve(unit))
            continue;
        points.append(m_plot == 1 ? QPointF(unit.z, v) : QPointF(unit.x, v));
    }
    std::stable_sort(points.begin(), points.end(), pointLess);
    return points;
}

// Qt 5 item views repaint their whole viewport for a change wider than one
// cell, and only the cell for one: a group's cells are announced one by one.
void zarSessionDataModel::announceCells(int top, int bottom, int left, int right)
{
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            const QModelIndex cell = index(row, column);
            emit dataChanged(cell, cell);
        }
    }
}

void zarSessionDataModel::setPlotsShown(bool shown)
{
    plotsShown = shown;
    if (shown && plotsStale)
        refresh();
}

void zarSessionDataModel::refresh()
{
    if (resistanceOnly)
        return;
    if (!plotsShown) {
        plotsStale = true;
        return;
    }
    plotsStale = false;
    m_rowIndexes.clear();
    if (m_plot > 2)
        return;
    const QVector<zarSessionDataUnit>& units = session.units;
    QVector<QPointF> points;
    QVector<float> values;
    points.reserve(units.size());
    if (m_plot == 0)
        values.reserve(units.size());
    m_rowIndexes.reserve(units.size());
    for (int i = 0; i < units.size(); ++i) {
        const zarSessionDataUnit& unit = units.at(i);
        const float v = std::fabs(value(unit));
        if (!counts(unit) || !std::isfinite(v))
            continue;
        if (m_plot == 0) {
            points.append(QPointF(unit.x, unit.z));
            values.append(v);
        } else {
            points.append(m_plot == 1 ? QPointF(unit.z, v) : QPointF(unit.x, v));
        }
        m_rowIndexes.append(quint32(i));
    }
    if (m_plot == 0) {
        emit sendPlotUpdate(points, values, m_rowIndexes);
    } else {
        emit sendPlotUpdate(points, m_rowIndexes);
        emit sendPlotUpdate(curve(true));
    }
}

void zarSessionDataModel::onMsrCenterDepth(int c)
{
    if (m_plot == 1)
        centre = float(c / 10.0);
    else if (m_plot == 2)
        depth = float(c / 10.0);
    else
        return;
    emit sendPlotUpdate(curve(false));
    if (valueLabel)
        valueLabel->setText(QStringLiteral("<font color=blue>%1</font>").arg(fixed(m_plot == 1 ? centre : depth)));
}

bool zarSessionDataModel::saveToFile(QString name, bool autosave)
{
    if (name == autosaveName)
        name.clear();
    QString path;
    if (autosave) {
        path = systemDir + autosaveName;
        // Every 30 s while the screen is open: an unchanged session is not written
        // to the card again, unless its file is gone.
        if (!autosaveStale && QFile::exists(path))
            return true;
    } else {
        zarKeyboardDialog keyboard(name);
        if (keyboard.exec() != QDialog::Accepted)
            return false;
        const QString typed = keyboard.lineEdit->text();
        // The name is a file in the sessions directory, never a path out of it.
        if (!isPlainFileName(typed, sessionExtension)) {
            zarWarningDialog::warning(tr("Session name is not valid"));
            return false;
        }
        path = sessionsDir + typed + QLatin1Char('.') + sessionExtension;
        if (QFile::exists(path) && zarWarningDialog::question(tr("File exists, do you want to overwrite it?")) != 1)
            return false;
    }
    const zarSessionFile::WriteResult result = session.write(path);
    if (result == zarSessionFile::Written && autosave)
        autosaveStale = false;
    if (result != zarSessionFile::Written && !autosave)
        zarWarningDialog::warning(result == zarSessionFile::NotOpened ? tr("Can not open file for writing")
                                                                       : tr("Can not write data to file"));
    return result == zarSessionFile::Written;
}

bool zarSessionDataModel::loadFromFile(const QString& path)
{
    zarSessionFile read;
    const zarSessionFile::ReadResult result = read.read(path);
    switch (result) {
    case zarSessionFile::Unreadable:
        zarWarningDialog::warning(tr("Can not open file for reading"));
        return false;
    case zarSessionFile::Corrupted:
        zarWarningDialog::warning(tr("Session is corrupted"));
        return false;
    case zarSessionFile::ReadError:
        zarWarningDialog::warning(tr("Can not read data from file"));
        return false;
    case zarSessionFile::Read:
    case zarSessionFile::Incomplete:
        break;
    }
    beginResetModel();
    session = std::move(read);
    // The autosave file may hold another session, or this one cut short.
    markChanged();
    m_rows = session.units.size();
    currentSet = quint8(qMin(int(currentSet), qMax(0, session.arraySets.size() - 1)));
    endResetModel();
    emit dataChanged(index(0, 0), index(m_rows - 1, columns - 1));
    emit sendSetInfoUpdate(arraySetDescriptions(session.arraySets));
    // Said once the rows are in place: a copy cut short, a damaged card or a
    // row count short of the rows.
    if (result == zarSessionFile::Incomplete)
        zarWarningDialog::warning(tr("Session file is incomplete. Rows read: %1").arg(m_rows));
    return true;
}

bool zarSessionDataModel::checkIpOptions()
{
    const auto measured = std::find_if(session.units.cbegin(), session.units.cend(),
                                       [](const zarSessionDataUnit& u) { return u.measureSet.measured; });
    if (measured == session.units.cend())
        return true;
    zarOptionsWidget::setPauseDurationDisabled(true);
    const zarMeasureSettings current = zarOptionsWidget::options();
    const zarMeasureSettings& stored = measured->measureSet.settings;
    if (stored.ip == current.ip && stored.pauseCode == current.pauseCode)
        return true;
    if (zarWarningDialog::question(tr("IP options were changed since last session. Change back?")) != 1)
        return false;
    zarOptionsWidget::selectPauseByCode(stored);
    return true;
}

bool zarSessionDataModel::startFrom(int row)
{
    if (row < 0 || row >= session.units.size())
        return false;
    groupStart = row;
    zarCoreParamET2D param;
    // Every group takes the options current when it starts.
    param.settings = zarOptionsWidget::options();
    for (int i = row; i < session.units.size(); ++i) {
        param.quadripoles.append(session.units[i].coreQuadripole);
        if (!session.units[i].continues)
            break;
    }
    core->et2d(param);
    refresh();
    return true;
}

void zarSessionDataModel::storeResults(const zarCoreReportET2D& report)
{
    if (report.error.code != 0)
        return;
    const int n = qMax(0, qMin(report.results.size(), session.units.size() - groupStart));
    for (int i = 0; i < n; ++i)
        session.units[groupStart + i].store(report.results[i]);
    if (n > 0)
        markChanged();
    announceCells(groupStart, groupStart + n - 1, 6, columns - 1);
    emit sendMoveForward(groupStart, n);
}
