#include "zarengineerfixture.h"

#include "core/zarconstants.h"
#include "engineer/zarnetworkaddresses.h"
#include "frame/zarcommandrunner.h"
#include "frame/zarmainwidget.h"
#include "frame/zarpassworddialog.h"

#include <QDir>
#include <QSignalSpy>
#include <QTextBrowser>

using Reply = zarAnswerAll::Reply;
using Outcome = zarCommandRunner::Outcome;
using Addresses = QList<zarNetworkAddresses::Entry>;
Q_DECLARE_METATYPE(Addresses)
Q_DECLARE_METATYPE(zarCommandRunner::Outcome)

// Production tests through the simulated core, the USB and LAN tests through their
// seams, and the log: its entries, its file and the close that offers it.
class TestProductionRun : public QObject
{
    Q_OBJECT

    static QString iconName(const QToolButton* button)
    {
        const QImage shown = button->icon().pixmap(48).toImage();
        for (const char* name : { "question", "play", "accept", "close" })
            if (QIcon(QStringLiteral(":/icons/icons/%1.png").arg(name)).pixmap(48).toImage() == shown)
                return QString::fromLatin1(name);
        return QStringLiteral("other");
    }

    static QString head(const QString& title)
    {
        return QStringLiteral("<font color=blue>") + title + QStringLiteral(":</font> <br>  <br> ");
    }

    static QString logPath() { return systemDir + QStringLiteral("engineer.html"); }

    static QByteArray logFile()
    {
        QFile file(logPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }

    static void emitReport(quint8 test, quint8 code, quint8 passed)
    {
        zarCoreReportProduction report;
        report.test = test;
        report.error.code = code;
        report.passed = passed;
        emit zarCore::instance()->sendReportProduction(report);
    }

    static bool waitForReport()
    {
        QSignalSpy spy(zarCore::instance(), &zarCore::sendReportProduction);
        return spy.wait(5000);
    }

    static Addresses lanWith(const QStringList& addresses, bool up = true)
    {
        Addresses list;
        for (const QString& a : addresses)
            list.append({ QHostAddress(a), up });
        return list;
    }

private slots:
    void init()
    {
        QDir(systemDir).removeRecursively();
        QFile::remove(systemDir.path().chopped(1));
        QVERIFY(QDir().mkpath(systemDir));
    }

    void cleanup()
    {
        zarCommandRunner::setHandler(nullptr);
        zarNetworkAddresses::setSource(nullptr);
    }

    void declinedChangesNothing()
    {
        zarEngineerScreen fixture;
        zarJobRecorder jobs;
        fixture.answers.replies = { Reply::No };
        fixture.screen.proToolButton05->click();
        QCOMPARE(fixture.answers.texts, QStringList({ fixture.screen.instructions().at(5) + "\nAre you ready to continue?" }));
        QVERIFY(jobs.jobs.isEmpty() && fixture.screen.proFrame->isEnabled());
        QCOMPARE(iconName(fixture.screen.proToolButton05), QStringLiteral("question"));
    }

    // Stop cancels a core test; a rerun locks the list, plays, passes and replaces the log.
    void coreTestStopAndRerun()
    {
        zarEngineerScreen fixture;
        zarEngineerWidget& s = fixture.screen;
        s.proToolButton13->click();
        s.proStopPushButton->click();
        QVERIFY(waitForReport());
        QCOMPARE(iconName(s.proToolButton13), QStringLiteral("question"));
        QCOMPARE(s.logs().at(13), head("Check Tx output voltage") + " <br> <font color=red>Canceled by user</font>");
        zarJobRecorder jobs;
        s.proToolButton13->click();
        QCOMPARE(int(jobs.last<zarCoreParamProduction>().test), 13);
        QVERIFY(!s.proFrame->isEnabled() && s.proStopPushButton->isEnabled() && iconName(s.proToolButton13) == "play");
        QVERIFY(waitForReport());
        QVERIFY(s.proFrame->isEnabled() && iconName(s.proToolButton13) == "accept");
        QCOMPARE(s.logs().at(13), head("Check Tx output voltage"));
    }

    // The log of a test in a full-screen dialog; empty for a test not run.
    void logDialog()
    {
        zarEngineerScreen fixture;
        emitReport(7, zarErrorSimulated, 1);
        QStringList shown;
        for (QPushButton* log : { fixture.screen.logPushButton07, fixture.screen.logPushButton03 }) {
            zarWhenModal([&shown](QWidget* dialog) {
                shown << dialog->findChild<QTextBrowser*>()->toPlainText() << QString::number(dialog->width() * 1000 + dialog->height());
                dialog->findChild<QPushButton*>()->click();
            });
            log->click();
        }
        QCOMPARE(shown, QStringList({ "Check 33...64 cable socket: \n\n\nSimulated error", "1024600", "", "1024600" }));
    }

    void reportOutcome_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("passed");
        QTest::addColumn<QString>("icon");
        QTest::addColumn<QString>("tail");
        QTest::newRow("passed") << 0 << 1 << "accept" << "";
        QTest::newRow("failed") << 0 << 0 << "close" << "";
        QTest::newRow("cancelled, passed ignored") << 14 << 1 << "question" << " <br> <font color=red>Canceled by user</font>";
        QTest::newRow("other error, passed ignored") << 13 << 1 << "close" << " <br> <font color=red>Generator is overheated</font>";
    }

    void reportOutcome()
    {
        QFETCH(int, code);
        QFETCH(int, passed);
        QFETCH(QString, icon);
        QFETCH(QString, tail);
        zarEngineerScreen fixture;
        emitReport(20, quint8(code), quint8(passed));
        QCOMPARE(iconName(fixture.screen.proToolButton20), icon);
        QCOMPARE(fixture.screen.logs().at(20), head("Check Tx overheat protection") + tail);
    }

    // A report for a test the screen does not have unlocks the list and touches no log.
    void reportOfAnUnknownTest()
    {
        zarEngineerScreen fixture;
        zarDiagnosticCapture diagnostics;
        fixture.screen.proToolButton02->click();
        emitReport(22, 0, 1);
        QVERIFY(fixture.screen.proFrame->isEnabled());
        QCOMPARE(fixture.screen.logs(), QVector<QString>(zarEngineerWidget::testCount));
        QVERIFY2(diagnostics.text().contains("zarEngineerWidget error: production test is invalid: 22"), qPrintable(diagnostics.text()));
        QVERIFY(waitForReport());
    }

    void usbTest_data()
    {
        QTest::addColumn<Outcome>("start");
        QTest::addColumn<Outcome>("stop");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<QString>("icon");
        QTest::addColumn<QString>("text");
        const QString ask = QStringLiteral("Did USB drive appear?");
        const QString tick = logPassed, cross = logFailed;
        QTest::newRow("drive appeared") << Outcome::Succeeded << Outcome::Succeeded << int(Reply::Yes) << QStringList({ ask })
                                        << "accept" << "Detecting USB appearance" + tick;
        QTest::newRow("no drive") << Outcome::Succeeded << Outcome::Succeeded << int(Reply::No) << QStringList({ ask })
                                  << "close" << "Detecting USB appearance" + cross;
        QTest::newRow("start times out: no question, stop all the same")
            << Outcome::TimedOut << Outcome::Succeeded << int(Reply::Yes) << QStringList()
            << "close" << "Detecting USB appearance" + cross + "<font color=red>Can not enter USB storage mode</font> <br> ";
        QTest::newRow("stop fails after a yes") << Outcome::Succeeded << Outcome::Failed << int(Reply::Yes) << QStringList({ ask })
            << "close" << "Detecting USB appearance" + cross + "<font color=red>Can not leave USB storage mode</font> <br> ";
    }

    // usb_stop runs after every usb_start, whatever either does.
    void usbTest()
    {
        QFETCH(Outcome, start);
        QFETCH(Outcome, stop);
        QFETCH(int, answer);
        QFETCH(QStringList, questions);
        QFETCH(QString, icon);
        QFETCH(QString, text);
        QStringList commands;
        zarCommandRunner::setHandler([&](const QString& program, const QStringList& arguments, int timeoutMs) {
            commands << QStringLiteral("%1%2 %3").arg(program, arguments.join(' ')).arg(timeoutMs);
            return program == QLatin1String("usb_start") ? start : stop;
        });
        zarEngineerScreen fixture;
        fixture.answers.replies = { Reply::Yes, Reply(answer) };
        fixture.screen.proToolButton08->click();
        QCOMPARE(commands, QStringList({ "usb_start 30000", "usb_stop 30000" }));
        QCOMPARE(fixture.answers.texts.mid(1), questions);
        QCOMPARE(iconName(fixture.screen.proToolButton08), icon);
        QCOMPARE(fixture.screen.logs().at(8), head("Check USB") + text);
        QVERIFY(fixture.screen.proFrame->isEnabled());
    }

    void lanTest_data()
    {
        QTest::addColumn<Addresses>("addresses");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("passed");
        QTest::newRow("loopback only") << lanWith({ "127.0.0.1", "::1" }) << "::1" << false;
        QTest::newRow("other loopback form") << lanWith({ "127.0.1.1" }) << "127.0.1.1" << false;
        QTest::newRow("link-local only") << lanWith({ "169.254.10.2", "fe80::1" }) << "fe80::1" << false;
        QTest::newRow("interface down") << lanWith({ "192.168.1.20" }, false) << "192.168.1.20" << false;
        QTest::newRow("no address") << Addresses() << "" << false;
        QTest::newRow("first that counts") << lanWith({ "127.0.0.1", "10.0.0.7", "192.168.1.20" }) << "10.0.0.7" << true;
        QTest::newRow("IPv6 global") << lanWith({ "2001:db8::5" }) << "2001:db8::5" << true;
    }

    void lanTest()
    {
        QFETCH(Addresses, addresses);
        QFETCH(QString, shown);
        QFETCH(bool, passed);
        zarNetworkAddresses::setSource([addresses] { return addresses; });
        zarEngineerScreen fixture;
        fixture.screen.proToolButton09->click();
        QCOMPARE(iconName(fixture.screen.proToolButton09), QString(passed ? "accept" : "close"));
        QCOMPARE(fixture.screen.logs().at(9), head("Check LAN") + "IPv4/IPv6 address: " + shown + (passed ? logPassed : logFailed));
    }

    // Header, the logs in test order with a break each, the end without a final line feed; UTF-8 without BOM.
    void logFileBytes()
    {
        zarNetworkAddresses::setSource([] { return lanWith({ "192.168.1.20" }); });
        zarEngineerScreen fixture;
        fixture.screen.proToolButton09->click();
        emitReport(0, 0, 1);
        QVERIFY(fixture.screen.close());
        const QString file = QString::fromUtf8(logFile());
        const QRegularExpressionMatch header =
            QRegularExpression(QStringLiteral("^<html>\n<head>\n</head>\n<body>\n(\\w+ \\w+ \\d+ \\d+) (\\d\\d:\\d\\d:\\d\\d) <br> ")).match(file);
        QVERIFY2(header.hasMatch(), qPrintable(file));
        QVERIFY(QDate::fromString(header.captured(1), Qt::TextDate).isValid());
        const QString log9 = head("Check LAN") + "IPv4/IPv6 address: 192.168.1.20   <font color=blue>" + QChar(0x2713) + "</font> <br> ";
        QCOMPARE(file, header.captured(0) + "1 (zar_0) <br>  <br> " + head("Adjust Rx channels") + " <br> " + log9 + " <br> "
                           + "\n</body>\n</html>");
        QVERIFY(logFile().startsWith("<html>"));
    }

    void closeAnswers_data()
    {
        QTest::addColumn<bool>("withLog");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("blocked"); // 0 no, 1 the directory is a file, 2 the log is a directory
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("written");
        const QString save = QStringLiteral("Save log?");
        QTest::newRow("no logs: no question") << false << int(Reply::Yes) << 0 << QStringList() << true << false;
        QTest::newRow("no") << true << int(Reply::No) << 0 << QStringList({ save }) << true << false;
        QTest::newRow("cancel keeps the screen") << true << int(Reply::Cancel) << 0 << QStringList({ save }) << false << false;
        QTest::newRow("yes") << true << int(Reply::Yes) << 0 << QStringList({ save }) << true << true;
        const QString failed = "Can not save the log to " + QDir::toNativeSeparators(logPath());
        QTest::newRow("no system directory: told, stays open") << true << int(Reply::Yes) << 1 << QStringList({ save, failed }) << false << false;
        QTest::newRow("log cannot be replaced: told, stays open") << true << int(Reply::Yes) << 2 << QStringList({ save, failed }) << false << false;
    }

    // An earlier file stays unless a save succeeds; a refused close keeps the logs and asks again.
    void closeAnswers()
    {
        QFETCH(bool, withLog);
        QFETCH(int, answer);
        QFETCH(int, blocked);
        QFETCH(QStringList, messages);
        QFETCH(bool, closed);
        QFETCH(bool, written);
        if (blocked == 2)
            QVERIFY(QDir().mkpath(logPath()));
        else {
            QFile earlier(logPath());
            QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
        }
        if (blocked == 1) {
            QVERIFY(QDir(systemDir).removeRecursively());
            QFile blocker(systemDir.path().chopped(1));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        zarEngineerScreen fixture;
        QSignalSpy closes(&fixture.screen, &zarEngineerWidget::sendEngineerWidgetClose);
        if (withLog)
            emitReport(1, 0, 1);
        fixture.answers.replies = { Reply(answer) };
        QCOMPARE(fixture.screen.close(), closed);
        QCOMPARE(closes.count(), int(closed));
        QCOMPARE(fixture.answers.texts, messages);
        QCOMPARE(logFile().startsWith("<html>"), written);
        if (!blocked && !written)
            QCOMPARE(logFile(), QByteArray("earlier"));
        if (!closed) {
            QCOMPARE(fixture.screen.logs().at(1), head("Check Rx channels adjustment"));
            fixture.answers.replies = { Reply::No };
            QVERIFY(fixture.screen.close());
            QCOMPARE(fixture.answers.texts.count(QStringLiteral("Save log?")), 2);
        }
    }

    // The stop goes out first; the cancelled report that comes while "Save log?" is open is logged and saved.
    void closeWhileACoreTestRuns()
    {
        zarEngineerScreen fixture;
        emitReport(0, 0, 1);
        fixture.screen.proToolButton13->click();
        fixture.answers.paused = true;
        zarWhenModal([&fixture](QWidget* dialog) {
            QVERIFY(zarWaitFor([&fixture] { return !fixture.screen.logs().at(13).isEmpty(); }, 5000));
            qobject_cast<zarWarningDialog*>(dialog)->okYesPushButton->click();
        });
        QVERIFY(fixture.screen.close());
        fixture.answers.paused = false;
        QVERIFY(QString::fromUtf8(logFile()).contains(head("Check Tx output voltage") + " <br> <font color=red>Canceled by user</font> <br> "));
    }

    // Without logs the screen goes at once; the aborted job's report reaches it no more.
    void closeDuringATransmitterJob()
    {
        zarEngineerScreen fixture;
        QSignalSpy reports(zarCore::instance(), &zarCore::sendReportTxAux);
        fixture.screen.txPulseFirstPushButton->click();
        QVERIFY(fixture.screen.close());
        QVERIFY(reports.wait(5000));
        QCOMPARE(reports.first().first().value<zarCoreReportTxAux>().error.code, quint8(zarErrorCanceled));
        QCOMPARE(fixture.answers.texts, QStringList());
        QCOMPARE(fixture.screen.txTempLabel->text(), QStringLiteral("N/A"));
    }

    // Closing the main window closes the engineer screen first through its own close:
    // Cancel keeps both, Yes saves the log and shuts down. Last: it ends the singletons.
    void mainWindowClosesTheScreenFirst()
    {
        zarMainWidget window;
        zarAnswerAll answers;
        answers.paused = true;
        zarWhenModal([](QWidget* w) {
            for (QChar digit : engineerCodeB)
                w->findChild<QPushButton*>(QStringLiteral("pushButton") + digit)->click();
            qobject_cast<zarPasswordDialog*>(w)->enterPushButton->click();
        });
        QVERIFY(QMetaObject::invokeMethod(&window.systemMenu, "onEngineer"));
        answers.paused = false;
        auto* screen = qobject_cast<zarEngineerWidget*>(window.systemMenu.openScreen());
        QVERIFY(screen);
        emitReport(6, 0, 0);
        answers.replies = { Reply::Cancel };
        QVERIFY(!window.close());
        QVERIFY(!window.isShutDown() && window.systemMenu.openScreen() == screen);
        QVERIFY(window.close());
        QVERIFY(window.isShutDown() && !window.systemMenu.openScreen());
        QCOMPARE(answers.texts, QStringList({ "Save log?", "Save log?" }));
        QVERIFY(QString::fromUtf8(logFile()).contains(head("Check 1...32 cable socket") + logBreak));
    }
};

ZAR_TEST_MAIN(TestProductionRun)
#include "test_productionrun.moc"
