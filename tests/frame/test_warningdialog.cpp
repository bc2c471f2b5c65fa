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
        QString okText;
        bool no = false;
        bool cancel = false;
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
            if (button == 0)
                d->okYesPushButton->click();
            else if (button == 1)
                d->noPushButton->click();
            else if (button == 2)
                d->cancelPushButton->click();
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

    void answersAndButtons()
    {
        Seen seen;
        answer(0, &seen);
        zarWarningDialog::warning(QStringLiteral("careful"));
        QCOMPARE(seen.message, QStringLiteral("careful"));
        QCOMPARE(seen.okText, QStringLiteral("OK"));
        QVERIFY(!seen.no && !seen.cancel);

        answer(2, &seen);
        QCOMPARE(zarWarningDialog::question3(QStringLiteral("save?")), 2);
        QCOMPARE(seen.okText, QStringLiteral("Yes"));
        QVERIFY(seen.no && seen.cancel);
        zarWarningDialog* first = seen.dialog;

        // After a three-way question Cancel is hidden again; the same dialog is reused.
        answer(1, &seen);
        QCOMPARE(zarWarningDialog::question(QStringLiteral("sure?")), 0);
        QVERIFY(seen.no && !seen.cancel);
        QCOMPARE(seen.dialog, first);

        answer(0, &seen);
        QCOMPARE(zarWarningDialog::question(QStringLiteral("sure?")), 1);
        answer(3, &seen);
        QCOMPARE(zarWarningDialog::question(QStringLiteral("sure?")), 0);
        answer(0, &seen);
        QCOMPARE(zarWarningDialog::question3(QStringLiteral("save?")), 1);
        answer(1, &seen);
        QCOMPARE(zarWarningDialog::question3(QStringLiteral("save?")), 0);

        answer(0, &seen);
        zarWarningDialog::warning(QStringLiteral("again"));
        QVERIFY(!seen.no && !seen.cancel);
    }

    void dialogIsCentredAndGrowsWithTheMessage()
    {
        Seen seen;
        QSize shortSize, longSize;
        QPoint centre;
        zarWhenModal([&](QWidget* w) { shortSize = w->size(); static_cast<zarWarningDialog*>(w)->okYesPushButton->click(); });
        zarWarningDialog::warning(QStringLiteral("x"));
        zarWhenModal([&](QWidget* w) {
            longSize = w->size();
            centre = w->geometry().center();
            static_cast<zarWarningDialog*>(w)->okYesPushButton->click();
        });
        zarWarningDialog::warning(QString(120, QLatin1Char('w')));
        QVERIFY(longSize.width() > shortSize.width());
        const QPoint screen = QGuiApplication::primaryScreen()->geometry().center();
        // Within the window frame's margins.
        QVERIFY2(qAbs(centre.x() - screen.x()) <= 8 && qAbs(centre.y() - screen.y()) <= 8,
                 qPrintable(QStringLiteral("%1,%2 vs %3,%4").arg(centre.x()).arg(centre.y()).arg(screen.x()).arg(screen.y())));
    }

    // A message raised while another waits for its answer gets its own dialog and
    // both callers get their real answers.
    void nestedMessageGetsItsOwnDialog()
    {
        int inner = -1;
        Seen outerSeen, innerSeen;
        QTimer::singleShot(0, [&] {
            zarWhenModal([&](QWidget* w) {
                outerSeen.dialog = qobject_cast<zarWarningDialog*>(w);
                QTimer::singleShot(0, [&] {
                    answer(1, &innerSeen);
                    inner = zarWarningDialog::question3(QStringLiteral("inner"));
                    outerSeen.message = outerSeen.dialog->messageLabel->text();
                    outerSeen.cancel = outerSeen.dialog->cancelPushButton->isVisible();
                    outerSeen.dialog->okYesPushButton->click();
                });
            });
        });
        const int outer = zarWarningDialog::question(QStringLiteral("outer"));
        QCOMPARE(inner, 0);
        QCOMPARE(outer, 1);
        QVERIFY(innerSeen.dialog != outerSeen.dialog);
        QCOMPARE(innerSeen.message, QStringLiteral("inner"));
        QVERIFY(innerSeen.cancel);
        QCOMPARE(outerSeen.message, QStringLiteral("outer"));
        QVERIFY(!outerSeen.cancel);
        QCOMPARE(zarWarningDialog::current(), outerSeen.dialog);
    }

    void busyNeedsAnExistingDialog()
    {
        zarWarningDialog::hideBusy();
        QVERIFY(!zarWarningDialog::current());
        zarWarningDialog::showBusy(QStringLiteral("Please wait..."));
        QVERIFY(!zarWarningDialog::current());

        answer(0);
        zarWarningDialog::warning(QStringLiteral("first"));
        zarWarningDialog::showBusy(QStringLiteral("working"));
        zarWarningDialog* d = zarWarningDialog::current();
        QVERIFY(d && d->isVisible());
        QCOMPARE(d->messageLabel->text(), QStringLiteral("working"));
        QVERIFY(!d->okYesPushButton->isVisible() && !d->noPushButton->isVisible() && !d->cancelPushButton->isVisible());
        zarWarningDialog::hideBusy();
        QVERIFY(!zarWarningDialog::current());
    }

    void languageFollowsTheTranslator()
    {
        Seen seen;
        answer(0, &seen);
        zarWarningDialog::warning(QStringLiteral("a"));
        zarWarningDialog* d = zarWarningDialog::current();
        QVERIFY(zarTranslator::instance()->setLanguage(QStringLiteral("Ru")));
        QCOMPARE(d->windowTitle(), QStringLiteral("Внимание!"));
        QCOMPARE(d->noPushButton->text(), QStringLiteral("Нет"));
        QCOMPARE(d->cancelPushButton->text(), QStringLiteral("Отмена"));
        answer(0, &seen);
        zarWarningDialog::warning(QStringLiteral("b"));
        QCOMPARE(seen.okText, QStringLiteral("OK"));
        answer(0, &seen);
        QCOMPARE(zarWarningDialog::question(QStringLiteral("c")), 1);
        QCOMPARE(seen.okText, QStringLiteral("Да"));

        zarWarningDialog::hideBusy();
        answer(0, &seen);
        zarWarningDialog::warning(QStringLiteral("d"));
        QVERIFY(seen.dialog != nullptr);
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
