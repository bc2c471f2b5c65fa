#ifndef ZARCORETHREAD_H
#define ZARCORETHREAD_H

#include "core/zarcorejob.h"
#include "core/zarcoreparams.h"
#include "core/zarcorereports.h"
#include "core/zarnames.h"
#include "core/zarserialdevice.h"

#include <QDate>
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

    // Serial frame transport to the core board (job thread).
    void setSerialDevice(std::unique_ptr<zarSerialDevice> device);
    bool sendMessage(zarAddress device, quint8 command, const QByteArray& payload);
    bool sendCommand(zarAddress device, quint8 command);
    bool waitForData(quint16 count, quint16 timeout);
    QByteArray read(quint16 count);
    bool printSamples(const QVector<float>& samples, const QString& name);
    int lastDevice() const { return m_lastDevice; }
    int lastCommand() const { return m_lastCommand; }
    // Time-out for a reply of the given size: the command's own time-out plus the
    // time the bytes need on the line at the core port's settings.
    static quint16 replyTimeout(quint16 timeout, int bytes);

    // Core-board command set (job thread). False with the error code set on failure.
    bool ping(zarAddress device, bool& alive);
    bool pingAll(const QVector<quint8>& devices);
    bool rxRead(zarAddress device, int samples, QVector<float>& data);
    bool rxStart(const QVector<quint8>& devices, int samples);
    bool rxStartOne(zarAddress device, int samples);
    bool rxRangeNoDelay(zarAddress device, quint8 range);
    bool rxRange(zarAddress device, quint8 range);
    bool rxRangeOverloadedNoDelay();
    bool rxRangeOverloaded();
    bool rxInput(zarAddress device, quint8 input);
    bool rxReset(zarAddress device);
    bool rxCalibrate(zarAddress device, quint8 rangePulse, int samples);
    bool rxCalibrateDefault(zarAddress device);
    bool rxClear(zarAddress device);
    bool refTxStop();
    bool refTxStart(quint8 pulse);
    bool intTxState();
    bool intTxAdjust(quint8 adjustPulse, quint8 voltagePercent);
    bool intTxStartNoDelay(quint8 pulse);
    bool intTxStart(quint8 pulse);
    bool intTxRead(float& value);
    bool clockGet(QDate& date, QTime& time);
    bool clockSet(const QDate& date, const QTime& time);
    bool sound(quint8 code);
    bool swReset(zarAddress device);
    bool swResetAll();
    bool swSetNoDelay(zarAddress device, quint8 channelPin, qint16 electrode);
    bool swApply(zarAddress device);
    void stopAll();

    // Statistics on sample series.
    bool sampleSum(QVector<float>& out, const QVector<float>& in);
    bool sampleAbsHalfDifference(QVector<float>& out, const QVector<float>& in);
    float average(const QVector<float>& samples);
    float deviation(const QVector<float>& samples);

    // Measuring sequences (job thread).
    bool discover(float& internalBattery, float& externalBattery, float& moisture);
    bool intTxReAdjust();
    bool measureWithTxAdjust(const QVector<quint8>& devices, quint8 voltagePercent, float* current);
    bool measureTxOutput();
    bool getChRDev(quint8 channel, float& result);
    bool swGnd(qint16 electrode);
    bool swPhantom(zarAddress device);
    bool swAll(zarAddress device);
    bool swQuadripoles(const QList<zarCoreQuadripole>& quadripoles, QSet<quint8>& inverted);
    bool waitElectrodesRest(const QVector<qint16>& electrodes);
    bool waitQuadripolesRest(const QList<zarCoreQuadripole>& quadripoles);

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
    // One request with a fixed-size reply; false with the transport's error.
    bool exchange(zarAddress device, quint8 command, const QByteArray& payload,
                  quint16 replyBytes, quint16 timeout, QByteArray& reply);
    bool settle(quint32 msec, bool sent) { return sent && delay(msec); }
    // Argument check failed: diagnostic, "Code bug", false.
    bool refuse(const std::string& text);
    bool refuse(const std::string& text, long long value);
    // Circuit resistance from half pulse differences: error 10 or 8 outside 10..100000.
    bool circuitInRange(float voltage, float current);
    bool waitRest(const QVector<quint16>& electrodes, const char* unit);
    bool txStateResult(const QByteArray& reply, const char* illegal, bool withValue);
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
