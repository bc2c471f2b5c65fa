#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "engineer/zarengineerwidget.h"
#include "frame/zarcommandrunner.h"
#include "frame/zarlanguagewidget.h"
#include "frame/zarpassworddialog.h"
#include "frame/zarsystemwidget.h"
#include "frame/zartranslator.h"
#include "frame/zarwarningdialog.h"

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

    static QList<QToolButton*> buttons(zarSystemWidget& m) { return m.findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly); }

    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

private slots:
    void cleanup()
    {
        zarSystemWidget::setBusy(false);
        zarCommandRunner::setHandler(nullptr);
        zarWarningDialog::hideBusy();
        flushDeletes();
    }

    // While busy, Exit, Update, Engineer and USB refuse with their own text; the
    // other screens do not look at the flag. Otherwise Exit asks first.
    void busyRefusalsAndExit()
    {
        zarSystemWidget menu;
        menu.show();
        zarSystemWidget::setBusy(true);
        QSignalSpy off(&menu, &zarSystemWidget::sendPowerOff);
        bool ran = false;
        zarCommandRunner::setHandler([&](const QString&, const QStringList&, int) { ran = true; return zarCommandRunner::Succeeded; });
        QStringList texts;
        for (const char* slot : { "onExit", "onUpdate", "onEngineer", "onUsb" }) {
            answer(&texts);
            QVERIFY(QMetaObject::invokeMethod(&menu, slot));
        }
        QCOMPARE(off.count(), 0);
        QVERIFY(!ran);
        QVERIFY(!menu.openScreen());

        for (const char* slot : { "onLanguage", "onRelease", "onClock", "onGPS", "onDevices" }) {
            QVERIFY(QMetaObject::invokeMethod(&menu, slot));
            QWidget* screen = menu.openScreen();
            QVERIFY2(screen, slot);
            screen->close();
            QVERIFY(!menu.openScreen());
        }

        zarSystemWidget::setBusy(false);
        for (bool yes : { false, true }) {
            answer(&texts, yes);
            menu.exitToolButton->click();
            QCOMPARE(off.count(), int(yes));
        }
        QCOMPARE(texts, QStringList({ "Stop all activities to exit", "Stop all activities to update",
                                      "Stop all activities to enter engineer mode",
                                      "Stop all activities to enter USB storage mode",
                                      "Are you sure you want to exit?", "Are you sure you want to exit?" }));
    }

    // The screen takes the page's place and goes again; the menu follows its language.
    void languageScreenOpensInThePageAndGoes()
    {
        zarSystemWidget menu;
        menu.show();
        menu.languageToolButton->click();
        QPointer<zarLanguageWidget> screen = qobject_cast<zarLanguageWidget*>(menu.openScreen());
        QVERIFY(screen);
        QCOMPARE(buttons(menu).size(), 9);
        QCOMPARE(screen->parentWidget(), &menu);
        QTRY_VERIFY(screen->isVisible());
        for (QToolButton* b : buttons(menu))
            QVERIFY(!b->isVisible());
        QCOMPARE(menu.verticalLayout->contentsMargins(), QMargins(0, 0, 0, 0));
        screen->ruPushButton->click();
        QCOMPARE(menu.exitToolButton->text() + menu.usbToolButton->text(), QStringLiteral("ВыходUSB"));

        screen->pushButton->click();
        QVERIFY(!menu.openScreen());
        QVERIFY(menu.verticalLayout->indexOf(screen) < 0);
        flushDeletes();
        QVERIFY(!screen);
        // Back: all buttons, only Language, Release and Exit usable.
        for (QToolButton* b : buttons(menu)) {
            QVERIFY(b->isVisible());
            QCOMPARE(b->isEnabled(), b == menu.languageToolButton || b == menu.releaseToolButton || b == menu.exitToolButton);
        }
        QCOMPARE(menu.verticalLayout->contentsMargins(), QMargins(6, 6, 6, 6));
        QVERIFY(zarTranslator::instance()->setLanguage(QStringLiteral("En")));
        QCOMPARE(menu.exitToolButton->text(), QStringLiteral("Exit"));
    }

    // The engineer screen opens in the password's mode (-1: cancelled, nothing opens).
    void engineerOpensInTheModeOfTheEntry()
    {
        const QList<std::tuple<QString, int, int>> cases = { { engineerCodeA, 0, 2 }, { engineerCodeB, 1, 1 },
                                                             { QStringLiteral("1"), 3, 1 }, { engineerCodeA, -1, 0 } };
        for (const auto& c : cases) {
            const int mode = std::get<1>(c);
            zarSystemWidget menu;
            zarWhenModal([&c, mode](QWidget* w) {
                auto* d = qobject_cast<zarPasswordDialog*>(w);
                QVERIFY(d);
                for (QChar digit : std::get<0>(c))
                    d->findChild<QPushButton*>(QStringLiteral("pushButton") + digit)->click();
                (mode < 0 ? d->cancelPushButton : d->enterPushButton)->click();
            });
            QVERIFY(QMetaObject::invokeMethod(&menu, "onEngineer"));
            auto* engineer = qobject_cast<zarEngineerWidget*>(menu.openScreen());
            QCOMPARE(engineer ? engineer->mode() : -1, mode);
            QCOMPARE(engineer ? engineer->tabWidget->count() : 0, std::get<2>(c));
            QCOMPARE(menu.exitToolButton->isVisibleTo(&menu), !engineer);
            if (engineer) {
                QCOMPARE(engineer->proToolButton16->isEnabled(), mode != 3);
                engineer->proExitPushButton->click();
                QVERIFY(!menu.openScreen());
            }
        }
    }

    void usb_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("stop");
        QTest::addColumn<QStringList>("messages");
        const QString ok = QStringLiteral("Press OK to leave USB storage mode");
        const QString enter = QStringLiteral("Can not enter USB storage mode");
        const QString leave = QStringLiteral("Can not leave USB storage mode");
        using R = zarCommandRunner;
        QTest::newRow("works") << int(R::Succeeded) << int(R::Succeeded) << QStringList { ok };
        QTest::newRow("start fails") << int(R::Failed) << int(R::Succeeded) << QStringList { enter };
        QTest::newRow("start hangs") << int(R::TimedOut) << int(R::Succeeded) << QStringList { enter };
        QTest::newRow("stop fails") << int(R::Succeeded) << int(R::Failed) << QStringList { ok, leave };
        QTest::newRow("stop hangs") << int(R::Succeeded) << int(R::TimedOut) << QStringList { ok, leave };
    }

    // USB storage mode with the commands substituted: usb_stop always runs, behind
    // "Please wait...", and every failure is told.
    void usb()
    {
        QFETCH(int, start);
        QFETCH(int, stop);
        QFETCH(QStringList, messages);
        zarSystemWidget menu;
        QStringList calls, texts;
        zarCommandRunner::setHandler([&](const QString& program, const QStringList& arguments, int timeoutMs) {
            const zarWarningDialog* d = zarWarningDialog::current();
            calls << QStringLiteral("%1%2 %3 %4").arg(program, arguments.join(QLatin1Char(' '))).arg(timeoutMs)
                         .arg(d && d->isVisible() ? d->messageLabel->text() : QString());
            // "Press OK..." follows usb_start, "Can not leave..." usb_stop.
            if (program == QLatin1String("usb_start") || messages.size() > 1)
                answer(&texts);
            return zarCommandRunner::Outcome(program == QLatin1String("usb_start") ? start : stop);
        });
        QVERIFY(QMetaObject::invokeMethod(&menu, "onUsb"));
        QCOMPARE(calls, QStringList({ "usb_start 30000 ", "usb_stop 30000 Please wait..." }));
        QCOMPARE(texts, messages);
        QVERIFY(!zarWarningDialog::current() || messages.size() > 1);
    }
};

ZAR_TEST_MAIN(TestSystemWidget)
#include "test_systemwidget.moc"
