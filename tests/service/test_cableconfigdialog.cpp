#include "zardialoganswer.h"
#include "zartestsupport.h"

#include "core/zarcore.h"
#include "service/zarcableconfigdialog.h"

#include <QSignalSpy>

// The cable dialog against the simulated core board: the simulator answers a wire
// after 200 ms with second / 50 + 0.16543 kOhm of its clock, which the tests fix at 0 s.
class TestCableConfigDialog : public QObject
{
    Q_OBJECT

    static float simulated() { return 0.16543f; }

    // Every job answered, the dialog waits for nothing; a late report changes nothing.
    static bool settled(const zarCableConfigDialog& dialog)
    {
        const bool done = zarWaitFor([&dialog] {
            return dialog.pendingWire() == -1 && !zarCore::instance()->jobThread().isRunning();
        });
        QCoreApplication::processEvents();
        return done && dialog.pendingWire() == -1;
    }
    static void inject(quint16 wire, float resistance, quint8 error = 0)
    {
        zarCoreReportResistance report;
        report.wire = wire;
        report.resistance = resistance;
        report.error.code = error;
        emit zarCore::instance()->sendReportResistance(report);
    }
    static QList<float> resistances(const zarCableConfigDialog& dialog)
    {
        QList<float> values;
        for (const auto& wire : dialog.configuration().wires)
            values.append(wire.resistance);
        return values;
    }
    // All 64 wires unmeasured but the listed ones, which hold value.
    static QList<float> measured(QList<int> wires = {}, float value = simulated())
    {
        QList<float> values = QVector<float>(64, -1.0f).toList();
        for (int wire : wires)
            values[wire] = value;
        return values;
    }

private slots:
    void init()
    {
        zarCore::instance()->jobThread().setSimulationClock([] { return QDateTime(QDate(2026, 3, 1), QTime(12, 0)); });
        // A job a failed test left behind reports into the next one otherwise.
        zarWaitFor([] { return !zarCore::instance()->jobThread().isRunning(); });
        QCoreApplication::processEvents();
    }

    // Automatic advance from wire 29 to the last of the two cables (the default count):
    // disabled wires pass unmeasured, the view follows into cable 2.
    void automaticRunCrossesCablesAndPassesDisabledWires()
    {
        zarCableConfigDialog dialog(nullptr, 0, false, false);
        dialog.nextToolButton->click();
        for (int position = 2; position < 31; ++position)
            dialog.findChild<QPushButton*>(QStringLiteral("w%1PushButton").arg(position, 2, 10, QLatin1Char('0')))->click();
        dialog.previousToolButton->click();
        dialog.w30PushButton->click();
        dialog.w29ToolButton->click();
        QSignalSpy jobs(zarCore::instance(), &zarCore::sendReportResistance);
        dialog.checkCablePushButton->click();
        QVERIFY(settled(dialog));
        QCOMPARE(resistances(dialog), measured({ 29, 31, 32, 33, 63 }));
        QCOMPARE(jobs.count(), 5);
        QCOMPARE(int(dialog.selectedWire()), 63);
        QCOMPARE(dialog.currentCableLabel->text(), QStringLiteral("2 / 2"));
        QVERIFY(!dialog.checkCablePushButton->isChecked() && !dialog.isChecking());
    }

    void stopIfFailedStopsOnEquality_data()
    {
        QTest::addColumn<float>("reading");
        QTest::addColumn<int>("selected");
        QTest::addColumn<float>("lastWire");
        QTest::newRow("equal to the threshold stops") << 0.5f << 62 << -1.0f;
        QTest::newRow("below the threshold goes on") << 0.49f << 63 << simulated();
    }
    void stopIfFailedStopsOnEquality()
    {
        QFETCH(float, reading);
        zarCableConfigDialog dialog(nullptr, 2, false, false);
        dialog.stopIfFailedCheckBox->setChecked(true);
        dialog.failGroundingComboBox->setCurrentText(QStringLiteral("0.50"));
        dialog.nextToolButton->click();
        dialog.w30ToolButton->click();
        dialog.checkCablePushButton->click();
        inject(62, reading);
        QVERIFY(settled(dialog));
        QTEST(int(dialog.selectedWire()), "selected");
        QTEST(resistances(dialog).value(63), "lastWire");
        QVERIFY(!dialog.isChecking());
    }

    // A single check on the last wire of cable 1 moves the selection and the view to
    // cable 2. While it is out, taps neither ask again nor select, and readings of other
    // wires or of a remote land nowhere; nor does one that nothing asked for.
    void singleCheckTakesOnlyItsOwnReading()
    {
        zarCableConfigDialog dialog(nullptr, 2, true, false);
        dialog.automaticAdvanceCheckBox->click();
        dialog.w31ToolButton->click();
        QSignalSpy reports(zarCore::instance(), &zarCore::sendReportResistance);
        dialog.checkCablePushButton->click();
        dialog.checkCablePushButton->click();
        dialog.w05ToolButton->click();
        inject(7, 3.0f);
        inject(zarCableConfigDialog::remoteTxCode, 3.0f);
        QVERIFY(settled(dialog));
        inject(0, 3.0f);
        QCOMPARE(reports.count(), 4);  // the job and three foreign readings
        QCOMPARE(resistances(dialog), measured({ 31 }));
        QCOMPARE(dialog.configuration().remoteTxResistance, -1.0f);
        QCOMPARE(int(dialog.selectedWire()), 32);
        QCOMPARE(dialog.currentCableLabel->text(), QStringLiteral("2 / 2"));
        QVERIFY(!dialog.isChecking() && dialog.actionsGroupBox->isEnabled());
    }

    void leavingWaitsForTheCheck_data()
    {
        QTest::addColumn<bool>("remote");
        QTest::newRow("a single wire") << false;
        QTest::newRow("both remote electrodes") << true;
    }
    // While a check runs neither Escape nor a close request leaves the dialog, as
    // Accept and Cancel cannot; once it has ended, Escape rejects it.
    void leavingWaitsForTheCheck()
    {
        QFETCH(bool, remote);
        zarCableConfigDialog dialog(nullptr, 2, true, true);
        dialog.automaticAdvanceCheckBox->click();
        dialog.show();
        (remote ? dialog.checkRemotePushButton : dialog.checkCablePushButton)->click();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.close());
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.isCheckRunning());
        QVERIFY(settled(dialog));
        QVERIFY(!dialog.isCheckRunning());
        QCOMPARE(dialog.configuration().remoteRxResistance, remote ? simulated() : -1.0f);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void leftDuringARunStopsItsJob_data()
    {
        QTest::addColumn<bool>("destroyed");
        QTest::newRow("hidden") << false;
        QTest::newRow("destroyed") << true;
    }
    // A dialog that goes away during an automatic run stops its job through the core:
    // the one job reports the cancel, no other follows, nothing is stored or shown.
    void leftDuringARunStopsItsJob()
    {
        QFETCH(bool, destroyed);
        auto* dialog = new zarCableConfigDialog(nullptr, 2, false, false);
        dialog->show();
        QSignalSpy reports(zarCore::instance(), &zarCore::sendReportResistance);
        zarDialogAnswer message;
        message.expect();
        dialog->checkCablePushButton->click();
        if (destroyed)
            delete dialog;
        else
            dialog->hide();
        QVERIFY(zarWaitFor([&] { return reports.count() == 1 && !zarCore::instance()->jobThread().isRunning(); }));
        QCoreApplication::processEvents();
        QCOMPARE(reports.count(), 1);
        QCOMPARE(int(qvariant_cast<zarCoreReportResistance>(reports.first().first()).error.code), int(zarErrorCanceled));
        message.disarm();
        QCOMPARE(message.text, QString());
        if (destroyed)
            return;
        QVERIFY(!dialog->isCheckRunning());
        QVERIFY(!dialog->checkCablePushButton->isChecked());
        QVERIFY(dialog->actionsGroupBox->isEnabled());
        QCOMPARE(dialog->pendingWire(), -1);
        QCOMPARE(resistances(*dialog), measured());
        delete dialog;
    }

    // A reading at the threshold fails: "Disable failed", when confirmed, takes wires
    // 0 and 32 out across both cables.
    void disableFailedAtTheThreshold()
    {
        zarCableConfigDialog dialog(nullptr, 2, false, false);
        dialog.failGroundingComboBox->setCurrentText(QStringLiteral("0.75"));
        dialog.automaticAdvanceCheckBox->click();
        auto check = [&dialog](float reading) {
            dialog.checkCablePushButton->click();
            inject(dialog.selectedWire(), reading);
            return settled(dialog);
        };
        QVERIFY(check(0.75f) && check(0.74f));
        dialog.nextToolButton->click();
        QVERIFY(check(2.0f));
        zarDialogAnswer answer;
        answer.expect(QMessageBox::Yes);
        dialog.disableFailedPushButton->click();
        QList<int> disabled;
        for (int wire = 0; wire < 64; ++wire)
            if (!dialog.configuration().wires[wire].enabled)
                disabled.append(wire);
        QCOMPARE(disabled, QList<int>({ 0, 32 }));
    }
};

ZAR_TEST_MAIN(TestCableConfigDialog)
#include "test_cableconfigdialog.moc"
