#ifndef ZARCOREJOB_H
#define ZARCOREJOB_H

#include <QtGlobal>

// Job numbers of the job thread; 0 and 16..255 run nothing.
enum zarCoreJob : quint8 {
    zarJobNone = 0,
    zarJobDiscover = 1,
    zarJobSignal = 2,
    zarJobResistance = 3,
    zarJobCalibrate = 4,
    zarJobET2D = 5,
    zarJobVES = 6,
    zarJobSensor = 7,
    zarJobClock = 8,
    zarJobSound = 9,
    zarJobProduction = 10,
    zarJobTxAux = 11,
    zarJobSwAux = 12,
    zarJobRxAux = 13,
    zarJobRxStress = 14,
    zarJobStopAll = 15
};

#endif
