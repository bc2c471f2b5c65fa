#ifndef ZARNAMES_H
#define ZARNAMES_H

#include <QString>

// Electrode-array code 0..21; any other value is an unknown array.
typedef quint8 zarArrayType;
// Bus address of a device on the core board; 254 all switch boards, 255 all receivers.
typedef quint8 zarAddress;

QString arrayName(zarArrayType type);
QString deviceName(zarAddress address);

// A name the operator typed for a file of one of the program's directories: not
// empty and without any directory part, so it can never lead out of that directory.
bool isPlainFileName(const QString& name);

#endif
