#include "zartestsupport.h"

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
#include <QTextBrowser>

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

    // A widget the page lays out itself: not the signal view's, nor inside what scrolls.
    static bool isOwnControl(const QWidget* w, const QWidget* page)
    {
        for (const QWidget* p = w->parentWidget(); p != page; p = p->parentWidget())
            if (p->inherits("zarSignalWidget") || qobject_cast<const QAbstractScrollArea*>(p))
                return false;
        return !w->inherits("zarSignalWidget");
    }

    // What a finger hits on a page, unless the signal view lays it out or it scrolls.
    static bool isOwnTouchControl(const QWidget* w, const QWidget* page)
    {
        return isOwnControl(w, page)
            && (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAbstractSpinBox*>(w)
                || qobject_cast<const QComboBox*>(w) || qobject_cast<const QSlider*>(w));
    }

    QToolButton* proButton(int code) const
    {
        return screen->findChild<QToolButton*>(QStringLiteral("proToolButton%1").arg(code, 2, 10, QLatin1Char('0')));
    }

    static QString iconName(const QToolButton* button)
    {
        const QImage shown = button->icon().pixmap(48).toImage();
        for (const char* name : { "question", "play", "accept", "close" })
            if (QIcon(QStringLiteral(":/icons/icons/%1.png").arg(name)).pixmap(48).toImage() == shown)
                return QString::fromLatin1(name);
        return QStringLiteral("other");
    }

    QList<int> clockBoxes() const
    {
        QList<int> values;
        for (const QSpinBox* box : { screen->miscYearSpinBox, screen->miscMonthSpinBox, screen->miscDaySpinBox,
                                     screen->miscHourSpinBox, screen->miscMinuteSpinBox, screen->miscSecondSpinBox })
            values << box->value();
        return values;
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

    void modes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("tabs");
        QTest::addColumn<QList<int>>("locked");
        QTest::newRow("first code: every tab") << 0 << 10 << QList<int>();
        QTest::newRow("second code: production tests") << 1 << 1 << QList<int>();
        QTest::newRow("any other entry") << 3 << 1 << QList<int>({ 0, 16, 20 });
        QTest::newRow("mode 2") << 2 << 1 << QList<int>({ 0, 16, 20 });
    }

    // The mode keeps the tabs and locks the tests it does not allow; every log opens.
    void modes()
    {
        QFETCH(int, mode);
        QFETCH(int, tabs);
        QFETCH(QList<int>, locked);
        screen.reset(new zarEngineerWidget(mode));
        QCOMPARE(screen->tabWidget->count(), tabs);
        QList<int> disabled;
        for (int code = 0; code < zarEngineerWidget::testCount; ++code)
            if (!proButton(code)->isEnabled())
                disabled << code;
        QCOMPARE(disabled, locked);
        for (QPushButton* log : screen->proFrame->findChildren<QPushButton*>())
            QVERIFY2(log->isEnabled(), qPrintable(log->objectName()));
    }

    void catalogue_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("instruction");
        const QString inf = QChar(0x221E), pm = QChar(0x00B1), le = QChar(0x2264);
        QTest::newRow("En 2 resistor lines") << "En" << 2 << "Check A and B sockets and Rx channels for Tx monitoring"
            << "Please connect A and B sockets with resistor:\nresistance: 1.0 kOhm " + pm + " 10 %,\nmax. power: 1.4 W or more,\nmax voltage: 37.5 V or more.";
        QTest::newRow("En 5 infinity") << "En" << 5 << "Check Tx" + inf + " and Rx" + inf + " sockets"
            << "Please connect Tx" + inf + " and Rx" + inf + " sockets with resistor:\nresistance: 1.0 kOhm " + pm + " 10 %,\nmax. power: 1.4 W or more,\nmax voltage: 37.5 V or more.";
        QTest::newRow("En 13 or more") << "En" << 13 << "Check Tx output voltage"
            << "Please connect A and B sockets with resistor:\nresistance: 5.0 kOhm " + pm + " 10 % or more,\nmax. power: 50.0 W or more,\nmax voltage: 500.0 V or more.";
        QTest::newRow("En 16 ohm, power without stop") << "En" << 16 << "Check Tx operability (1 hour)"
            << "Please connect A and B sockets with resistor:\nresistance: 30.0 Ohm " + pm + " 10 % or more,\nmax power: 200.0 W or more.\nmax voltage: 500.0 V or more.";
        QTest::newRow("En 10 supply") << "En" << 10 << "Check Tx low supply voltage protection" << "Please make supply voltage less than 10.5 V.";
        QTest::newRow("En 21 reference") << "En" << 21 << "Check Rx channels reproducibility"
            << "Please connect reference voltage source (" + le + " 12000 mV) to A and B sockets.";
        QTest::newRow("Ru 3 trailing blank") << "Ru" << 3 << "Проверить соединения генераторных и измерительных коммутаторов "
            << "Подключите к разъёмам A и B резистор:\nсопротивление: 1.0 кОм " + pm + " 10 %,\nмакс. мощность: 1.4 Вт или больше,\nмакс. напряжение: 37.5 В или больше.";
        QTest::newRow("Ru 16") << "Ru" << 16 << "Проверить работоспособность генератора (1 час)"
            << "Подключите к разъёмам A и B резистор:\nсопротивление: 30.0 Ом " + pm + " 10 % или больше,\nмакс. мощность: 200.0 Вт или больше.\nмакс. напряжение: 500.0 В или больше.";
        QTest::newRow("Ru 9") << "Ru" << 9 << "Проверить LAN" << "Соедините LAN разъёмы прибора и локальной сети\nкабелем и подождите 20 секунд. ";
        QTest::newRow("Ru 21") << "Ru" << 21 << "Проверить повторяемость измерительных каналов"
            << "Подключите источник опорного напряжения (" + le + " 12000 мВ) к разъёмам A и B.";
    }

    // Each test's title and instruction in the language the screen is built in; its button shows the title.
    void catalogue()
    {
        QFETCH(QString, language);
        QFETCH(int, code);
        QFETCH(QString, title);
        QVERIFY(zarTranslator::instance()->setLanguage(language));
        const auto english = qScopeGuard([] { zarTranslator::instance()->setLanguage(QStringLiteral("En")); });
        screen.reset(new zarEngineerWidget(0));
        QCOMPARE(screen->titles().at(code), title);
        QTEST(screen->instructions().at(code), "instruction");
        QCOMPARE(proButton(code)->text(), title);
    }

    // No to the instruction starts nothing and leaves the list open.
    void declinedChangesNothing()
    {
        replies = { Reply::No };
        screen->proToolButton05->click();
        QCOMPARE(texts, QStringList({ screen->instructions().at(5) + "\nAre you ready to continue?" }));
        QCOMPARE(jobs, QList<zarCoreJob>());
        QVERIFY(screen->proFrame->isEnabled());
        QCOMPARE(iconName(screen->proToolButton05), QStringLiteral("question"));
    }

    // A core test runs with the list locked and its icon playing, until its report.
    void coreTestLocksTheListUntilItsReport()
    {
        screen->proToolButton13->click();
        QCOMPARE(jobs, QList<zarCoreJob>({ zarJobProduction }));
        QCOMPARE(int(std::any_cast<zarCoreParamProduction>(recorded.first()).test), 13);
        QVERIFY(!screen->proFrame->isEnabled());
        QVERIFY(screen->proStopPushButton->isEnabled());
        QCOMPARE(iconName(screen->proToolButton13), QStringLiteral("play"));
        QSignalSpy reports(zarCore::instance(), &zarCore::sendReportProduction);
        QVERIFY(reports.wait(5000));
        QVERIFY(screen->proFrame->isEnabled());
        QCOMPARE(iconName(screen->proToolButton13), QStringLiteral("accept"));
        QCOMPARE(screen->logs().at(13), head("Check Tx output voltage"));
    }

    // Stop cancels the running core test: a question mark and the cancel in its log.
    void stopCancelsACoreTest()
    {
        screen->proToolButton13->click();
        QSignalSpy reports(zarCore::instance(), &zarCore::sendReportProduction);
        screen->proStopPushButton->click();
        QVERIFY(reports.wait(5000));
        QVERIFY(screen->proFrame->isEnabled());
        QCOMPARE(iconName(screen->proToolButton13), QStringLiteral("question"));
        QCOMPARE(screen->logs().at(13), head("Check Tx output voltage") + " <br> <font color=red>Canceled by user</font>");
    }

    void reportOutcome_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("passed");
        QTest::addColumn<QString>("icon");
        QTest::addColumn<QString>("tail");
        QTest::newRow("passed") << 0 << 1 << "accept" << "";
        QTest::newRow("failed") << 0 << 0 << "close" << "";
        QTest::newRow("cancelled, passed ignored") << int(zarErrorCanceled) << 1 << "question" << " <br> <font color=red>Canceled by user</font>";
        QTest::newRow("other error, passed ignored") << int(zarErrorOverheated) << 1 << "close" << " <br> <font color=red>Generator is overheated</font>";
    }

    // The report's outcome on the test's icon and in its log.
    void reportOutcome()
    {
        QFETCH(int, code);
        QFETCH(int, passed);
        QFETCH(QString, tail);
        emitReport(20, quint8(code), quint8(passed));
        QTEST(iconName(screen->proToolButton20), "icon");
        QCOMPARE(screen->logs().at(20), head("Check Tx overheat protection") + tail);
    }

    // The log of a test in a full-screen dialog; empty for a test not run.
    void logDialog_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("a test run") << "logPushButton07" << "Check 33...64 cable socket: \n\n\nSimulated error";
        QTest::newRow("a test not run") << "logPushButton03" << "";
    }

    void logDialog()
    {
        QFETCH(QString, button);
        emitReport(7, zarErrorSimulated, 1);
        QString shown;
        QSize size;
        zarWhenModal([&](QWidget* dialog) {
            shown = dialog->findChild<QTextBrowser*>()->toPlainText();
            size = dialog->size();
            dialog->findChild<QPushButton*>()->click();
        });
        screen->findChild<QPushButton*>(button)->click();
        QTEST(shown, "text");
        QCOMPARE(size, QSize(1024, 600));
    }

    void closeAnswers_data()
    {
        QTest::addColumn<bool>("withLog");
        QTest::addColumn<Reply>("answer");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("written");
        const QString save = QStringLiteral("Save log?");
        QTest::newRow("no logs: no question") << false << Reply::Yes << QStringList() << true << false;
        QTest::newRow("no") << true << Reply::No << QStringList({ save }) << true << false;
        QTest::newRow("cancel keeps the screen") << true << Reply::Cancel << QStringList({ save }) << false << false;
        QTest::newRow("yes") << true << Reply::Yes << QStringList({ save }) << true << true;
    }

    // Closing offers the logs, if any: an earlier file stays unless they are saved; a kept screen keeps its logs.
    void closeAnswers()
    {
        QFETCH(bool, withLog);
        QFETCH(Reply, answer);
        QFETCH(QStringList, asked);
        QFETCH(bool, closed);
        QFETCH(bool, written);
        QFile earlier(zarProductionLog::path());
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
        earlier.close();
        QSignalSpy closes(screen.get(), &zarEngineerWidget::sendEngineerWidgetClose);
        if (withLog)
            emitReport(1, 0, 1);
        replies = { answer };
        QCOMPARE(screen->close(), closed);
        QCOMPARE(closes.count(), int(closed));
        QCOMPARE(texts, asked);
        QCOMPARE(logFile().startsWith("<html>"), written);
        if (!written)
            QCOMPARE(logFile(), QStringLiteral("earlier"));
        if (!closed)
            QCOMPARE(screen->logs().at(1), head("Check Rx channels adjustment"));
    }

    // The stop goes out first; the cancelled report that comes while "Save log?" is open is logged and saved.
    void closeWhileACoreTestRuns()
    {
        emitReport(0, 0, 1);
        screen->proToolButton13->click();
        answerer.stop();
        zarWhenModal([this](QWidget* dialog) {
            QVERIFY(zarWaitFor([this] { return !screen->logs().at(13).isEmpty(); }, 5000));
            qobject_cast<zarWarningDialog*>(dialog)->okYesPushButton->click();
        });
        const bool closed = screen->close();
        answerer.start();
        QVERIFY(closed);
        QVERIFY2(logFile().contains(head("Check Tx output voltage") + " <br> <font color=red>Canceled by user</font> <br> "),
                 qPrintable(logFile()));
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
        QTest::newRow("no drive") << Outcome::Succeeded << Outcome::Succeeded << Reply::No << logFailed;
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
        QTest::newRow("other loopback form") << QStringList({ "127.0.1.1" }) << true << "127.0.1.1" << logFailed;
        QTest::newRow("no address") << QStringList() << true << "" << logFailed;
        QTest::newRow("IPv6 global") << QStringList({ "2001:db8::5" }) << true << "2001:db8::5" << logPassed;
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
        const QRegularExpression header("^<html>\n<head>\n</head>\n<body>\n[^\n<]+ \\d+ \\d+ \\d\\d:\\d\\d:\\d\\d <br> ");
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

    // What a Tx press sends, field by field: pulse, adjust, stop, transmitter, code, duration, power.
    void transmitterRecord_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("device");
        QTest::addColumn<bool>("grounding");
        QTest::addColumn<QList<int>>("record");
        QTest::newRow("adjust first, RefTx shown") << "txAdjustPulseFirstPushButton" << 1 << false << QList<int>({ 0, 1, 0, 7, 0x1f, 0, 37 });
        QTest::newRow("adjust second, grounding") << "txAdjustPulseSecondPushButton" << 0 << true << QList<int>({ 0, 1, 0, 7, 0x20, 0, 255 });
        QTest::newRow("pulse first, IntTx") << "txPulseFirstPushButton" << 0 << true << QList<int>({ 1, 0, 0, 7, 0x21, 15000, 0 });
        QTest::newRow("pulse second, RefTx") << "txPulseSecondPushButton" << 1 << false << QList<int>({ 1, 0, 0, 6, 0x22, 15000, 0 });
        QTest::newRow("stop, RefTx") << "txStopPushButton" << 1 << false << QList<int>({ 0, 0, 1, 6, 0, 0, 0 });
        QTest::newRow("zero pulse, IntTx shown") << "txPulseZeroPushButton" << 0 << false << QList<int>({ 1, 0, 0, 6, 0x24, 15000, 37 });
    }

    void transmitterRecord()
    {
        QFETCH(QString, button);
        QFETCH(int, device);
        QFETCH(bool, grounding);
        QFETCH(QList<int>, record);
        screen->txPowerHorizontalSlider->setValue(37);
        screen->txDurationHorizontalSlider->setValue(15000);
        screen->txDeviceComboBox->setCurrentIndex(device);
        screen->txCheckGroundingPowerCheckBox->setChecked(grounding);
        screen->findChild<QPushButton*>(button)->click();
        QCOMPARE(jobs, QList<zarCoreJob>({ zarJobTxAux }));
        const auto r = std::any_cast<zarCoreParamTxAux>(recorded.first());
        QCOMPARE(QList<int>({ r.pulse, r.adjust, r.stop, r.transmitter, r.command, r.duration, r.power }), record);
    }

    // The sliders' values are shown beside them.
    void transmitterSlidersShowTheirValues()
    {
        screen->txPowerHorizontalSlider->setValue(37);
        screen->txDurationHorizontalSlider->setValue(15000);
        QCOMPARE(screen->txPowerLabel->text(), QStringLiteral("37"));
        QCOMPARE(screen->txDurationLabel->text(), QStringLiteral("15000"));
    }

    // A report's temperature is shown, also after its error is told.
    void transmitterTemperature()
    {
        zarCoreReportTxAux report;
        report.temperature = 24.5f;
        report.error.code = zarErrorOverheated;
        emit zarCore::instance()->sendReportTxAux(report);
        QCOMPARE(texts, QStringList({ "Generator is overheated" }));
        QCOMPARE(screen->txTempLabel->text(), QStringLiteral("24.5  o C"));
    }

    // What an Rx press sends: address, samples, start, reset, get, low, high, calibration, measure, clear.
    void receiverRecord_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("device");
        QTest::addColumn<QList<int>>("record");
        QTest::newRow("start on 1") << "rxMsrStartPushButton" << 1 << QList<int>({ 9, 100, 1, 0, 0, 0, 0, 0, 0, 0 });
        QTest::newRow("get on TxCurrent") << "rxMsrGetPushButton" << 17 << QList<int>({ 25, 100, 0, 0, 1, 0, 0, 0, 0, 0 });
        QTest::newRow("reset on 15") << "rxRxResetPushButton" << 15 << QList<int>({ 23, 0, 0, 1, 0, 0, 0, 0, 0, 0 });
        QTest::newRow("low range on Broadcast") << "rxLowRangePushButton" << 18 << QList<int>({ 255, 0, 0, 0, 0, 1, 0, 0, 0, 0 });
        QTest::newRow("high range on 0") << "rxHighRangePushButton" << 0 << QList<int>({ 8, 0, 0, 0, 0, 0, 1, 0, 0, 0 });
        QTest::newRow("calibration input") << "rxClbInputPushButton" << 2 << QList<int>({ 10, 0, 0, 0, 0, 0, 0, 1, 0, 0 });
        QTest::newRow("measure input") << "rxMsrInputPushButton" << 2 << QList<int>({ 10, 0, 0, 0, 0, 0, 0, 0, 1, 0 });
        QTest::newRow("clear") << "rxMsrClearPushButton" << 3 << QList<int>({ 11, 0, 0, 0, 0, 0, 0, 0, 0, 1 });
    }

    void receiverRecord()
    {
        QFETCH(QString, button);
        QFETCH(int, device);
        QFETCH(QList<int>, record);
        screen->rxDeviceComboBox->setCurrentIndex(device);
        screen->findChild<QPushButton*>(button)->click();
        QCOMPARE(jobs, QList<zarCoreJob>({ zarJobRxAux }));
        const auto r = std::any_cast<zarCoreParamRxAux>(recorded.first());
        QCOMPARE(QList<int>({ r.receiver, r.samples, r.start, r.reset, r.get, r.lowRange, r.highRange, r.calibrationInput,
                              r.measureInput, r.clear }),
                 record);
    }

    // Each sample a line with four decimals.
    void receiverSamplesAsLines()
    {
        zarCoreReportRxAux report;
        report.samples = { 5.57f, -1.0f };
        emit zarCore::instance()->sendReportRxAux(report);
        QCOMPARE(screen->rxSamplesTextEdit->toPlainText(), QStringLiteral("5.5700\n-1.0000\n"));
    }

    // Clear empties the samples without a job.
    void receiverClearSendsNothing()
    {
        screen->rxSamplesTextEdit->setPlainText(QStringLiteral("5.5700\n"));
        screen->rxClearPushButton->click();
        QVERIFY(screen->rxSamplesTextEdit->toPlainText().isEmpty());
        QCOMPARE(jobs, QList<zarCoreJob>());
    }

    // Repeat reads at once and again with one sample more; released, it reads no more.
    void receiverRepeat()
    {
        screen->rxRepeatPushButton->click();
        QCOMPARE(jobs, QList<zarCoreJob>({ zarJobRxAux }));
        QCOMPARE(int(std::any_cast<zarCoreParamRxAux>(recorded.last()).samples), 100);
        QVERIFY(zarWaitFor([this] { return jobs.size() == 2; }, 3000));
        QCOMPARE(int(std::any_cast<zarCoreParamRxAux>(recorded.last()).samples), 101);
        screen->rxRepeatPushButton->click();
        QVERIFY(!zarWaitFor([this] { return jobs.size() > 2; }, 1000));
    }

    void sensors_data()
    {
        QTest::addColumn<QList<float>>("values"); // sensors 1, 2, 3, 7; NaN = missing
        QTest::addColumn<QStringList>("shown");   // internal, external, moisture, transmitter
        const float none = qQNaN();
        QTest::newRow("all but the transmitter") << QList<float>({ 12600.0f, 12400.0f, 24.0f, none }) << QStringList({ "12600", "12400", "24", "-1" });
        QTest::newRow("external only") << QList<float>({ none, 12.5f, none, 31.25f }) << QStringList({ "-1", "12.5", "-1", "31.25" });
    }

    // Each sensor to its label; a missing one reads -1.
    void sensors()
    {
        QFETCH(QList<float>, values);
        QFETCH(QStringList, shown);
        zarCoreReportSensor report;
        const quint8 keys[] = { 1, 2, 3, 7 };
        for (int i = 0; i < 4; ++i)
            if (!qIsNaN(values.at(i)))
                report.sensors.insert(keys[i], values.at(i));
        emit zarCore::instance()->sendReportSensor(report);
        QCOMPARE(QStringList({ screen->rxIntBatLabel->text(), screen->rxExtBatLabel->text(), screen->rxMoistureLabel->text(),
                               screen->txTempLabel->text() }),
                 shown);
    }

    // What a Sw press sends: board, set, reset, grounding, all, phantom, apply, MB, electrode.
    void switchRecord_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("device");
        QTest::addColumn<int>("electrode");
        QTest::addColumn<bool>("apply");
        QTest::addColumn<QList<int>>("record");
        QTest::newRow("NA on board 0") << "swSwSetNAPushButton" << 0 << 63 << true << QList<int>({ 26, 1, 0, 0, 0, 0, 1, 0, 63 });
        QTest::newRow("MB on 15, no apply") << "swSwSetMBPushButton" << 15 << 0 << false << QList<int>({ 41, 1, 0, 0, 0, 0, 0, 1, 0 });
        QTest::newRow("MB, remote transmitter") << "swSwSetMBPushButton" << 17 << -2 << true << QList<int>({ 254, 1, 0, 0, 0, 0, 1, 1, 0xFFFF });
        QTest::newRow("grounding ignores the board and apply") << "swGroundingPushButton" << 3 << 7 << false << QList<int>({ 0, 0, 0, 1, 0, 0, 1, 0, 7 });
        QTest::newRow("all on 3") << "swAllPushButton" << 3 << 7 << false << QList<int>({ 29, 0, 0, 0, 1, 0, 1, 0, 0 });
        QTest::newRow("phantom on Tx") << "swPhantomPushButton" << 16 << 7 << false << QList<int>({ 42, 0, 0, 0, 0, 1, 1, 0, 0 });
        QTest::newRow("reset on Broadcast") << "swSwResetPushButton" << 17 << 7 << false << QList<int>({ 254, 0, 1, 0, 0, 0, 1, 0, 0 });
    }

    void switchRecord()
    {
        QFETCH(QString, button);
        QFETCH(int, device);
        QFETCH(int, electrode);
        QFETCH(bool, apply);
        QFETCH(QList<int>, record);
        screen->swDeviceComboBox->setCurrentIndex(device);
        screen->swElectrodeSpinBox->setValue(electrode);
        screen->swApplyCheckBox->setChecked(apply);
        screen->findChild<QPushButton*>(button)->click();
        QCOMPARE(jobs, QList<zarCoreJob>({ zarJobSwAux }));
        const auto r = std::any_cast<zarCoreParamSwAux>(recorded.first());
        QCOMPARE(QList<int>({ r.board, r.set, r.reset, r.grounding, r.all, r.phantom, r.apply, r.pinMB, r.electrode }), record);
    }

    void calibration_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("samples");
        QTest::addColumn<int>("restoreDefault");
        QTest::newRow("Calibrate sends the spin box") << "calibrateCalibratePushButton" << 77 << 0;
        QTest::newRow("Default sends 40 with the flag") << "calibrateDefaultPushButton" << 40 << 1;
    }

    void calibration()
    {
        QFETCH(QString, button);
        QFETCH(int, samples);
        QFETCH(int, restoreDefault);
        screen->calibrateSamplesSpinBox->setValue(77);
        screen->findChild<QPushButton*>(button)->click();
        QCOMPARE(jobs, QList<zarCoreJob>({ zarJobCalibrate }));
        const auto r = std::any_cast<zarCoreParamCalibrate>(recorded.first());
        QCOMPARE(int(r.samples), samples);
        QCOMPARE(int(r.restoreDefault), restoreDefault);
    }

    void calibrationOutcomeIsTold_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("success") << 0 << "Success";
        QTest::newRow("error") << int(zarErrorCanceled) << "Canceled by user";
    }

    void calibrationOutcomeIsTold()
    {
        QFETCH(int, code);
        zarCoreReportCalibrate report;
        report.error.code = quint8(code);
        emit zarCore::instance()->sendReportCalibrate(report);
        QTEST(texts.value(0), "text");
    }

    void stressRecord_data()
    {
        QTest::addColumn<int>("channel");
        QTest::addColumn<int>("device");
        QTest::newRow("channel 0") << 0 << 8;
        QTest::newRow("channel 15") << 15 << 23;
        QTest::newRow("output voltage") << 16 << 24;
        QTest::newRow("output current") << 17 << 25;
    }

    // The stress chain's record: the channel's device, samples and pause.
    void stressRecord()
    {
        QFETCH(int, channel);
        QFETCH(int, device);
        screen->stressRxChannelSpinBox->setValue(channel);
        screen->stressRxSamplesSpinBox->setValue(300);
        screen->stressRxPauseSpinBox->setValue(9);
        screen->stressRxStartPushButton->click();
        const auto r = std::any_cast<zarCoreParamRxStress>(recorded.value(0));
        QCOMPARE(QList<int>({ r.device, r.samples, int(r.pause) }), QList<int>({ device, 300, 9 }));
    }

    // An answer other than "OK" ends the chain and stays shown.
    void stressAnswerOtherThanOKEndsTheChain()
    {
        screen->stressRxStartPushButton->click();
        zarCoreReportRxStress answer;
        answer.result = QStringLiteral("ok ");
        emit zarCore::instance()->sendReportRxStress(answer);
        QCOMPARE(screen->stressRxStatusLabel->text(), QStringLiteral("ok "));
        QCOMPARE(jobs.count(zarJobRxStress), 1);
        screen->stressRxStartPushButton->click();
        QCOMPARE(jobs.count(zarJobRxStress), 2);
    }

    // A ping asks its device with no samples and the pause set beside it.
    void pingRecord()
    {
        screen->miscPingDeviceSpinBox->setValue(5);
        screen->miscPingMsSpinBox->setValue(250);
        screen->miscPingLabel->setText(QStringLiteral("OK"));
        screen->miscPingPushButton->click();
        const auto r = std::any_cast<zarCoreParamRxStress>(recorded.value(0));
        QCOMPARE(QList<int>({ r.device, r.samples, int(r.pause) }), QList<int>({ 5, 0, 250 }));
        QVERIFY(screen->miscPingLabel->text().isEmpty());
    }

    void soundAndPanic_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("job");
        QTest::newRow("sound alert") << "miscSoundAlertPushButton" << int(zarJobSound);
        QTest::newRow("panic") << "miscPanicPushButton" << int(zarJobStopAll);
    }

    void soundAndPanic()
    {
        QFETCH(QString, button);
        QFETCH(int, job);
        zarDiagnosticCapture diagnostics; // the stop-all finds no serial line
        screen->miscSoundSampleSpinBox->setValue(42);
        screen->findChild<QPushButton*>(button)->click();
        QCOMPARE(jobs, QList<zarCoreJob>({ zarCoreJob(job) }));
        if (job == zarJobSound)
            QCOMPARE(int(std::any_cast<quint8>(recorded.first())), 42);
    }

    // A read sends the empty record and fills the six boxes.
    void clockGetFillsTheBoxes()
    {
        const QDateTime when(QDate(2031, 3, 30), QTime(7, 8, 9));
        zarCore::instance()->jobThread().setSimulationClock([when] { return when; });
        const auto real = qScopeGuard([] { zarCore::instance()->jobThread().setSimulationClock(nullptr); });
        QSignalSpy reports(zarCore::instance(), &zarCore::sendReportClock);
        screen->miscTimeGetPushButton->click();
        QVERIFY(reports.wait(5000));
        const auto r = std::any_cast<zarCoreParamClock>(recorded.value(0));
        QVERIFY(r.set == 0 && r.date.isNull() && r.time.isNull());
        QCOMPARE(clockBoxes(), QList<int>({ 2031, 3, 30, 7, 8, 9 }));
    }

    void clockReportThatLeavesTheBoxes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("set");
        QTest::addColumn<QStringList>("told");
        QTest::newRow("an error") << int(zarErrorCanceled) << 0 << QStringList({ "Canceled by user" });
        QTest::newRow("the answer to a write") << 0 << 1 << QStringList();
    }

    void clockReportThatLeavesTheBoxes()
    {
        QFETCH(int, code);
        QFETCH(int, set);
        const QList<int> before = clockBoxes();
        zarCoreReportClock report;
        report.error.code = quint8(code);
        report.set = quint8(set);
        report.date = QDate(2031, 3, 30);
        report.time = QTime(7, 8, 9);
        emit zarCore::instance()->sendReportClock(report);
        QCOMPARE(clockBoxes(), before);
        QTEST(texts, "told");
    }

    // One line a tick; the eleventh starts the list again; Stop clears it.
    void gpsListKeepsTenLines()
    {
        screen->miscStartGPSPushButton->click();
        for (int tick = 0; tick < 10; ++tick)
            QVERIFY(QMetaObject::invokeMethod(screen.get(), "onGPSTimer"));
        QCOMPARE(screen->miscListWidget->count(), 10);
        QCOMPARE(screen->miscListWidget->item(0)->text(), QStringLiteral("rmc no, valid no, la 0, lo 0, y 2000, m 1, d 1, h 0, m 0, s 0"));
        QVERIFY(QMetaObject::invokeMethod(screen.get(), "onGPSTimer"));
        QCOMPARE(screen->miscListWidget->count(), 1);
        screen->miscStopGPSPushButton->click();
        QCOMPARE(screen->miscListWidget->count(), 0);
    }

    // Five lines per VES answer, the resistance worked out; nothing after an error.
    void vesAnswerLines()
    {
        zarCoreReportVES report;
        report.result.txVoltage = 1200.0f;
        report.result.rxVoltage = 5.0f;
        report.result.txCurrent = 2.0f;
        report.result.chargeability = 0.125f;
        emit zarCore::instance()->sendReportVES(report);
        report.error.code = zarErrorSimulated;
        emit zarCore::instance()->sendReportVES(report);
        QStringList lines;
        for (int i = 0; i < screen->vesListWidget->count(); ++i)
            lines << screen->vesListWidget->item(i)->text();
        QCOMPARE(lines, QStringList({ "U.Tx[mV]=1200", "U.Rx[mV]=5", "I[mA]=2", "R[ohm]=2.5", "C[mV/V]=0.125" }));
        QCOMPARE(texts, QStringList({ "Simulated error" }));
    }

    // A press starts a new list.
    void vesPressClearsTheList()
    {
        screen->vesListWidget->addItem(QStringLiteral("old"));
        screen->vesPushButton->click();
        QCOMPARE(jobs, QList<zarCoreJob>({ zarJobVES }));
        QCOMPARE(screen->vesListWidget->count(), 0);
    }

    // One fixed quadripole, current on 0 and 1, potential on the same two swapped, with the options' settings.
    void et2dSendsTheFixedQuadripole()
    {
        screen->signalASpinBox->setValue(9);
        screen->et2dPushButton->click();
        const auto r = std::any_cast<zarCoreParamET2D>(recorded.value(0));
        zarCoreQuadripole q;
        q.b = 1;
        q.m = 1;
        QCOMPARE(r.quadripoles, QList<zarCoreQuadripole>({ q }));
        QCOMPARE(r.settings, zarMeasureSettings());
        QCOMPARE(screen->et2dInListWidget->count(), 1);
        QCOMPARE(screen->et2dInListWidget->item(0)->text(), QStringLiteral("A=0 B=1 M=1 N=0 Ch=0"));
    }

    // An error empties the results; the quadripole stays listed.
    void et2dErrorEmptiesTheResults()
    {
        screen->et2dInListWidget->addItem(QStringLiteral("A=0 B=1 M=1 N=0 Ch=0"));
        screen->et2dOutListWidget->addItem(QStringLiteral("old"));
        zarCoreReportET2D report;
        report.results = { zarMeasureSet() };
        report.error.code = zarErrorSimulated;
        emit zarCore::instance()->sendReportET2D(report);
        QCOMPARE(screen->et2dOutListWidget->count(), 0);
        QCOMPARE(screen->et2dInListWidget->count(), 1);
    }

    // In the main window, in Russian (the longest titles), with the program's font and style: every tab
    // in the bar without scrolling, every control inside its page and at least 48 px high.
    void everyTabFits()
    {
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

    void everyControlShowsItsWholeText_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "En";
        QTest::newRow("Russian") << "Ru";
    }

    // In the main window with the program's font and style, on every tab: no control is cut
    // short or lies over another, and the production list shows each whole title inside its view.
    void everyControlShowsItsWholeText()
    {
        QFETCH(QString, language);
        const auto english = qScopeGuard([] { zarTranslator::instance()->setLanguage(QStringLiteral("En")); });
        QApplication::setStyle(new zarGuiStyle());
        QVERIFY(zarTranslator::instance()->setLanguage(language));
        zarMainWidget window;
        window.show();
        window.tabWidget->setCurrentIndex(4);
        zarEngineerWidget* opened = openEngineerScreen(window, engineerCodeA);
        QVERIFY(opened);
        QTRY_VERIFY(opened->isVisible());
        for (int i = 0; i < opened->tabWidget->count(); ++i) {
            opened->tabWidget->setCurrentIndex(i);
            QApplication::processEvents();
            QWidget* page = opened->tabWidget->currentWidget();
            QList<QWidget*> shown;
            for (QWidget* w : page->findChildren<QWidget*>())
                if (w->isVisible() && (isOwnTouchControl(w, page) || (qobject_cast<QLabel*>(w) && isOwnControl(w, page))))
                    shown << w;
            for (QWidget* w : shown) {
                const QRect r(w->mapTo(page, QPoint()), w->size());
                const QString what = opened->tabWidget->tabText(i) + QLatin1Char(' ') + w->objectName();
                const auto* label = qobject_cast<QLabel*>(w);
                if (!(label && label->wordWrap()))
                    QVERIFY2(w->width() >= w->minimumSizeHint().width() && w->height() >= w->minimumSizeHint().height(),
                             qPrintable(what + " cut short"));
                for (QWidget* other : shown)
                    if (other != w && !other->isAncestorOf(w) && !w->isAncestorOf(other))
                        QVERIFY2(!r.intersects(QRect(other->mapTo(page, QPoint()), other->size())),
                                 qPrintable(what + " over " + other->objectName()));
            }
        }
        opened->tabWidget->setCurrentIndex(0);
        QApplication::processEvents();
        for (QToolButton* test : opened->proFrame->findChildren<QToolButton*>()) {
            QVERIFY2(test->width() >= test->sizeHint().width(), qPrintable(test->text()));
            QVERIFY2(test->mapTo(opened->proScrollArea->viewport(), QPoint(test->width(), 0)).x()
                         <= opened->proScrollArea->viewport()->width(),
                     qPrintable(test->text()));
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
