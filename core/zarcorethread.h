#ifndef ZARCORETHREAD_H
#define ZARCORETHREAD_H

#include "core/zarcorejob.h"
#include "core/zarcoreparams.h"
#include "core/zarcorereports.h"
#include "core/zarnames.h"
#include "core/zarserialdevice.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QHash>
#include <QMutex>
#include <QRandomGenerator>
#include <QSet>
#include <QThread>
#include <QVector>

#include <atomic>
#include <functional>
#include <memory>

// Runs one core-board job per start(): the stored job is performed, its one report
// emitted, and the job slot cleared. Only zarCore drives it.
class zarCoreThread : public QThread
{
    Q_OBJECT

public:
    zarCoreThread();
    ~zarCoreThread() override;

    // Job setters: GUI thread, thread idle. Each clears a stale abort request.
    void setDiscover();
    void setSignal(const zarCoreParamSignal& param);
    void setResistance(const zarCoreParamResistance& param);
    void setCalibrate(const zarCoreParamCalibrate& param);
    void setEt2d(const zarCoreParamET2D& param);
    void setVes(const zarMeasureSettings& param);
    void setSensors();
    void setClock(const zarCoreParamClock& param);
    void setSound(quint8 sound);
    void setProduction(const zarCoreParamProduction& param);
    void setTx(const zarCoreParamTxAux& param);
    void setSw(const zarCoreParamSwAux& param);
    void setRx(const zarCoreParamRxAux& param);
    void setRxStress(const zarCoreParamRxStress& param);
    void setPanic();

    // Any thread: the running job's next delay ends with "Canceled by user".
    void abort();
    bool abortRequested() const { return m_abort.load(); }
    zarCoreJob job() const { return m_job; }

    // Job thread: cancellable wait; false after a cancel (error 14) or for more
    // than 30000 ms (error 15, no wait).
    bool delay(quint32 msec);
    // Waits until msec have passed since the reference time was last restarted.
    bool delayRemaining(quint32 msec);

    zarCoreError error() const { return m_error; }

    // Helpers of the measuring sequences.
    static bool isNear(float value, float target);
    static bool isNear1000(float value) { return isNear(value, 1000.0f); }
    static bool invertPolarity(quint8 address, QVector<float>& samples, const QSet<quint8>& inverted);
    void setOverloadList(const QVector<quint8>& overload) { m_overloadList = overload; }
    QVector<quint8> overloadList() const { return m_overloadList; }
    bool restartReferenceTime();
    static QVector<float> zeroVector5() { return QVector<float>(5, 0.0f); }
    void setElectrodeStates(const QVector<quint16>& electrodes, const zarMeasureSettings& settings);
    bool setTxElectrodeStates(const QList<zarCoreQuadripole>& quadripoles, const zarMeasureSettings& settings);
    // Milliseconds since the electrode was last used; -1 when never.
    qint64 electrodeIdleTime(quint16 electrode) const;

    // Serial transport to the core board.
    void setSerialDevice(std::unique_ptr<zarSerialDevice> device);
    bool sendMessage(zarAddress device, quint8 command, const QByteArray& payload);
    bool sendCommand(zarAddress device, quint8 command);
    int lastDevice() const { return m_lastDevice; }
    int lastCommand() const { return m_lastCommand; }
    bool sound(quint8 code);
    void stopAll();

    // Simulator inputs, replaceable by tests: the clock and the random draws.
    void setSimulationClock(std::function<QDateTime()> clock);
    void setSimulationRandom(std::function<quint32()> random);

    // Builders of the simulated core board (job thread).
    zarCoreReportDiscover simulateDiscover();
    zarCoreReportSignal simulateSignal();
    zarCoreReportResistance simulateResistance();
    zarCoreReportCalibrate simulateCalibrate();
    zarCoreReportET2D simulateET2D();
    zarCoreReportVES simulateVES();
    zarCoreReportSensor simulateSensor();
    zarCoreReportClock simulateClock();
    zarCoreReportSound simulateSound();
    zarCoreReportProduction simulateProduction();
    zarCoreReportTxAux simulateTxAux();
    zarCoreReportSwAux simulateSwAux();
    zarCoreReportRxAux simulateRxAux();
    zarCoreReportRxStress simulateRxStress();

signals:
    void sendReportDiscover(const zarCoreReportDiscover report);
    void sendReportCalibrate(const zarCoreReportCalibrate report);
    void sendReportResistance(const zarCoreReportResistance report);
    void sendReportSignal(const zarCoreReportSignal report);
    void sendReportET2D(const zarCoreReportET2D report);
    void sendReportVES(const zarCoreReportVES report);
    void sendReportSensor(const zarCoreReportSensor report);
    void sendReportClock(const zarCoreReportClock report);
    void sendReportSound(const zarCoreReportSound report);
    void sendReportProduction(const zarCoreReportProduction report);
    void sendReportTxAux(const zarCoreReportTxAux report);
    void sendReportSwAux(const zarCoreReportSwAux report);
    void sendReportRxAux(const zarCoreReportRxAux report);
    void sendReportRxStress(const zarCoreReportRxStress report);

protected:
    void run() override;

private:
    void arm(zarCoreJob job);
    bool cancelled();
    void setErrorCode(quint8 code) { m_error.code = code; }
    void diagnostic(const std::string& message);
    QDateTime now() const;
    void seedRandom();
    quint32 drawRandom();

    std::atomic<bool> m_abort { false };
    zarCoreError m_error;
    std::unique_ptr<zarSerialDevice> m_port;
    QMutex m_mutex;
    QVector<quint8> m_overloadList;
    QElapsedTimer m_referenceTime;
    int m_lastDevice = -1;
    int m_lastCommand = -1;
    QHash<quint16, QElapsedTimer> m_electrodeTimers;
    zarMeasureSettings m_electrodeSettings;
    QElapsedTimer m_reAdjustTime;
    zarCoreJob m_job = zarJobNone;

    zarCoreParamResistance m_resistance;
    zarCoreParamSignal m_signal;
    zarCoreParamCalibrate m_calibrate;
    zarCoreParamET2D m_et2d;
    zarMeasureSettings m_ves;
    zarCoreParamClock m_clock;
    quint8 m_sound = 0;
    zarCoreParamProduction m_production;
    zarCoreParamTxAux m_tx;
    zarCoreParamSwAux m_sw;
    zarCoreParamRxAux m_rx;
    zarCoreParamRxStress m_rxStress;

    std::function<QDateTime()> m_clockSource;
    std::function<quint32()> m_randomSource;
    QRandomGenerator m_random;
};

#endif
