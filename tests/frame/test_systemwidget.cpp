#include "zartestsupport.h"

#include "frame/zarcommandrunner.h"
#include "frame/zarsystemwidget.h"
#include "frame/zarwarningdialog.h"

#include <QSignalSpy>

// System menu: busy refusals, USB storage mode and the outcomes of the commands it runs.
class TestSystemWidget : public QObject
{
    Q_OBJECT

    // Answers the next message with Yes/OK or No and keeps its text.
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

    // usb_stop always runs, behind "Please wait...", and every failure is told.
    void usb_data()
    {
        using R = zarCommandRunner;
        const QString start = QStringLiteral("usb_start"), stop = QStringLiteral("usb_stop Please wait...");
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
        // Answers the next message and logs its text.
        auto answer = [&seen] {
            zarWhenModal([&seen](QWidget* w) {
                auto* d = qobject_cast<zarWarningDialog*>(w);
                QVERIFY(d);
                seen << d->messageLabel->text();
                d->okYesPushButton->click();
            });
        };
        zarCommandRunner::setHandler([&](const QString& program, const QStringList&, int) {
            const zarWarningDialog* d = zarWarningDialog::current();
            const bool isStart = program == QLatin1String("usb_start");
            seen << (isStart ? program : program + QLatin1Char(' ') + (d && d->isVisible() ? d->messageLabel->text() : QString()));
            // A message follows the start, and the stop when the row expects one.
            if (isStart || log.size() > 3)
                answer();
            return zarCommandRunner::Outcome(isStart ? started : stopped);
        });
        QVERIFY(QMetaObject::invokeMethod(&menu, "onUsb"));
        QCOMPARE(seen, log);
    }

    // A real process: a failure or a hang is never told as success.
    void commandOutcomes_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<int>("outcome");
        QTest::newRow("succeeds") << "true" << QStringList() << 5000 << int(zarCommandRunner::Succeeded);
        QTest::newRow("fails") << "false" << QStringList() << 5000 << int(zarCommandRunner::Failed);
        QTest::newRow("missing") << "/nonexistent/usb_start" << QStringList() << 5000 << int(zarCommandRunner::NotStarted);
        QTest::newRow("hangs") << "sleep" << QStringList({ "30" }) << 100 << int(zarCommandRunner::TimedOut);
    }

    void commandOutcomes()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(int, timeoutMs);
        QTEST(int(zarCommandRunner::run(program, arguments, timeoutMs)), "outcome");
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
};

ZAR_TEST_MAIN(TestSystemWidget)
#include "test_systemwidget.moc"
