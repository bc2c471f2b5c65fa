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
#include <QSettings>
#include <QSignalSpy>

// System menu: busy refusals, exit, screens inside the page, engineer mode, USB storage mode.
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

private slots:
    void cleanup()
    {
        zarSystemWidget::setBusy(false);
        zarCommandRunner::setHandler(nullptr);
        zarWarningDialog::hideBusy();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Named in the language of the moment, also in the one chosen before the menu was made.
    void buttonsAreNamedFromTheStart_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("exit") << "En" << "exitToolButton" << "Exit";
        QTest::newRow("devices") << "En" << "devicesToolButton" << "Devices";
        QTest::newRow("clock") << "En" << "clockToolButton" << "Clock";
        QTest::newRow("exit in Russian") << "Ru" << "exitToolButton" << "Выход";
    }

    void buttonsAreNamedFromTheStart()
    {
        QFETCH(QString, language);
        QFETCH(QString, name);
        QVERIFY(zarTranslator::instance()->setLanguage(language));
        const QString text = zarSystemWidget().findChild<QToolButton*>(name)->text();
        QVERIFY(zarTranslator::instance()->setLanguage(QStringLiteral("En")));
        QTEST(text, "text");
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
        menu.show();
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

    // Exit asks first and powers off only on Yes.
    void exitAsksFirst_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
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

    // The screen takes the page's place and goes again; the menu follows its language,
    // which is stored only when the screen closes.
    void languageScreenOpensInThePageAndGoes()
    {
        zarSystemWidget menu;
        menu.show();
        const QList<QToolButton*> buttons = menu.findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly);
        auto shape = [&] {
            const int shown = std::count_if(buttons.begin(), buttons.end(), [](QWidget* b) { return b->isVisible(); });
            return QStringLiteral("%1 shown, margins %2").arg(shown).arg(menu.verticalLayout->contentsMargins().left());
        };
        auto stored = [] { return QSettings(settingsScope, QStringLiteral("zarTranslator")).value(QStringLiteral("language")).toString(); };
        menu.languageToolButton->click();
        QPointer<zarLanguageWidget> screen = qobject_cast<zarLanguageWidget*>(menu.openScreen());
        QVERIFY(screen);
        QVERIFY(screen->parentWidget() == &menu);
        QTRY_VERIFY(screen->isVisible());
        QCOMPARE(shape(), QStringLiteral("0 shown, margins 0"));
        screen->ruPushButton->click();
        QCOMPARE(menu.exitToolButton->text(), QStringLiteral("Выход"));
        QCOMPARE(screen->pushButton->text(), QStringLiteral("Принять"));
        QCOMPARE(stored(), QString());

        screen->pushButton->click();
        QCOMPARE(stored(), QStringLiteral("Ru"));
        QVERIFY(!menu.openScreen());
        QVERIFY(menu.verticalLayout->indexOf(screen) < 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!screen);
        // Back: all buttons, only Language, Release and Exit usable.
        QCOMPARE(shape(), QStringLiteral("9 shown, margins 6"));
        for (QToolButton* b : buttons)
            QCOMPARE(b->isEnabled(), b == menu.languageToolButton || b == menu.releaseToolButton || b == menu.exitToolButton);
        QVERIFY(zarTranslator::instance()->setLanguage(QStringLiteral("En")));
    }

    // The engineer screen opens in the password's mode and goes again.
    void engineerOpensInTheModeOfTheEntry()
    {
        zarSystemWidget menu;
        zarWhenModal([](QWidget* w) {
            for (QChar digit : engineerCodeA)
                w->findChild<QPushButton*>(QStringLiteral("pushButton") + digit)->click();
            qobject_cast<zarPasswordDialog*>(w)->enterPushButton->click();
        });
        QVERIFY(QMetaObject::invokeMethod(&menu, "onEngineer"));
        auto* engineer = qobject_cast<zarEngineerWidget*>(menu.openScreen());
        QVERIFY(engineer);
        QCOMPARE(engineer->tabWidget->count(), 10);
        engineer->proExitPushButton->click();
        QVERIFY(!menu.openScreen());
    }

    // USB storage mode with the commands substituted: usb_stop always runs, behind
    // "Please wait...", and every failure is told.
    void usb_data()
    {
        using R = zarCommandRunner;
        const QString start = QStringLiteral("usb_start 30000 "), stop = QStringLiteral("usb_stop 30000 Please wait...");
        QTest::addColumn<int>("started");
        QTest::addColumn<int>("stopped");
        QTest::addColumn<QStringList>("log");
        QTest::newRow("start hangs") << int(R::TimedOut) << int(R::Failed)
                                     << QStringList({ start, "Can not enter USB storage mode", stop });
        QTest::newRow("stop hangs") << int(R::Succeeded) << int(R::TimedOut)
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
        zarCommandRunner::setHandler([&](const QString& program, const QStringList& arguments, int timeoutMs) {
            const zarWarningDialog* d = zarWarningDialog::current();
            seen << QStringLiteral("%1%2 %3 %4").arg(program, arguments.join(QLatin1Char(' '))).arg(timeoutMs)
                        .arg(d && d->isVisible() ? d->messageLabel->text() : QString());
            const bool isStart = program == QLatin1String("usb_start");
            const auto outcome = zarCommandRunner::Outcome(isStart ? started : stopped);
            // A message follows the start, and the stop when the row expects one.
            if (isStart || log.size() > 3)
                answer(&seen);
            return outcome;
        });
        QVERIFY(QMetaObject::invokeMethod(&menu, "onUsb"));
        QCOMPARE(seen, log);
    }
};

ZAR_TEST_MAIN(TestSystemWidget)
#include "test_systemwidget.moc"
