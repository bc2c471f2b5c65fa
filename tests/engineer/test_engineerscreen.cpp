#include "zartestsupport.h"
#include "zarprogramfont.h"

#include "core/zarconstants.h"
#include "core/zarcore.h"
#include "engineer/zarengineerwidget.h"
#include "engineer/zarnetworkaddresses.h"
#include "engineer/zarproductionlog.h"
#include "frame/zarcommandrunner.h"
#include "frame/zarguistyle.h"
#include "frame/zarmainwidget.h"
#include "frame/zarpassworddialog.h"
#include "frame/zartranslator.h"
#include "frame/zarwarningdialog.h"

#include <QAbstractScrollArea>
#include <QDir>
#include <QSignalSpy>
#include <QTabBar>

// Opens the engineer screen from the main window's system menu with an access code.
static zarEngineerWidget* openEngineerScreen(zarMainWidget& window, const QString& code)
{
    zarWhenModal([code](QWidget* w) {
        for (QChar digit : code)
            w->findChild<QPushButton*>(QStringLiteral("pushButton") + digit)->click();
        qobject_cast<zarPasswordDialog*>(w)->enterPushButton->click();
    });
    QMetaObject::invokeMethod(&window.systemMenu, "onEngineer");
    return qobject_cast<zarEngineerWidget*>(window.systemMenu.openScreen());
}

enum Reply { Yes, No, Cancel };
using Outcome = zarCommandRunner::Outcome;
using Field = std::function<int(const std::any&)>;
Q_DECLARE_METATYPE(Reply)
Q_DECLARE_METATYPE(zarCommandRunner::Outcome)
Q_DECLARE_METATYPE(Field)

// The engineer screen: the production tests and their log, and the tabs that drive the core.
class TestEngineerScreen : public QObject
{
    Q_OBJECT

    std::unique_ptr<zarEngineerWidget> screen; // a new one for every test
    // Every dialog of the program is answered with the queued replies, else OK / Yes; its text is kept.
    QList<Reply> replies;
    QStringList texts;
    QTimer answerer;
    // Every job the core starts in a test, with its record.
    QList<zarCoreJob> jobs;
    QList<std::any> recorded;

    static QString head(const QString& title) { return "<font color=blue>" + title + ":</font> <br>  <br> "; }

    static QString logFile()
    {
        QFile file(zarProductionLog::path());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    static void emitReport(quint8 test, quint8 code, quint8 passed)
    {
        zarCoreReportProduction report;
        report.test = test;
        report.error.code = code;
        report.passed = passed;
        emit zarCore::instance()->sendReportProduction(report);
    }

    // Reads one field of a job's record; -1 when there is no record of that kind.
    template <class Record, class Value> static Field field(Value Record::*member)
    {
        return [member](const std::any& record) {
            const Record* r = std::any_cast<Record>(&record);
            return r ? int(r->*member) : -1;
        };
    }

    // What a finger hits on a page, unless the signal view lays it out or it scrolls.
    static bool isOwnTouchControl(const QWidget* w, const QWidget* page)
    {
        for (const QWidget* p = w->parentWidget(); p != page; p = p->parentWidget())
            if (p->inherits("zarSignalWidget") || qobject_cast<const QAbstractScrollArea*>(p))
                return false;
        return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAbstractSpinBox*>(w)
            || qobject_cast<const QComboBox*>(w) || qobject_cast<const QSlider*>(w);
    }

private slots:
    void initTestCase()
    {
        connect(&answerer, &QTimer::timeout, this, [this] {
            auto* dialog = qobject_cast<zarWarningDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            texts << dialog->messageLabel->text();
            QAbstractButton* const buttons[] = { dialog->okYesPushButton, dialog->noPushButton, dialog->cancelPushButton };
            buttons[replies.isEmpty() ? Yes : replies.takeFirst()]->click();
        });
        answerer.start(5);
    }

    void init()
    {
        QVERIFY(QDir(systemDir).removeRecursively());
        QVERIFY(QDir().mkpath(systemDir));
        texts.clear();
        replies.clear();
        jobs.clear();
        recorded.clear();
        zarCore::instance()->setJobObserver([this](zarCoreJob job, const std::any& record) {
            jobs << job;
            recorded << record;
        });
        screen.reset(new zarEngineerWidget(0));
    }

    void cleanup()
    {
        zarCore::instance()->stop(); // the job cut short and its report delivered before the screen goes
        zarCore::instance()->jobThread().wait();
        QCoreApplication::processEvents();
        zarCore::instance()->setJobObserver(nullptr);
        screen.reset();
        zarCommandRunner::setHandler(nullptr);
        zarNetworkAddresses::setSource(nullptr);
    }

    void reportOfAnUnknownTestOnlyUnlocks()
    {
        zarDiagnosticCapture diagnostics;
        screen->proToolButton02->click();
        emitReport(22, 0, 1);
        QVERIFY(screen->proFrame->isEnabled());
        QCOMPARE(screen->logs(), QVector<QString>(zarEngineerWidget::testCount));
        QVERIFY2(diagnostics.text().contains("production test is invalid: 22"), qPrintable(diagnostics.text()));
    }

    void usbTest_data()
    {
        QTest::addColumn<Outcome>("start");
        QTest::addColumn<Outcome>("stop");
        QTest::addColumn<Reply>("answer");
        QTest::addColumn<QString>("text");
        QTest::newRow("drive appeared") << Outcome::Succeeded << Outcome::Succeeded << Reply::Yes << logPassed;
        QTest::newRow("start times out") << Outcome::TimedOut << Outcome::Succeeded << Reply::Yes
                                         << logFailed + "<font color=red>Can not enter USB storage mode</font> <br> ";
        QTest::newRow("stop fails after a yes") << Outcome::Succeeded << Outcome::Failed << Reply::Yes
                                                << logFailed + "<font color=red>Can not leave USB storage mode</font> <br> ";
    }

    // usb_stop runs after every usb_start; without USB mode there is no question.
    void usbTest()
    {
        QFETCH(Outcome, start);
        QFETCH(Outcome, stop);
        QFETCH(Reply, answer);
        QFETCH(QString, text);
        QStringList commands;
        zarCommandRunner::setHandler([&](const QString& program, const QStringList&, int) {
            commands << program;
            return program == QLatin1String("usb_start") ? start : stop;
        });
        replies = { Reply::Yes, answer };
        screen->proToolButton08->click();
        QCOMPARE(commands, QStringList({ "usb_start", "usb_stop" }));
        QCOMPARE(screen->logs().at(8), head("Check USB") + "Detecting USB appearance" + text);
    }

    void lanTest_data()
    {
        QTest::addColumn<QStringList>("addresses");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("loopback only") << QStringList({ "127.0.0.1", "::1" }) << true << "::1" << logFailed;
        QTest::newRow("link-local only") << QStringList({ "169.254.10.2", "fe80::1" }) << true << "fe80::1" << logFailed;
        QTest::newRow("interface down") << QStringList({ "192.168.1.20" }) << false << "192.168.1.20" << logFailed;
        QTest::newRow("first that counts") << QStringList({ "127.0.0.1", "10.0.0.7", "2001:db8::5" }) << true << "10.0.0.7"
                                           << logPassed;
    }

    void lanTest()
    {
        QFETCH(QStringList, addresses);
        QFETCH(bool, up);
        QFETCH(QString, shown);
        QFETCH(QString, verdict);
        QList<zarNetworkAddresses::Entry> list;
        for (const QString& a : addresses)
            list.append({ QHostAddress(a), up });
        zarNetworkAddresses::setSource([list] { return list; });
        screen->proToolButton09->click();
        QCOMPARE(screen->logs().at(9), head("Check LAN") + "IPv4/IPv6 address: " + shown + verdict);
    }

    // Header, the logs in test order with a break each, the end without a final line feed.
    void logFileBytes()
    {
        emitReport(9, 0, 0);
        emitReport(0, zarErrorCanceled, 1);
        QVERIFY(screen->close());
        const QString file = logFile();
        const QRegularExpression header("^<html>\n<head>\n</head>\n<body>\n\\w+ \\w+ \\d+ \\d+ \\d\\d:\\d\\d:\\d\\d <br> ");
        const QString date = header.match(file).captured(0);
        QVERIFY2(!date.isEmpty(), qPrintable(file));
        QCOMPARE(file, date + "1 (zar_0) <br>  <br> " + head("Adjust Rx channels") + " <br> <font color=red>Canceled by user</font> <br> "
                     + head("Check LAN") + " <br> \n</body>\n</html>");
    }

    // A log that cannot be written is told and keeps the screen open.
    void failedSaveKeepsTheScreen()
    {
        QVERIFY(QDir().mkpath(zarProductionLog::path()));
        emitReport(1, 0, 1);
        QVERIFY(!screen->close());
        QCOMPARE(texts.value(1), "Can not save the log to " + QDir::toNativeSeparators(zarProductionLog::path()));
    }

    // Closing stops the running job; its cancelled report reaches no closed screen.
    void closedScreenIgnoresTheAbortedJobsReport()
    {
        QSignalSpy reports(zarCore::instance(), &zarCore::sendReportTxAux);
        screen->txPulseFirstPushButton->click();
        QVERIFY(screen->close());
        QVERIFY(reports.wait(5000));
        QCOMPARE(reports.first().first().value<zarCoreReportTxAux>().error.code, quint8(zarErrorCanceled));
        QCOMPARE(texts, QStringList());
    }

    void records_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("setting");
        QTest::addColumn<Field>("field");
        QTest::addColumn<int>("value"); // -1: no job of the kind
        using Tx = zarCoreParamTxAux;
        using Rx = zarCoreParamRxAux;
        using Sw = zarCoreParamSwAux;
        QTest::newRow("Tx grounding power") << "txAdjustPulseSecondPushButton" << "txCheckGroundingPowerCheckBox" << 1 << field(&Tx::power) << 255;
        QTest::newRow("Tx zero pulse on RefTx only") << "txPulseZeroPushButton" << "txDeviceComboBox" << 0 << field(&Tx::transmitter) << 6;
        QTest::newRow("Rx TxVoltage") << "rxMsrGetPushButton" << "rxDeviceComboBox" << 16 << field(&Rx::receiver) << 24;
        QTest::newRow("Rx get on Broadcast: no job") << "rxMsrGetPushButton" << "rxDeviceComboBox" << 18 << field(&Rx::receiver) << -1;
        QTest::newRow("Sw generator board") << "swPhantomPushButton" << "swDeviceComboBox" << 16 << field(&Sw::board) << 42;
        QTest::newRow("Sw Broadcast") << "swSwResetPushButton" << "swDeviceComboBox" << 17 << field(&Sw::board) << 254;
        QTest::newRow("Sw remote receiver") << "swSwSetNAPushButton" << "swElectrodeSpinBox" << -1 << field(&Sw::electrode) << 0xFFFE;
        QTest::newRow("Sw remote transmitter") << "swGroundingPushButton" << "swElectrodeSpinBox" << -2 << field(&Sw::electrode) << 0xFFFF;
    }

    // A press sends the core one job whose record carries what the control set.
    void records()
    {
        QFETCH(QString, button);
        QFETCH(QString, control);
        QFETCH(int, setting);
        QFETCH(Field, field);
        QFETCH(int, value);
        QWidget* w = screen->findChild<QWidget*>(control);
        const char* property = qobject_cast<QComboBox*>(w) ? "currentIndex" : qobject_cast<QAbstractButton*>(w) ? "checked" : "value";
        QVERIFY(w->setProperty(property, setting));
        screen->findChild<QPushButton*>(button)->click();
        QCOMPARE(recorded.size(), value == -1 ? 0 : 1);
        QCOMPARE(field(recorded.value(0)), value);
    }

    void oneStressChain_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("Start again") << "stressRxStartPushButton";
        QTest::newRow("Ping") << "miscPingPushButton";
    }

    // Neither a second Start nor a ping's answer starts a second chain.
    void oneStressChain()
    {
        QFETCH(QString, button);
        int answers = 0;
        int mostInFlight = 0;
        QObject counting; // ends the count before its counters go
        QObject::connect(zarCore::instance(), &zarCore::sendReportRxStress, &counting, [&] {
            mostInFlight = qMax(mostInFlight, int(jobs.count(zarJobRxStress)) - ++answers);
        });
        screen->stressRxStartPushButton->click();
        screen->findChild<QPushButton*>(button)->click();
        QVERIFY(zarWaitFor([&] { return answers > 5; }, 5000));
        mostInFlight = 0; // a ping's own job went out beside the chain's
        const int seen = answers;
        QVERIFY(zarWaitFor([&] { return answers > seen + 10; }, 5000));
        QCOMPARE(mostInFlight, 1);
    }

    // Answers go to their askers in order: an error ends the chain, the ping behind it still gets its answer.
    void stressErrorEndsTheChainOnly()
    {
        screen->stressRxStartPushButton->click();
        screen->miscPingPushButton->click();
        zarCoreReportRxStress failed;
        failed.error.code = zarErrorNoConnection;
        emit zarCore::instance()->sendReportRxStress(failed);
        QCOMPARE(screen->stressRxStatusLabel->text(), QStringLiteral("N/A"));
        QVERIFY(zarWaitFor([this] { return screen->miscPingLabel->text() == QLatin1String("OK"); }, 5000));
        screen->stressRxStartPushButton->click();
        QCOMPARE(jobs.count(zarJobRxStress), 3);
    }

    void clockSet_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("day");
        QTest::newRow("31 December 2099") << QDate(2099, 12, 31) << 31;
        QTest::newRow("30 February refused") << QDate(2024, 2, 1) << 30;
    }

    // A date that exists goes to the core; one that does not is refused with a warning.
    void clockSet()
    {
        QFETCH(QDate, date);
        QFETCH(int, day);
        screen->miscYearSpinBox->setValue(date.year());
        screen->miscMonthSpinBox->setValue(date.month());
        screen->miscDaySpinBox->setValue(day);
        const bool exists = date.day() == day;
        screen->miscTimeSetPushButton->click();
        QCOMPARE(texts, exists ? QStringList() : QStringList({ "Invalid date" }));
        QCOMPARE(recorded.size(), exists ? 1 : 0);
        if (exists)
            QCOMPARE(std::any_cast<zarCoreParamClock>(recorded.value(0)).date, date);
    }

    // Two Starts connect the GPS line once: one line a tick.
    void gpsLineConnectedOnce()
    {
        screen->miscStartGPSPushButton->click();
        screen->miscStartGPSPushButton->click();
        QVERIFY(zarWaitFor([this] { return screen->miscListWidget->count() > 0; }, 3000));
        QCOMPARE(screen->miscListWidget->count(), 1);
    }

    // An ET2D result in volts, milliamperes, millivolts and ohms.
    void et2dResultInUnits()
    {
        zarMeasureSet set;
        set.txVoltage = 340000.0f;
        set.txCurrent = 2.0f;
        set.rxVoltage = 5.0f;
        zarCoreReportET2D report;
        report.results = { set };
        emit zarCore::instance()->sendReportET2D(report);
        QCOMPARE(screen->et2dOutListWidget->item(0)->text(), QStringLiteral("Utx[V]=340.000 Itx[mA]=2.000 Urx[mV]=5.000 R[Ohm]=2.500"));
    }

    // In the main window, in Russian (the longest titles), with the program's font and style: every tab
    // in the bar without scrolling, every control inside its page and at least 48 px high.
    void everyTabFits()
    {
        const auto font = zarUseProgramFont();
        const auto english = qScopeGuard([] { zarTranslator::instance()->setLanguage(QStringLiteral("En")); });
        QApplication::setStyle(new zarGuiStyle());
        QVERIFY(zarTranslator::instance()->setLanguage(QStringLiteral("Ru")));
        zarMainWidget window;
        window.show();
        window.tabWidget->setCurrentIndex(4); // the system page
        zarEngineerWidget* opened = openEngineerScreen(window, engineerCodeA);
        QVERIFY(opened);
        QTRY_VERIFY(opened->isVisible());
        QTabBar* bar = opened->tabWidget->tabBar();
        for (int i = 0; i < bar->count(); ++i) {
            opened->tabWidget->setCurrentIndex(i);
            QApplication::processEvents();
            QVERIFY2(bar->rect().contains(bar->tabRect(i)), qPrintable(bar->tabText(i)));
            QWidget* page = opened->tabWidget->currentWidget();
            for (QWidget* w : page->findChildren<QWidget*>()) {
                if (!w->isVisible() || !isOwnTouchControl(w, page))
                    continue;
                const QString what = bar->tabText(i) + QLatin1Char(' ') + w->objectName();
                QVERIFY2(page->rect().contains(QRect(w->mapTo(page, QPoint()), w->size())), qPrintable(what + " outside"));
                QVERIFY2(w->height() >= 48, qPrintable(what + " lower than a finger"));
            }
        }
    }

    // Closing the main window closes the engineer screen first: Cancel keeps both, Yes saves and shuts down.
    // Runs last: it ends the singletons.
    void mainWindowClosesTheScreenFirst()
    {
        screen.reset();
        zarMainWidget window;
        zarEngineerWidget* opened = openEngineerScreen(window, engineerCodeB);
        QVERIFY(opened);
        emitReport(6, 0, 0);
        replies = { Reply::Cancel };
        QVERIFY(!window.close());
        QCOMPARE(window.systemMenu.openScreen(), opened);
        QVERIFY(window.close());
        QVERIFY(window.isShutDown());
        QCOMPARE(texts, QStringList({ "Save log?", "Save log?" }));
        QVERIFY(logFile().contains(head("Check 1...32 cable socket") + logBreak));
    }
};

ZAR_TEST_MAIN(TestEngineerScreen)
#include "test_engineerscreen.moc"
