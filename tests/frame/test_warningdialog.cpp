#include "zartestsupport.h"

#include "frame/zartranslator.h"
#include "frame/zarwarningdialog.h"

#include <QTimer>

// The one message dialog: answers and buttons per kind, removal while a message waits.
class TestWarningDialog : public QObject
{
    Q_OBJECT

    // What a message showed when it was answered.
    struct Seen
    {
        QString message, okYes;
        bool no = false, cancel = false;
        zarWarningDialog* dialog = nullptr;
    };

    // Answers the next message by pressing button (0 okYes, 1 No, 2 Cancel, 3 Escape).
    static void answer(int button, Seen* seen = nullptr)
    {
        zarWhenModal([button, seen](QWidget* w) {
            auto* d = qobject_cast<zarWarningDialog*>(w);
            QVERIFY(d);
            if (seen)
                *seen = { d->messageLabel->text(), d->okYesPushButton->text(), d->noPushButton->isVisible(),
                          d->cancelPushButton->isVisible(), d };
            QPushButton* const buttons[] = { d->okYesPushButton, d->noPushButton, d->cancelPushButton };
            if (button < 3)
                buttons[button]->click();
            else
                QTest::keyClick(d, Qt::Key_Escape);
        });
    }

    static int ask(int kind, const QString& text)
    {
        if (kind == 0)
            zarWarningDialog::warning(text);
        return kind == 0 ? -1 : kind == 1 ? zarWarningDialog::question(text) : zarWarningDialog::question3(text);
    }

private slots:
    void cleanup() { zarWarningDialog::hideBusy(); }

    // The answer each button gives, and which buttons each kind of message shows; the
    // rows reuse one dialog, so buttons a question showed must be hidden again.
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
        QTEST(ask(kind, QStringLiteral("message")), "result");
        QCOMPARE(seen.message, QStringLiteral("message"));
        QTEST(seen.okYes, "okYes");
        QTEST(seen.no, "no");
        QTEST(seen.cancel, "cancel");
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

    // A message raised while another waits for its answer gets its own dialog and
    // both callers get their real answers.
    void nestedMessageGetsItsOwnDialog()
    {
        int inner = -1;
        Seen innerSeen;
        zarWarningDialog* outerDialog = nullptr;
        QString outerAfter;
        bool outerCancelAfter = true;
        zarWhenModal([&](QWidget* w) {
            outerDialog = qobject_cast<zarWarningDialog*>(w);
            QTimer::singleShot(0, [&] {
                answer(1, &innerSeen);
                inner = zarWarningDialog::question3(QStringLiteral("inner"));
                outerAfter = outerDialog->messageLabel->text();
                outerCancelAfter = outerDialog->cancelPushButton->isVisible();
                outerDialog->okYesPushButton->click();
            });
        });
        QCOMPARE(zarWarningDialog::question(QStringLiteral("outer")), 1);
        QVERIFY(innerSeen.dialog != outerDialog);
        QCOMPARE(zarWarningDialog::current(), outerDialog);
        QCOMPARE(inner, 0);
        QCOMPARE(innerSeen.message, QStringLiteral("inner"));
        QVERIFY(innerSeen.no);
        QVERIFY(innerSeen.cancel);
        QCOMPARE(outerAfter, QStringLiteral("outer"));
        QVERIFY(!outerCancelAfter);
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
        QCOMPARE(d->windowTitle(), QStringLiteral("Внимание!"));
        QCOMPARE(d->messageLabel->text(), QStringLiteral("working"));
        QCOMPARE(d->cancelPushButton->text(), QStringLiteral("Отмена"));
        answer(1, &seen);
        QCOMPARE(zarWarningDialog::question(QStringLiteral("e")), 0);
        QCOMPARE(seen.message, QStringLiteral("e"));
        QCOMPARE(seen.okYes, QStringLiteral("Да"));
        QVERIFY(seen.no);
        QVERIFY(!seen.cancel);
        zarTranslator::instance()->setLanguage(QStringLiteral("En"));
    }
};

ZAR_TEST_MAIN(TestWarningDialog)
#include "test_warningdialog.moc"
