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

    // The answer each button gives, and which buttons each kind of message shows.
    void answersAndButtons_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("okYes");
        QTest::addColumn<bool>("no");
        QTest::addColumn<bool>("cancel");
        QTest::newRow("question of three, Cancel") << 2 << 2 << 2 << "Yes" << true << true;
        QTest::newRow("question of three, No") << 2 << 1 << 0 << "Yes" << true << true;
        QTest::newRow("question, Yes") << 1 << 0 << 1 << "Yes" << true << false;
        QTest::newRow("question, Escape") << 1 << 3 << 0 << "Yes" << true << false;
        QTest::newRow("warning, OK") << 0 << 0 << -1 << "OK" << false << false;
    }

    void answersAndButtons()
    {
        QFETCH(int, kind);
        QFETCH(int, button);
        Seen seen;
        answer(button, &seen);
        const QString text = QStringLiteral("message");
        const int result = kind == 0 ? (zarWarningDialog::warning(text), -1)
            : kind == 1 ? zarWarningDialog::question(text) : zarWarningDialog::question3(text);
        QTEST(result, "result");
        QCOMPARE(seen.message, text);
        QTEST(seen.buttons.section(QLatin1Char(' '), 0, 0), "okYes");
        QTEST(seen.buttons.endsWith(QLatin1String("N-")) || seen.buttons.endsWith(QLatin1String("NC")), "no");
        QTEST(seen.buttons.endsWith(QLatin1Char('C')), "cancel");
    }

    // The one dialog is reused: buttons a question showed are hidden again for a warning.
    void theReusedDialogHidesButtonsAgain()
    {
        Seen first, second;
        answer(2, &first);
        zarWarningDialog::question3(QStringLiteral("three"));
        answer(0, &second);
        zarWarningDialog::warning(QStringLiteral("one"));
        QCOMPARE(second.dialog, first.dialog);
        QCOMPARE(second.buttons, QStringLiteral("OK --"));
    }

    // The reused dialog takes the size of each message anew, and the operator cannot resize it.
    void theDialogFitsEachMessage()
    {
        QSize large, small, smallMaximum;
        zarWhenModal([&](QWidget* w) {
            large = w->size();
            static_cast<zarWarningDialog*>(w)->okYesPushButton->click();
        });
        zarWarningDialog::question3(QStringLiteral("A long question that needs a wide dialog to be read "));
        zarWhenModal([&](QWidget* w) {
            small = w->size();
            smallMaximum = w->maximumSize();
            static_cast<zarWarningDialog*>(w)->okYesPushButton->click();
        });
        zarWarningDialog::warning(QStringLiteral("x"));
        QVERIFY2(small.width() < large.width(), qPrintable(QStringLiteral("%1 after %2").arg(small.width()).arg(large.width())));
        QCOMPARE(smallMaximum, small);
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
        QVERIFY(innerSeen.dialog != outerDialog);
        QCOMPARE(zarWarningDialog::current(), outerDialog);
        QCOMPARE(inner, 0);
        QCOMPARE(innerSeen.message, QStringLiteral("inner"));
        QCOMPARE(innerSeen.buttons, QStringLiteral("Yes NC"));
        QCOMPARE(outerAfter, QStringLiteral("outer -"));
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
        QVERIFY(d->isVisible());
        QVERIFY(!d->okYesPushButton->isVisible());
        QVERIFY(!d->noPushButton->isVisible());
        QVERIFY(!d->cancelPushButton->isVisible());
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
