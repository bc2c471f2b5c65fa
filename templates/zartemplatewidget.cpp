#include "templates/zartemplatewidget.h"

#include "core/zarconstants.h"
#include "frame/zaroptionswidget.h"
#include "frame/zartranslator.h"
#include "frame/zarwarningdialog.h"
#include "service/zarcableconfigdialog.h"
#include "service/zarsignalwidget.h"
#include "templates/zararrangementdialog.h"

namespace {
// hh:mm:ss with the hours counting on past a day, for a field campaign's estimate;
// the 500 ms added round the seconds shown.
QString clockText(qint64 ms)
{
    const qint64 seconds = (ms + 500) / 1000;
    const QChar zero(QLatin1Char('0'));
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, zero)
        .arg(seconds / 60 % 60, 2, 10, zero)
        .arg(seconds % 60, 2, 10, zero);
}
}

zarTemplateWidget::zarTemplateWidget(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    // The check is reached only through its slot.
    groundingPushButton->setEnabled(false);
    onTabChange(0);
    model.setSetComboBox(setComboBox);
    model.setInfoLabels(cablesLabel, electrodesLabel, cableSpacingLabel, profileLengthLabel);

    connect(addPushButton, &QPushButton::clicked, &model, &zarTemplateDataModel::onSetAdd);
    connect(clonePushButton, &QPushButton::clicked, &model, &zarTemplateDataModel::onSetClone);
    connect(removePushButton, &QPushButton::clicked, &model, &zarTemplateDataModel::onSetRemove);
    connect(clearPushButton, &QPushButton::clicked, &model, &zarTemplateDataModel::onSetClear);
    connect(modifyPushButton, &QPushButton::clicked, &model, &zarTemplateDataModel::onSetModify);
    tableView.setModel(&model);
    verticalLayout_3->addWidget(&tableView);
    verticalLayout_4->addWidget(&plot);

    connect(groundingPushButton, &QPushButton::clicked, this, &zarTemplateWidget::onGrounding);
    connect(editPushButton, &QPushButton::clicked, this, &zarTemplateWidget::onArrangement);
    connect(estimatePushButton, &QPushButton::clicked, this, &zarTemplateWidget::onEstimate);
    connect(savePushButton, &QPushButton::clicked, this, &zarTemplateWidget::onSave);
    connect(closePushButton, &QPushButton::clicked, this, &zarTemplateWidget::onClose);
    connect(tabWidget, &QTabWidget::currentChanged, this, &zarTemplateWidget::onTabChange);
    connect(&plot, &zarTemplatePlot::sendQuadripoleSelect, this, &zarTemplateWidget::onSignalWidgetOpen);
    connect(&tableView, &zarTemplateTableView::sendSelection, &model, &zarTemplateDataModel::onSpacingLevelMainConfig);
    connect(&model, &zarTemplateDataModel::sendPlotUpdate, &plot, &zarTemplatePlot::onPlotUpdate);
    connect(&model, &zarTemplateDataModel::sendPlotClear, &plot, &zarTemplatePlot::onPlotClear);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &zarTemplateWidget::onTranslate);

    // Styled once; their texts follow the language in onTranslate.
    axisCaptions.add(Qt::Horizontal, { plot.canvas() }, { _centerLabel });
    axisCaptions.add(Qt::Vertical, { plot.canvas() }, { _depthLabel });
    axisCaptions.add(Qt::Horizontal, { tableView.viewport() }, { _levelLabel });
    axisCaptions.add(Qt::Vertical, { tableView.viewport() }, { _spacingLabel });
    onTranslate();
}

zarTemplateWidget::~zarTemplateWidget()
{
    // The dialog has no parent; a screen deleted while open must not leak it.
    delete cableConfigDialog;
}

bool zarTemplateWidget::open(const QString& path)
{
    templateName = path;
    templateName.remove(templatesDir.path());
    templateName.remove(QLatin1Char('.') + templateExtension);
    return model.loadTemplate(path, false);
}

void zarTemplateWidget::onTabChange(int index)
{
    const bool shown = index != 0;
    for (QWidget* control : std::initializer_list<QWidget*> { _currentSetLabel, setComboBox, addPushButton,
                                                              clonePushButton, removePushButton, modifyPushButton,
                                                              clearPushButton, line })
        control->setVisible(shown);
}

void zarTemplateWidget::onSave()
{
    QString saved;
    if (model.saveTemplate(templateName, &saved))
        templateName = saved;
}

void zarTemplateWidget::onClose()
{
    requestClose();
}

bool zarTemplateWidget::requestClose()
{
    if (model.isModified()) {
        switch (zarWarningDialog::question3(tr("Do you want to save this template?"))) {
        case 2:
            return false;
        case 1: {
            // A template that could not be written stays on the screen.
            QString saved;
            if (!model.saveTemplate(templateName, &saved))
                return false;
            templateName = saved;
            break;
        }
        default:
            break;
        }
    }
    delete cableConfigDialog;
    cableConfigDialog = nullptr;
    close();
    // The receiver deletes this screen later: nothing of it is touched afterwards.
    emit sendTemplateClose();
    return true;
}

void zarTemplateWidget::onArrangement()
{
    zarArrangementDialog dialog(nullptr);
    dialog.setCables(model.cables());
    dialog.setCableSpacing(model.cableSpacing());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const zarCableSpacing spacing = dialog.cableSpacing();
    const zarCable cables = dialog.cables();
    model.setArrangement(cables, spacing);
}

void zarTemplateWidget::onGrounding()
{
    if (!cableConfigDialog) {
        try {
            cableConfigDialog = new zarCableConfigDialog(nullptr, model.cables(), true, true);
        } catch (...) {
            zarWarningDialog::warning(tr("System error"));
            return;
        }
    }
    if (!cableConfigDialog->exec())
        return;
    const zarCableConfiguration configuration = cableConfigDialog->configuration();
    QSet<quint16> switchedOff;
    for (int i = 0; i < configuration.wires.size(); ++i)
        if (!configuration.wires[i].enabled)
            switchedOff.insert(quint16(i));
    plot.setGroundingData(switchedOff);
    plot.setGroundingMode();
}

void zarTemplateWidget::onEstimate()
{
    if (model.hasTooManyMeasurements())
        return;
    const qint64 runs = model.sequenceLength();
    int shortest = 0, longest = 0;
    zarOptionsWidget::estimateDuration(shortest, longest);
    zarWarningDialog::warning(
        QStringLiteral("%1 <font color = blue>%2</font>, %3 <font color = blue>%4</font>, "
                       "%5 <font color = blue>%6</font> ... <font color = blue>%7</font>")
            .arg(tr("Measurements:"), QString::number(model.measurementCount()), tr("runs:"), QString::number(runs),
                 tr("duration:"), clockText(shortest * runs), clockText(longest * runs)));
}

void zarTemplateWidget::onSignalWidgetOpen(const zarQuadripole quadripole)
{
    if (signalWidget)
        return;
    try {
        signalWidget = new zarSignalWidget(nullptr);
        signalWidget->setQuadripole(quadripole);
        tabWidget->hide();
        onTabChange(0);
        gridLayout->addWidget(signalWidget, 2, 0);
        connect(signalWidget, &zarSignalWidget::sendSignalWidgetClose, this, &zarTemplateWidget::onSignalWidgetClose);
        connect(signalWidget, &zarSignalWidget::sendSpacingLevelAuxConfig, &model,
                &zarTemplateDataModel::onSpacingLevelAuxConfig);
    } catch (...) {
        zarWarningDialog::warning(tr("System error"));
        onSignalWidgetClose();
    }
}

void zarTemplateWidget::onSignalWidgetClose()
{
    if (signalWidget) {
        // The view announces its close from its own close handling: delete it later.
        signalWidget->disconnect(this);
        signalWidget->hide();
        gridLayout->removeWidget(signalWidget);
        signalWidget->deleteLater();
        signalWidget = nullptr;
    }
    tabWidget->show();
    onTabChange(tabWidget->currentIndex());
}

void zarTemplateWidget::onTranslate()
{
    arrangementGroupBox->setTitle(tr("Arrangement"));
    actionsGroupBox->setTitle(tr("Actions"));
    estimatePushButton->setText(tr("Estimate duration"));
    savePushButton->setText(tr("Save template"));
    groundingPushButton->setText(tr("Check grounding"));
    closePushButton->setText(tr("Close template"));
    editPushButton->setText(tr("Edit arrangement"));
    _cablesLabel->setText(tr("Cables:"));
    _cableSpacingLabel->setText(tr("Cable spacing:"));
    _profileLengthLabel->setText(tr("Profile length:"));
    _electrodesLabel->setText(tr("Electrodes:"));
    tabWidget->setTabText(0, tr("General"));
    tabWidget->setTabText(1, tr("Setup"));
    tabWidget->setTabText(2, tr("Graphics"));
    _currentSetLabel->setText(tr("Current set:"));
    addPushButton->setText(tr("Add"));
    clonePushButton->setText(tr("Clone"));
    removePushButton->setText(tr("Remove"));
    clearPushButton->setText(tr("Clear"));
    modifyPushButton->setText(tr("Modify"));
    _centerLabel->setText(tr("M e a s u r e m e n t  c e n t e r  [m]"));
    _depthLabel->setText(tr("P\ns\ne\nu\nd\no\n\nd\ne\np\nt\nh\n\n[m]"));
    _levelLabel->setText(tr("L e v e l"));
    _spacingLabel->setText(tr("S\np\na\nc\ni\nn\ng") + QStringLiteral("\n  "));
    axisCaptions.fit();
}
