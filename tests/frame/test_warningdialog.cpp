#include "zartestsupport.h"

#include "frame/zarguistyle.h"
#include "frame/zarwarningdialog.h"

#include <QScreen>

// The one message dialog: the answers of questions, the buttons of each kind, a message over
// a message, the busy text, and texts long and short on the 1024 x 600 screen.
class TestWarningDialog : public QObject
{
    Q_OBJECT

    // Answers the next message by pressing button (0 OK/Yes, 1 No, 2 Cancel).
    static void press(int button)
    {
        zarWhenModal([button](QWidget* w) {
            auto* d = qobject_cast<zarWarningDialog*>(w);
            QVERIFY(d);
            QPushButton* const buttons[] = { d->okYesPushButton, d->noPushButton, d->cancelPushButton };
            buttons[button]->click();
        });
    }

private slots:
    // What fits on a line depends on the program's font.
    void initTestCase() { zarGuiStyle::install(); }
    void cleanup() { zarWarningDialog::hideBusy(); }

    void answersAndButtons_data()
    {
        QTest::addColumn<bool>("ofThree");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("cancel");
        QTest::newRow("question of three, Cancel") << true << 2 << 2 << true;
        QTest::newRow("question of three, No") << true << 1 << 0 << true;
        QTest::newRow("question, Yes") << false << 0 << 1 << false;
    }

    void answersAndButtons()
    {
        QFETCH(bool, ofThree);
        QFETCH(int, button);
        press(button);
        const QString text = QStringLiteral("message");
        QTEST(ofThree ? zarWarningDialog::question3(text) : zarWarningDialog::question(text), "result");
        const zarWarningDialog* d = zarWarningDialog::current();
        QTEST(d->cancelPushButton->isVisibleTo(d), "cancel");
    }

    void buttonsOfEachKind_data()
    {
        QTest::addColumn<int>("kind"); // 0 warning, 1 question, 2 question of three
        QTest::addColumn<QString>("okYes");
        QTest::addColumn<bool>("no");
        QTest::addColumn<bool>("cancel");
        QTest::newRow("warning: OK") << 0 << "OK" << false << false;
        QTest::newRow("question: Yes, No") << 1 << "Yes" << true << false;
        QTest::newRow("question of three: Yes, No, Cancel") << 2 << "Yes" << true << true;
    }

    // Each kind of message shows its own buttons, also in the one dialog after a message of
    // another kind showed others.
    void buttonsOfEachKind()
    {
        QFETCH(int, kind);
        for (int before : { 2, 0 }) {
            press(0);
            if (before == 2)
                zarWarningDialog::question3(QStringLiteral("three"));
            else
                zarWarningDialog::warning(QStringLiteral("one"));
            QString okYes;
            bool no = false, cancel = false;
            zarWhenModal([&](QWidget* w) {
                auto* d = static_cast<zarWarningDialog*>(w);
                okYes = d->okYesPushButton->text();
                no = d->noPushButton->isVisible();
                cancel = d->cancelPushButton->isVisible();
                d->okYesPushButton->click();
            });
            const QString text = QStringLiteral("message");
            if (kind == 0)
                zarWarningDialog::warning(text);
            else if (kind == 1)
                zarWarningDialog::question(text);
            else
                zarWarningDialog::question3(text);
            QTEST(okYes, "okYes");
            QTEST(no, "no");
            QTEST(cancel, "cancel");
        }
    }

    // Escape on a question answers No.
    void escapeAnswersNo()
    {
        zarWhenModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
        QCOMPARE(zarWarningDialog::question(QStringLiteral("message")), 0);
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
        QWidget* innerDialog = nullptr;
        QString outerAfter;
        zarWhenModal([&](QWidget* outer) {
            QTimer::singleShot(0, [&, outer] {
                zarWhenModal([&](QWidget* w) {
                    innerDialog = w;
                    static_cast<zarWarningDialog*>(w)->noPushButton->click();
                });
                inner = zarWarningDialog::question3(QStringLiteral("inner"));
                outerAfter = static_cast<zarWarningDialog*>(outer)->messageLabel->text();
                static_cast<zarWarningDialog*>(outer)->okYesPushButton->click();
            });
        });
        QCOMPARE(zarWarningDialog::question(QStringLiteral("outer")), 1);
        QVERIFY(innerDialog);
        QVERIFY(innerDialog != zarWarningDialog::current());
        QCOMPARE(inner, 0);
        QCOMPARE(outerAfter, QStringLiteral("outer"));
    }

    // Busy text shows only on a dialog that exists; a question over it is modal, so
    // the screens behind take no touch.
    void busyTextMakesWayForAQuestion()
    {
        zarWarningDialog::showBusy(QStringLiteral("working"));
        QVERIFY(!zarWarningDialog::current());
        press(0);
        zarWarningDialog::warning(QStringLiteral("a"));
        const zarWarningDialog* d = zarWarningDialog::current();
        zarWarningDialog::showBusy(QStringLiteral("working"));
        QVERIFY(d->isVisible());
        QVERIFY(!d->okYesPushButton->isVisible());
        press(1);
        QCOMPARE(zarWarningDialog::question(QStringLiteral("e")), 0);
    }

    // However long the text, the dialog stays on the screen with its button in reach.
    void staysOnTheScreen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("endless word") << QString(400, QLatin1Char('x'));
        QTest::newRow("endless text") << QStringLiteral("Not written. ").repeated(600);
    }

    void staysOnTheScreen()
    {
        QFETCH(QString, text);
        press(0);
        zarWarningDialog::warning(text);
        const zarWarningDialog* d = zarWarningDialog::current();
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(d->frameGeometry()));
        QVERIFY(d->rect().contains(QRect(d->okYesPushButton->mapTo(d, QPoint()), d->okYesPushButton->size())));
    }

    // Also after a shorter message in the same dialog.
    void aShortTextStaysOnOneLine()
    {
        press(0);
        zarWarningDialog::warning(QStringLiteral("File name is empty"));
        press(0);
        zarWarningDialog::warning(QStringLiteral("Template name is not valid"));
        const QLabel* label = zarWarningDialog::current()->messageLabel;
        QVERIFY(label->heightForWidth(label->width()) < 3 * label->fontMetrics().height() / 2);
    }

    void aLongSentenceWrapsOntoLines()
    {
        press(0);
        zarWarningDialog::warning(QStringLiteral("The session file could not be written to the medium. ").repeated(8));
        const QLabel* label = zarWarningDialog::current()->messageLabel;
        QVERIFY(label->height() >= 3 * label->fontMetrics().height());
    }
};

ZAR_TEST_MAIN(TestWarningDialog)
#include "test_warningdialog.moc"
