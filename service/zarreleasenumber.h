#ifndef ZARRELEASENUMBER_H
#define ZARRELEASENUMBER_H

// This program's own release: shown by the release notes and compared by the updater.
const int zarReleaseNumber = 1;

#endif
