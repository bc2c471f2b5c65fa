// The nine tabs of the engineer screen that drive the core board directly. Their
// texts are the form's own and stay English in every language.
#include "engineer/zarengineerwidget.h"

#include "core/zarcore.h"
#include "frame/zaroptionswidget.h"
#include "frame/zarwarningdialog.h"
#include "service/zargpsmanager.h"

namespace {
const zarAddress receiverAddresses[16] = { 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23 };
const zarAddress switchAddresses[16] = { 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41 };
const zarAddress referenceTransmitter = 6;
const zarAddress internalTransmitter = 7;
const zarAddress outputVoltage = 24;
const zarAddress outputCurrent = 25;
const zarAddress allReceivers = 255;
const zarAddress generatorSwitch = 42;
const zarAddress allSwitches = 254;
const quint8 sensorInternalTransmitter = 7;
const int rxRepeatMs = 400;
const int gpsPeriodMs = 1000;
const int gpsLines = 10;
const QString stressGoOn = QStringLiteral("OK");
const QString noReading = QStringLiteral("N/A");
} // namespace

void zarEngineerWidget::connectTabs()
{
    using E = zarEngineerWidget;
    connect(txPowerHorizontalSlider, &QSlider::valueChanged, this, &E::onPowerValueChanged);
    connect(txDurationHorizontalSlider, &QSlider::valueChanged, this, &E::onDurationValueChanged);
    connect(txAdjustPulseFirstPushButton, &QPushButton::clicked, this, &E::onAdjustPulseFirst);
    connect(txAdjustPulseSecondPushButton, &QPushButton::clicked, this, &E::onAdjustPulseSecond);
    connect(txPulseFirstPushButton, &QPushButton::clicked, this, &E::onPulseFirst);
    connect(txPulseSecondPushButton, &QPushButton::clicked, this, &E::onPulseSecond);
    connect(txStopPushButton, &QPushButton::clicked, this, &E::onTxStop);
    connect(txPulseZeroPushButton, &QPushButton::clicked, this, &E::onPulseZero);
    connect(core, &zarCore::sendReportTxAux, this, &E::onReportTxAux);

    connect(rxRepeatPushButton, &QPushButton::clicked, this, &E::onMsrRepeat);
    connect(rxMsrStartPushButton, &QPushButton::clicked, this, &E::onMsrStart);
    connect(rxStopPushButton, &QPushButton::clicked, this, &E::onStop);
    connect(rxMsrGetPushButton, &QPushButton::clicked, this, &E::onMsrGet);
    connect(rxMsrClearPushButton, &QPushButton::clicked, this, &E::onMsrClear);
    connect(rxRxResetPushButton, &QPushButton::clicked, this, &E::onRxReset);
    connect(rxClbInputPushButton, &QPushButton::clicked, this, &E::onClbInput);
    connect(rxMsrInputPushButton, &QPushButton::clicked, this, &E::onMsrInput);
    connect(rxLowRangePushButton, &QPushButton::clicked, this, &E::onLowRange);
    connect(rxHighRangePushButton, &QPushButton::clicked, this, &E::onHighRange);
    connect(rxSensorsPushButton, &QPushButton::clicked, this, &E::onSensors);
    connect(core, &zarCore::sendReportRxAux, this, &E::onReportRxAux);
    connect(core, &zarCore::sendReportSensor, this, &E::onReportSensor);
    rxRepeatTimer.setSingleShot(true);
    connect(&rxRepeatTimer, &QTimer::timeout, this, &E::onMsrRepeat);

    connect(swSwSetNAPushButton, &QPushButton::clicked, this, &E::onSwSetNA);
    connect(swSwSetMBPushButton, &QPushButton::clicked, this, &E::onSwSetMB);
    connect(swSwResetPushButton, &QPushButton::clicked, this, &E::onSwReset);
    connect(swAllPushButton, &QPushButton::clicked, this, &E::onAll);
    connect(swGroundingPushButton, &QPushButton::clicked, this, &E::onGrounding);
    connect(swPhantomPushButton, &QPushButton::clicked, this, &E::onPhantom);
    connect(core, &zarCore::sendReportSwAux, this, &E::onReportSwAux);

    connect(calibrateCalibratePushButton, &QPushButton::clicked, this, &E::onCalibrate);
    connect(calibrateDefaultPushButton, &QPushButton::clicked, this, &E::onDefault);
    connect(core, &zarCore::sendReportCalibrate, this, &E::onReportCalibrate);
    connect(stressRxStartPushButton, &QPushButton::clicked, this, &E::onStressRxStart);
    connect(core, &zarCore::sendReportRxStress, this, &E::onReportRxStress);

    connect(miscSoundAlertPushButton, &QPushButton::clicked, this, &E::onSoundAlert);
    connect(miscTimeSetPushButton, &QPushButton::clicked, this, &E::onTimeSet);
    connect(miscTimeGetPushButton, &QPushButton::clicked, this, &E::onTimeGet);
    connect(miscStartGPSPushButton, &QPushButton::clicked, this, &E::onStartGPS);
    connect(miscStopGPSPushButton, &QPushButton::clicked, this, &E::onStopGPS);
    connect(miscPanicPushButton, &QPushButton::clicked, this, &E::onPanic);
    connect(miscPingPushButton, &QPushButton::clicked, this, &E::onPing);
    connect(core, &zarCore::sendReportClock, this, &E::onReportClock);

    connect(signalSetQuadripolePushButton, &QPushButton::clicked, this, &E::onSetQuadripole);
    connect(vesPushButton, &QPushButton::clicked, this, &E::onVes);
    connect(core, &zarCore::sendReportVES, this, &E::onReportVES);
    connect(et2dPushButton, &QPushButton::clicked, this, &E::onET2D);
    connect(core, &zarCore::sendReportET2D, this, &E::onReportET2D);
}

bool zarEngineerWidget::warnOnError(const zarCoreError& error)
{
    if (error.code == zarErrorSuccess)
        return false;
    zarWarningDialog::warning(error.text());
    return true;
}

void zarEngineerWidget::onStop()
{
    core->stop();
}

// Transmitter tab.

zarAddress zarEngineerWidget::TxDevice(int index)
{
    return index == 0 ? internalTransmitter : referenceTransmitter;
}

void zarEngineerWidget::onPowerValueChanged(int value)
{
    txPowerLabel->setText(QStringLiteral("%1").arg(value));
}

void zarEngineerWidget::onDurationValueChanged(int value)
{
    txDurationLabel->setText(QStringLiteral("%1").arg(value));
}

void zarEngineerWidget::txCommand(quint8 zarCoreParamTxAux::*flag, zarAddress transmitter, quint8 code,
                                  bool withDuration, bool withPower)
{
    zarCoreParamTxAux param;
    param.*flag = 1;
    param.transmitter = transmitter;
    if (withPower)
        param.power = txCheckGroundingPowerCheckBox->isChecked() ? 255 : quint8(txPowerHorizontalSlider->value());
    if (withDuration)
        param.duration = quint16(txDurationHorizontalSlider->value());
    param.command = code;
    core->txCommand(param);
}

void zarEngineerWidget::onAdjustPulseFirst()
{
    txCommand(&zarCoreParamTxAux::adjust, internalTransmitter, 0x1f, false, true);
}

void zarEngineerWidget::onAdjustPulseSecond()
{
    txCommand(&zarCoreParamTxAux::adjust, internalTransmitter, 0x20, false, true);
}

void zarEngineerWidget::onPulseFirst()
{
    txCommand(&zarCoreParamTxAux::pulse, TxDevice(txDeviceComboBox->currentIndex()), 0x21, true, false);
}

void zarEngineerWidget::onPulseSecond()
{
    txCommand(&zarCoreParamTxAux::pulse, TxDevice(txDeviceComboBox->currentIndex()), 0x22, true, false);
}

void zarEngineerWidget::onTxStop()
{
    txCommand(&zarCoreParamTxAux::stop, TxDevice(txDeviceComboBox->currentIndex()), 0, false, false);
}

void zarEngineerWidget::onPulseZero()
{
    txCommand(&zarCoreParamTxAux::pulse, referenceTransmitter, 0x24, true, true);
}

void zarEngineerWidget::onReportTxAux(const zarCoreReportTxAux report)
{
    warnOnError(report.error);
    txTempLabel->setText(QStringLiteral("%1  o C").arg(double(report.temperature)));
}

// Receiver tab.

zarAddress zarEngineerWidget::RxDevice(int index)
{
    if (index == 16)
        return outputVoltage;
    if (index == 17)
        return outputCurrent;
    if (index >= 0 && index < 16)
        return receiverAddresses[index];
    return allReceivers;
}

void zarEngineerWidget::rxCommand(quint8 zarCoreParamRxAux::*flag, bool withSamples)
{
    zarCoreParamRxAux param;
    param.receiver = RxDevice(rxDeviceComboBox->currentIndex());
    param.*flag = 1;
    if (withSamples)
        param.samples = quint16(rxSamplesToRunSpinBox->value());
    core->rxCommand(param);
}

void zarEngineerWidget::onMsrStart() { rxCommand(&zarCoreParamRxAux::start, true); }
void zarEngineerWidget::onMsrClear() { rxCommand(&zarCoreParamRxAux::clear, false); }
void zarEngineerWidget::onRxReset() { rxCommand(&zarCoreParamRxAux::reset, false); }
void zarEngineerWidget::onClbInput() { rxCommand(&zarCoreParamRxAux::calibrationInput, false); }
void zarEngineerWidget::onMsrInput() { rxCommand(&zarCoreParamRxAux::measureInput, false); }
void zarEngineerWidget::onLowRange() { rxCommand(&zarCoreParamRxAux::lowRange, false); }
void zarEngineerWidget::onHighRange() { rxCommand(&zarCoreParamRxAux::highRange, false); }

// All receivers at once cannot answer with samples.
void zarEngineerWidget::onMsrGet()
{
    if (RxDevice(rxDeviceComboBox->currentIndex()) == allReceivers)
        return;
    rxCommand(&zarCoreParamRxAux::get, true);
}

// One step: read now, then again after 400 ms with one sample more, while Repeat is down.
void zarEngineerWidget::onMsrRepeat()
{
    if (!rxRepeatPushButton->isChecked()) {
        rxRepeatTimer.stop();
        return;
    }
    rxRepeatTimer.start(rxRepeatMs);
    onMsrGet();
    rxSamplesToRunSpinBox->setValue(rxSamplesToRunSpinBox->value() + 1);
}

void zarEngineerWidget::onSensors()
{
    core->sensors();
}

void zarEngineerWidget::onReportRxAux(const zarCoreReportRxAux report)
{
    warnOnError(report.error);
    for (float sample : report.samples)
        rxSamplesTextEdit->insertPlainText(QStringLiteral("%1\n").arg(double(sample), 0, 'f', 4));
}

void zarEngineerWidget::onReportSensor(const zarCoreReportSensor report)
{
    warnOnError(report.error);
    const QList<QPair<quint8, QLabel*>> labels = { { zarSensorInternalBattery, rxIntBatLabel },
                                                   { zarSensorExternalBattery, rxExtBatLabel },
                                                   { zarSensorMoisture, rxMoistureLabel },
                                                   { sensorInternalTransmitter, txTempLabel } };
    for (const auto& label : labels)
        label.second->setText(QStringLiteral("%1").arg(double(report.sensors.value(label.first, -1.0f))));
}

// Switch tab.

zarAddress zarEngineerWidget::SwDevice(int index)
{
    if (index == 16)
        return generatorSwitch;
    if (index >= 0 && index < 16)
        return switchAddresses[index];
    return allSwitches;
}

// The spin box reads -1 as the remote receiver and -2 as the remote transmitter,
// the other way round from the rest of the system.
quint16 zarEngineerWidget::SwElectrodeCode(int value)
{
    if (value == -1)
        return quint16(zarCoreQuadripole::remoteReceiver);
    if (value == -2)
        return quint16(zarCoreQuadripole::remoteTransmitter);
    return quint16(value);
}

void zarEngineerWidget::swCommand(quint8 zarCoreParamSwAux::*flag, bool withBoard, bool withElectrode, int pinMB)
{
    zarCoreParamSwAux param;
    param.*flag = 1;
    if (withBoard)
        param.board = SwDevice(swDeviceComboBox->currentIndex());
    if (pinMB >= 0) {
        param.apply = swApplyCheckBox->isChecked() ? 1 : 0;
        param.pinMB = quint8(pinMB);
    }
    if (withElectrode)
        param.electrode = SwElectrodeCode(swElectrodeSpinBox->value());
    core->swCommand(param);
}

void zarEngineerWidget::onSwSetNA() { swCommand(&zarCoreParamSwAux::set, true, true, 0); }
void zarEngineerWidget::onSwSetMB() { swCommand(&zarCoreParamSwAux::set, true, true, 1); }
void zarEngineerWidget::onGrounding() { swCommand(&zarCoreParamSwAux::grounding, false, true, -1); }
void zarEngineerWidget::onAll() { swCommand(&zarCoreParamSwAux::all, true, false, -1); }
void zarEngineerWidget::onPhantom() { swCommand(&zarCoreParamSwAux::phantom, true, false, -1); }
void zarEngineerWidget::onSwReset() { swCommand(&zarCoreParamSwAux::reset, true, false, -1); }

void zarEngineerWidget::onReportSwAux(const zarCoreReportSwAux report)
{
    warnOnError(report.error);
}

// Calibration and stress tabs.

void zarEngineerWidget::onCalibrate()
{
    zarCoreParamCalibrate param;
    param.samples = quint16(calibrateSamplesSpinBox->value());
    core->calibrate(param);
}

void zarEngineerWidget::onDefault()
{
    zarCoreParamCalibrate param;
    param.restoreDefault = 1;
    core->calibrate(param);
}

void zarEngineerWidget::onReportCalibrate(const zarCoreReportCalibrate report)
{
    zarWarningDialog::warning(report.error.code != zarErrorSuccess ? report.error.text() : QStringLiteral("Success"));
}

// One chain at a time: Start while it runs is ignored.
void zarEngineerWidget::onStressRxStart()
{
    if (stressChainRunning)
        return;
    stressChainRunning = true;
    startStressJob();
}

void zarEngineerWidget::startStressJob()
{
    stressRxStatusLabel->clear();
    zarCoreParamRxStress param;
    param.device = RxDevice(stressRxChannelSpinBox->value());
    param.samples = quint16(stressRxSamplesSpinBox->value());
    param.pause = quint32(stressRxPauseSpinBox->value());
    stressAskers.enqueue(StressChain);
    core->rxStress(param);
}

void zarEngineerWidget::onPing()
{
    zarCoreParamRxStress param;
    param.device = quint8(miscPingDeviceSpinBox->value());
    param.samples = 0;
    param.pause = quint32(miscPingMsSpinBox->value());
    stressAskers.enqueue(Ping);
    core->rxStress(param);
    miscPingLabel->clear();
}

// Answers come in the order of their jobs: each goes to whoever asked for it.
void zarEngineerWidget::onReportRxStress(const zarCoreReportRxStress report)
{
    if (stressAskers.isEmpty())
        return; // a job of another screen
    QLabel* status = stressAskers.dequeue() == Ping ? miscPingLabel : stressRxStatusLabel;
    const bool chain = status == stressRxStatusLabel;
    if (warnOnError(report.error)) {
        if (chain)
            stressChainRunning = false;
        status->setText(noReading);
        return;
    }
    status->setText(report.result);
    if (!chain)
        return;
    if (report.result == stressGoOn && !closed)
        startStressJob();
    else
        stressChainRunning = false;
}

// Miscellaneous tab.

void zarEngineerWidget::onSoundAlert()
{
    core->sound(quint8(miscSoundSampleSpinBox->value()));
}

void zarEngineerWidget::onTimeGet()
{
    core->clock(zarCoreParamClock());
}

void zarEngineerWidget::onPanic()
{
    core->panic();
}

void zarEngineerWidget::onReportClock(const zarCoreReportClock report)
{
    if (warnOnError(report.error) || report.set == 1)
        return;
    miscYearSpinBox->setValue(report.date.year());
    miscMonthSpinBox->setValue(report.date.month());
    miscDaySpinBox->setValue(report.date.day());
    miscHourSpinBox->setValue(report.time.hour());
    miscMinuteSpinBox->setValue(report.time.minute());
    miscSecondSpinBox->setValue(report.time.second());
}

// The timer is connected once however often Start is pressed.
void zarEngineerWidget::onStartGPS()
{
    gpsManager = zarGPSManager::instance();
    connect(&gpsTimer, &QTimer::timeout, this, &zarEngineerWidget::onGPSTimer, Qt::UniqueConnection);
    gpsTimer.start(gpsPeriodMs);
}

void zarEngineerWidget::onStopGPS()
{
    gpsTimer.stop();
    disconnect(&gpsTimer, &QTimer::timeout, this, &zarEngineerWidget::onGPSTimer);
    zarGPSManager::destroy();
    gpsManager = nullptr;
    miscListWidget->clear();
}

void zarEngineerWidget::onGPSTimer()
{
    if (!gpsManager)
        return;
    const zarGPSFix fix = gpsManager->fix();
    const QString yes = QStringLiteral("yes"), no = QStringLiteral("no");
    const QString line = QStringLiteral("rmc %1, valid %2, la %3, lo %4, y %5, m %6, d %7, h %8, m %9, s %10")
                             .arg(fix.rmc ? yes : no)
                             .arg(fix.valid ? yes : no)
                             .arg(double(fix.latitude))
                             .arg(double(fix.longitude))
                             .arg(fix.date.year())
                             .arg(fix.date.month())
                             .arg(fix.date.day())
                             .arg(fix.time.hour())
                             .arg(fix.time.minute())
                             .arg(fix.time.second());
    if (miscListWidget->count() == gpsLines)
        miscListWidget->clear();
    miscListWidget->addItem(line);
}

// Signal, VES and ET2D tabs.

void zarEngineerWidget::onSetQuadripole()
{
    zarQuadripole quadripole;
    quadripole.a = qint16(signalASpinBox->value());
    quadripole.b = qint16(signalBSpinBox->value());
    quadripole.m = qint16(signalMSpinBox->value());
    quadripole.n = qint16(signalNSpinBox->value());
    signalWidget.setQuadripole(quadripole);
}

void zarEngineerWidget::onVes()
{
    vesListWidget->clear();
    core->ves(zarOptionsWidget::options());
}

void zarEngineerWidget::onReportVES(const zarCoreReportVES report)
{
    if (warnOnError(report.error))
        return;
    const zarMeasureSet& r = report.result;
    const float resistance = r.rxVoltage / r.txCurrent;
    vesListWidget->addItems({ QStringLiteral("U.Tx[mV]=%1").arg(double(r.txVoltage)),
                              QStringLiteral("U.Rx[mV]=%1").arg(double(r.rxVoltage)),
                              QStringLiteral("I[mA]=%1").arg(double(r.txCurrent)),
                              QStringLiteral("R[ohm]=%1").arg(double(resistance)),
                              QStringLiteral("C[mV/V]=%1").arg(double(r.chargeability)) });
}

// Current between electrodes 0 and 1, potential on the same two, swapped.
void zarEngineerWidget::onET2D()
{
    zarCoreParamET2D param;
    param.settings = zarOptionsWidget::options();
    zarCoreQuadripole quadripole;
    quadripole.a = 0;
    quadripole.b = 1;
    quadripole.m = 1;
    quadripole.n = 0;
    quadripole.channel = 0;
    param.quadripoles = { quadripole };
    et2dInListWidget->clear();
    for (const zarCoreQuadripole& q : param.quadripoles)
        et2dInListWidget->addItem(QStringLiteral("A=%1 B=%2 M=%3 N=%4 Ch=%5")
                                      .arg(quint16(q.a))
                                      .arg(quint16(q.b))
                                      .arg(quint16(q.m))
                                      .arg(quint16(q.n))
                                      .arg(q.channel));
    core->et2d(param);
}

void zarEngineerWidget::onReportET2D(const zarCoreReportET2D report)
{
    et2dOutListWidget->clear();
    if (warnOnError(report.error))
        return;
    for (const zarMeasureSet& r : report.results)
        et2dOutListWidget->addItem(QStringLiteral("Utx[V]=%1 Itx[mA]=%2 Urx[mV]=%3 R[Ohm]=%4")
                                       .arg(double(r.txVoltage) / 1000.0, 0, 'f', 3)
                                       .arg(double(r.txCurrent), 0, 'f', 3)
                                       .arg(double(r.rxVoltage), 0, 'f', 3)
                                       .arg(double(r.rxVoltage) / double(r.txCurrent), 0, 'f', 3));
}
