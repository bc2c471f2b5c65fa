#include "zartestsupport.h"

#include "frame/zartranslator.h"
#include "frame/zarwarningdialog.h"

#include <QScreen>
#include <QTimer>

// The one message dialog: answers, buttons per kind, nested messages, busy message.
class TestWarningDialog : public QObject
{
    Q_OBJECT

    struct Seen
    {
        QString message;
        QString buttons; // okYes text, then N and C for a visible No and Cancel
        zarWarningDialog* dialog = nullptr;
        QRect frame;
    };

    // Answers the next message by pressing button (0 okYes, 1 No, 2 Cancel, 3 Escape).
    static void answer(int button, Seen* seen = nullptr)
    {
        zarWhenModal([button, seen](QWidget* w) {
            auto* d = qobject_cast<zarWarningDialog*>(w);
            QVERIFY(d);
            if (seen)
                *seen = { d->messageLabel->text(), d->okYesPushButton->text() + QLatin1Char(' ')
                              + QLatin1Char(d->noPushButton->isVisible() ? 'N' : '-')
                              + QLatin1Char(d->cancelPushButton->isVisible() ? 'C' : '-'), d, d->geometry() };
            QPushButton* const buttons[] = { d->okYesPushButton, d->noPushButton, d->cancelPushButton };
            if (button < 3)
                buttons[button]->click();
            else
                QTest::keyClick(d, Qt::Key_Escape);
        });
    }

private slots:
    void cleanup()
    {
        zarWarningDialog::hideBusy();
        zarTranslator::instance()->setLanguage(QStringLiteral("En"));
    }

    // Results and buttons, call after call on the one reused dialog: Cancel and No
    // must be hidden again after a question that showed them. It grows with a long
    // message and stays centred.
    void answersAndButtons()
    {
        enum Kind { Warning, Question, Question3 };
        struct Case { Kind kind; int button; int result; const char* buttons; };
        const QList<Case> cases = { { Warning, 0, -1, "OK --" }, { Question3, 2, 2, "Yes NC" },
                                    { Question, 1, 0, "Yes N-" }, { Question, 0, 1, "Yes N-" },
                                    { Question, 3, 0, "Yes N-" }, { Question3, 0, 1, "Yes NC" },
                                    { Question3, 1, 0, "Yes NC" }, { Warning, 0, -1, "OK --" } };
        Seen first;
        for (const Case& c : cases) {
            Seen seen;
            answer(c.button, &seen);
            const QString text = &c == &cases.last() ? QString(120, QLatin1Char('w')) : QString::number(int(c.kind));
            const int result = c.kind == Warning ? (zarWarningDialog::warning(text), -1)
                : c.kind == Question ? zarWarningDialog::question(text) : zarWarningDialog::question3(text);
            QCOMPARE(result, c.result);
            QCOMPARE(seen.message, text);
            QCOMPARE(seen.buttons, QString::fromLatin1(c.buttons));
            if (!first.dialog)
                first = seen;
            QCOMPARE(seen.dialog, first.dialog);
            if (&c == &cases.last()) {
                QVERIFY(seen.frame.width() > first.frame.width());
                // Within the window frame's margins.
                const QPoint offset = seen.frame.center() - QGuiApplication::primaryScreen()->geometry().center();
                QVERIFY2(qAbs(offset.x()) <= 8 && qAbs(offset.y()) <= 8, qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
            }
        }
    }

    // A message raised while another waits for its answer gets its own dialog and
    // both callers get their real answers.
    void nestedMessageGetsItsOwnDialog()
    {
        int inner = -1;
        Seen innerSeen;
        zarWarningDialog* outerDialog = nullptr;
        QString outerAfter;
        QTimer::singleShot(0, [&] {
            zarWhenModal([&](QWidget* w) {
                outerDialog = qobject_cast<zarWarningDialog*>(w);
                QTimer::singleShot(0, [&] {
                    answer(1, &innerSeen);
                    inner = zarWarningDialog::question3(QStringLiteral("inner"));
                    outerAfter = outerDialog->messageLabel->text() + (outerDialog->cancelPushButton->isVisible() ? " C" : " -");
                    outerDialog->okYesPushButton->click();
                });
            });
        });
        QCOMPARE(zarWarningDialog::question(QStringLiteral("outer")), 1);
        QCOMPARE(inner, 0);
        QVERIFY(innerSeen.dialog != outerDialog);
        QCOMPARE(innerSeen.message + QLatin1Char(' ') + innerSeen.buttons, QStringLiteral("inner Yes NC"));
        QCOMPARE(outerAfter, QStringLiteral("outer -"));
        QCOMPARE(zarWarningDialog::current(), outerDialog);
    }

    // Busy text only on a dialog that exists; texts follow the translator, "OK" never does.
    void busyAndLanguage()
    {
        QVERIFY(!zarWarningDialog::current());
        zarWarningDialog::showBusy(QStringLiteral("Please wait..."));
        QVERIFY(!zarWarningDialog::current());

        Seen seen;
        answer(0, &seen);
        zarWarningDialog::warning(QStringLiteral("a"));
        zarWarningDialog* d = zarWarningDialog::current();
        QVERIFY(zarTranslator::instance()->setLanguage(QStringLiteral("Ru")));
        QCOMPARE(d->windowTitle() + d->noPushButton->text() + d->cancelPushButton->text(), QStringLiteral("Внимание!НетОтмена"));
        answer(0, &seen);
        QCOMPARE(zarWarningDialog::question(QStringLiteral("c")), 1);
        QCOMPARE(seen.buttons, QStringLiteral("Да N-"));

        zarWarningDialog::showBusy(QStringLiteral("working"));
        QVERIFY(d->isVisible());
        QCOMPARE(d->messageLabel->text(), QStringLiteral("working"));
        QVERIFY(!d->okYesPushButton->isVisible() && !d->noPushButton->isVisible() && !d->cancelPushButton->isVisible());
        // A question over the busy text is modal: the screens behind take no touch.
        answer(1, &seen);
        QCOMPARE(zarWarningDialog::question(QStringLiteral("e")), 0);
        QCOMPARE(seen.message, QStringLiteral("e"));

        // A dialog made anew starts in the current language.
        zarWarningDialog::hideBusy();
        QVERIFY(!zarWarningDialog::current());
        answer(0, &seen);
        zarWarningDialog::warning(QStringLiteral("d"));
        QCOMPARE(seen.dialog->windowTitle(), QStringLiteral("Внимание!"));
    }

    // The shut-down may remove the dialog while a message waits: the caller gets No.
    void hideWhileWaitingEndsTheMessage()
    {
        QTimer::singleShot(0, [] { zarWhenModal([](QWidget*) { zarWarningDialog::hideBusy(); }); });
        QCOMPARE(zarWarningDialog::question(QStringLiteral("x")), 0);
        QVERIFY(!zarWarningDialog::current());
        QTest::qWait(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

ZAR_TEST_MAIN(TestWarningDialog)
#include "test_warningdialog.moc"
