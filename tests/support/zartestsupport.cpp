#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "core/zardiagnostics.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <QTimer>

zarTestEnvironment::zarTestEnvironment()
    : m_dir(QDir::tempPath() + QStringLiteral("/zar-test-XXXXXX"))
{
    zarDriveRoot::setPath(root());
    QDir().mkpath(settingsPath());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsPath());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsPath());
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, settingsPath() + QStringLiteral("/system"));
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, settingsPath() + QStringLiteral("/system"));
}

zarTestEnvironment::~zarTestEnvironment() = default;

zarDiagnosticCapture::zarDiagnosticCapture()
{
    zarDiagnostics::setStream(&m_stream);
}

zarDiagnosticCapture::~zarDiagnosticCapture()
{
    zarDiagnostics::setStream(nullptr);
}

QString zarDiagnosticCapture::text() const
{
    return QString::fromStdString(m_stream.str());
}

void zarDiagnosticCapture::clear()
{
    m_stream.str(std::string());
}

void zarWhenModal(std::function<void(QWidget*)> action, int timeoutMs)
{
    auto* timer = new QTimer(qApp);
    auto* clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, action, timeoutMs] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            action(modal);
        } else if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            delete clock;
        }
    });
    timer->start();
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
