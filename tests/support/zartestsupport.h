#ifndef ZARTESTSUPPORT_H
#define ZARTESTSUPPORT_H

#include <QApplication>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <sstream>

// A private drive root and settings store for one test executable, so that
// nothing touches the real home directory or the user's settings.
class zarTestEnvironment
{
public:
    zarTestEnvironment();
    ~zarTestEnvironment();
    QString root() const { return m_dir.path() + QLatin1Char('/'); }
    QString settingsPath() const { return m_dir.path() + QStringLiteral("/settings"); }

private:
    QTemporaryDir m_dir;
};

// Captures the diagnostic lines for as long as it lives.
class zarDiagnosticCapture
{
public:
    zarDiagnosticCapture();
    ~zarDiagnosticCapture();
    QString text() const;
    void clear();

private:
    std::ostringstream m_stream;
};

// Runs action on the next modal widget (dialog) that appears within timeoutMs.
// Returns at once; the action runs from a timer while the caller sits in exec().
void zarWhenModal(std::function<void(QWidget*)> action, int timeoutMs = 5000);

// Spins the event loop until condition holds or timeoutMs passes.
bool zarWaitFor(std::function<bool()> condition, int timeoutMs = 10000);

#define ZAR_TEST_MAIN(TestObject) \
    int main(int argc, char* argv[]) \
    { \
        zarTestEnvironment environment; \
        QApplication application(argc, argv); \
        TestObject test; \
        QTEST_SET_MAIN_SOURCE_PATH \
        return QTest::qExec(&test, argc, argv); \
    }

#endif
