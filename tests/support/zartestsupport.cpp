#include "zartestsupport.h"

#include "core/zarconstants.h"

#include <QDir>
#include <QSettings>

zarTestEnvironment::zarTestEnvironment()
    : m_dir(QDir::tempPath() + QStringLiteral("/zar-test-XXXXXX"))
{
    zarDriveRoot::setPath(m_dir.path() + QLatin1Char('/'));
    const QString settings = m_dir.path() + QStringLiteral("/settings");
    QDir().mkpath(settings);
    for (QSettings::Format format : { QSettings::NativeFormat, QSettings::IniFormat }) {
        QSettings::setPath(format, QSettings::UserScope, settings);
        QSettings::setPath(format, QSettings::SystemScope, settings + QStringLiteral("/system"));
    }
}

bool zarWaitFor(std::function<bool()> condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}
