#ifndef ZARGRID_H
#define ZARGRID_H

#include <QtGlobal>

// Indices and sizes of the template grid and the cable layout.
typedef quint8 zarSpacing;      // spacing index 0..29
typedef quint8 zarLevel;        // level index 0..98
typedef quint8 zarCable;        // number of 32-electrode cables
typedef float zarCableSpacing;  // electrode spacing, metres

namespace zarGrid {
const int spacings = 30;
const int levels = 99;
const int electrodesPerCable = 32;
const int maxSets = 8;
const int maxCables = 2;
const int arrayTypes = 22;
// Bounds of the values read from files. The arrangement dialog offers 0.1 to 10 m;
// everything derived from a spacing (positions, depths, profile length) stays far
// below maxMetres, which still converts to the slider's tenths of a metre as an int.
const float maxCableSpacing = 1000.0f;
const float maxMetres = 1.0e6f;
}

#endif
