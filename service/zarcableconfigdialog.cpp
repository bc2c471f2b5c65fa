#include "service/zarcableconfigdialog.h"

#include "core/zarcore.h"
#include "frame/zartranslator.h"
#include "frame/zarwarningdialog.h"

#include <QCoreApplication>
#include <QHideEvent>
#include <QStyle>

namespace {
const int wiresPerCable = 32;
const int noRequest = -1;
const int fingerHeight = 48;
}

zarCableConfigDialog::zarCableConfigDialog(QWidget* parent, quint8 cables, bool remoteTx, bool remoteRx)
    : QDialog(parent), m_core(zarCore::instance()), m_cables(cables == 0 ? 2 : cables)
{
    for (QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive })
        m_highlightPalette.setBrush(group, QPalette::Button, QBrush(QColor(0, 255, 127), Qt::SolidPattern));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setupUi(this);
    if (!remoteTx && !remoteRx)
        checkRemotePushButton->setEnabled(false);
    // The style's own arrows are a few pixels wide: icons of the full icon size instead.
    previousToolButton->setArrowType(Qt::NoArrow);
    previousToolButton->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    nextToolButton->setArrowType(Qt::NoArrow);
    nextToolButton->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));

    for (int position = 0; position < wiresPerCable; ++position) {
        const QString number = QStringLiteral("%1").arg(position, 2, 10, QLatin1Char('0'));
        m_wireSelectButtons.append(findChild<QToolButton*>(QLatin1Char('w') + number + QLatin1String("ToolButton")));
        m_wireStateButtons.append(findChild<QPushButton*>(QLatin1Char('w') + number + QLatin1String("PushButton")));
        m_wireLabels.append(findChild<QLabel*>(QLatin1Char('w') + number + QLatin1String("Label")));
        m_wireSelectButtons.last()->setMinimumHeight(fingerHeight);
    }

    if (remoteTx)
        m_remoteTxWire = std::make_unique<zarCableWire>(remoteTxLabel, true);
    if (remoteRx)
        m_remoteRxWire = std::make_unique<zarCableWire>(remoteRxLabel, true);
    for (int i = 0; i < wiresPerCable * m_cables; ++i)
        m_wires.append(zarCableWire(m_wireLabels[i % wiresPerCable], m_wireStateButtons[i % wiresPerCable]));

    onUpdate();
    selectCableWire(0);

    using D = zarCableConfigDialog;
    const QList<void (D::*)()> selects = {
        &D::selectCableWire00, &D::selectCableWire01, &D::selectCableWire02, &D::selectCableWire03,
        &D::selectCableWire04, &D::selectCableWire05, &D::selectCableWire06, &D::selectCableWire07,
        &D::selectCableWire08, &D::selectCableWire09, &D::selectCableWire10, &D::selectCableWire11,
        &D::selectCableWire12, &D::selectCableWire13, &D::selectCableWire14, &D::selectCableWire15,
        &D::selectCableWire16, &D::selectCableWire17, &D::selectCableWire18, &D::selectCableWire19,
        &D::selectCableWire20, &D::selectCableWire21, &D::selectCableWire22, &D::selectCableWire23,
        &D::selectCableWire24, &D::selectCableWire25, &D::selectCableWire26, &D::selectCableWire27,
        &D::selectCableWire28, &D::selectCableWire29, &D::selectCableWire30, &D::selectCableWire31
    };
    const QList<void (D::*)()> switches = {
        &D::switchCableWireState00, &D::switchCableWireState01, &D::switchCableWireState02,
        &D::switchCableWireState03, &D::switchCableWireState04, &D::switchCableWireState05,
        &D::switchCableWireState06, &D::switchCableWireState07, &D::switchCableWireState08,
        &D::switchCableWireState09, &D::switchCableWireState10, &D::switchCableWireState11,
        &D::switchCableWireState12, &D::switchCableWireState13, &D::switchCableWireState14,
        &D::switchCableWireState15, &D::switchCableWireState16, &D::switchCableWireState17,
        &D::switchCableWireState18, &D::switchCableWireState19, &D::switchCableWireState20,
        &D::switchCableWireState21, &D::switchCableWireState22, &D::switchCableWireState23,
        &D::switchCableWireState24, &D::switchCableWireState25, &D::switchCableWireState26,
        &D::switchCableWireState27, &D::switchCableWireState28, &D::switchCableWireState29,
        &D::switchCableWireState30, &D::switchCableWireState31
    };
    for (int position = 0; position < wiresPerCable; ++position) {
        connect(m_wireStateButtons[position], &QPushButton::clicked, this, switches[position]);
        connect(m_wireSelectButtons[position], &QToolButton::clicked, this, selects[position]);
    }
    connect(checkCablePushButton, &QPushButton::clicked, this, &D::onCableWireCheck);
    connect(checkRemotePushButton, &QPushButton::clicked, this, &D::onRemoteCheck);
    connect(disableFailedPushButton, &QPushButton::clicked, this, &D::onDisable);
    connect(resetPushButton, &QPushButton::clicked, this, &D::onReset);
    connect(automaticAdvanceCheckBox, &QCheckBox::clicked, this, &D::onAuto);
    connect(failGroundingComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &D::onUpdate);
    connect(m_core, &zarCore::sendReportResistance, this, &D::onReportResistance);
    if (m_cables > 1) {
        connect(previousToolButton, &QToolButton::clicked, this, &D::onPreviousCable);
        connect(nextToolButton, &QToolButton::clicked, this, &D::onNextCable);
    }
    setFixedSize(1024, 600);
    connect(zarTranslator::instance(), &zarTranslator::sendTranslate, this, &D::onTranslate);
    onTranslate();
}

// Nothing would take the answer of a request still out: its job is stopped.
zarCableConfigDialog::~zarCableConfigDialog()
{
    if (m_pendingWire != noRequest && m_core)
        m_core->stop();
}

bool zarCableConfigDialog::isCheckRunning() const
{
    return m_checking || m_pendingWire == remoteTxCode || m_pendingWire == remoteRxCode;
}

// Escape and a close request end here too: while a check runs they are out of
// reach, as Accept and Cancel are.
void zarCableConfigDialog::done(int result)
{
    if (isCheckRunning())
        return;
    QDialog::done(result);
}

// The template screen keeps its dialog between openings: a check must not go on
// unseen. A window minimised by the system is no end of the dialog.
void zarCableConfigDialog::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous())
        abandonCheck();
    QDialog::hideEvent(event);
}

void zarCableConfigDialog::abandonCheck()
{
    if (m_pendingWire == noRequest)
        return;
    if (m_core)
        m_core->stop();
    m_abandoned = true;
    finishCheck();
    finishRemoteCheck();
}

void zarCableConfigDialog::onAuto(bool automatic)
{
    checkCablePushButton->setCheckable(automatic);
}

void zarCableConfigDialog::onTranslate()
{
    actionsGroupBox->setTitle(tr("Actions"));
    currentCableGroupBox->setTitle(tr("Current cable"));
    cableConfigurationGroupBox->setTitle(tr("Cable configuration"));
    groundingCheckGroupBox->setTitle(tr("Grounding check"));
    remoteGroupBox->setTitle(tr("Remote"));
    acceptPushButton->setText(tr("Accept"));
    resetPushButton->setText(tr("Reset"));
    cancelPushButton->setText(tr("Cancel"));
    previousToolButton->setText(tr("Previous"));
    nextToolButton->setText(tr("Next"));
    checkCablePushButton->setText(tr("Check cable"));
    disableFailedPushButton->setText(tr("Disable failed"));
    checkRemotePushButton->setText(tr("Check remote"));
    automaticAdvanceCheckBox->setText(tr("Automatic advance"));
    stopIfFailedCheckBox->setText(tr("Stop if failed"));
    _failGroundingLabel->setText(QStringLiteral("%1 [%2%3]:").arg(tr("Fail grounding"), tr("k"), tr("Ohm")));
    _remoteTxLabel->setText(QStringLiteral("Tx%1:").arg(QChar(0x221E)));
    _remoteRxLabel->setText(QStringLiteral("Rx%1:").arg(QChar(0x221E)));
    // A remote electrode not in use reads "N / A" in the wires' own words.
    const QString notAvailable = QCoreApplication::translate("QObject", "N / A");
    if (!m_remoteTxWire)
        remoteTxLabel->setText(notAvailable);
    if (!m_remoteRxWire)
        remoteRxLabel->setText(notAvailable);
    onUpdate();
}

void zarCableConfigDialog::onUpdate()
{
    currentCableLabel->setText(QStringLiteral("%1 / %2").arg(m_currentCable + 1).arg(m_cables));
    const float threshold = failThreshold();
    for (int i = m_currentCable * wiresPerCable; i < (m_currentCable + 1) * wiresPerCable; ++i)
        m_wires[i].refresh(threshold);
    if (m_remoteTxWire)
        m_remoteTxWire->refresh(threshold);
    if (m_remoteRxWire)
        m_remoteRxWire->refresh(threshold);
}

float zarCableConfigDialog::failThreshold() const
{
    return failGroundingComboBox->currentText().toFloat();
}

void zarCableConfigDialog::selectCableWire(int position)
{
    if (m_checking)
        return;
    m_wireSelectButtons[m_selectedWire % wiresPerCable]->setPalette(acceptPushButton->palette());
    m_selectedWire = quint16(position + m_currentCable * wiresPerCable);
    m_wireSelectButtons[m_selectedWire % wiresPerCable]->setPalette(m_highlightPalette);
}

bool zarCableConfigDialog::advanceWire()
{
    if (m_selectedWire >= m_wires.size() - 1)
        return false;
    m_wireSelectButtons[m_selectedWire % wiresPerCable]->setPalette(acceptPushButton->palette());
    ++m_selectedWire;
    m_wireSelectButtons[m_selectedWire % wiresPerCable]->setPalette(m_highlightPalette);
    return true;
}

void zarCableConfigDialog::switchCableWireState(int position)
{
    zarCableWire& wire = m_wires[m_currentCable * wiresPerCable + position];
    wire.toggleDisabled();
    wire.refresh(failThreshold());
}

void zarCableConfigDialog::showCable(quint8 cable)
{
    m_currentCable = cable;
    onUpdate();
}

void zarCableConfigDialog::onNextCable()
{
    if (m_currentCable == m_cables - 1)
        return;
    showCable(m_currentCable + 1);
    selectCableWire(0);
}

void zarCableConfigDialog::onPreviousCable()
{
    if (m_currentCable == 0)
        return;
    showCable(m_currentCable - 1);
    selectCableWire(0);
}

void zarCableConfigDialog::enableRemoteButton()
{
    checkRemotePushButton->setEnabled(m_remoteTxWire || m_remoteRxWire);
}

void zarCableConfigDialog::startCheck()
{
    actionsGroupBox->setEnabled(false);
    currentCableGroupBox->setEnabled(false);
    automaticAdvanceCheckBox->setEnabled(false);
    checkRemotePushButton->setEnabled(false);
    m_checking = true;
}

void zarCableConfigDialog::finishCheck()
{
    actionsGroupBox->setEnabled(true);
    currentCableGroupBox->setEnabled(true);
    automaticAdvanceCheckBox->setEnabled(true);
    enableRemoteButton();
    checkCablePushButton->setChecked(false);
    m_checking = false;
}

void zarCableConfigDialog::finishRemoteCheck()
{
    actionsGroupBox->setEnabled(true);
    checkCablePushButton->setEnabled(true);
    enableRemoteButton();
}

// Only the answer to this request is taken: readings that another screen asked for
// (or that a stopped request left behind) must not land on a wire of this dialog.
void zarCableConfigDialog::request(int wire)
{
    m_pendingWire = wire;
    if (wire >= 0 && wire < m_wires.size() && m_wires[wire].isDisabled()) {
        zarCoreReportResistance passed;
        passed.wire = quint16(wire);
        passed.resistance = zarCableWire::notMeasured;
        onReportResistance(passed);
        return;
    }
    zarCoreParamResistance param;
    param.wire = quint16(wire);
    m_core->resistance(param);
}

void zarCableConfigDialog::onCableWireCheck()
{
    const bool automatic = automaticAdvanceCheckBox->isChecked();
    const bool pressed = checkCablePushButton->isChecked();
    if (automatic != pressed) {
        // The operator released the toggle: the running measurement is aborted; its
        // report still arrives and is handled.
        if (m_pendingWire != noRequest)
            m_core->stop();
        finishCheck();
        return;
    }
    if (m_pendingWire != noRequest) {
        // A tap while a measurement is still out would be answered on the wrong wire.
        if (!m_checking)
            checkCablePushButton->setChecked(false);
        return;
    }
    startCheck();
    request(m_selectedWire);
}

void zarCableConfigDialog::onRemoteCheck()
{
    if (m_pendingWire != noRequest)
        return;
    if (m_remoteTxWire)
        onRemoteTxCheck();
    else if (m_remoteRxWire)
        onRemoteRxCheck();
}

void zarCableConfigDialog::onRemoteTxCheck()
{
    requestRemote(remoteTxCode);
}

void zarCableConfigDialog::onRemoteRxCheck()
{
    requestRemote(remoteRxCode);
}

void zarCableConfigDialog::requestRemote(quint16 code)
{
    actionsGroupBox->setEnabled(false);
    checkCablePushButton->setEnabled(false);
    checkRemotePushButton->setEnabled(false);
    request(code);
}

void zarCableConfigDialog::onReportResistance(const zarCoreReportResistance report)
{
    if (m_pendingWire == noRequest || report.wire != m_pendingWire)
        return;
    m_pendingWire = noRequest;
    if (m_abandoned) {
        m_abandoned = false;
        return;
    }
    const float threshold = failThreshold();
    if (report.error.code != 0) {
        zarWarningDialog::warning(report.error.text());
        finishCheck();
        checkCablePushButton->setEnabled(true);
        return;
    }
    if (report.wire == remoteTxCode) {
        if (m_remoteTxWire) {
            m_remoteTxWire->setResistance(report.resistance);
            m_remoteTxWire->refresh(threshold);
        }
        if (m_remoteRxWire)
            onRemoteRxCheck();
        else
            finishRemoteCheck();
        return;
    }
    if (report.wire == remoteRxCode) {
        if (m_remoteRxWire) {
            m_remoteRxWire->setResistance(report.resistance);
            m_remoteRxWire->refresh(threshold);
        }
        finishRemoteCheck();
        return;
    }
    storeWireResult(report.wire, report.resistance, threshold);
}

void zarCableConfigDialog::storeWireResult(quint16 wire, float resistance, float threshold)
{
    zarCableWire& measured = m_wires[wire];
    measured.setResistance(resistance);
    if (wire / wiresPerCable == m_currentCable)
        measured.refresh(threshold);
    // After a stop the operator may have picked another wire: the selection is only
    // moved on when it still stands on the measured wire.
    if (m_selectedWire != wire || (stopIfFailedCheckBox->isChecked() && measured.fails(threshold))
        || !advanceWire()) {
        finishCheck();
        return;
    }
    // The view follows the selection into the next cable before the run goes on.
    if (m_selectedWire / wiresPerCable != m_currentCable)
        showCable(quint8(m_selectedWire / wiresPerCable));
    if (checkCablePushButton->isChecked())
        request(m_selectedWire);
    else
        finishCheck();
}

void zarCableConfigDialog::onDisable()
{
    if (zarWarningDialog::question(tr("Are you sure you want to disable failed electrodes?")) != 1)
        return;
    const float threshold = failThreshold();
    for (zarCableWire& wire : m_wires)
        wire.markIfAbove(threshold);
    onUpdate();
}

void zarCableConfigDialog::onReset()
{
    if (zarWarningDialog::question(tr("Are you sure you want to reset current configuration?")) != 1)
        return;
    for (zarCableWire& wire : m_wires)
        wire.reset();
    if (m_remoteTxWire)
        m_remoteTxWire->reset();
    if (m_remoteRxWire)
        m_remoteRxWire->reset();
    showCable(0);
    selectCableWire(0);
}

zarCableConfiguration zarCableConfigDialog::configuration() const
{
    zarCableConfiguration result;
    for (const zarCableWire& wire : m_wires) {
        zarCableConfiguration::Wire entry;
        entry.resistance = wire.resistance();
        entry.enabled = !wire.isDisabled();
        result.wires.append(entry);
    }
    if (m_remoteTxWire) {
        result.remoteTxResistance = m_remoteTxWire->resistance();
        result.remoteTx = true;
    }
    if (m_remoteRxWire) {
        result.remoteRxResistance = m_remoteRxWire->resistance();
        result.remoteRx = true;
    }
    return result;
}

#define ZAR_WIRE_SLOTS(NN) \
    void zarCableConfigDialog::selectCableWire##NN() { selectCableWire(1##NN - 100); } \
    void zarCableConfigDialog::switchCableWireState##NN() { switchCableWireState(1##NN - 100); }
ZAR_WIRE_SLOTS(00) ZAR_WIRE_SLOTS(01) ZAR_WIRE_SLOTS(02) ZAR_WIRE_SLOTS(03) ZAR_WIRE_SLOTS(04) ZAR_WIRE_SLOTS(05)
ZAR_WIRE_SLOTS(06) ZAR_WIRE_SLOTS(07) ZAR_WIRE_SLOTS(08) ZAR_WIRE_SLOTS(09) ZAR_WIRE_SLOTS(10) ZAR_WIRE_SLOTS(11)
ZAR_WIRE_SLOTS(12) ZAR_WIRE_SLOTS(13) ZAR_WIRE_SLOTS(14) ZAR_WIRE_SLOTS(15) ZAR_WIRE_SLOTS(16) ZAR_WIRE_SLOTS(17)
ZAR_WIRE_SLOTS(18) ZAR_WIRE_SLOTS(19) ZAR_WIRE_SLOTS(20) ZAR_WIRE_SLOTS(21) ZAR_WIRE_SLOTS(22) ZAR_WIRE_SLOTS(23)
ZAR_WIRE_SLOTS(24) ZAR_WIRE_SLOTS(25) ZAR_WIRE_SLOTS(26) ZAR_WIRE_SLOTS(27) ZAR_WIRE_SLOTS(28) ZAR_WIRE_SLOTS(29)
ZAR_WIRE_SLOTS(30) ZAR_WIRE_SLOTS(31)
#undef ZAR_WIRE_SLOTS
