#include "sessions/zarsessionwidget.h"

#include "core/zarconstants.h"
#include "core/zarcore.h"
#include "frame/zaroptionswidget.h"
#include "frame/zarstylesheet.h"
#include "frame/zarsystemwidget.h"
#include "frame/zartranslator.h"
#include "frame/zarusermessage.h"
#include "frame/zarwarningdialog.h"
#include "service/zarcableconfigdialog.h"
#include "service/zarsignalwidget.h"
#include "sessions/zarfiletabledatamodel.h"
#include "sessions/zarfiletabledialog.h"
#include "sessions/zarsessionmodedialog.h"
#include "templates/zarsequencebuilder.h"
#include "templates/zartemplatedatamodel.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QLocale>
#include <QSettings>
#include <QTime>
#include <QtMath>

namespace {
const int autoSaveIntervalMs = 30000;
const int startLockMs = 1500;
const qint64 dayMs = 86400000;

void writeSessionCloseSuccess(int value)
{
    QSettings settings(settingsScope, QStringLiteral("zarSessionMenuWidget"));
    settings.setValue(QStringLiteral("sessionCloseSuccess"), value);
}
}

zarSessionWidget::zarSessionWidget(QWidget* parent, bool viewOnly) : QWidget(parent), viewOnly(viewOnly)
{
    startEnableTimer.setSingleShot(true);
    setupUi(this);
    startPushButton->setVisible(!viewOnly);
    signalsPushButton->setVisible(!viewOnly);

    zarStyleSheet::apply(sessionTableView->horizontalHeader(), QStringLiteral(":/system/system/bHeaderView.qss"));
    zarStyleSheet::apply(sessionTableView, QStringLiteral(":/system/system/vScrollBar.qss"));
    zarStyleSheet::apply(msrCenterDepthSlider, QStringLiteral(":/system/system/hSlider.qss"));
    // Styled once; their texts follow the language in onTranslate. The captions over
    // and under the plots serve the one shown.
    axisCaptions.add(Qt::Horizontal, { pseudoSectionPlot.canvas(), soundingCurvePlot.canvas() },
                     { xCenterLabel, xResistivitylabel, xChargeabilityLabel, xDepthLabel });
    axisCaptions.add(Qt::Vertical, { pseudoSectionPlot.canvas() }, { yDepthLabel });
    axisCaptions.add(Qt::Vertical, { soundingCurvePlot.canvas() }, { yResistivitylabel, yChargeabilityLabel });

    // Sized for their items again whenever the language changes their texts, not only
    // when first shown.
    displayComboBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    modeComboBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    sessionTableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sessionTableView->horizontalHeader()->setSectionsClickable(false);
    sessionTableView->verticalHeader()->setSectionsClickable(false);
    sessionTableView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    frame->layout()->addWidget(&soundingCurvePlot);
    frame->layout()->addWidget(&pseudoSectionPlot);
    onTabChange(mainTabWidget->currentIndex());
    onPlotChange(0);

    if (!viewOnly) {
        connect(startPushButton, &QPushButton::clicked, this, &zarSessionWidget::onStart);
        connect(startPushButton, &QPushButton::clicked, this, &zarSessionWidget::onDurationTimeStart);
        connect(signalsPushButton, &QPushButton::clicked, this, &zarSessionWidget::onSignalsOpen);
        connect(zarCore::instance(), &zarCore::sendReportET2D, this, &zarSessionWidget::onReportET2D);
        connect(&startEnableTimer, &QTimer::timeout, this, &zarSessionWidget::onStartEnable);
        connect(&autoSaveTimer, &QTimer::timeout, this, &zarSessionWidget::onAutoSave);
        connect(&sessionDataModel, &zarSessionDataModel::sendMoveForward, this, &zarSessionWidget::onMoveForward);
    }
    connect(closePushButton, &QPushButton::clicked, this, &zarSessionWidget::onClose);
    connect(currentSetComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), &sessionDataModel,
            &zarSessionDataModel::onCurrentSetChange);
    connect(modeComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &zarSessionWidget::onModeChange);
    connect(displayComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &zarSessionWidget::onPlotChange);
    connect(mainTabWidget, &QTabWidget::currentChanged, this, &zarSessionWidget::onTabChange);
    connect(&soundingCurvePlot, &zarSoundingCurvePlot::sendRowSelection, this, &zarSessionWidget::onRowSelection);
    connect(&pseudoSectionPlot, &zarPseudoSectionPlot::sendRowSelection, this, &zarSessionWidget::onRowSelection);
    connect(&soundingCurvePlot, &zarSoundingCurvePlot::sendRowDelete, &sessionDataModel,
            &zarSessionDataModel::onRowDelete);
    connect(&pseudoSectionPlot, &zarPseudoSectionPlot::sendRowDelete, &sessionDataModel,
            &zarSessionDataModel::onRowDelete);
    connect(&sessionDataModel, &zarSessionDataModel::sendSetInfoUpdate, this, &zarSessionWidget::onSetInfoUpdate);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarSessionWidget::onTranslate);
    onTranslate();
}

bool zarSessionWidget::setup(const QString& path)
{
    if (path.isEmpty())
        return false;
    sessionName = path;
    sessionName.remove(systemDir.path());
    sessionName.remove(sessionsDir.path());
    sessionName.remove(QLatin1Char('.') + sessionExtension);
    if (!sessionDataModel.loadFromFile(path)) {
        emit sendSessionClose();
        return false;
    }
    if (!viewOnly && !sessionDataModel.checkIpOptions()) {
        close();
        emit sendSessionClose();
        return false;
    }
    sessionDataModel.setDepthLabel(msrCenterDepthValueLabel);
    sessionDataModel.setHeaderLabel(msrCenterDepthHeaderLabel);
    sessionDataModel.setUnitLabel(msrCenterDepthDimensionLabel);
    sessionDataModel.setDepthSlider(msrCenterDepthSlider);
    if (!viewOnly)
        sessionDataModel.onGPS();
    pseudoSectionPlot.setCableSpacing(sessionDataModel.arrangement()->cableSpacing);
    sessionTableView->setModel(&sessionDataModel);
    QHeaderView* header = sessionTableView->horizontalHeader();
    // The five electrode columns get no more than their caption or their widest entry
    // (a remote electrode) needs: the rest goes to the measured values' captions. The
    // row number reads whole up to the session's last row, tens of thousands of them.
    const QFontMetrics metrics = header->fontMetrics();
    const int most = sessionTableView->width() / 10;
    header->resizeSection(0, qMax(metrics.horizontalAdvance(QStringLiteral("#")) + 12, rowNumberWidth()));
    header->setSectionResizeMode(0, QHeaderView::Fixed);
    for (int column = 1; column < sessionDataModel.columnCount(); ++column) {
        if (column < 6) {
            const QString caption = sessionDataModel.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
            const QString widest = column == 5 ? QStringLiteral("00") : QStringLiteral("Tx%1").arg(QChar(0x221E));
            const int fit = qMax(metrics.horizontalAdvance(caption), metrics.horizontalAdvance(widest)) + 12;
            header->resizeSection(column, qMin(most, fit));
            header->setSectionResizeMode(column, QHeaderView::Fixed);
        } else {
            header->setSectionResizeMode(column, QHeaderView::Stretch);
        }
    }
    sessionTableView->selectRow(0);
    writeSessionCloseSuccess(0);

    connect(&sessionDataModel, QOverload<QVector<QPointF>, QVector<quint32>>::of(&zarSessionDataModel::sendPlotUpdate),
            &soundingCurvePlot, QOverload<QVector<QPointF>, QVector<quint32>>::of(&zarSoundingCurvePlot::onPlotUpdate));
    connect(&sessionDataModel, QOverload<QVector<QPointF>>::of(&zarSessionDataModel::sendPlotUpdate),
            &soundingCurvePlot, QOverload<QVector<QPointF>>::of(&zarSoundingCurvePlot::onPlotUpdate));
    connect(&sessionDataModel,
            QOverload<QVector<QPointF>, QVector<float>, QVector<quint32>>::of(&zarSessionDataModel::sendPlotUpdate),
            &pseudoSectionPlot, &zarPseudoSectionPlot::onPlotUpdate);
    sessionDataModel.refresh();
    if (sessionDataModel.arrangement()->arrayTypeSets.isEmpty()) {
        mainTabWidget->setTabEnabled(1, false);
        sessionDataModel.setResistanceOnly();
    }
    return true;
}

// What the "#" cell needs for the session's largest row number in any digits: the
// text in the table's font, the margins its style leaves on either side and the grid line.
int zarSessionWidget::rowNumberWidth() const
{
    const QFontMetricsF metrics(sessionTableView->font());
    QChar widest = QLatin1Char('0');
    for (char c = '1'; c <= '9'; ++c) {
        if (metrics.horizontalAdvance(QLatin1Char(c)) > metrics.horizontalAdvance(widest))
            widest = QLatin1Char(c);
    }
    const int digits = QString::number(qMax(1, sessionDataModel.rowCount())).size();
    const int text = qCeil(metrics.horizontalAdvance(QString(digits, widest)));
    const int margin =
        sessionTableView->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, sessionTableView) + 1;
    return text + 2 * margin + 1;
}

void zarSessionWidget::onTranslate()
{
    mainTabWidget->setTabText(0, tr("Table"));
    mainTabWidget->setTabText(1, tr("Graphics"));
    startPushButton->setText(tr("Start"));
    signalsPushButton->setText(tr("Signals"));
    closePushButton->setText(tr("Finish"));
    _currentSetLabel->setText(tr("Current set:"));
    _displayLabel->setText(tr("Display:"));
    _modeLabel->setText(tr("Mode:"));
    displayComboBox->setItemText(0, tr("Pseudo section"));
    displayComboBox->setItemText(1, tr("Sounding curves"));
    displayComboBox->setItemText(2, tr("Profile curves"));
    modeComboBox->setItemText(0, tr("Resistivity"));
    modeComboBox->setItemText(1, tr("Chargeability"));

    const QString ohm = tr("Ohm");
    const QChar dot(0x22C5);
    const QString metre = tr("m");
    xDepthLabel->setText(tr("P s e u d o  d e p t h  [m]"));
    xCenterLabel->setText(tr("M e a s u r e m e n t  c e n t e r  [m]"));
    xResistivitylabel->setText(
        QStringLiteral("%1 [%2%3%4]").arg(tr("A p p a r e n t  r e s i s t i v i t y"), ohm, dot, metre));
    xChargeabilityLabel->setText(tr("A p p a r e n t  c h a r g e a b i l i t y  [mV/V]"));
    yDepthLabel->setText(tr("P\ns\ne\nu\nd\no\n\nd\ne\np\nt\nh\n\n[m]"));
    yResistivitylabel->setText(QStringLiteral("%1\n\n[%2%3%4]")
                                   .arg(tr("A\np\np\na\nr\ne\nn\nt\n\nr\ne\ns\ni\ns\nt\ni\nv\ni\nt\ny"), ohm, dot, metre));
    yChargeabilityLabel->setText(
        tr("A\np\np\na\nr\ne\nn\nt\n\nc\nh\na\nr\ng\ne\na\nb\ni\nl\ni\nt\ny\n\n[mV/V]"));
    axisCaptions.fit();
}

void zarSessionWidget::onSetInfoUpdate(QStringList list)
{
    currentSetComboBox->clear();
    currentSetComboBox->addItems(list);
}

int zarSessionWidget::currentRow() const
{
    const QItemSelectionModel* selection = sessionTableView->selectionModel();
    if (!selection)
        return -1;
    const QModelIndexList selected = selection->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

bool zarSessionWidget::isStopped() const
{
    return !startPushButton->isChecked();
}

void zarSessionWidget::onRowSelection(int index)
{
    // A measurement runs: the table is locked.
    if (sessionTableView->selectionMode() == QAbstractItemView::NoSelection)
        return;
    sessionTableView->selectRow(index);
    mainTabWidget->setCurrentIndex(0);
}

void zarSessionWidget::onModeChange(int i)
{
    sessionDataModel.setMode(quint8(i));
    updatePlotVisibility(sessionDataModel.plot(), quint8(i));
}

void zarSessionWidget::onPlotChange(int i)
{
    sessionDataModel.setPlot(quint8(i));
    updatePlotVisibility(quint8(i), sessionDataModel.mode());
}

// The plots are rebuilt for every measured group only while the operator sees them.
void zarSessionWidget::onTabChange(int index)
{
    sessionDataModel.setPlotsShown(index == 1);
}

void zarSessionWidget::updatePlotVisibility(quint8 display, quint8 mode)
{
    if (display > 2 || mode > 1)
        return;
    const bool section = display == 0;
    const bool resistivity = mode == 0;
    pseudoSectionPlot.setVisible(section);
    soundingCurvePlot.setVisible(!section);
    soundingCenterFrame->setVisible(!section);
    xCenterLabel->setVisible(display != 1);
    xDepthLabel->setVisible(display == 1);
    xResistivitylabel->setVisible(section && resistivity);
    xChargeabilityLabel->setVisible(section && !resistivity);
    yDepthLabel->setVisible(section);
    yResistivitylabel->setVisible(!section && resistivity);
    yChargeabilityLabel->setVisible(!section && !resistivity);
}

void zarSessionWidget::onSignalsOpen()
{
    if (signalWidget)
        return;
    mainTabWidget->hide();
    signalWidget = new zarSignalWidget(this);
    signalWidget->hideBadButton();
    signalWidget->setQuadripole(sessionDataModel.quadripole(currentRow()));
    gridLayout->addWidget(signalWidget, 1, 0);
    connect(signalWidget, &zarSignalWidget::sendSignalWidgetClose, this, &zarSessionWidget::onSignalsClose);
}

// Reached from the view's own close handler: it goes once that has returned.
void zarSessionWidget::onSignalsClose()
{
    if (signalWidget) {
        gridLayout->removeWidget(signalWidget);
        signalWidget->hide();
        signalWidget->disconnect(this);
        signalWidget->deleteLater();
        signalWidget = nullptr;
    }
    mainTabWidget->show();
}

void zarSessionWidget::setSessionCloseSuccess()
{
    writeSessionCloseSuccess(1);
}

void zarSessionWidget::onClose()
{
    requestClose();
}

bool zarSessionWidget::requestClose()
{
    if (!viewOnly) {
        switch (zarWarningDialog::question3(tr("Do you want to save current session?"))) {
        case 0:
            break;
        case 1:
            if (!sessionDataModel.saveToFile(sessionName, false))
                return false;
            break;
        default:
            return false;
        }
        setSessionCloseSuccess();
    }
    // The owner deletes this screen later: nothing of it is touched afterwards.
    emit sendSessionClose();
    return true;
}

// No question while measuring (Exit is refused then, so the end comes from outside):
// the run stops as on a release of Start, and the session is left for the next start.
// The report of the stopped group reaches nobody once the core is gone.
bool zarSessionWidget::closeForExit()
{
    if (viewOnly || isStopped())
        return requestClose();
    startPushButton->setChecked(false);
    onStart(false);
    sessionDataModel.saveToFile(sessionName, true);
    emit sendSessionClose();
    return true;
}

void zarSessionWidget::setControlsEnabled(bool on)
{
    sessionTableView->setSelectionMode(on ? QAbstractItemView::SingleSelection : QAbstractItemView::NoSelection);
    signalsPushButton->setEnabled(on);
    closePushButton->setEnabled(on);
    if (on) {
        startPushButton->setEnabled(false);
        startPushButton->setChecked(false);
        startEnableTimer.start(startLockMs);
    }
    zarSystemWidget::setBusy(!on);
}

void zarSessionWidget::onStartEnable()
{
    startPushButton->setEnabled(true);
}

void zarSessionWidget::onStart(bool checked)
{
    if (!checked) {
        zarUserMessage::instance()->userMessageForever(QString());
        zarCore::instance()->stop();
        autoSaveTimer.stop();
        setControlsEnabled(true);
        return;
    }
    setControlsEnabled(false);
    zarOptionsWidget::setPauseDurationDisabled(true);
    // No row to start from: nothing is handed to the core, so nothing would unlock.
    if (!sessionDataModel.startFrom(currentRow())) {
        setControlsEnabled(true);
        return;
    }
    ++jobsPending;
    if (!autoSaveTimer.isActive())
        autoSaveTimer.start(autoSaveIntervalMs);
}

void zarSessionWidget::onDurationTimeStart(bool)
{
    startRow = currentRow();
    durationTime.start();
}

void zarSessionWidget::failCycle(const QString& message)
{
    sessionDataModel.saveToFile(sessionName, true);
    setControlsEnabled(true);
    zarWarningDialog::warning(message);
}

void zarSessionWidget::onReportET2D(const zarCoreReportET2D report)
{
    // Reports of jobs this screen did not start are not its rows' results.
    if (jobsPending == 0)
        return;
    --jobsPending;
    if (report.error.code != 0) {
        failCycle(report.error.text());
        return;
    }
    sessionDataModel.storeResults(report);
}

void zarSessionWidget::onMoveForward(int rowNumber, int rowsCount)
{
    // A good report without results would leave the cycle standing locked.
    if (rowsCount <= 0) {
        failCycle(tr("No results were received"));
        return;
    }
    sessionTableView->setSelectionMode(QAbstractItemView::SingleSelection);
    const int next = rowNumber + rowsCount;
    const bool end = next >= sessionDataModel.rowCount();
    if (end) {
        sessionTableView->selectRow(sessionDataModel.rowCount() - 1);
        sessionDataModel.refresh();
        setControlsEnabled(true);
    } else {
        sessionTableView->selectRow(next);
    }
    if (durationTime.isValid()) {
        const int row = currentRow();
        const QString left =
            timeLeftText(durationTime.elapsed(), row - startRow, sessionDataModel.rowCount() - row);
        if (!left.isEmpty())
            zarUserMessage::instance()->userMessageForever(left);
    }
    if (isStopped())
        sessionDataModel.saveToFile(sessionName, true);
    else
        onStart(true);
    if (end) {
        zarUserMessage::instance()->userMessage(QString());
        zarWarningDialog::warning(tr("It is all done"));
    }
}

QString zarSessionWidget::timeLeftText(qint64 elapsedMs, int done, int remaining)
{
    if (done <= 0)
        return QString();
    const qint64 perRow = elapsedMs / done;
    const qint64 left = qint64(float(perRow) * float(remaining) + 0.5f);
    // A whole day or more would wrap round the clock face. The digits are the estimate's,
    // whatever digits the computer's locale writes.
    const QString time = left >= dayMs
                             ? tr("too long")
                             : QLocale::c().toString(QTime(0, 0).addMSecs(int(left)), QStringLiteral("hh:mm:ss"));
    return tr("Left:") + QLatin1Char(' ') + time;
}

void zarSessionWidget::onAutoSave()
{
    sessionDataModel.saveToFile(sessionName, true);
}

bool zarSessionWidget::open(const QString& what)
{
    if (viewOnly)
        return setup(what);
    if (what == ertlabMarker) {
        QFileDialog dialog;
        dialog.setWindowTitle(tr("Open ERTLab template"));
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setNameFilter(QStringLiteral("*.txt"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return false;
        if (openFile(dialog.selectedFiles().first()))
            zarWarningDialog::warning(tr("ERTLab template is valid"));
        emit sendSessionClose();
        return false;
    }
    if (!what.isEmpty())
        return setup(what);
    zarFileTableDataModel templates(0, nullptr);
    if (templates.isEmpty()) {
        zarWarningDialog::warning(tr("Can not find templates"));
        return false;
    }
    zarFileTableDialog table(&templates, nullptr);
    if (table.exec() != QDialog::Accepted)
        return false;
    return openNew(table.selectedPath());
}

bool zarSessionWidget::openNew(const QString& templatePath)
{
    if (viewOnly || templatePath.isEmpty())
        return false;
    zarSessionModeDialog mode;
    const int answer = mode.exec();
    const quint16 offset = zarSessionModeDialog::offsetFor(answer, mode.appendComboBox->currentText());
    zarTemplateDataModel model;
    if (!model.loadTemplate(templatePath, true))
        return false;
    bool remoteTx = false;
    bool remoteRx = false;
    for (int i = 0; i < model.count(); ++i) {
        const qint8 type = model.arrayType(quint8(i));
        if (type == 5 || type == 6)
            remoteTx = true;
        if (type == 7 || type == 17) {
            remoteTx = true;
            remoteRx = true;
            break;
        }
    }
    zarCableConfigDialog cables(nullptr, model.cables(), remoteTx, remoteRx);
    if (cables.exec() == 0)
        return false;
    const zarCableConfiguration configuration = cables.configuration();
    return buildAndSetup(model, configuration, offset);
}

bool zarSessionWidget::openFile(const QString& ertLabPath)
{
    if (viewOnly || ertLabPath.isEmpty())
        return false;
    zarTemplateDataModel model;
    if (!model.importErtLab(ertLabPath))
        return false;
    const zarCableConfigDialog cables(nullptr, 2, true, true);
    return buildAndSetup(model, cables.configuration(), 0);
}

// The new session goes into the autosave file and is loaded from there. A build
// that wrote nothing leaves the previous autosave, which must not be loaded.
bool zarSessionWidget::buildAndSetup(const zarTemplateDataModel& model, const zarCableConfiguration& configuration,
                                     quint16 offset)
{
    const QString path = systemDir + autosaveName;
    const int runs = zarSequenceBuilder::instance()->build(&model, &configuration, path, offset);
    if (runs == 0) {
        zarWarningDialog::warning(tr("There are no measurements in session"));
        return false;
    }
    if (runs < 0) {
        zarWarningDialog::warning(tr("Can not write data to file"));
        return false;
    }
    return setup(path);
}
