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

    // While busy, Exit, Update, Engineer and USB refuse with their own text. Otherwise Exit asks first.
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
        QVERIFY(!ran && !menu.openScreen() && off.isEmpty());

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
        QVERIFY(screen && screen->parentWidget() == &menu);
        QTRY_VERIFY(screen->isVisible());
        QCOMPARE(shape(), QStringLiteral("0 shown, margins 0"));
        screen->ruPushButton->click();
        QCOMPARE(menu.exitToolButton->text() + screen->pushButton->text() + stored(), QStringLiteral("ВыходПринять"));

        screen->pushButton->click();
        QCOMPARE(stored(), QStringLiteral("Ru"));
        QVERIFY(!menu.openScreen() && menu.verticalLayout->indexOf(screen) < 0);
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
    // "Please wait...", and every failure is told (a hung start, a failed stop and the reverse).
    void usb()
    {
        using R = zarCommandRunner;
        const QString start = QStringLiteral("usb_start 30000 "), stop = QStringLiteral("usb_stop 30000 Please wait...");
        const QList<std::tuple<R::Outcome, R::Outcome, QStringList>> cases = {
            { R::TimedOut, R::Failed, { start, "Can not enter USB storage mode", stop } },
            { R::Succeeded, R::TimedOut, { start, "Press OK to leave USB storage mode", stop, "Can not leave USB storage mode" } } };
        for (const auto& c : cases) {
            zarSystemWidget menu;
            QStringList log;
            zarCommandRunner::setHandler([&](const QString& program, const QStringList& arguments, int timeoutMs) {
                const zarWarningDialog* d = zarWarningDialog::current();
                log << QStringLiteral("%1%2 %3 %4").arg(program, arguments.join(QLatin1Char(' '))).arg(timeoutMs)
                           .arg(d && d->isVisible() ? d->messageLabel->text() : QString());
                if (program == QLatin1String("usb_start") || std::get<2>(c).size() > 3)
                    answer(&log);
                return program == QLatin1String("usb_start") ? std::get<0>(c) : std::get<1>(c);
            });
            QVERIFY(QMetaObject::invokeMethod(&menu, "onUsb"));
            QCOMPARE(log, std::get<2>(c));
            cleanup();
        }
    }
};

ZAR_TEST_MAIN(TestSystemWidget)
#include "test_systemwidget.moc"
