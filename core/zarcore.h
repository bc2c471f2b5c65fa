#ifndef ZARCORE_H
#define ZARCORE_H

#include "core/zarcorethread.h"

#include <QObject>

#include <any>
#include <functional>

// The one door between the screens and the core board. Job methods start one job
// on the job thread; its report comes back here and is re-emitted in the GUI thread.
class zarCore : public QObject
{
    Q_OBJECT

public:
    static zarCore* instance();
    static void destroy();
    ~zarCore() override;

    void discover();
    void signal(const zarCoreParamSignal param);
    void resistance(const zarCoreParamResistance param);
    void calibrate(const zarCoreParamCalibrate param);
    void et2d(const zarCoreParamET2D param);
    void ves(const zarMeasureSettings param);
    void sensors();
    void clock(const zarCoreParamClock param);
    void sound(quint8 code);
    void production(const zarCoreParamProduction param);
    void txCommand(const zarCoreParamTxAux param);
    void swCommand(const zarCoreParamSwAux param);
    void rxCommand(const zarCoreParamRxAux param);
    void rxStress(const zarCoreParamRxStress param);
    void panic();
    void stop();

    // For tests and benchmarks: the simulator's inputs and the serial line.
    zarCoreThread& jobThread() { return m_thread; }
    // For tests: sees each job's number and record (std::any) as the job starts.
    using JobObserver = std::function<void(zarCoreJob job, const std::any& record)>;
    void setJobObserver(JobObserver observer) { m_observer = std::move(observer); }

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

private slots:
    void onReportDiscover(const zarCoreReportDiscover report);
    void onReportCalibrate(const zarCoreReportCalibrate report);
    void onReportResistance(const zarCoreReportResistance report);
    void onReportSignal(const zarCoreReportSignal report);
    void onReportET2D(const zarCoreReportET2D report);
    void onReportVES(const zarCoreReportVES report);
    void onReportSensor(const zarCoreReportSensor report);
    void onReportClock(const zarCoreReportClock report);
    void onReportSound(const zarCoreReportSound report);
    void onReportProduction(const zarCoreReportProduction report);
    void onReportTxAux(const zarCoreReportTxAux report);
    void onReportSwAux(const zarCoreReportSwAux report);
    void onReportRxAux(const zarCoreReportRxAux report);
    void onReportRxStress(const zarCoreReportRxStress report);

private:
    zarCore();
    void shutDownThread();
    void start();
    // Waits for the job before, sets the next one up, shows it to the observer and starts it.
    template <class Record>
    void startJob(zarCoreJob job, void (zarCoreThread::*set)(const Record&), const Record& record)
    {
        m_thread.wait();
        (m_thread.*set)(record);
        observe(job, record);
        start();
    }
    void startJob(zarCoreJob job, void (zarCoreThread::*set)())
    {
        m_thread.wait();
        (m_thread.*set)();
        observe(job, 0);
        start();
    }
    template <class Record>
    void observe(zarCoreJob job, const Record& record)
    {
        if (m_observer)
            m_observer(job, std::any(record));
    }

    zarCoreThread m_thread;
    JobObserver m_observer;
    static zarCore* s_instance;
};

// Order of plot points by x; false when either is NaN.
bool doubleLessThan(const double& a, const double& b);

#endif
