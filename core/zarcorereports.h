#ifndef ZARCOREREPORTS_H
#define ZARCOREREPORTS_H

#include "core/zarcoreerror.h"
#include "core/zarmeasureset.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QMetaType>
#include <QString>
#include <QTime>
#include <QVector>

// One report per job, each headed by the job's error.

struct zarCoreReportDiscover
{
    zarCoreError error;
    QList<quint8> devices;
};

struct zarCoreReportCalibrate
{
    zarCoreError error;
};

struct zarCoreReportResistance
{
    zarCoreError error;
    quint16 wire = 0;
    float resistance = 0; // kOhm
};

struct zarCoreReportSignal
{
    zarCoreError error;
    QVector<float> txVoltagePositivePulse;
    QVector<float> txCurrentPositivePulse;
    QVector<float> rxVoltagePositivePulse;
    QVector<float> txVoltagePositivePause;
    QVector<float> txCurrentPositivePause;
    QVector<float> rxVoltagePositivePause;
    QVector<float> txVoltageNegativePulse;
    QVector<float> txCurrentNegativePulse;
    QVector<float> rxVoltageNegativePulse;
    QVector<float> txVoltageNegativePause;
    QVector<float> txCurrentNegativePause;
    QVector<float> rxVoltageNegativePause;
    zarMeasureSettings settings;
};

struct zarCoreReportET2D
{
    zarCoreError error;
    QList<zarMeasureSet> results;
    zarCoreError sensorError;
    QMap<quint8, float> sensors;
};

struct zarCoreReportVES
{
    zarCoreError error;
    zarMeasureSet result;
};

// Sensor numbers of zarCoreReportSensor::sensors.
enum zarSensor : quint8 {
    zarSensorInternalBattery = 1, // mV
    zarSensorExternalBattery = 2, // mV
    zarSensorMoisture = 3         // %
};

struct zarCoreReportSensor
{
    zarCoreError error;
    QMap<quint8, float> sensors;
};

struct zarCoreReportClock
{
    zarCoreError error;
    quint8 set = 0;
    QDate date;
    QTime time;
};

struct zarCoreReportSound
{
    zarCoreError error;
};

struct zarCoreReportProduction
{
    zarCoreError error;
    quint8 test = 255; // every builder sets the job's test
    quint8 passed = 1;
    QString text1;
    QString text2;
    QString text3;
};

struct zarCoreReportTxAux
{
    zarCoreError error;
    float temperature = -298.0f; // no reading
};

struct zarCoreReportSwAux
{
    zarCoreError error;
};

struct zarCoreReportRxAux
{
    zarCoreError error;
    QVector<float> samples;
};

struct zarCoreReportRxStress
{
    zarCoreError error;
    QString result;
};

Q_DECLARE_METATYPE(zarCoreReportDiscover)
Q_DECLARE_METATYPE(zarCoreReportCalibrate)
Q_DECLARE_METATYPE(zarCoreReportResistance)
Q_DECLARE_METATYPE(zarCoreReportSignal)
Q_DECLARE_METATYPE(zarCoreReportET2D)
Q_DECLARE_METATYPE(zarCoreReportVES)
Q_DECLARE_METATYPE(zarCoreReportSensor)
Q_DECLARE_METATYPE(zarCoreReportClock)
Q_DECLARE_METATYPE(zarCoreReportSound)
Q_DECLARE_METATYPE(zarCoreReportProduction)
Q_DECLARE_METATYPE(zarCoreReportTxAux)
Q_DECLARE_METATYPE(zarCoreReportSwAux)
Q_DECLARE_METATYPE(zarCoreReportRxAux)
Q_DECLARE_METATYPE(zarCoreReportRxStress)

// Registers the fourteen report types under their own names (once per process).
void zarRegisterCoreReports();

#endif
