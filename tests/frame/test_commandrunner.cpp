#include "zartestsupport.h"

#include "frame/zarcommandrunner.h"

// The command runner tells every outcome of a real process.
class TestCommandRunner : public QObject
{
    Q_OBJECT

private slots:
    void outcomes()
    {
        QCOMPARE(zarCommandRunner::run(QStringLiteral("true"), {}, 5000), zarCommandRunner::Succeeded);
        QCOMPARE(zarCommandRunner::run(QStringLiteral("false"), {}, 5000), zarCommandRunner::Failed);
        QCOMPARE(zarCommandRunner::run(QStringLiteral("/nonexistent/usb_start"), {}, 5000), zarCommandRunner::NotStarted);
        QCOMPARE(zarCommandRunner::run(QStringLiteral("sleep"), { QStringLiteral("30") }, 100), zarCommandRunner::TimedOut);
    }
};

ZAR_TEST_MAIN(TestCommandRunner)
#include "test_commandrunner.moc"
