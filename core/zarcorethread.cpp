#include "core/zarcorethread.h"

#include "core/zarconstants.h"
#include "core/zardiagnostics.h"
#include "core/zarserialport.h"

#include <QMutexLocker>

#include <cmath>

zarCoreThread::zarCoreThread()
    : m_port(new zarSerialPort(corePortName, corePortSettings))
{
    for (quint16 electrode = 0; electrode < 64; ++electrode)
        m_electrodeTimers.insert(electrode, QElapsedTimer());
    m_electrodeTimers.insert(0xFFFF, QElapsedTimer());
    m_electrodeTimers.insert(0xFFFE, QElapsedTimer());
    m_referenceTime.start();
}

zarCoreThread::~zarCoreThread()
{
    // A running QThread must never be destroyed: cancel and let the job end.
    abort();
    wait();
}

void zarCoreThread::arm(zarCoreJob job)
{
    m_job = job;
    m_abort.store(false);
}

void zarCoreThread::setDiscover() { arm(zarJobDiscover); }
void zarCoreThread::setSignal(const zarCoreParamSignal& p) { m_signal = p; arm(zarJobSignal); }
void zarCoreThread::setResistance(const zarCoreParamResistance& p) { m_resistance = p; arm(zarJobResistance); }
void zarCoreThread::setCalibrate(const zarCoreParamCalibrate& p) { m_calibrate = p; arm(zarJobCalibrate); }
void zarCoreThread::setEt2d(const zarCoreParamET2D& p) { m_et2d = p; arm(zarJobET2D); }
void zarCoreThread::setVes(const zarMeasureSettings& p) { m_ves = p; arm(zarJobVES); }
void zarCoreThread::setSensors() { arm(zarJobSensor); }
void zarCoreThread::setClock(const zarCoreParamClock& p) { m_clock = p; arm(zarJobClock); }
void zarCoreThread::setSound(quint8 sound) { m_sound = sound; arm(zarJobSound); }
void zarCoreThread::setProduction(const zarCoreParamProduction& p) { m_production = p; arm(zarJobProduction); }
void zarCoreThread::setTx(const zarCoreParamTxAux& p) { m_tx = p; arm(zarJobTxAux); }
void zarCoreThread::setSw(const zarCoreParamSwAux& p) { m_sw = p; arm(zarJobSwAux); }
void zarCoreThread::setRx(const zarCoreParamRxAux& p) { m_rx = p; arm(zarJobRxAux); }
void zarCoreThread::setRxStress(const zarCoreParamRxStress& p) { m_rxStress = p; arm(zarJobRxStress); }
void zarCoreThread::setPanic() { arm(zarJobStopAll); }

void zarCoreThread::abort()
{
    QMutexLocker lock(&m_mutex);
    m_abort.store(true);
}

void zarCoreThread::run()
{
    setErrorCode(zarErrorSuccess);
    switch (m_job) {
    case zarJobDiscover: emit sendReportDiscover(simulateDiscover()); break;
    case zarJobSignal: emit sendReportSignal(simulateSignal()); break;
    case zarJobResistance: emit sendReportResistance(simulateResistance()); break;
    case zarJobCalibrate: emit sendReportCalibrate(simulateCalibrate()); break;
    case zarJobET2D: emit sendReportET2D(simulateET2D()); break;
    case zarJobVES: emit sendReportVES(simulateVES()); break;
    case zarJobSensor: emit sendReportSensor(simulateSensor()); break;
    case zarJobClock: emit sendReportClock(simulateClock()); break;
    case zarJobSound: emit sendReportSound(simulateSound()); break;
    case zarJobProduction: emit sendReportProduction(simulateProduction()); break;
    case zarJobTxAux: emit sendReportTxAux(simulateTxAux()); break;
    case zarJobSwAux: emit sendReportSwAux(simulateSwAux()); break;
    case zarJobRxAux: emit sendReportRxAux(simulateRxAux()); break;
    case zarJobRxStress: emit sendReportRxStress(simulateRxStress()); break;
    case zarJobStopAll: stopAll(); break;
    default: break;
    }
    // The port was created in this thread: let it go here too, not in the GUI thread.
    if (m_port)
        m_port->close();
    m_job = zarJobNone;
}

void zarCoreThread::diagnostic(const std::string& message)
{
    zarDiagnostics::line("zarCoreThread error: " + message);
}

bool zarCoreThread::cancelled()
{
    {
        QMutexLocker lock(&m_mutex);
        m_abort.store(false);
    }
    setErrorCode(zarErrorCanceled);
    return false;
}

bool zarCoreThread::delay(quint32 msec)
{
    if (msec == 0)
        return true;
    if (msec > 30000) {
        diagnostic("delay msec is invalid: " + std::to_string(msec));
        setErrorCode(zarErrorCodeBug);
        return false;
    }
    QElapsedTimer timer;
    timer.start();
    if (m_abort.load())
        return cancelled();
    for (;;) {
        if (timer.elapsed() >= qint64(msec))
            return m_abort.load() ? cancelled() : true;
        QThread::usleep(200);
        if (m_abort.load())
            return cancelled();
    }
}

bool zarCoreThread::delayRemaining(quint32 msec)
{
    const qint64 elapsed = m_referenceTime.elapsed();
    if (elapsed > qint64(msec))
        return true;
    return delay(quint32(qint64(msec) - elapsed));
}

bool zarCoreThread::isNear(float value, float target)
{
    const float magnitude = std::fabs(target);
    return value > 0.9f * magnitude && value < 1.1f * magnitude;
}

bool zarCoreThread::invertPolarity(quint8 address, QVector<float>& samples, const QSet<quint8>& inverted)
{
    if (inverted.contains(address))
        for (float& sample : samples)
            sample = -sample;
    return true;
}

bool zarCoreThread::restartReferenceTime()
{
    m_referenceTime.restart();
    return true;
}

void zarCoreThread::setElectrodeStates(const QVector<quint16>& electrodes, const zarMeasureSettings& settings)
{
    m_electrodeSettings = settings;
    for (quint16 electrode : electrodes)
        m_electrodeTimers[electrode].start();
}

bool zarCoreThread::setTxElectrodeStates(const QList<zarCoreQuadripole>& quadripoles, const zarMeasureSettings& settings)
{
    if (quadripoles.isEmpty()) {
        diagnostic("setTxElectrodeStates quadripoles is empty");
        setErrorCode(zarErrorCodeBug);
        return false;
    }
    m_electrodeSettings = settings;
    m_electrodeTimers[quint16(quadripoles.first().a)].start();
    m_electrodeTimers[quint16(quadripoles.first().b)].start();
    return true;
}

qint64 zarCoreThread::electrodeIdleTime(quint16 electrode) const
{
    const auto it = m_electrodeTimers.constFind(electrode);
    if (it == m_electrodeTimers.constEnd() || !it->isValid())
        return -1;
    return it->elapsed();
}
