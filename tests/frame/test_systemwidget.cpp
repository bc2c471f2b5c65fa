#include "zardialoganswer.h"
#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "core/zarcore.h"
#include "engineer/zarengineerwidget.h"
#include "frame/zarcommandrunner.h"
#include "frame/zarlanguagewidget.h"
#include "frame/zarpassworddialog.h"
#include "frame/zarsystemwidget.h"
#include "frame/zarwarningdialog.h"

#include <QPointer>
#include <QSignalSpy>

// System menu: the buttons, Exit, the screens it opens in its page, busy refusals, USB
// storage mode and the outcomes of the commands it runs.
class TestSystemWidget : public QObject
{
    Q_OBJECT

    // Answers the next message with Yes/OK or No and keeps its text.
    static void answer(QStringList* texts, bool yes = true)
    {
        zarWhenModal([texts, yes](QWidget* w) {
            auto* d = qobject_cast<zarWarningDialog*>(w);
            QVERIFY(d);
            texts->append(d->messageLabel->text());
            (yes ? d->okYesPushButton : d->noPushButton)->click();
        });
    }

private slots:
    void cleanup()
    {
        zarSystemWidget::setBusy(false);
        zarCommandRunner::setHandler(nullptr);
        zarWarningDialog::hideBusy();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // usb_stop always runs, behind "Please wait...", and every failure is told.
    void usb_data()
    {
        using R = zarCommandRunner;
        const QString start = QStringLiteral("usb_start"), stop = QStringLiteral("usb_stop Please wait...");
        QTest::addColumn<int>("started");
        QTest::addColumn<int>("stopped");
        QTest::addColumn<QStringList>("log");
        QTest::newRow("start hangs") << int(R::TimedOut) << int(R::Failed)
                                     << QStringList({ start, "Can not enter USB storage mode", stop });
        QTest::newRow("stop hangs") << int(R::Succeeded) << int(R::TimedOut)
                                    << QStringList({ start, "Press OK to leave USB storage mode", stop,
                                                     "Can not leave USB storage mode" });
        QTest::newRow("start fails") << int(R::Failed) << int(R::Succeeded)
                                     << QStringList({ start, "Can not enter USB storage mode", stop });
        QTest::newRow("start missing") << int(R::NotStarted) << int(R::Succeeded)
                                       << QStringList({ start, "Can not enter USB storage mode", stop });
        QTest::newRow("stop fails") << int(R::Succeeded) << int(R::Failed)
                                    << QStringList({ start, "Press OK to leave USB storage mode", stop,
                                                     "Can not leave USB storage mode" });
        QTest::newRow("both work") << int(R::Succeeded) << int(R::Succeeded)
                                   << QStringList({ start, "Press OK to leave USB storage mode", stop });
    }

    void usb()
    {
        QFETCH(int, started);
        QFETCH(int, stopped);
        QFETCH(QStringList, log);
        zarSystemWidget menu;
        QStringList seen;
        // Answers the next message and logs its text.
        auto answer = [&seen] {
            zarWhenModal([&seen](QWidget* w) {
                auto* d = qobject_cast<zarWarningDialog*>(w);
                QVERIFY(d);
                seen << d->messageLabel->text();
                d->okYesPushButton->click();
            });
        };
        zarCommandRunner::setHandler([&](const QString& program, const QStringList&, int) {
            const zarWarningDialog* d = zarWarningDialog::current();
            const bool isStart = program == QLatin1String("usb_start");
            seen << (isStart ? program : program + QLatin1Char(' ') + (d && d->isVisible() ? d->messageLabel->text() : QString()));
            // A message follows the start, and the stop when the row expects one.
            if (isStart || log.size() > 3)
                answer();
            return zarCommandRunner::Outcome(isStart ? started : stopped);
        });
        QVERIFY(QMetaObject::invokeMethod(&menu, "onUsb"));
        QCOMPARE(seen, log);
    }

    // A real process: a failure or a hang is never told as success.
    void commandOutcomes_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<int>("outcome");
        QTest::newRow("succeeds") << "true" << QStringList() << 5000 << int(zarCommandRunner::Succeeded);
        QTest::newRow("fails") << "false" << QStringList() << 5000 << int(zarCommandRunner::Failed);
        QTest::newRow("missing") << "/nonexistent/usb_start" << QStringList() << 5000 << int(zarCommandRunner::NotStarted);
        QTest::newRow("hangs") << "sleep" << QStringList({ "30" }) << 100 << int(zarCommandRunner::TimedOut);
    }

    void commandOutcomes()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(int, timeoutMs);
        QTEST(int(zarCommandRunner::run(program, arguments, timeoutMs)), "outcome");
    }

    // While busy, Exit, Update, Engineer and USB refuse with their own text and do nothing.
    void busyRefusals_data()
    {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QString>("text");
        QTest::newRow("exit") << "onExit" << "Stop all activities to exit";
        QTest::newRow("update") << "onUpdate" << "Stop all activities to update";
        QTest::newRow("engineer") << "onEngineer" << "Stop all activities to enter engineer mode";
        QTest::newRow("USB") << "onUsb" << "Stop all activities to enter USB storage mode";
    }

    void busyRefusals()
    {
        QFETCH(QString, slot);
        zarSystemWidget menu;
        zarSystemWidget::setBusy(true);
        QSignalSpy off(&menu, &zarSystemWidget::sendPowerOff);
        bool ran = false;
        zarCommandRunner::setHandler([&](const QString&, const QStringList&, int) { ran = true; return zarCommandRunner::Succeeded; });
        QStringList texts;
        answer(&texts);
        QVERIFY(QMetaObject::invokeMethod(&menu, qPrintable(slot)));
        QTEST(texts.value(0), "text");
        QVERIFY(!ran);
        QVERIFY(!menu.openScreen());
        QCOMPARE(off.count(), 0);
    }

    // Of the menu's buttons only Language, Release and Exit can be pressed.
    void buttonsEnabledAtStart_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("Language") << "languageToolButton" << true;
        QTest::newRow("Release") << "releaseToolButton" << true;
        QTest::newRow("Exit") << "exitToolButton" << true;
        QTest::newRow("USB") << "usbToolButton" << false;
        QTest::newRow("Devices") << "devicesToolButton" << false;
        QTest::newRow("Update") << "updateToolButton" << false;
        QTest::newRow("Clock") << "clockToolButton" << false;
        QTest::newRow("GPS") << "gpsToolButton" << false;
        QTest::newRow("Engineer") << "engineerToolButton" << false;
    }

    void buttonsEnabledAtStart()
    {
        QFETCH(QString, button);
        zarSystemWidget menu;
        QToolButton* b = menu.findChild<QToolButton*>(button);
        QVERIFY(b);
        QTEST(b->isEnabled(), "enabled");
    }

    void exitAsksFirst_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes powers off") << true;
        QTest::newRow("no stays") << false;
    }

    void exitAsksFirst()
    {
        QFETCH(bool, yes);
        zarSystemWidget menu;
        QSignalSpy off(&menu, &zarSystemWidget::sendPowerOff);
        QStringList texts;
        answer(&texts, yes);
        menu.exitToolButton->click();
        QCOMPARE(texts, QStringList({ "Are you sure you want to exit?" }));
        QCOMPARE(off.count(), int(yes));
    }

    // The screens that do not stop a measurement open while one runs.
    void otherScreensOpenWhileBusy_data()
    {
        QTest::addColumn<QString>("slot");
        QTest::newRow("language") << "onLanguage";
        QTest::newRow("release") << "onRelease";
        QTest::newRow("clock") << "onClock";
        QTest::newRow("GPS") << "onGPS";
        QTest::newRow("devices") << "onDevices";
    }

    void otherScreensOpenWhileBusy()
    {
        QFETCH(QString, slot);
        zarDialogAnswer none;
        none.expect();
        zarSystemWidget menu;
        zarSystemWidget::setBusy(true);
        QVERIFY(QMetaObject::invokeMethod(&menu, qPrintable(slot)));
        QWidget* screen = menu.openScreen();
        QVERIFY(screen);
        QVERIFY(!none.shown);
        zarCore::instance()->jobThread().wait(); // the device table's discovery
        QCoreApplication::processEvents();
        screen->close();
        QVERIFY(!menu.openScreen());
    }

    // An opened screen takes the place of the buttons in the page; closed, it goes and they come back.
    void aScreenTakesThePlaceOfTheButtons()
    {
        zarSystemWidget menu;
        menu.show();
        menu.languageToolButton->click();
        QPointer<QWidget> screen = menu.openScreen();
        QVERIFY(qobject_cast<zarLanguageWidget*>(screen));
        QCOMPARE(screen->parentWidget(), &menu);
        QTRY_VERIFY(screen->isVisible());
        QCOMPARE(menu.verticalLayout->contentsMargins(), QMargins(0, 0, 0, 0));
        QVERIFY(!menu.exitToolButton->isVisible());
        static_cast<zarLanguageWidget*>(screen.data())->pushButton->click();
        QVERIFY(!menu.openScreen());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!screen);
        QVERIFY(menu.exitToolButton->isVisible());
        QCOMPARE(menu.verticalLayout->contentsMargins(), QMargins(6, 6, 6, 6));
    }

    void engineerOpensInTheModeOfTheEntry_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("tabs");
        QTest::newRow("first code") << engineerCodeA << 10;
        QTest::newRow("second code") << engineerCodeB << 1;
        QTest::newRow("wrong") << QStringLiteral("1") << 1;
    }

    void engineerOpensInTheModeOfTheEntry()
    {
        QFETCH(QString, entry);
        zarSystemWidget menu;
        zarWhenModal([entry](QWidget* w) {
            auto* d = qobject_cast<zarPasswordDialog*>(w);
            QVERIFY(d);
            for (QChar c : entry)
                d->findChild<QPushButton*>(QStringLiteral("pushButton") + c)->click();
            d->enterPushButton->click();
        });
        QVERIFY(QMetaObject::invokeMethod(&menu, "onEngineer"));
        auto* engineer = qobject_cast<zarEngineerWidget*>(menu.openScreen());
        QVERIFY(engineer);
        QTEST(engineer->tabWidget->count(), "tabs");
        engineer->proExitPushButton->click();
        QVERIFY(!menu.openScreen());
    }

    void cancelledPasswordOpensNothing()
    {
        zarSystemWidget menu;
        zarWhenModal([](QWidget* w) { qobject_cast<zarPasswordDialog*>(w)->cancelPushButton->click(); });
        QVERIFY(QMetaObject::invokeMethod(&menu, "onEngineer"));
        QVERIFY(!menu.openScreen());
        QVERIFY(menu.exitToolButton->isVisibleTo(&menu));
    }
};

ZAR_TEST_MAIN(TestSystemWidget)
#include "test_systemwidget.moc"
