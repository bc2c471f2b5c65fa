#ifndef ZARCONSTANTS_H
#define ZARCONSTANTS_H

#include <QString>

// Root of drive C: on this computer: "C:/" on Windows, the home directory elsewhere.
// Tests point it at a temporary directory before any screen exists.
class zarDriveRoot
{
public:
    static QString path();
    static void setPath(const QString& root);
};

// One of the program's working directories below the drive root. It reads like a
// QString ("templatesDir + name") but follows the drive root when that moves.
class zarDirectory
{
public:
    explicit zarDirectory(const char* part) : m_part(part) {}
    QString path() const;
    operator QString() const { return path(); }
    bool operator==(const QString& other) const { return path() == other; }

private:
    const char* m_part;
};

inline QString operator+(const zarDirectory& dir, const QString& name) { return dir.path() + name; }
inline QString operator+(const zarDirectory& dir, const char* name) { return dir.path() + QLatin1String(name); }
inline QString operator+(const zarDirectory& dir, QLatin1String name) { return dir.path() + name; }

extern const QString pulseDurationList;
extern const QString pauseDurationList;
extern const QString deviationLimitList;
extern const QString instrumentName;
extern const zarDirectory templatesDir;
extern const zarDirectory ertlabDir;
extern const zarDirectory sessionsDir;
extern const zarDirectory systemDir;
extern const zarDirectory tmpDir;
extern const QString corePortName;
extern const QString corePortSettings;
extern const QString secondPortName;
extern const QString secondPortSettings;
extern const QString ertlabMarker;
extern const QString downloadFileName;
extern const QString settingsScope;
extern const QString autosaveName;
extern const QString pseudoDepthResource;
extern const QString templateExtension;
extern const QString sessionExtension;
extern const QString releaseExtension;
extern const QString engineerCodeA;
extern const QString engineerCodeB;
extern const QString updateHost;
extern const QString updateUser;
extern const QString updatePassword;
extern const QString logBreak;
extern const QString logPassed;
extern const QString logFailed;
extern const QString logLessThan;
extern const QString logGreaterThan;

#endif
