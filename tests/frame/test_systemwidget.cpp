#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "engineer/zarengineerwidget.h"
#include "frame/zarcommandrunner.h"
#include "frame/zarlanguagewidget.h"
#include "frame/zarpassworddialog.h"
#include "frame/zarsystemwidget.h"
#include "frame/zartranslator.h"
#include "frame/zarwarningdialog.h"
#include "service/zarreleasewidget.h"

#include <QPointer>
#include <QSignalSpy>

// System menu: busy refusals, exit, screens inside the page, engineer modes, USB storage mode.
class TestSystemWidget : public QObject
{
    Q_OBJECT

    // Answers the next message with its first button (or No) and keeps its text.
    static void answer(QStringList* texts, bool yes = true)
    {
        zarWhenModal([texts, yes](QWidget* w) {
            auto* d = qobject_cast<zarWarningDialog*>(w);
            QVERIFY(d);
            texts->append(d->messageLabel->text());
            (yes ? d->okYesPushButton : d->noPushButton)->click();
        });
    }

    static void invoke(zarSystemWidget& menu, const char* slot)
    {
        QVERIFY(QMetaObject::invokeMethod(&menu, slot));
    }

    static QList<QToolButton*> buttons(zarSystemWidget& m)
    {
        return { m.languageToolButton, m.usbToolButton, m.devicesToolButton, m.updateToolButton, m.clockToolButton,
                 m.releaseToolButton, m.gpsToolButton, m.engineerToolButton, m.exitToolButton };
    }

    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

private slots:
    void cleanup()
    {
        zarSystemWidget::setBusy(false);
        zarCommandRunner::setHandler(nullptr);
        zarWarningDialog::hideBusy();
        flushDeletes();
    }

    void onlyLanguageReleaseAndExitAreEnabled()
    {
        zarSystemWidget menu;
        for (QToolButton* b : buttons(menu)) {
            const bool enabled = b == menu.languageToolButton || b == menu.releaseToolButton || b == menu.exitToolButton;
            QCOMPARE(b->isEnabled(), enabled);
        }
    }

    void busyRefusesWithItsText()
    {
        zarSystemWidget menu;
        menu.show();
        zarSystemWidget::setBusy(true);
        QVERIFY(zarSystemWidget::isBusy());
        QSignalSpy off(&menu, &zarSystemWidget::sendPowerOff);
        bool ran = false;
        zarCommandRunner::setHandler([&](const QString&, const QStringList&, int) { ran = true; return zarCommandRunner::Succeeded; });
        QStringList texts;
        for (const char* slot : { "onExit", "onUpdate", "onEngineer", "onUsb" }) {
            answer(&texts);
            invoke(menu, slot);
        }
        QCOMPARE(texts, QStringList({ "Stop all activities to exit", "Stop all activities to update",
                                      "Stop all activities to enter engineer mode",
                                      "Stop all activities to enter USB storage mode" }));
        QCOMPARE(off.count(), 0);
        QVERIFY(!ran);
        QVERIFY(!menu.openScreen());

        // The other screens do not look at the flag.
        for (const char* slot : { "onLanguage", "onRelease", "onClock", "onGPS", "onDevices" }) {
            invoke(menu, slot);
            QWidget* screen = menu.openScreen();
            QVERIFY2(screen, slot);
            screen->close();
            QVERIFY(!menu.openScreen());
        }
    }

    void exitAsksFirst()
    {
        zarSystemWidget menu;
        QSignalSpy off(&menu, &zarSystemWidget::sendPowerOff);
        QStringList texts;
        answer(&texts, false);
        menu.exitToolButton->click();
        QCOMPARE(off.count(), 0);
        answer(&texts, true);
        menu.exitToolButton->click();
        QCOMPARE(off.count(), 1);
        QCOMPARE(texts, QStringList({ "Are you sure you want to exit?", "Are you sure you want to exit?" }));
    }

    void languageScreenOpensInThePageAndGoes()
    {
        zarSystemWidget menu;
        menu.show();
        menu.languageToolButton->click();
        QPointer<QWidget> screen = menu.openScreen();
        QVERIFY(qobject_cast<zarLanguageWidget*>(screen));
        QCOMPARE(screen->parentWidget(), &menu);
        QTRY_VERIFY(screen->isVisible());
        for (QToolButton* b : buttons(menu))
            QVERIFY(!b->isVisible());
        QCOMPARE(menu.verticalLayout->contentsMargins(), QMargins(0, 0, 0, 0));

        static_cast<zarLanguageWidget*>(screen.data())->pushButton->click();
        QVERIFY(!menu.openScreen());
        QVERIFY(menu.verticalLayout->indexOf(screen) < 0);
        flushDeletes();
        QVERIFY(!screen);
        for (QToolButton* b : buttons(menu))
            QVERIFY(b->isVisible());
        QVERIFY(!menu.usbToolButton->isEnabled());
        QCOMPARE(menu.verticalLayout->contentsMargins(), QMargins(6, 6, 6, 6));

        // And again: a second screen opens normally.
        menu.releaseToolButton->click();
        QVERIFY(qobject_cast<zarReleaseWidget*>(menu.openScreen()));
        static_cast<zarReleaseWidget*>(menu.openScreen())->acceptPushButton->click();
        QVERIFY(!menu.openScreen());
    }

    void engineerOpensInTheModeOfTheEntry_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("tabs");
        QTest::addColumn<bool>("testsLocked");
        QTest::newRow("first code") << engineerCodeA << 0 << 2 << false;
        QTest::newRow("second code") << engineerCodeB << 1 << 1 << false;
        QTest::newRow("wrong") << QStringLiteral("1") << 3 << 1 << true;
        QTest::newRow("empty") << QString() << 3 << 1 << true;
    }

    void engineerOpensInTheModeOfTheEntry()
    {
        QFETCH(QString, entry);
        QFETCH(int, mode);
        QFETCH(int, tabs);
        QFETCH(bool, testsLocked);
        zarSystemWidget menu;
        zarWhenModal([entry](QWidget* w) {
            auto* d = qobject_cast<zarPasswordDialog*>(w);
            QVERIFY(d);
            for (QChar c : entry)
                d->findChild<QPushButton*>(QStringLiteral("pushButton") + c)->click();
            d->enterPushButton->click();
        });
        invoke(menu, "onEngineer");
        auto* engineer = qobject_cast<zarEngineerWidget*>(menu.openScreen());
        QVERIFY(engineer);
        QCOMPARE(engineer->mode(), mode);
        QCOMPARE(engineer->tabWidget->count(), tabs);
        QCOMPARE(engineer->proToolButton16->isEnabled(), !testsLocked);
        engineer->proExitPushButton->click();
        QVERIFY(!menu.openScreen());
    }

    void cancelledPasswordOpensNothing()
    {
        zarSystemWidget menu;
        zarWhenModal([](QWidget* w) { qobject_cast<zarPasswordDialog*>(w)->cancelPushButton->click(); });
        invoke(menu, "onEngineer");
        QVERIFY(!menu.openScreen());
        QVERIFY(menu.exitToolButton->isVisibleTo(&menu));
    }

    void languageChangeRelabelsSevenButtons()
    {
        zarSystemWidget menu;
        QVERIFY(zarTranslator::instance()->setLanguage(QStringLiteral("Ru")));
        QCOMPARE(menu.exitToolButton->text(), QStringLiteral("Выход"));
        QVERIFY(menu.clockToolButton->text() != QStringLiteral("Clock"));
        QCOMPARE(menu.usbToolButton->text(), QStringLiteral("USB"));
        QCOMPARE(menu.gpsToolButton->text(), QStringLiteral("GPS"));
        QVERIFY(zarTranslator::instance()->setLanguage(QStringLiteral("En")));
        QCOMPARE(menu.exitToolButton->text(), QStringLiteral("Exit"));
    }

    void usb_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("stop");
        QTest::addColumn<QStringList>("messages");
        const QString ok = QStringLiteral("Press OK to leave USB storage mode");
        const QString cannotEnter = QStringLiteral("Can not enter USB storage mode");
        const QString cannotLeave = QStringLiteral("Can not leave USB storage mode");
        QTest::newRow("works") << int(zarCommandRunner::Succeeded) << int(zarCommandRunner::Succeeded) << QStringList { ok };
        QTest::newRow("start missing") << int(zarCommandRunner::NotStarted) << int(zarCommandRunner::Succeeded) << QStringList { cannotEnter };
        QTest::newRow("start fails") << int(zarCommandRunner::Failed) << int(zarCommandRunner::Succeeded) << QStringList { cannotEnter };
        QTest::newRow("start hangs") << int(zarCommandRunner::TimedOut) << int(zarCommandRunner::Succeeded) << QStringList { cannotEnter };
        QTest::newRow("stop fails") << int(zarCommandRunner::Succeeded) << int(zarCommandRunner::Failed) << QStringList { ok, cannotLeave };
        QTest::newRow("stop hangs") << int(zarCommandRunner::Succeeded) << int(zarCommandRunner::TimedOut) << QStringList { ok, cannotLeave };
    }

    // USB storage mode with the commands substituted: usb_stop always runs, behind
    // "Please wait...", and every failure is told.
    void usb()
    {
        QFETCH(int, start);
        QFETCH(int, stop);
        QFETCH(QStringList, messages);
        zarSystemWidget menu;
        QStringList calls;
        QString busyText;
        QStringList texts;
        bool plainCalls = true;
        zarCommandRunner::setHandler([&](const QString& program, const QStringList& arguments, int timeoutMs) {
            calls << program;
            plainCalls = plainCalls && arguments.isEmpty() && timeoutMs == 30000;
            if (program == QLatin1String("usb_start")) {
                answer(&texts);
                return zarCommandRunner::Outcome(start);
            }
            zarWarningDialog* d = zarWarningDialog::current();
            if (d && d->isVisible())
                busyText = d->messageLabel->text();
            if (messages.size() > 1)
                answer(&texts); // "Can not leave..." follows usb_stop
            return zarCommandRunner::Outcome(stop);
        });
        invoke(menu, "onUsb");
        QCOMPARE(calls, QStringList({ "usb_start", "usb_stop" }));
        QVERIFY(plainCalls);
        QCOMPARE(busyText, QStringLiteral("Please wait..."));
        QCOMPARE(texts, messages);
        QVERIFY(!zarWarningDialog::current() || messages.size() > 1);
    }
};

ZAR_TEST_MAIN(TestSystemWidget)
#include "test_systemwidget.moc"
