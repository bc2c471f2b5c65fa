#ifndef ZARENGINEERWIDGET_H
#define ZARENGINEERWIDGET_H

#include "core/zarcoreparams.h"
#include "core/zarcorereports.h"
#include "core/zarnames.h"
#include "service/zarsignalwidget.h"
#include "ui_zengineerwidget.h"

#include <QQueue>
#include <QStringList>
#include <QTimer>
#include <QVector>
#include <QWidget>

class zarCore;
class zarGPSManager;
class QToolButton;

// The engineer and production test screen. Mode 0 keeps every tab; any other mode
// keeps the production tests only, and modes other than 0 and 1 also lock tests
// 0, 16 and 20. Every button press is one job of the core; every report of the
// core's ten kinds reaches this screen, whoever started the job.
class zarEngineerWidget : public QWidget, public Ui::zEngineerWidget
{
    Q_OBJECT

public:
    enum { testCount = 22 };

    explicit zarEngineerWidget(int mode, QWidget* parent = nullptr);

    QStringList titles() const { return proTitles; }
    QStringList instructions() const { return proInstructions; }
    QVector<QString> logs() const { return proLogs; }

signals:
    void sendEngineerWidgetClose();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void onTranslate();
    void onStop();
    void onStartPro(quint8 proCode);
    void onShowLog(quint8 proCode);
    void onProStop();
    void onReportProduction(const zarCoreReportProduction coreReportProduction);

    void onPowerValueChanged(int value);
    void onDurationValueChanged(int value);
    void onAdjustPulseFirst();
    void onAdjustPulseSecond();
    void onPulseFirst();
    void onPulseSecond();
    void onTxStop();
    void onPulseZero();
    void onReportTxAux(const zarCoreReportTxAux report);

    void onMsrRepeat();
    void onMsrStart();
    void onMsrGet();
    void onMsrClear();
    void onRxReset();
    void onClbInput();
    void onMsrInput();
    void onLowRange();
    void onHighRange();
    void onSensors();
    void onReportRxAux(const zarCoreReportRxAux report);
    void onReportSensor(const zarCoreReportSensor report);

    void onSwSetNA();
    void onSwSetMB();
    void onSwReset();
    void onGrounding();
    void onAll();
    void onPhantom();
    void onReportSwAux(const zarCoreReportSwAux report);

    void onCalibrate();
    void onDefault();
    void onReportCalibrate(const zarCoreReportCalibrate report);
    void onStressRxStart();
    void onReportRxStress(const zarCoreReportRxStress report);

    void onSoundAlert();
    void onTimeSet();
    void onTimeGet();
    void onStartGPS();
    void onStopGPS();
    void onGPSTimer();
    void onPanic();
    void onPing();
    void onReportClock(const zarCoreReportClock report);

    void onSetQuadripole();
    void onVes();
    void onReportVES(const zarCoreReportVES report);
    void onET2D();
    void onReportET2D(const zarCoreReportET2D report);

private:
    // Who asked for a pending RxStress answer: the stress chain or a ping.
    enum StressAsker { StressChain, Ping };

    static zarAddress TxDevice(int index);
    static zarAddress RxDevice(int index);
    static zarAddress SwDevice(int index);
    static quint16 SwElectrodeCode(int value);

    void connectTabs();
    void runUsbTest(zarCoreReportProduction& report);
    void runLanTest(zarCoreReportProduction& report);
    bool saveLogs();
    void txCommand(quint8 zarCoreParamTxAux::*flag, zarAddress transmitter, quint8 code, bool withDuration,
                   bool withPower);
    void rxCommand(quint8 zarCoreParamRxAux::*flag, bool withSamples);
    void swCommand(quint8 zarCoreParamSwAux::*flag, bool withBoard, bool withElectrode, int pinMB);
    void startStressJob();
    // Shows the error of a failed job; true when there was one.
    static bool warnOnError(const zarCoreError& error);

    zarCore* core = nullptr;
    zarSignalWidget signalWidget;
    zarGPSManager* gpsManager = nullptr;
    QTimer gpsTimer;
    QTimer rxRepeatTimer;
    QVector<QToolButton*> proButtons;
    QStringList proTitles;
    QStringList proInstructions;
    QVector<QString> proLogs;
    QQueue<StressAsker> stressAskers;
    bool stressChainRunning = false;
    bool closed = false;
};

#endif
