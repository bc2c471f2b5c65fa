#ifndef ZARTESTSUPPORT_H
#define ZARTESTSUPPORT_H

#include "core/zardiagnostics.h"
#include "frame/zarguistyle.h"
#include "frame/zarwindowraiser.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>
#include <sstream>

// A private drive root and settings store for one test executable, so that
// nothing touches the real home directory or the user's settings.
class zarTestEnvironment
{
public:
    zarTestEnvironment();

private:
    QTemporaryDir m_dir;
};

// Captures the diagnostic lines for as long as it lives.
class zarDiagnosticCapture
{
public:
    zarDiagnosticCapture() { zarDiagnostics::setStream(&m_stream); }
    ~zarDiagnosticCapture() { zarDiagnostics::setStream(nullptr); }
    QString text() const { return QString::fromStdString(m_stream.str()); }
    void clear() { m_stream.str(std::string()); }

private:
    std::ostringstream m_stream;
};

// Runs action on the next visible modal dialog of class Dialog within timeoutMs,
// passing over modal widgets of other classes (for chains of different dialogs).
// Returns at once; the action runs from a timer while the caller sits in exec().
template <class Dialog>
void zarWhenModalOf(std::function<void(Dialog*)> action, int timeoutMs = 5000)
{
    auto* timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, action, timeoutMs] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        const bool found = dialog && dialog->isVisible();
        if (found || clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
        if (found)
            action(dialog);
    });
    timer->start(10);
}

// The same for the next modal widget of any class.
inline void zarWhenModal(std::function<void(QWidget*)> action, int timeoutMs = 5000)
{
    zarWhenModalOf<QWidget>(std::move(action), timeoutMs);
}

// Spins the event loop until condition holds or timeoutMs passes.
bool zarWaitFor(std::function<bool()> condition, int timeoutMs = 10000);

#define ZAR_TEST_MAIN(TestObject) \
    int main(int argc, char* argv[]) \
    { \
        zarTestEnvironment environment; \
        QApplication application(argc, argv); \
        zarGuiStyle::installFonts(); \
        zarWindowRaiser::install(); \
        TestObject test; \
        QTEST_SET_MAIN_SOURCE_PATH \
        return QTest::qExec(&test, argc, argv); \
    }

#endif
