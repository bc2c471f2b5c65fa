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
    static float simulated(int second = 0) { return float(second / 50.0 + 0.16543); }

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

    void wireShowsItsReading_data()
    {
        QTest::addColumn<float>("resistance");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("not measured") << -1.0f << "N / A\n " << QColor(Qt::black);
        QTest::newRow("zero is not measured") << 0.0f << "N / A\n " << QColor(Qt::black);
        QTest::newRow("NaN is not measured") << float(NAN) << "N / A\n " << QColor(Qt::black);
        QTest::newRow("below the threshold, two decimals") << 0.234f << "0.23\nkOhm" << QColor(Qt::blue);
        QTest::newRow("equal to the threshold") << 0.25f << "0.25\nkOhm" << QColor(Qt::red);
    }
    // A reading against the 0.25 kOhm threshold: failed wires are red.
    void wireShowsItsReading()
    {
        QFETCH(float, resistance);
        QLabel label;
        QPushButton button;
        zarCableWire wire(&label, &button);
        wire.setResistance(resistance);
        wire.refresh(0.25f);
        QTEST(label.text(), "text");
        QTEST(label.palette().color(QPalette::Active, QPalette::WindowText), "colour");
    }

    // Automatic advance from wire 29 to the last of the two cables (the default count):
    // disabled wires pass unmeasured, the view follows into cable 2.
    void automaticRunCrossesCablesAndPassesDisabledWires()
    {
        zarCableConfigDialog dialog(nullptr, 0, false, false);
        fixClock(10);
        dialog.nextToolButton->click();
        for (int position = 2; position < 31; ++position)
            dialog.findChild<QPushButton*>(QStringLiteral("w%1PushButton").arg(position, 2, 10, QLatin1Char('0')))->click();
        dialog.previousToolButton->click();
        dialog.w30PushButton->click();
        dialog.w29ToolButton->click();
        QSignalSpy jobs(zarCore::instance(), &zarCore::sendReportResistance);
        dialog.checkCablePushButton->click();
        QVERIFY(dialog.isChecking() && !dialog.actionsGroupBox->isEnabled());
        QVERIFY(settled(dialog));
        QCOMPARE(resistances(dialog), measured({ 29, 31, 32, 33, 63 }, simulated(10)));
        QCOMPARE(jobs.count(), 5);
        QCOMPARE(int(dialog.selectedWire()), 63);
        QCOMPARE(dialog.currentCableLabel->text(), QStringLiteral("2 / 2"));
        QVERIFY(!dialog.checkCablePushButton->isChecked() && !dialog.isChecking());
        QVERIFY(dialog.actionsGroupBox->isEnabled() && !dialog.checkRemotePushButton->isEnabled());
        dialog.nextToolButton->click();
        QCOMPARE(dialog.currentCableLabel->text(), QStringLiteral("2 / 2"));
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

    void interruptedCheck_data()
    {
        QTest::addColumn<bool>("release");
        QTest::addColumn<int>("reportError");  // -1: the job's own report only
        QTest::addColumn<QString>("message");
        QTest::addColumn<float>("wire0");
        QTest::addColumn<int>("selected");
        QTest::newRow("released: the stop's report stores nothing") << true << -1 << "Canceled by user" << -1.0f << 0;
        QTest::newRow("released, then a late reading and a new selection") << true << 0 << "" << 0.3f << 5;
        QTest::newRow("error report") << false << 1 << "Simulated error" << -1.0f << 0;
    }
    // How a check ends early: the run stops, the buttons come back; a reading that arrives
    // after a stop is kept, the new selection stays, a remote check pressed meanwhile is refused.
    void interruptedCheck()
    {
        QFETCH(bool, release);
        QFETCH(int, reportError);
        QFETCH(QString, message);
        QFETCH(int, selected);
        zarCableConfigDialog dialog(nullptr, 2, true, false);
        QSignalSpy jobs(zarCore::instance(), &zarCore::sendReportResistance);
        zarDialogAnswer answer;
        answer.expect();
        dialog.checkCablePushButton->click();
        if (release) {
            dialog.checkCablePushButton->click();
            dialog.checkRemotePushButton->click();
        }
        if (selected)
            dialog.findChild<QToolButton*>(QStringLiteral("w%1ToolButton").arg(selected, 2, 10, QLatin1Char('0')))->click();
        if (reportError >= 0)
            inject(0, 0.3f, quint8(reportError));
        QVERIFY(settled(dialog));
        QVERIFY(zarWaitFor([&] { return answer.shown || message.isEmpty(); }));
        QCOMPARE(answer.text, message);
        QTEST(resistances(dialog).value(0), "wire0");
        QCOMPARE(int(dialog.selectedWire()), selected);
        QCOMPARE(jobs.count(), reportError >= 0 ? 2 : 1);
        QVERIFY(!dialog.isChecking() && !dialog.checkCablePushButton->isChecked());
        QVERIFY(dialog.checkRemotePushButton->isEnabled() && dialog.actionsGroupBox->isEnabled());
        QCOMPARE(dialog.configuration().remoteTxResistance, -1.0f);
    }

    // A reading at the threshold fails: "Disable failed" takes wires 0 and 32 out
    // across both cables; the remote check measures transmitter, then receiver;
    // reset, when confirmed, clears wires and remotes.
    void disableFailedThenReset()
    {
        zarCableConfigDialog dialog(nullptr, 2, true, true);
        dialog.failGroundingComboBox->setCurrentText(QStringLiteral("0.75"));
        dialog.automaticAdvanceCheckBox->click();
        auto check = [&dialog](float reading) {
            dialog.checkCablePushButton->click();
            inject(dialog.selectedWire(), reading);
            return settled(dialog);
        };
        QVERIFY(check(0.75f) && check(0.74f));
        dialog.checkRemotePushButton->click();
        QVERIFY(settled(dialog));
        QCOMPARE(dialog.configuration().remoteTxResistance, simulated());
        QCOMPARE(dialog.configuration().remoteRxResistance, simulated());
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
        answer.expect(QMessageBox::No);
        dialog.resetPushButton->click();
        QCOMPARE(resistances(dialog).value(1), 0.74f);
        answer.expect(QMessageBox::Yes);
        dialog.resetPushButton->click();
        QCOMPARE(resistances(dialog), measured());
        QVERIFY(dialog.configuration().wires[0].enabled);
        QCOMPARE(dialog.configuration().remoteTxResistance, -1.0f);
        QCOMPARE(dialog.configuration().remoteRxResistance, -1.0f);
        QCOMPARE(dialog.currentCableLabel->text(), QStringLiteral("1 / 2"));
        QCOMPARE(int(dialog.selectedWire()), 0);
    }
};

ZAR_TEST_MAIN(TestCableConfigDialog)
#include "test_cableconfigdialog.moc"
