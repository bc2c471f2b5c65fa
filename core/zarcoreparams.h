#ifndef ZARCOREPARAMS_H
#define ZARCOREPARAMS_H

#include "core/zarcorequadripole.h"
#include "core/zarmeasuresettings.h"

#include <QDate>
#include <QList>
#include <QTime>

// Parameter records of the core jobs, copied whole into the job thread.
// Fields without a stated default are set by every caller of their command.

struct zarCoreParamSignal
{
    zarCoreQuadripole quadripole;
    zarMeasureSettings settings;
};

struct zarCoreParamResistance
{
    quint16 wire = 0; // electrode, 0xFFFF remote transmitter, 0xFFFE remote receiver
};

struct zarCoreParamCalibrate
{
    quint16 samples = 40;
    quint8 restoreDefault = 0;
};

struct zarCoreParamET2D
{
    QList<zarCoreQuadripole> quadripoles;
    zarMeasureSettings settings;
};

struct zarCoreParamClock
{
    quint8 set = 0;
    QDate date;
    QTime time;
};

struct zarCoreParamProduction
{
    quint8 test = 255; // no test
};

struct zarCoreParamTxAux
{
    quint8 pulse = 0;
    quint8 adjust = 0;
    quint8 stop = 0;
    quint8 transmitter = 0;
    quint8 command = 0;
    quint16 duration = 0;
    quint8 power = 0;
};

struct zarCoreParamSwAux
{
    quint8 board = 0;
    quint8 set = 0;
    quint8 reset = 0;
    quint8 grounding = 0;
    quint8 all = 0;
    quint8 phantom = 0;
    quint8 apply = 1;
    quint8 pinMB = 0;
    quint16 electrode = 0;
};

struct zarCoreParamRxAux
{
    quint8 receiver = 0;
    quint16 samples = 0;
    quint8 start = 0;
    quint8 reset = 0;
    quint8 get = 0;
    quint8 lowRange = 0;
    quint8 highRange = 0;
    quint8 calibrationInput = 0;
    quint8 measureInput = 0;
    quint8 clear = 0;
};

struct zarCoreParamRxStress
{
    quint8 device = 0;
    quint16 samples = 0;
    quint32 pause = 0;
};

#endif
