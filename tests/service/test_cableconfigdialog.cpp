#include "zardialoganswer.h"
#include "zartestsupport.h"

#include "core/zarcore.h"
#include "service/zarcableconfigdialog.h"
#include "service/zarcablewire.h"

#include <QLabel>
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

    void wireLabelShowsTheReading_data()
    {
        QTest::addColumn<float>("resistance");
        QTest::addColumn<bool>("remote");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("cable wire not measured") << -1.0f << false << "N / A\n " << QColor(Qt::black);
        QTest::newRow("zero is not measured") << 0.0f << false << "N / A\n " << QColor(Qt::black);
        QTest::newRow("NaN is not measured") << float(qQNaN()) << false << "N / A\n " << QColor(Qt::black);
        QTest::newRow("below the threshold") << 0.2f << false << "0.20\nkOhm" << QColor(Qt::blue);
        QTest::newRow("equal to the threshold") << 0.25f << false << "0.25\nkOhm" << QColor(Qt::red);
        QTest::newRow("two decimals") << 1.234f << false << "1.23\nkOhm" << QColor(Qt::red);
        QTest::newRow("remote not measured") << -1.0f << true << "N / A" << QColor(Qt::black);
        QTest::newRow("remote measured") << 0.1f << true << "0.10\nkOhm" << QColor(Qt::blue);
    }
    // A wire's label against a threshold of 0.25 kOhm: the reading with two decimals, red when it fails.
    void wireLabelShowsTheReading()
    {
        QFETCH(float, resistance);
        QFETCH(bool, remote);
        QLabel label;
        QPushButton button;
        zarCableWire wire = remote ? zarCableWire(&label, true) : zarCableWire(&label, &button);
        wire.setResistance(resistance);
        wire.refresh(0.25f);
        QTEST(label.text(), "text");
        QTEST(label.palette().color(QPalette::Active, QPalette::WindowText), "colour");
        QCOMPARE(wire.isMeasured(), resistance > 0);
    }

    void markIfAboveOnlyDisables_data()
    {
        QTest::addColumn<float>("resistance");
        QTest::addColumn<bool>("disabledBefore");
        QTest::addColumn<bool>("disabled");
        QTest::newRow("equal fails") << 0.5f << false << true;
        QTest::newRow("below passes") << 0.49f << false << false;
        QTest::newRow("not measured passes") << -1.0f << false << false;
        QTest::newRow("disabled stays disabled") << 0.1f << true << true;
    }
    // Against a threshold of 0.5 kOhm; the state button shows what came of it.
    void markIfAboveOnlyDisables()
    {
        QFETCH(float, resistance);
        QFETCH(bool, disabledBefore);
        QFETCH(bool, disabled);
        QLabel label;
        QPushButton button;
        zarCableWire wire(&label, &button);
        wire.setResistance(resistance);
        if (disabledBefore)
            wire.toggleDisabled();
        wire.markIfAbove(0.5f);
        QCOMPARE(wire.isDisabled(), disabled);
        wire.refresh(0.5f);
        const QIcon shown(disabled ? QStringLiteral(":/wires/wires/disabled.png") : QStringLiteral(":/wires/wires/enabled.png"));
        QCOMPARE(button.icon().pixmap(63, 55).toImage(), shown.pixmap(63, 55).toImage());
    }

    // Reset takes a wire back into use, unmeasured.
    void wireReset()
    {
        QLabel label;
        QPushButton button;
        zarCableWire wire(&label, &button);
        wire.setResistance(0.7f);
        wire.toggleDisabled();
        wire.reset();
        QVERIFY(!wire.isDisabled());
        QVERIFY(!wire.isMeasured());
    }

    void configurationHandedOver_data()
    {
        QTest::addColumn<int>("cablesArgument");
        QTest::addColumn<bool>("remoteTx");
        QTest::addColumn<bool>("remoteRx");
        QTest::addColumn<int>("wires");
        QTest::addColumn<int>("cables");
        QTest::newRow("no count means two cables, both remotes") << 0 << true << true << 64 << 2;
        QTest::newRow("one cable, no remote") << 1 << false << false << 32 << 1;
        QTest::newRow("receiver only") << 2 << false << true << 64 << 2;
    }
    // A new dialog: every wire in use and unmeasured, an unused remote at 0, Check remote only with a remote.
    void configurationHandedOver()
    {
        QFETCH(int, cablesArgument);
        QFETCH(bool, remoteTx);
        QFETCH(bool, remoteRx);
        QFETCH(int, cables);
        zarCableConfigDialog dialog(nullptr, quint8(cablesArgument), remoteTx, remoteRx);
        QCOMPARE(dialog.currentCableLabel->text(), QStringLiteral("1 / %1").arg(cables));
        QCOMPARE(dialog.checkRemotePushButton->isEnabled(), remoteTx || remoteRx);
        const zarCableConfiguration configuration = dialog.configuration();
        QTEST(configuration.wires.size(), "wires");
        for (const auto& wire : configuration.wires)
            QVERIFY(wire.enabled && wire.resistance == -1.0f);
        QCOMPARE(configuration.remoteTx, remoteTx);
        QCOMPARE(configuration.remoteTxResistance, remoteTx ? -1.0f : 0.0f);
        QCOMPARE(configuration.remoteRx, remoteRx);
        QCOMPARE(configuration.remoteRxResistance, remoteRx ? -1.0f : 0.0f);
    }

    void nextAndPreviousStopAtTheEnds_data()
    {
        QTest::addColumn<int>("cables");
        QTest::newRow("one cable") << 1;
        QTest::newRow("two cables") << 2;
    }
    void nextAndPreviousStopAtTheEnds()
    {
        QFETCH(int, cables);
        zarCableConfigDialog dialog(nullptr, quint8(cables), false, false);
        dialog.previousToolButton->click();
        QCOMPARE(dialog.currentCableLabel->text(), QStringLiteral("1 / %1").arg(cables));
        dialog.nextToolButton->click();
        dialog.nextToolButton->click();
        QCOMPARE(dialog.currentCableLabel->text(), QStringLiteral("%1 / %1").arg(cables));
    }

    // A wire taken out of use is checked no more and loses its reading; the check passes on.
    void disabledWireLosesItsReading()
    {
        zarCableConfigDialog dialog(nullptr, 1, false, false);
        dialog.automaticAdvanceCheckBox->click();
        dialog.checkCablePushButton->click();
        QVERIFY(settled(dialog));
        QCOMPARE(resistances(dialog).value(0), simulated());
        dialog.w00ToolButton->click();
        dialog.w00PushButton->click();
        dialog.checkCablePushButton->click();
        QVERIFY(settled(dialog));
        QCOMPARE(resistances(dialog).value(0), -1.0f);
        QCOMPARE(dialog.w00Label->text(), QStringLiteral("N / A\n "));
        QCOMPARE(int(dialog.selectedWire()), 1);
    }

    // Releasing Check cable stops the run: the cancel is told, nothing is stored, the selection stays.
    void releasingTheToggleCancels()
    {
        zarCableConfigDialog dialog(nullptr, 2, false, false);
        QSignalSpy jobs(zarCore::instance(), &zarCore::sendReportResistance);
        zarDialogAnswer answer;
        answer.expect();
        dialog.checkCablePushButton->click();
        dialog.checkCablePushButton->click();
        QVERIFY(!dialog.isChecking() && dialog.actionsGroupBox->isEnabled());
        QVERIFY(zarWaitFor([&answer] { return answer.shown; }));
        QCOMPARE(answer.text, QStringLiteral("Canceled by user"));
        QVERIFY(settled(dialog));
        QCOMPARE(jobs.count(), 1);
        QCOMPARE(resistances(dialog), measured());
        QCOMPARE(int(dialog.selectedWire()), 0);
    }

    // The reading that arrives after a stop is kept, and a wire selected meanwhile stays selected.
    void readingAfterAStopKeepsTheNewSelection()
    {
        zarCableConfigDialog dialog(nullptr, 2, false, false);
        zarDialogAnswer answer;
        answer.expect();
        dialog.checkCablePushButton->click();
        dialog.checkCablePushButton->click();
        dialog.w05ToolButton->click();
        inject(0, 0.3f);
        QVERIFY(settled(dialog));
        QVERIFY(!answer.shown);
        QCOMPARE(resistances(dialog), measured({ 0 }, 0.3f));
        QCOMPARE(int(dialog.selectedWire()), 5);
    }

    // An error is told, stores nothing and ends the run.
    void errorReportStoresNothingAndEndsTheRun()
    {
        zarCableConfigDialog dialog(nullptr, 2, true, false);
        zarDialogAnswer answer;
        answer.expect();
        dialog.checkCablePushButton->click();
        inject(0, 0.3f, 1);
        QCOMPARE(answer.text, QStringLiteral("Simulated error"));
        QVERIFY(settled(dialog));
        QCOMPARE(resistances(dialog), measured());
        QVERIFY(!dialog.isChecking() && !dialog.checkCablePushButton->isChecked());
        QVERIFY(dialog.checkRemotePushButton->isEnabled() && dialog.actionsGroupBox->isEnabled());
    }

    void remoteCheckMeasuresEachRemote_data()
    {
        QTest::addColumn<bool>("remoteTx");
        QTest::addColumn<bool>("remoteRx");
        QTest::addColumn<QList<int>>("asked");
        QTest::newRow("both") << true << true << QList<int>({ 0xFFFF, 0xFFFE });
        QTest::newRow("transmitter only") << true << false << QList<int>({ 0xFFFF });
        QTest::newRow("receiver only") << false << true << QList<int>({ 0xFFFE });
    }
    // Check remote measures each remote electrode in use, with the other controls locked meanwhile.
    void remoteCheckMeasuresEachRemote()
    {
        QFETCH(bool, remoteTx);
        QFETCH(bool, remoteRx);
        zarCableConfigDialog dialog(nullptr, 2, remoteTx, remoteRx);
        QSignalSpy jobs(zarCore::instance(), &zarCore::sendReportResistance);
        dialog.checkRemotePushButton->click();
        QVERIFY(!dialog.actionsGroupBox->isEnabled() && !dialog.checkCablePushButton->isEnabled());
        QVERIFY(settled(dialog));
        QList<int> asked;
        for (const QList<QVariant>& job : jobs)
            asked.append(job.at(0).value<zarCoreReportResistance>().wire);
        QTEST(asked, "asked");
        const zarCableConfiguration configuration = dialog.configuration();
        QCOMPARE(configuration.remoteTxResistance, remoteTx ? simulated() : 0.0f);
        QCOMPARE(configuration.remoteRxResistance, remoteRx ? simulated() : 0.0f);
        QCOMPARE(dialog.remoteRxLabel->text(), remoteRx ? QStringLiteral("0.17\nkOhm") : QStringLiteral("N / A"));
        QVERIFY(dialog.actionsGroupBox->isEnabled() && dialog.checkCablePushButton->isEnabled());
        QVERIFY(dialog.checkRemotePushButton->isEnabled());
    }

    void resetAsksFirst_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("no keeps everything") << false;
        QTest::newRow("yes resets every wire and the view") << true;
    }
    void resetAsksFirst()
    {
        QFETCH(bool, yes);
        zarCableConfigDialog dialog(nullptr, 2, true, false);
        dialog.automaticAdvanceCheckBox->click();
        dialog.checkCablePushButton->click();
        QVERIFY(settled(dialog));
        dialog.checkRemotePushButton->click();
        QVERIFY(settled(dialog));
        dialog.w03PushButton->click();
        dialog.nextToolButton->click();
        zarDialogAnswer answer;
        answer.expect(yes ? QMessageBox::Yes : QMessageBox::No);
        dialog.resetPushButton->click();
        QVERIFY(answer.shown);
        QCOMPARE(resistances(dialog), yes ? measured() : measured({ 0 }));
        QCOMPARE(dialog.configuration().wires[3].enabled, yes);
        QCOMPARE(dialog.configuration().remoteTxResistance, yes ? -1.0f : simulated());
        QCOMPARE(dialog.currentCableLabel->text(), yes ? QStringLiteral("1 / 2") : QStringLiteral("2 / 2"));
        QCOMPARE(int(dialog.selectedWire()), yes ? 0 : 32);
    }
};

ZAR_TEST_MAIN(TestCableConfigDialog)
#include "test_cableconfigdialog.moc"
