#include "core/zarsafesave.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {
std::function<void(const QString&)> syncObserver;
}

bool zarSafeSave::commit(QSaveFile& file)
{
    const QString path = file.fileName();
    if (!file.commit())
        return false;
    const QFileInfo info(path);
    syncDirectory(info.absolutePath());
    removeStaleCopies(info.absoluteFilePath());
    return true;
}

bool zarSafeSave::syncDirectory(const QString& directory)
{
    bool synced = true;
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    synced = ::fsync(fd) == 0;
    ::close(fd);
#else
    synced = QFileInfo(directory).isDir();
#endif
    if (synced && syncObserver)
        syncObserver(directory);
    return synced;
}

int zarSafeSave::removeStaleCopies(const QString& path)
{
    const QFileInfo info(path);
    const QRegularExpression stale(QStringLiteral("^%1\\.[A-Za-z0-9]{%2}$")
                                       .arg(QRegularExpression::escape(info.fileName()),
                                            QString::number(copySuffixLength - 1)));
    QDir dir = info.absoluteDir();
    int removed = 0;
    // No name filter: the operator's names may hold wildcard characters.
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names)
        if (stale.match(name).hasMatch() && dir.remove(name))
            ++removed;
    return removed;
}

void zarSafeSave::setSyncObserver(std::function<void(const QString&)> observer)
{
    syncObserver = std::move(observer);
}
