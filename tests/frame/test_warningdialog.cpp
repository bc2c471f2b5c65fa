#include "zartestsupport.h"

#include "frame/zartranslator.h"
#include "frame/zarwarningdialog.h"

#include <QTimer>

// The one message dialog: answers, buttons per kind, nested messages, busy message.
class TestWarningDialog : public QObject
{
    Q_OBJECT

    // What a message showed; buttons: the okYes text, then N and C for a visible No and Cancel.
    struct Seen { QString message, buttons; zarWarningDialog* dialog = nullptr; };

    // Answers the next message by pressing button (0 okYes, 1 No, 2 Cancel, 3 Escape).
    static void answer(int button, Seen* seen = nullptr)
    {
        zarWhenModal([button, seen](QWidget* w) {
            auto* d = qobject_cast<zarWarningDialog*>(w);
            QVERIFY(d);
            if (seen)
                *seen = { d->messageLabel->text(), d->okYesPushButton->text() + QLatin1Char(' ')
                              + QLatin1Char(d->noPushButton->isVisible() ? 'N' : '-')
                              + QLatin1Char(d->cancelPushButton->isVisible() ? 'C' : '-'), d };
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
    // must be hidden again after a question that showed them.
    void answersAndButtons()
    {
        enum Kind { Warning, Question, Question3 };
        const QList<QPair<Kind, int>> cases = { { Question3, 2 }, { Question, 0 }, { Question, 3 }, { Question3, 1 }, { Warning, 0 } };
        Seen seen;
        QStringList got;
        QSet<zarWarningDialog*> dialogs;
        for (const auto& c : cases) {
            answer(c.second, &seen);
            const QString text = QString::number(got.size());
            const int result = c.first == Warning ? (zarWarningDialog::warning(text), -1)
                : c.first == Question ? zarWarningDialog::question(text) : zarWarningDialog::question3(text);
            got << QStringLiteral("%1: %2 %3").arg(seen.message).arg(result).arg(seen.buttons);
            dialogs << seen.dialog;
        }
        QCOMPARE(got, QStringList({ "0: 2 Yes NC", "1: 1 Yes N-", "2: 0 Yes N-", "3: 0 Yes NC", "4: -1 OK --" }));
        QCOMPARE(dialogs.size(), 1);
    }

    // A message raised while another waits for its answer gets its own dialog and
    // both callers get their real answers.
    void nestedMessageGetsItsOwnDialog()
    {
        int inner = -1;
        Seen innerSeen;
        zarWarningDialog* outerDialog = nullptr;
        QString outerAfter;
        zarWhenModal([&](QWidget* w) {
            outerDialog = qobject_cast<zarWarningDialog*>(w);
            QTimer::singleShot(0, [&] {
                answer(1, &innerSeen);
                inner = zarWarningDialog::question3(QStringLiteral("inner"));
                outerAfter = outerDialog->messageLabel->text() + (outerDialog->cancelPushButton->isVisible() ? " C" : " -");
                outerDialog->okYesPushButton->click();
            });
        });
        QCOMPARE(zarWarningDialog::question(QStringLiteral("outer")), 1);
        QVERIFY(innerSeen.dialog != outerDialog && zarWarningDialog::current() == outerDialog);
        QCOMPARE(QStringLiteral("%1 %2 %3, ").arg(inner).arg(innerSeen.message, innerSeen.buttons) + outerAfter,
                 QStringLiteral("0 inner Yes NC, outer -"));
    }

    // Busy text only on a dialog that exists; texts follow the translator, "OK" never does.
    // A question over the busy text is modal: the screens behind take no touch.
    void busyAndLanguage()
    {
        zarWarningDialog::showBusy(QStringLiteral("Please wait..."));
        QVERIFY(!zarWarningDialog::current());
        Seen seen;
        answer(0, &seen);
        zarWarningDialog::warning(QStringLiteral("a"));
        zarWarningDialog* d = zarWarningDialog::current();
        QVERIFY(zarTranslator::instance()->setLanguage(QStringLiteral("Ru")));
        zarWarningDialog::showBusy(QStringLiteral("working"));
        QVERIFY(d->isVisible() && !d->okYesPushButton->isVisible() && !d->noPushButton->isVisible() && !d->cancelPushButton->isVisible());
        QCOMPARE(d->windowTitle() + d->messageLabel->text() + d->cancelPushButton->text(), QStringLiteral("Внимание!workingОтмена"));
        answer(1, &seen);
        QCOMPARE(zarWarningDialog::question(QStringLiteral("e")), 0);
        QCOMPARE(seen.message + seen.buttons, QStringLiteral("eДа N-"));
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
