#include "zardialoganswer.h"
#include "zartestsupport.h"

#include "core/zarcore.h"
#include "frame/zartranslator.h"
#include "service/zarcableconfigdialog.h"

#include <QSignalSpy>

#include <cmath>

// The cable dialog against the simulated core board: the simulator answers a wire
// after 200 ms with second / 50 + 0.16543 kOhm of its clock, which the tests fix.
class TestCableConfigDialog : public QObject
{
    Q_OBJECT

    static void fixClock(int second)
    {
        zarCore::instance()->jobThread().setSimulationClock(
            [second] { return QDateTime(QDate(2026, 3, 1), QTime(12, 0, second)); });
    }
    static float simulated(int second) { return float(second / 50.0 + 0.16543); }

    // Until every job has answered and the dialog waits for nothing.
    static bool settled(const zarCableConfigDialog& dialog)
    {
        const bool done = zarWaitFor([&dialog] {
            return dialog.pendingWire() == -1 && !zarCore::instance()->jobThread().isRunning();
        });
        // A late report of the last job is delivered, and must change nothing.
        QCoreApplication::processEvents();
        return done && dialog.pendingWire() == -1;
    }
    static QList<float> unmeasured() { return QVector<float>(64, -1.0f).toList(); }
    static void inject(quint16 wire, float resistance, quint8 error = 0)
    {
        zarCoreReportResistance report;
        report.wire = wire;
        report.resistance = resistance;
        report.error.code = error;
        emit zarCore::instance()->sendReportResistance(report);
    }
    static void manual(zarCableConfigDialog& dialog)
    {
        dialog.automaticAdvanceCheckBox->click();
    }
    static QList<float> resistances(const zarCableConfigDialog& dialog)
    {
        QList<float> values;
        for (const auto& wire : dialog.configuration().wires)
            values.append(wire.resistance);
        return values;
    }

private slots:
    void init() { fixClock(0); }
    void cleanup() { zarTranslator::instance()->setLanguage(QStringLiteral("En")); }

    // A remote electrode the template does not use reads "N / A" in the operator's language.
    void unusedRemoteTranslated()
    {
        QVERIFY(zarTranslator::instance()->setLanguage(QStringLiteral("Ru")));
        zarCableConfigDialog dialog(nullptr, 1, true, false);
        QCOMPARE(dialog.remoteRxLabel->text(), QStringLiteral("Н / Д"));
        QVERIFY(zarTranslator::instance()->setLanguage(QStringLiteral("En")));
        QCOMPARE(dialog.remoteRxLabel->text(), QStringLiteral("N / A"));
    }

    void wireLabelShowsTheReading_data()
    {
        QTest::addColumn<float>("resistance");
        QTest::addColumn<bool>("remote");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("cable wire not measured") << -1.0f << false << "N / A\n " << QColor(Qt::black);
        QTest::newRow("zero is not measured") << 0.0f << false << "N / A\n " << QColor(Qt::black);
        QTest::newRow("NaN is not measured") << float(NAN) << false << "N / A\n " << QColor(Qt::black);
        QTest::newRow("below the threshold") << 0.2f << false << "0.20\nkOhm" << QColor(Qt::blue);
        QTest::newRow("equal to the threshold") << 0.25f << false << "0.25\nkOhm" << QColor(Qt::red);
        QTest::newRow("two decimals") << 1.234f << false << "1.23\nkOhm" << QColor(Qt::red);
        QTest::newRow("remote not measured") << -1.0f << true << "N / A" << QColor(Qt::black);
        QTest::newRow("remote measured") << 0.1f << true << "0.10\nkOhm" << QColor(Qt::blue);
    }
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
        // The state button shows the enabled wire; a remote wire has none.
        QCOMPARE(button.icon().availableSizes().value(0), remote ? QSize() : QSize(63, 18));
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
    void markIfAboveOnlyDisables()
    {
        QFETCH(float, resistance);
        QFETCH(bool, disabledBefore);
        QLabel label;
        QPushButton button;
        zarCableWire wire(&label, &button);
        wire.setResistance(resistance);
        if (disabledBefore)
            wire.toggleDisabled();
        wire.markIfAbove(0.5f);
        QTEST(wire.isDisabled(), "disabled");
        wire.refresh(0.5f);
        QCOMPARE(button.icon().availableSizes().value(0), wire.isDisabled() ? QSize(63, 55) : QSize(63, 18));
        wire.reset();
        QVERIFY(!wire.isDisabled() && !wire.isMeasured());
    }

    void configurationHandedOver_data()
    {
        QTest::addColumn<int>("cablesArgument");
        QTest::addColumn<bool>("remoteTx");
        QTest::addColumn<bool>("remoteRx");
        QTest::addColumn<int>("wires");
        QTest::addColumn<QString>("cableText");
        QTest::newRow("no count means two cables, both remotes") << 0 << true << true << 64 << "1 / 2";
        QTest::newRow("one cable, no remote") << 1 << false << false << 32 << "1 / 1";
        QTest::newRow("receiver only") << 2 << false << true << 64 << "1 / 2";
    }
    void configurationHandedOver()
    {
        QFETCH(int, cablesArgument);
        QFETCH(bool, remoteTx);
        QFETCH(bool, remoteRx);
        zarCableConfigDialog dialog(nullptr, quint8(cablesArgument), remoteTx, remoteRx);
        QTEST(dialog.currentCableLabel->text(), "cableText");
        QCOMPARE(dialog.failGroundingComboBox->currentText(), QStringLiteral("0.25"));
        QCOMPARE(dialog._remoteTxLabel->text(), QStringLiteral("Tx") + QChar(0x221E) + QLatin1Char(':'));
        QCOMPARE(dialog._failGroundingLabel->text(), QStringLiteral("Fail grounding [kOhm]:"));
        QCOMPARE(dialog.checkRemotePushButton->isEnabled(), remoteTx || remoteRx);
        QCOMPARE(dialog.remoteTxLabel->text(), QStringLiteral("N / A"));

        const zarCableConfiguration configuration = dialog.configuration();
        QTEST(configuration.wires.size(), "wires");
        for (const auto& wire : configuration.wires)
            QVERIFY(wire.enabled && wire.resistance == -1.0f);
        QCOMPARE(configuration.remoteTx, remoteTx);
        QCOMPARE(configuration.remoteTxResistance, remoteTx ? -1.0f : 0.0f);
        QCOMPARE(configuration.remoteRx, remoteRx);
        QCOMPARE(configuration.remoteRxResistance, remoteRx ? -1.0f : 0.0f);
        // Next and Previous stop at the ends.
        dialog.previousToolButton->click();
        dialog.nextToolButton->click();
        dialog.nextToolButton->click();
        QCOMPARE(dialog.currentCableLabel->text(), QStringLiteral("%1 / %2").arg(dialog.cables()).arg(dialog.cables()));
    }

    void automaticRunCrossesCablesAndPassesDisabledWires()
    {
        zarCableConfigDialog dialog(nullptr, 2, false, false);
        fixClock(10);
        dialog.nextToolButton->click();
        for (int position = 2; position < 31; ++position)
            dialog.findChild<QPushButton*>(QStringLiteral("w%1PushButton").arg(position, 2, 10, QLatin1Char('0')))->click();
        dialog.previousToolButton->click();
        dialog.w30PushButton->click();
        dialog.w29ToolButton->click();
        QSignalSpy jobs(zarCore::instance(), &zarCore::sendReportResistance);

        dialog.checkCablePushButton->click();
        QVERIFY(dialog.checkCablePushButton->isChecked() && dialog.isChecking());
        QVERIFY(!dialog.actionsGroupBox->isEnabled() && !dialog.currentCableGroupBox->isEnabled());
        QVERIFY(settled(dialog));

        QList<float> expected;
        for (int wire = 0; wire < 64; ++wire)
            expected.append(QList<int>({ 29, 31, 32, 33, 63 }).contains(wire) ? simulated(10) : -1.0f);
        QCOMPARE(resistances(dialog), expected);
        QCOMPARE(jobs.count(), 5);
        QCOMPARE(dialog.configuration().wires[30].enabled, false);
        QCOMPARE(dialog.configuration().wires[34].enabled, false);
        QCOMPARE(int(dialog.selectedWire()), 63);
        QCOMPARE(dialog.currentCableLabel->text(), QStringLiteral("2 / 2"));
        QVERIFY(!dialog.checkCablePushButton->isChecked() && !dialog.isChecking());
        QVERIFY(dialog.actionsGroupBox->isEnabled() && dialog.automaticAdvanceCheckBox->isEnabled());
    }

    void disabledWireLosesItsReading()
    {
        zarCableConfigDialog dialog(nullptr, 1, false, false);
        manual(dialog);
        dialog.checkCablePushButton->click();
        QVERIFY(settled(dialog));
        QCOMPARE(resistances(dialog).value(0), simulated(0));
        dialog.w00ToolButton->click();
        dialog.w00PushButton->click();
        dialog.checkCablePushButton->click();
        QVERIFY(settled(dialog));
        QCOMPARE(resistances(dialog).value(0), -1.0f);
        QCOMPARE(dialog.w00Label->text(), QStringLiteral("N / A\n "));
        QCOMPARE(int(dialog.selectedWire()), 1);
    }

    void stopIfFailedStopsOnEquality_data()
    {
        QTest::addColumn<float>("reading");
        QTest::addColumn<int>("selected");
        QTest::addColumn<float>("lastWire");
        QTest::newRow("equal to the threshold stops") << 0.5f << 62 << -1.0f;
        QTest::newRow("below the threshold goes on") << 0.49f << 63 << simulated(0);
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
        QCOMPARE(resistances(dialog).value(62), reading);
        QTEST(resistances(dialog).value(63), "lastWire");
        QVERIFY(!dialog.isChecking() && !dialog.checkCablePushButton->isChecked());
        if (reading >= 0.5f)
            QCOMPARE(dialog.w30Label->palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::red));
    }

    void singleCheckAtLastWireOfCableOneMovesToCableTwo()
    {
        zarCableConfigDialog dialog(nullptr, 2, false, false);
        manual(dialog);
        QVERIFY(!dialog.checkCablePushButton->isCheckable());
        dialog.w31ToolButton->click();
        QSignalSpy jobs(zarCore::instance(), &zarCore::sendReportResistance);
        dialog.checkCablePushButton->click();
        // Taps while the measurement is out neither ask again nor select.
        dialog.checkCablePushButton->click();
        dialog.w05ToolButton->click();
        QVERIFY(settled(dialog));
        QCOMPARE(jobs.count(), 1);
        QCOMPARE(resistances(dialog).value(31), simulated(0));
        QCOMPARE(resistances(dialog).value(32), -1.0f);
        QCOMPARE(int(dialog.selectedWire()), 32);
        QCOMPARE(dialog.currentCableLabel->text(), QStringLiteral("2 / 2"));
        QVERIFY(!dialog.isChecking() && dialog.actionsGroupBox->isEnabled());
        QVERIFY(!dialog.checkRemotePushButton->isEnabled());
    }

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
        QCOMPARE(resistances(dialog), unmeasured());
        QCOMPARE(int(dialog.selectedWire()), 0);
    }

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
        QCOMPARE(resistances(dialog).value(0), 0.3f);
        QCOMPARE(int(dialog.selectedWire()), 5);
    }

    void errorReportStoresNothingAndEndsTheRun()
    {
        zarCableConfigDialog dialog(nullptr, 2, true, false);
        zarDialogAnswer answer;
        answer.expect();
        dialog.checkCablePushButton->click();
        inject(0, 0.3f, 1);
        QCOMPARE(answer.text, QStringLiteral("Simulated error"));
        QVERIFY(settled(dialog));
        QCOMPARE(resistances(dialog).value(0), -1.0f);
        QVERIFY(!dialog.isChecking() && !dialog.checkCablePushButton->isChecked());
        QVERIFY(dialog.checkRemotePushButton->isEnabled() && dialog.actionsGroupBox->isEnabled());
    }

    void foreignReportsAreIgnored_data()
    {
        QTest::addColumn<bool>("ownRequest");
        QTest::addColumn<quint16>("foreignWire");
        QTest::newRow("idle dialog") << false << quint16(0);
        QTest::newRow("another wire while waiting") << true << quint16(7);
        QTest::newRow("remote reading while waiting for a wire") << true << quint16(0xFFFF);
    }
    void foreignReportsAreIgnored()
    {
        QFETCH(bool, ownRequest);
        QFETCH(quint16, foreignWire);
        zarCableConfigDialog dialog(nullptr, 2, true, true);
        manual(dialog);
        dialog.w05ToolButton->click();
        if (ownRequest)
            dialog.checkCablePushButton->click();
        inject(foreignWire, 3.0f);
        QVERIFY(settled(dialog));
        QList<float> expected = unmeasured();
        if (ownRequest)
            expected[5] = simulated(0);
        QCOMPARE(resistances(dialog), expected);
        QCOMPARE(dialog.configuration().remoteTxResistance, -1.0f);
        QCOMPARE(int(dialog.selectedWire()), ownRequest ? 6 : 5);
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
        QCOMPARE(configuration.remoteTxResistance, remoteTx ? simulated(0) : 0.0f);
        QCOMPARE(configuration.remoteRxResistance, remoteRx ? simulated(0) : 0.0f);
        QCOMPARE(dialog.remoteRxLabel->text(), remoteRx ? QStringLiteral("0.17\nkOhm") : QStringLiteral("N / A"));
        QVERIFY(dialog.actionsGroupBox->isEnabled() && dialog.checkCablePushButton->isEnabled());
        QVERIFY(dialog.checkRemotePushButton->isEnabled());
    }

    void disableFailedThenReset()
    {
        zarCableConfigDialog dialog(nullptr, 2, true, false);
        dialog.failGroundingComboBox->setCurrentText(QStringLiteral("0.75"));
        manual(dialog);
        for (int second : { 30, 0 }) {
            fixClock(second);
            dialog.checkCablePushButton->click();
            QVERIFY(settled(dialog));
        }
        dialog.checkRemotePushButton->click();
        QVERIFY(settled(dialog));
        dialog.nextToolButton->click();
        fixClock(30);
        dialog.checkCablePushButton->click();
        QVERIFY(settled(dialog));
        QCOMPARE(dialog.w00Label->palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::red));

        zarDialogAnswer answer;
        answer.expect(QMessageBox::Yes);
        dialog.disableFailedPushButton->click();
        QCOMPARE(answer.text, QStringLiteral("Are you sure you want to disable failed electrodes?"));
        QList<bool> enabled;
        for (const auto& wire : dialog.configuration().wires)
            enabled.append(wire.enabled);
        QList<bool> expected = QVector<bool>(64, true).toList();
        expected[0] = expected[32] = false;
        QCOMPARE(enabled, expected);

        answer.expect(QMessageBox::No);
        dialog.resetPushButton->click();
        QCOMPARE(resistances(dialog).value(1), simulated(0));
        answer.expect(QMessageBox::Yes);
        dialog.resetPushButton->click();
        QCOMPARE(resistances(dialog), unmeasured());
        QVERIFY(dialog.configuration().wires[0].enabled);
        QCOMPARE(dialog.configuration().remoteTxResistance, -1.0f);
        QCOMPARE(dialog.currentCableLabel->text(), QStringLiteral("1 / 2"));
        QCOMPARE(int(dialog.selectedWire()), 0);
    }
};

ZAR_TEST_MAIN(TestCableConfigDialog)
#include "test_cableconfigdialog.moc"
