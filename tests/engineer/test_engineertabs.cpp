#include "zarengineerfixture.h"

#include "service/zargpsmanager.h"

#include <QListWidget>
#include <QSignalSpy>
#include <QTextEdit>

// The nine tabs that drive the core: each press's record field by field, through
// the simulated core, and what each report shows.
class TestEngineerTabs : public QObject
{
    Q_OBJECT

    // Presses and cuts the job short, so the next press need not wait for the simulator.
    static void press(zarEngineerWidget& screen, const QString& name)
    {
        screen.findChild<QPushButton*>(name)->click();
        zarSettleCore();
    }

private slots:
    void cleanup() { zarSettleCore(); }

    void transmitter_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("combo");
        QTest::addColumn<bool>("grounding");
        // pulse, adjust, stop, transmitter, code, duration, power; unset fields stay 0
        QTest::addColumn<QList<int>>("record");
        QTest::newRow("adjust first, RefTx shown") << "txAdjustPulseFirstPushButton" << 1 << false << QList<int>({ 0, 1, 0, 7, 0x1f, 0, 37 });
        QTest::newRow("adjust second, grounding") << "txAdjustPulseSecondPushButton" << 0 << true << QList<int>({ 0, 1, 0, 7, 0x20, 0, 255 });
        QTest::newRow("pulse first, IntTx") << "txPulseFirstPushButton" << 0 << true << QList<int>({ 1, 0, 0, 7, 0x21, 15000, 0 });
        QTest::newRow("pulse second, RefTx") << "txPulseSecondPushButton" << 1 << false << QList<int>({ 1, 0, 0, 6, 0x22, 15000, 0 });
        QTest::newRow("stop, RefTx") << "txStopPushButton" << 1 << false << QList<int>({ 0, 0, 1, 6, 0, 0, 0 });
        QTest::newRow("zero pulse, IntTx shown") << "txPulseZeroPushButton" << 0 << false << QList<int>({ 1, 0, 0, 6, 0x24, 15000, 37 });
        QTest::newRow("zero pulse, grounding") << "txPulseZeroPushButton" << 0 << true << QList<int>({ 1, 0, 0, 6, 0x24, 15000, 255 });
    }

    void transmitter()
    {
        QFETCH(QString, name);
        QFETCH(int, combo);
        QFETCH(bool, grounding);
        QFETCH(QList<int>, record);
        zarEngineerScreen fixture;
        zarEngineerWidget& s = fixture.screen;
        s.txPowerHorizontalSlider->setValue(37);
        s.txDurationHorizontalSlider->setValue(15000);
        s.txDeviceComboBox->setCurrentIndex(combo);
        s.txCheckGroundingPowerCheckBox->setChecked(grounding);
        zarJobRecorder jobs;
        press(s, name);
        QCOMPARE(jobs.jobs, QList<zarCoreJob>({ zarJobTxAux }));
        const auto r = jobs.last<zarCoreParamTxAux>();
        QCOMPARE(QList<int>({ r.pulse, r.adjust, r.stop, r.transmitter, r.command, r.duration, r.power }), record);
        QCOMPARE(s.txPowerLabel->text() + " " + s.txDurationLabel->text(), QStringLiteral("37 15000"));
    }

    // The simulator's -298, a reading with decimals, and an error shown before the value.
    void transmitterTemperature()
    {
        zarEngineerScreen fixture;
        QSignalSpy reports(zarCore::instance(), &zarCore::sendReportTxAux);
        fixture.screen.txPulseFirstPushButton->click();
        QVERIFY(reports.wait(5000));
        QCOMPARE(fixture.screen.txTempLabel->text(), QStringLiteral("-298  o C"));
        zarCoreReportTxAux report;
        report.temperature = 24.5f;
        report.error.code = zarErrorOverheated;
        emit zarCore::instance()->sendReportTxAux(report);
        QCOMPARE(fixture.answers.texts, QStringList({ "Generator is overheated" }));
        QCOMPARE(fixture.screen.txTempLabel->text(), QStringLiteral("24.5  o C"));
    }

    void receiver_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("combo");
        // address, samples, start, reset, get, low, high, calibration, measure, clear
        QTest::addColumn<QList<int>>("record");
        QTest::newRow("start on 1") << "rxMsrStartPushButton" << 1 << QList<int>({ 9, 100, 1, 0, 0, 0, 0, 0, 0, 0 });
        QTest::newRow("get on TxCurrent") << "rxMsrGetPushButton" << 17 << QList<int>({ 25, 100, 0, 0, 1, 0, 0, 0, 0, 0 });
        QTest::newRow("get on TxVoltage") << "rxMsrGetPushButton" << 16 << QList<int>({ 24, 100, 0, 0, 1, 0, 0, 0, 0, 0 });
        QTest::newRow("reset on 15") << "rxRxResetPushButton" << 15 << QList<int>({ 23, 0, 0, 1, 0, 0, 0, 0, 0, 0 });
        QTest::newRow("low range on Broadcast") << "rxLowRangePushButton" << 18 << QList<int>({ 255, 0, 0, 0, 0, 1, 0, 0, 0, 0 });
        QTest::newRow("high range on 0") << "rxHighRangePushButton" << 0 << QList<int>({ 8, 0, 0, 0, 0, 0, 1, 0, 0, 0 });
        QTest::newRow("calibration input") << "rxClbInputPushButton" << 2 << QList<int>({ 10, 0, 0, 0, 0, 0, 0, 1, 0, 0 });
        QTest::newRow("measure input") << "rxMsrInputPushButton" << 2 << QList<int>({ 10, 0, 0, 0, 0, 0, 0, 0, 1, 0 });
        QTest::newRow("clear") << "rxMsrClearPushButton" << 3 << QList<int>({ 11, 0, 0, 0, 0, 0, 0, 0, 0, 1 });
        QTest::newRow("get on Broadcast: nothing") << "rxMsrGetPushButton" << 18 << QList<int>();
    }

    void receiver()
    {
        QFETCH(QString, name);
        QFETCH(int, combo);
        QFETCH(QList<int>, record);
        zarEngineerScreen fixture;
        fixture.screen.rxDeviceComboBox->setCurrentIndex(combo);
        zarJobRecorder jobs;
        press(fixture.screen, name);
        QCOMPARE(jobs.jobs.size(), int(!record.isEmpty()));
        if (record.isEmpty())
            return;
        const auto r = jobs.last<zarCoreParamRxAux>();
        QCOMPARE(QList<int>({ r.receiver, r.samples, r.start, r.reset, r.get, r.lowRange, r.highRange, r.calibrationInput,
                              r.measureInput, r.clear }),
                 record);
    }

    // Clear empties the samples without a job; MsrClear is a job and keeps them.
    void receiverClear()
    {
        zarEngineerScreen fixture;
        zarEngineerWidget& s = fixture.screen;
        s.rxSamplesTextEdit->setPlainText(QStringLiteral("5.5700\n"));
        zarJobRecorder jobs;
        press(s, "rxMsrClearPushButton");
        QCOMPARE(s.rxSamplesTextEdit->toPlainText(), QStringLiteral("5.5700\n"));
        s.rxClearPushButton->click();
        QVERIFY(s.rxSamplesTextEdit->toPlainText().isEmpty());
        QCOMPARE(jobs.jobs, QList<zarCoreJob>({ zarJobRxAux }));
    }

    // Repeat reads at once and every 400 ms with one sample more, each sample a line with
    // four decimals; releasing it stops the reads.
    void receiverRepeat()
    {
        zarEngineerScreen fixture;
        zarEngineerWidget& s = fixture.screen;
        zarJobRecorder jobs;
        s.rxRepeatPushButton->click();
        QCOMPARE(jobs.jobs.size(), 1);
        QCOMPARE(int(jobs.last<zarCoreParamRxAux>().samples), 100);
        QCOMPARE(s.rxSamplesToRunSpinBox->value(), 101);
        QVERIFY(zarWaitFor([&jobs] { return jobs.jobs.size() == 2; }, 3000));
        QCOMPARE(int(jobs.last<zarCoreParamRxAux>().samples), 101);
        QCOMPARE(s.rxSamplesToRunSpinBox->value(), 102);
        s.rxRepeatPushButton->click();
        QVERIFY(!zarWaitFor([&jobs] { return jobs.jobs.size() > 2; }, 1000));
        QCOMPARE(s.rxSamplesTextEdit->toPlainText().count(QStringLiteral("5.5700\n")), 201);
    }

    void sensors_data()
    {
        QTest::addColumn<QList<float>>("values"); // keys 1, 2, 3, 7; NaN = missing
        QTest::addColumn<QStringList>("shown");   // internal, external, moisture, transmitter
        const float none = qQNaN();
        QTest::newRow("all but the transmitter") << QList<float>({ 12600.0f, 12400.0f, 24.0f, none }) << QStringList({ "12600", "12400", "24", "-1" });
        QTest::newRow("external only") << QList<float>({ none, 12.5f, none, 31.25f }) << QStringList({ "-1", "12.5", "-1", "31.25" });
    }

    void sensors()
    {
        QFETCH(QList<float>, values);
        QFETCH(QStringList, shown);
        zarEngineerScreen fixture;
        zarCoreReportSensor report;
        const quint8 keys[] = { 1, 2, 3, 7 };
        for (int i = 0; i < 4; ++i)
            if (!qIsNaN(values.at(i)))
                report.sensors.insert(keys[i], values.at(i));
        emit zarCore::instance()->sendReportSensor(report);
        const zarEngineerWidget& s = fixture.screen;
        QCOMPARE(QStringList({ s.rxIntBatLabel->text(), s.rxExtBatLabel->text(), s.rxMoistureLabel->text(), s.txTempLabel->text() }), shown);
    }

    void switches_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("combo");
        QTest::addColumn<int>("electrode");
        QTest::addColumn<bool>("apply");
        // board, set, reset, grounding, all, phantom, apply, MB, electrode; unset fields stay 0
        QTest::addColumn<QList<int>>("record");
        QTest::newRow("NA on board 0") << "swSwSetNAPushButton" << 0 << 63 << true << QList<int>({ 26, 1, 0, 0, 0, 0, 1, 0, 63 });
        QTest::newRow("MB on 15, no apply") << "swSwSetMBPushButton" << 15 << 0 << false << QList<int>({ 41, 1, 0, 0, 0, 0, 0, 1, 0 });
        QTest::newRow("NA, remote receiver") << "swSwSetNAPushButton" << 16 << -1 << true << QList<int>({ 42, 1, 0, 0, 0, 0, 1, 0, 0xFFFE });
        QTest::newRow("MB, remote transmitter") << "swSwSetMBPushButton" << 17 << -2 << true << QList<int>({ 254, 1, 0, 0, 0, 0, 1, 1, 0xFFFF });
        QTest::newRow("grounding ignores the board and apply") << "swGroundingPushButton" << 3 << 7 << false << QList<int>({ 0, 0, 0, 1, 0, 0, 1, 0, 7 });
        QTest::newRow("all on 3") << "swAllPushButton" << 3 << 7 << false << QList<int>({ 29, 0, 0, 0, 1, 0, 1, 0, 0 });
        QTest::newRow("phantom on Tx") << "swPhantomPushButton" << 16 << 7 << false << QList<int>({ 42, 0, 0, 0, 0, 1, 1, 0, 0 });
        QTest::newRow("reset on Broadcast") << "swSwResetPushButton" << 17 << 7 << false << QList<int>({ 254, 0, 1, 0, 0, 0, 1, 0, 0 });
    }

    void switches()
    {
        QFETCH(QString, name);
        QFETCH(int, combo);
        QFETCH(int, electrode);
        QFETCH(bool, apply);
        QFETCH(QList<int>, record);
        zarEngineerScreen fixture;
        zarEngineerWidget& s = fixture.screen;
        s.swDeviceComboBox->setCurrentIndex(combo);
        s.swElectrodeSpinBox->setValue(electrode);
        s.swApplyCheckBox->setChecked(apply);
        zarJobRecorder jobs;
        press(s, name);
        QCOMPARE(jobs.jobs, QList<zarCoreJob>({ zarJobSwAux }));
        const auto r = jobs.last<zarCoreParamSwAux>();
        QCOMPARE(QList<int>({ r.board, r.set, r.reset, r.grounding, r.all, r.phantom, r.apply, r.pinMB, r.electrode }), record);
    }

    // Calibrate sends the spin box, Default always 40 with the flag; a success is told as "Success".
    void calibration()
    {
        zarEngineerScreen fixture;
        fixture.screen.calibrateSamplesSpinBox->setValue(77);
        zarJobRecorder jobs;
        QSignalSpy reports(zarCore::instance(), &zarCore::sendReportCalibrate);
        fixture.screen.calibrateCalibratePushButton->click();
        QVERIFY(reports.wait(5000));
        QCOMPARE(QList<int>({ jobs.last<zarCoreParamCalibrate>().samples, jobs.last<zarCoreParamCalibrate>().restoreDefault }), QList<int>({ 77, 0 }));
        press(fixture.screen, "calibrateDefaultPushButton");
        QCOMPARE(QList<int>({ jobs.last<zarCoreParamCalibrate>().samples, jobs.last<zarCoreParamCalibrate>().restoreDefault }), QList<int>({ 40, 1 }));
        QCOMPARE(fixture.answers.texts, QStringList({ "Success", "Canceled by user" }));
    }

    void stressDevice_data()
    {
        QTest::addColumn<int>("channel");
        QTest::addColumn<int>("device");
        QTest::newRow("channel 0") << 0 << 8;
        QTest::newRow("channel 15") << 15 << 23;
        QTest::newRow("output voltage") << 16 << 24;
        QTest::newRow("output current") << 17 << 25;
    }

    // The chain's record; an answer other than "OK" ends the chain and stays shown.
    void stressDevice()
    {
        QFETCH(int, channel);
        QFETCH(int, device);
        zarEngineerScreen fixture;
        zarEngineerWidget& s = fixture.screen;
        s.stressRxChannelSpinBox->setValue(channel);
        s.stressRxSamplesSpinBox->setValue(300);
        s.stressRxPauseSpinBox->setValue(9);
        zarJobRecorder jobs;
        s.stressRxStartPushButton->click();
        const auto r = jobs.last<zarCoreParamRxStress>();
        QCOMPARE(QList<int>({ r.device, r.samples, int(r.pause) }), QList<int>({ device, 300, 9 }));
        zarCoreReportRxStress answer;
        answer.result = QStringLiteral("ok ");
        emit zarCore::instance()->sendReportRxStress(answer);
        QCOMPARE(s.stressRxStatusLabel->text(), QStringLiteral("ok "));
        const int started = jobs.jobs.size();
        QVERIFY(!zarWaitFor([&] { return jobs.jobs.size() > started; }, 300));
    }

    // One chain however often Start is pressed; a ping's answer goes to the ping, which starts nothing.
    void stressChainAndPing()
    {
        zarEngineerScreen fixture;
        zarEngineerWidget& s = fixture.screen;
        zarJobRecorder jobs;
        int answers = 0, mostInFlight = 0;
        QObject::connect(zarCore::instance(), &zarCore::sendReportRxStress, &s, [&] {
            ++answers;
            mostInFlight = qMax(mostInFlight, int(jobs.jobs.count(zarJobRxStress)) - answers);
        });
        s.stressRxStartPushButton->click();
        s.stressRxStartPushButton->click();
        QVERIFY(zarWaitFor([&] { return answers > 5; }, 5000));
        s.stressRxStartPushButton->click();
        QVERIFY(zarWaitFor([&] { return answers > 10; }, 5000));
        QCOMPARE(mostInFlight, 1);
        s.miscPingDeviceSpinBox->setValue(5);
        s.miscPingMsSpinBox->setValue(250);
        s.miscPingPushButton->click();
        const auto ping = jobs.last<zarCoreParamRxStress>();
        QCOMPARE(QList<int>({ ping.device, ping.samples, int(ping.pause) }), QList<int>({ 5, 0, 250 }));
        QVERIFY(s.miscPingLabel->text().isEmpty());
        QVERIFY(zarWaitFor([&] { return s.miscPingLabel->text() == QLatin1String("OK"); }, 5000));
        mostInFlight = 0;
        const int seen = answers;
        QVERIFY(zarWaitFor([&] { return answers > seen + 10; }, 5000));
        QCOMPARE(mostInFlight, 1);
        // An error ends the chain with "N/A"; Start begins a new one.
        zarCoreReportRxStress failed;
        failed.error.code = zarErrorNoConnection;
        emit zarCore::instance()->sendReportRxStress(failed);
        QCOMPARE(s.stressRxStatusLabel->text(), QStringLiteral("N/A"));
        QCOMPARE(fixture.answers.texts, QStringList({ "Can not establish connection with core" }));
        zarSettleCore();
        const int before = jobs.jobs.count(zarJobRxStress);
        s.stressRxStartPushButton->click();
        QCOMPARE(jobs.jobs.count(zarJobRxStress), before + 1);
        QVERIFY(s.close());
    }

    void clockSet_data()
    {
        QTest::addColumn<QList<int>>("entry"); // year, month, day, hour, minute, second
        QTest::addColumn<bool>("sent");
        QTest::newRow("31 December") << QList<int>({ 2099, 12, 31, 23, 59, 58 }) << true;
        QTest::newRow("29 February of a leap year") << QList<int>({ 2024, 2, 29, 0, 0, 0 }) << true;
        QTest::newRow("30 February refused") << QList<int>({ 2024, 2, 30, 12, 0, 0 }) << false;
        QTest::newRow("31 April refused") << QList<int>({ 2013, 4, 31, 12, 0, 0 }) << false;
    }

    // The spin boxes take every real day and month; a date that does not exist is refused before any job.
    void clockSet()
    {
        QFETCH(QList<int>, entry);
        QFETCH(bool, sent);
        zarEngineerScreen fixture;
        zarEngineerWidget& s = fixture.screen;
        QCOMPARE(QList<int>({ s.miscMonthSpinBox->minimum(), s.miscMonthSpinBox->maximum(), s.miscDaySpinBox->minimum(), s.miscDaySpinBox->maximum() }),
                 QList<int>({ 1, 12, 1, 31 }));
        QList<QSpinBox*> boxes = { s.miscYearSpinBox, s.miscMonthSpinBox, s.miscDaySpinBox, s.miscHourSpinBox, s.miscMinuteSpinBox, s.miscSecondSpinBox };
        for (int i = 0; i < boxes.size(); ++i)
            boxes.at(i)->setValue(entry.at(i));
        zarJobRecorder jobs;
        QSignalSpy reports(zarCore::instance(), &zarCore::sendReportClock);
        s.miscTimeSetPushButton->click();
        QCOMPARE(reports.wait(sent ? 5000 : 100), sent);
        QCOMPARE(jobs.jobs.size(), int(sent));
        QCOMPARE(fixture.answers.texts, sent ? QStringList() : QStringList({ "Invalid date" }));
        if (sent) {
            const auto r = jobs.last<zarCoreParamClock>();
            QCOMPARE(int(r.set), 1);
            QCOMPARE(r.date, QDate(entry.at(0), entry.at(1), entry.at(2)));
            QCOMPARE(r.time, QTime(entry.at(3), entry.at(4), entry.at(5)));
        }
    }

    // A read sends the empty record and fills the six boxes; an error leaves them.
    void clockGet()
    {
        zarEngineerScreen fixture;
        zarEngineerWidget& s = fixture.screen;
        const QDateTime when(QDate(2031, 3, 30), QTime(7, 8, 9));
        zarCore::instance()->jobThread().setSimulationClock([when] { return when; });
        zarJobRecorder jobs;
        QSignalSpy reports(zarCore::instance(), &zarCore::sendReportClock);
        s.miscTimeGetPushButton->click();
        QVERIFY(reports.wait(5000));
        zarCore::instance()->jobThread().setSimulationClock(nullptr);
        const auto r = jobs.last<zarCoreParamClock>();
        QVERIFY(r.set == 0 && r.date.isNull() && r.time.isNull());
        QList<QSpinBox*> boxes = { s.miscYearSpinBox, s.miscMonthSpinBox, s.miscDaySpinBox, s.miscHourSpinBox, s.miscMinuteSpinBox, s.miscSecondSpinBox };
        auto values = [&boxes] { QList<int> v; for (QSpinBox* b : boxes) v << b->value(); return v; };
        QCOMPARE(values(), QList<int>({ 2031, 3, 30, 7, 8, 9 }));
        zarCoreReportClock failed;
        failed.error.code = zarErrorCanceled;
        emit zarCore::instance()->sendReportClock(failed);
        QCOMPARE(values(), QList<int>({ 2031, 3, 30, 7, 8, 9 }));
        QCOMPARE(fixture.answers.texts, QStringList({ "Canceled by user" }));
    }

    // Two Starts give one line a tick; the eleventh line starts the list again; Stop clears it.
    void gpsLine()
    {
        zarEngineerScreen fixture;
        zarEngineerWidget& s = fixture.screen;
        s.miscStartGPSPushButton->click();
        s.miscStartGPSPushButton->click();
        QVERIFY(zarWaitFor([&s] { return s.miscListWidget->count() > 0; }, 3000));
        QCOMPARE(s.miscListWidget->count(), 1);
        QCOMPARE(s.miscListWidget->item(0)->text(), QStringLiteral("rmc no, valid no, la 0, lo 0, y 2000, m 1, d 1, h 0, m 0, s 0"));
        for (int tick = 1; tick < 10; ++tick)
            QVERIFY(QMetaObject::invokeMethod(&s, "onGPSTimer"));
        QCOMPARE(s.miscListWidget->count(), 10);
        QVERIFY(QMetaObject::invokeMethod(&s, "onGPSTimer"));
        QCOMPARE(s.miscListWidget->count(), 1);
        s.miscStopGPSPushButton->click();
        QCOMPARE(s.miscListWidget->count(), 0);
    }

    void soundAndPanic()
    {
        zarEngineerScreen fixture;
        zarDiagnosticCapture diagnostics; // the stop-all finds no serial line
        fixture.screen.miscSoundSampleSpinBox->setValue(42);
        zarJobRecorder jobs;
        press(fixture.screen, "miscSoundAlertPushButton");
        press(fixture.screen, "miscPanicPushButton");
        QCOMPARE(jobs.jobs, QList<zarCoreJob>({ zarJobSound, zarJobStopAll }));
        QCOMPARE(int(std::any_cast<quint8>(jobs.records.first())), 42);
    }

    // Five lines per VES answer, kept until the next press; nothing after an error.
    void ves()
    {
        zarEngineerScreen fixture;
        zarEngineerWidget& s = fixture.screen;
        zarJobRecorder jobs;
        QSignalSpy reports(zarCore::instance(), &zarCore::sendReportVES);
        s.vesPushButton->click();
        QVERIFY(reports.wait(5000));
        QCOMPARE(jobs.jobs, QList<zarCoreJob>({ zarJobVES }));
        QCOMPARE(s.vesListWidget->item(0)->text(), QStringLiteral("U.Tx[mV]=340000"));
        zarCoreReportVES report;
        report.result.txVoltage = 1200.0f;
        report.result.rxVoltage = 5.0f;
        report.result.txCurrent = 2.0f;
        report.result.chargeability = 0.125f;
        emit zarCore::instance()->sendReportVES(report);
        QStringList lines;
        for (int i = 5; i < s.vesListWidget->count(); ++i)
            lines << s.vesListWidget->item(i)->text();
        QCOMPARE(lines, QStringList({ "U.Tx[mV]=1200", "U.Rx[mV]=5", "I[mA]=2", "R[ohm]=2.5", "C[mV/V]=0.125" }));
        report.error.code = zarErrorSimulated;
        emit zarCore::instance()->sendReportVES(report);
        QCOMPARE(s.vesListWidget->count(), 10);
        QCOMPARE(fixture.answers.texts, QStringList({ "Simulated error" }));
    }

    // One fixed quadripole in and its record; results in volts and ohms with three decimals; an error empties the results.
    void et2d()
    {
        zarEngineerScreen fixture;
        zarEngineerWidget& s = fixture.screen;
        s.signalASpinBox->setValue(9);
        zarJobRecorder jobs;
        QSignalSpy reports(zarCore::instance(), &zarCore::sendReportET2D);
        s.et2dPushButton->click();
        QVERIFY(reports.wait(5000));
        const auto r = jobs.last<zarCoreParamET2D>();
        zarCoreQuadripole q;
        q.b = 1;
        q.m = 1;
        QCOMPARE(r.quadripoles, QList<zarCoreQuadripole>({ q }));
        QCOMPARE(r.settings, zarMeasureSettings());
        QCOMPARE(s.et2dInListWidget->count(), 1);
        QCOMPARE(s.et2dInListWidget->item(0)->text(), QStringLiteral("A=0 B=1 M=1 N=0 Ch=0"));
        QCOMPARE(s.et2dOutListWidget->count(), 1);
        zarCoreReportET2D report;
        zarMeasureSet set;
        set.txVoltage = 340000.0f;
        set.txCurrent = 2.0f;
        set.rxVoltage = 5.0f;
        report.results = { set };
        emit zarCore::instance()->sendReportET2D(report);
        QCOMPARE(s.et2dOutListWidget->item(0)->text(), QStringLiteral("Utx[V]=340.000 Itx[mA]=2.000 Urx[mV]=5.000 R[Ohm]=2.500"));
        report.error.code = zarErrorSimulated;
        emit zarCore::instance()->sendReportET2D(report);
        QCOMPARE(s.et2dOutListWidget->count(), 0);
        QCOMPARE(s.et2dInListWidget->count(), 1);
    }
};

ZAR_TEST_MAIN(TestEngineerTabs)
#include "test_engineertabs.moc"
