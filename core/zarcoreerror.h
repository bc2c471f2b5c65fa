#ifndef ZARCOREERROR_H
#define ZARCOREERROR_H

#include <QString>

enum zarCoreErrorCode : quint8 {
    zarErrorSuccess = 0,
    zarErrorSimulated = 1,
    zarErrorNoConnection = 2,
    zarErrorSend = 3,
    zarErrorReceive = 4,
    zarErrorNoResponse = 5,
    zarErrorExternalBatteryLow = 6,
    zarErrorCondensation = 7,
    zarErrorShortCircuitSoftware = 8,
    zarErrorShortCircuitHardware = 9,
    zarErrorOpenCircuitSoftware = 10,
    zarErrorOpenCircuitHardware = 11,
    zarErrorBatteryLowOrShort = 12,
    zarErrorOverheated = 13,
    zarErrorCanceled = 14,
    zarErrorCodeBug = 15
};

// The two-byte error at the head of every report.
struct zarCoreError
{
    zarCoreError() = default;
    // Packed form: code in the low byte, parameter in the high byte.
    zarCoreError(int packed)
        : code(quint8(packed & 0xFF)), param(quint8((packed >> 8) & 0xFF)) {}

    int packed() const { return code + 256 * param; }
    QString text() const;

    quint8 code = 0;
    quint8 param = 0;
};

#endif
