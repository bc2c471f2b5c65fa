#ifndef ZARSAFESAVE_H
#define ZARSAFESAVE_H

#include <QString>

#include <functional>

class QSaveFile;

// The last step of every save of a data file. QSaveFile writes a temporary copy,
// syncs it and renames it over the old file; the directory is synced after the
// rename so that the new name survives a power cut, and complete copies left by
// a save that was killed before its rename are removed.
class zarSafeSave
{
public:
    // The temporary copy is named "<file name>." and six letters or digits (where
    // the system cannot make it without a name), so a file name must leave room for them.
    enum { copySuffixLength = 7 };

    // True when the file was committed; the directory sync is best effort.
    static bool commit(QSaveFile& file);
    static bool syncDirectory(const QString& directory);
    // Removes "<file name>.XXXXXX" copies beside path; returns how many went.
    static int removeStaleCopies(const QString& path);
    // Tests watch the directory syncs; null restores silence.
    static void setSyncObserver(std::function<void(const QString&)> observer);
};

#endif
