#ifndef ZARSESSIONDATAUNIT_H
#define ZARSESSIONDATAUNIT_H

#include "core/zarcorequadripole.h"
#include "core/zarmeasureset.h"
#include "templates/zarmeasurement.h"

// One row of a measurement session.
class zarSessionDataUnit
{
public:
    void configure(zarCableSpacing cableSpacing, zarMeasurement measurement);
    void derive();
    // Takes a good result of the core as this row's measurement.
    void store(const zarMeasureSet& result);

    // Bytes of a row without samples in a version-12 stream.
    enum : int { fixedSize = 113 };
    // Reads one row of the file layout (big-endian, doubles) from memory, as the
    // stream operator does; null when the row does not fit before end. The samples
    // become a series of the unit's own, or, with out given, are written there
    // (room for the count that skip gave) for the caller to attach.
    static const char* decode(const char* data, const char* end, zarSessionDataUnit& unit, float* out = nullptr);
    // Where the row at data ends and how many samples it holds; null when it does
    // not fit before end.
    static const char* skip(const char* data, const char* end, int& samples);

    float x = 0;
    float z = 0;
    float k = 1.0f;
    float rho = 0;
    qint8 setMask = 0;
    bool continues = false;
    bool groupParity = false;
    zarCoreQuadripole coreQuadripole;
    zarMeasureSet measureSet;
};

QDataStream& operator<<(QDataStream& stream, const zarSessionDataUnit& unit);
QDataStream& operator>>(QDataStream& stream, zarSessionDataUnit& unit);

#endif
