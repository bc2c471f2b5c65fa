#include "core/zarcore.h"

#include <QPointer>

zarCore* zarCore::s_instance = nullptr;

zarCore* zarCore::instance()
{
    if (!s_instance)
        s_instance = new zarCore();
    return s_instance;
}

void zarCore::destroy()
{
    if (!s_instance)
        return;
    zarCore* core = s_instance;
    s_instance = nullptr;
    delete core;
}

zarCore::zarCore()
{
    zarRegisterCoreReports();
    connect(&m_thread, &zarCoreThread::sendReportDiscover, this, &zarCore::onReportDiscover);
    connect(&m_thread, &zarCoreThread::sendReportCalibrate, this, &zarCore::onReportCalibrate);
    connect(&m_thread, &zarCoreThread::sendReportResistance, this, &zarCore::onReportResistance);
    connect(&m_thread, &zarCoreThread::sendReportET2D, this, &zarCore::onReportET2D);
    connect(&m_thread, &zarCoreThread::sendReportVES, this, &zarCore::onReportVES);
    connect(&m_thread, &zarCoreThread::sendReportSignal, this, &zarCore::onReportSignal);
    connect(&m_thread, &zarCoreThread::sendReportSensor, this, &zarCore::onReportSensor);
    connect(&m_thread, &zarCoreThread::sendReportClock, this, &zarCore::onReportClock);
    connect(&m_thread, &zarCoreThread::sendReportSound, this, &zarCore::onReportSound);
    connect(&m_thread, &zarCoreThread::sendReportProduction, this, &zarCore::onReportProduction);
    connect(&m_thread, &zarCoreThread::sendReportTxAux, this, &zarCore::onReportTxAux);
    connect(&m_thread, &zarCoreThread::sendReportSwAux, this, &zarCore::onReportSwAux);
    connect(&m_thread, &zarCoreThread::sendReportRxAux, this, &zarCore::onReportRxAux);
    connect(&m_thread, &zarCoreThread::sendReportRxStress, this, &zarCore::onReportRxStress);
}

zarCore::~zarCore()
{
    shutDownThread();
}

void zarCore::shutDownThread()
{
    // Cut the thread off first, so the cancelled job's report reaches nobody.
    disconnect(&m_thread, nullptr, nullptr, nullptr);
    if (m_thread.isRunning()) {
        m_thread.abort();
        m_thread.wait();
    }
}

void zarCore::start()
{
    m_thread.start(QThread::InheritPriority);
}

void zarCore::discover() { startJob(zarJobDiscover, &zarCoreThread::setDiscover); }
void zarCore::signal(const zarCoreParamSignal p) { startJob(zarJobSignal, &zarCoreThread::setSignal, p); }
void zarCore::resistance(const zarCoreParamResistance p) { startJob(zarJobResistance, &zarCoreThread::setResistance, p); }
void zarCore::calibrate(const zarCoreParamCalibrate p) { startJob(zarJobCalibrate, &zarCoreThread::setCalibrate, p); }
void zarCore::et2d(const zarCoreParamET2D p) { startJob(zarJobET2D, &zarCoreThread::setEt2d, p); }
void zarCore::ves(const zarMeasureSettings p) { startJob(zarJobVES, &zarCoreThread::setVes, p); }
void zarCore::clock(const zarCoreParamClock p) { startJob(zarJobClock, &zarCoreThread::setClock, p); }
void zarCore::production(const zarCoreParamProduction p) { startJob(zarJobProduction, &zarCoreThread::setProduction, p); }
void zarCore::txCommand(const zarCoreParamTxAux p) { startJob(zarJobTxAux, &zarCoreThread::setTx, p); }
void zarCore::swCommand(const zarCoreParamSwAux p) { startJob(zarJobSwAux, &zarCoreThread::setSw, p); }
void zarCore::rxCommand(const zarCoreParamRxAux p) { startJob(zarJobRxAux, &zarCoreThread::setRx, p); }
void zarCore::rxStress(const zarCoreParamRxStress p) { startJob(zarJobRxStress, &zarCoreThread::setRxStress, p); }
void zarCore::panic() { startJob(zarJobStopAll, &zarCoreThread::setPanic); }

void zarCore::sensors()
{
    if (m_thread.isRunning())
        return;
    m_thread.setSensors();
    observe(zarJobSensor, 0);
    start();
}

void zarCore::sound(quint8 code)
{
    m_thread.abort();
    m_thread.wait();
    m_thread.setSound(code);
    observe(zarJobSound, code);
    start();
}

void zarCore::stop()
{
    m_thread.abort();
}

// Relays: the report is passed on only once the thread has returned, so a
// handler can start the next job at once.
void zarCore::onReportDiscover(const zarCoreReportDiscover r) { m_thread.wait(); emit sendReportDiscover(r); }
void zarCore::onReportCalibrate(const zarCoreReportCalibrate r) { m_thread.wait(); emit sendReportCalibrate(r); }
void zarCore::onReportResistance(const zarCoreReportResistance r) { m_thread.wait(); emit sendReportResistance(r); }
void zarCore::onReportSignal(const zarCoreReportSignal r) { m_thread.wait(); emit sendReportSignal(r); }
void zarCore::onReportVES(const zarCoreReportVES r) { m_thread.wait(); emit sendReportVES(r); }
void zarCore::onReportSensor(const zarCoreReportSensor r) { m_thread.wait(); emit sendReportSensor(r); }
void zarCore::onReportClock(const zarCoreReportClock r) { m_thread.wait(); emit sendReportClock(r); }
void zarCore::onReportSound(const zarCoreReportSound r) { m_thread.wait(); emit sendReportSound(r); }
void zarCore::onReportProduction(const zarCoreReportProduction r) { m_thread.wait(); emit sendReportProduction(r); }
void zarCore::onReportTxAux(const zarCoreReportTxAux r) { m_thread.wait(); emit sendReportTxAux(r); }
void zarCore::onReportSwAux(const zarCoreReportSwAux r) { m_thread.wait(); emit sendReportSwAux(r); }
void zarCore::onReportRxAux(const zarCoreReportRxAux r) { m_thread.wait(); emit sendReportRxAux(r); }
void zarCore::onReportRxStress(const zarCoreReportRxStress r) { m_thread.wait(); emit sendReportRxStress(r); }

void zarCore::onReportET2D(const zarCoreReportET2D r)
{
    m_thread.wait();
    zarCoreReportSensor sensor;
    sensor.error = r.sensorError;
    sensor.sensors = r.sensors;
    // A handler of the sensor report may end the core (shut-down): then stop here.
    QPointer<zarCore> alive(this);
    emit sendReportSensor(sensor);
    if (alive)
        emit sendReportET2D(r);
}

bool doubleLessThan(const double& a, const double& b)
{
    return a < b;
}
