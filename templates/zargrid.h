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
}

#endif
