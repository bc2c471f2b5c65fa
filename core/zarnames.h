#ifndef ZARNAMES_H
#define ZARNAMES_H

#include <QString>

// Electrode-array code 0..21; any other value is an unknown array.
typedef quint8 zarArrayType;
// Bus address of a device on the core board; 254 all switch boards, 255 all receivers.
typedef quint8 zarAddress;

QString arrayName(zarArrayType type);
QString deviceName(zarAddress address);

// A name the operator typed for a file of one of the program's directories, the
// file being name + "." + extension: not blank, not hidden (no leading dot), without
// any directory part so it can never lead out of that directory, free of what
// Windows refuses in a name (the instrument's own system, and the PC its card is
// read on), and short enough for the file system's limit of 255 per name, also
// while the save writes it under a temporary name.
bool isPlainFileName(const QString& name, const QString& extension);

#endif
