#include "zarengineerfixture.h"

#include "engineer/zarnetworkaddresses.h"
#include "frame/zarcommandrunner.h"

#include <QDir>
#include <QSignalSpy>
#include <tuple>

using Reply = zarAnswerAll::Reply;
using Outcome = zarCommandRunner::Outcome;
using Fields = QMap<QString, int>;
Q_DECLARE_METATYPE(zarCommandRunner::Outcome)
Q_DECLARE_METATYPE(zarCoreJob)

// The engineer screen: the production list and its log, and the nine tabs that drive the core.
class TestEngineerScreen : public QObject
{
    Q_OBJECT

    std::unique_ptr<zarEngineerScreen> fixture; // a new screen for every test
    zarEngineerWidget& s() { return fixture->screen; }

    static QString iconName(const QToolButton* button)
    {
        const QImage shown = button->icon().pixmap(48).toImage();
        for (const char* name : { "question", "play", "accept", "close" })
            if (QIcon(QStringLiteral(":/icons/icons/%1.png").arg(name)).pixmap(48).toImage() == shown)
                return QString::fromLatin1(name);
        return QString();
    }

    static QString head(const QString& title) { return "<font color=blue>" + title + ":</font> <br>  <br> "; }
    static QString logPath() { return systemDir + QStringLiteral("engineer.html"); }
    static QString logFile() { QFile f(logPath()); return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString(); }

    static void emitReport(quint8 test, quint8 code, quint8 passed)
    {
        zarCoreReportProduction r;
        std::tie(r.test, r.error.code, r.passed) = std::make_tuple(test, code, passed);
        emit zarCore::instance()->sendReportProduction(r);
    }

    template <class R> static R as(const std::any& a) { return a.type() == typeid(R) ? std::any_cast<R>(a) : R(); }

    // The record's fields by name; an empty record gives the defaults.
    static Fields fields(zarCoreJob job, const std::any& a)
    {
#define FIELD(name) { #name, int(r.name) }
        if (const auto r = as<zarCoreParamTxAux>(a); job == zarJobTxAux)
            return { FIELD(pulse), FIELD(adjust), FIELD(stop), FIELD(transmitter), FIELD(command), FIELD(duration), FIELD(power) };
        if (const auto r = as<zarCoreParamRxAux>(a); job == zarJobRxAux)
            return { FIELD(receiver), FIELD(samples), FIELD(start), FIELD(reset), FIELD(get), FIELD(lowRange), FIELD(highRange),
                     FIELD(calibrationInput), FIELD(measureInput), FIELD(clear) };
        if (const auto r = as<zarCoreParamSwAux>(a); job == zarJobSwAux)
            return { FIELD(board), FIELD(set), FIELD(reset), FIELD(grounding), FIELD(all), FIELD(phantom), FIELD(apply), FIELD(pinMB), FIELD(electrode) };
        if (const auto r = as<zarCoreParamRxStress>(a); job == zarJobRxStress)
            return { FIELD(device), FIELD(samples), FIELD(pause) };
        if (const auto r = as<zarCoreParamCalibrate>(a); job == zarJobCalibrate)
            return { FIELD(samples), FIELD(restoreDefault) };
        if (const auto r = as<zarCoreParamET2D>(a).quadripoles.value(0); job == zarJobET2D)
            return { FIELD(a), FIELD(b), FIELD(m), FIELD(n), FIELD(channel), { "count", as<zarCoreParamET2D>(a).quadripoles.size() } };
#undef FIELD
        return job == zarJobSound ? Fields({ { "sample", as<quint8>(a) } }) : Fields();
    }

private slots:
    void init()
    {
        QVERIFY(QDir(systemDir).removeRecursively() && QDir().mkpath(systemDir));
        fixture.reset(new zarEngineerScreen);
    }
    void cleanup()
    {
        fixture.reset();
        zarCommandRunner::setHandler(nullptr);
        zarNetworkAddresses::setSource(nullptr);
    }
    void modes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("tabs");
        QTest::addColumn<QList<int>>("locked");
        QTest::newRow("first code: everything") << 0 << 10 << QList<int>();
        QTest::newRow("second code: production tests") << 1 << 1 << QList<int>();
        QTest::newRow("mode 2") << 2 << 1 << QList<int>({ 0, 16, 20 });
    }
    void modes()
    {
        QFETCH(int, mode);
        QFETCH(int, tabs);
        QFETCH(QList<int>, locked);
        fixture.reset(new zarEngineerScreen(mode));
        QCOMPARE(s().tabWidget->count(), tabs);
        QList<int> disabled;
        for (int code = 0; code < zarEngineerWidget::testCount; ++code)
            if (!s().findChild<QToolButton*>(QString::asprintf("proToolButton%02d", code))->isEnabled())
                disabled << code;
        QCOMPARE(disabled, locked);
    }
    // The instruction with its values and signs; No starts nothing.
    void declinedChangesNothing()
    {
        const QString inf = QChar(0x221E);
        zarJobRecorder jobs;
        fixture->answers.replies = { Reply::No };
        s().proToolButton05->click();
        QCOMPARE(fixture->answers.texts, QStringList({ "Please connect Tx" + inf + " and Rx" + inf + " sockets with resistor:\nresistance: 1.0 kOhm " + QChar(0x00B1)
                                                      + " 10 %,\nmax. power: 1.4 W or more,\nmax voltage: 37.5 V or more.\nAre you ready to continue?" }));
        QCOMPARE(jobs.jobs, QList<zarCoreJob>());
    }
    // A core test locks the list and plays; Stop cancels it and unlocks the list.
    void coreTestStop()
    {
        QSignalSpy reports(zarCore::instance(), &zarCore::sendReportProduction);
        s().proToolButton13->click();
        QVERIFY(!s().proFrame->isEnabled());
        QCOMPARE(iconName(s().proToolButton13), QStringLiteral("play"));
        s().proStopPushButton->click();
        QVERIFY(reports.wait(5000));
        QVERIFY(s().proFrame->isEnabled());
        QCOMPARE(s().logs().at(13), head("Check Tx output voltage") + " <br> <font color=red>Canceled by user</font>");
    }
    void reportOutcome_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("passed");
        QTest::addColumn<QString>("icon");
        QTest::addColumn<QString>("tail");
        QTest::newRow("passed") << 0 << 1 << "accept" << "";
        QTest::newRow("failed") << 0 << 0 << "close" << "";
        QTest::newRow("cancelled, passed ignored") << 14 << 1 << "question" << " <br> <font color=red>Canceled by user</font>";
        QTest::newRow("other error, passed ignored") << 13 << 1 << "close" << " <br> <font color=red>Generator is overheated</font>";
    }
    void reportOutcome()
    {
        QFETCH(int, code);
        QFETCH(int, passed);
        QFETCH(QString, icon);
        QFETCH(QString, tail);
        emitReport(5, quint8(code), quint8(passed));
        QCOMPARE(iconName(s().proToolButton05), icon);
        QCOMPARE(s().logs().at(5), head("Check Tx" + QString(QChar(0x221E)) + " and Rx" + QChar(0x221E) + " sockets") + tail);
    }
    void reportOfAnUnknownTestOnlyUnlocks()
    {
        zarDiagnosticCapture diagnostics;
        s().proToolButton02->click();
        emitReport(22, 0, 1);
        QVERIFY(s().proFrame->isEnabled());
        QCOMPARE(s().logs(), QVector<QString>(zarEngineerWidget::testCount));
        QVERIFY2(diagnostics.text().contains("production test is invalid: 22"), qPrintable(diagnostics.text()));
    }
    void usbTest_data()
    {
        QTest::addColumn<Outcome>("start");
        QTest::addColumn<Outcome>("stop");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("text");
        QTest::newRow("drive appeared") << Outcome::Succeeded << Outcome::Succeeded << int(Reply::Yes) << logPassed;
        QTest::newRow("no drive") << Outcome::Succeeded << Outcome::Succeeded << int(Reply::No) << logFailed;
        QTest::newRow("start times out: no question, stopped") << Outcome::TimedOut << Outcome::Succeeded << int(Reply::Yes) << logFailed + "<font color=red>Can not enter USB storage mode</font> <br> ";
        QTest::newRow("stop fails after a yes") << Outcome::Succeeded << Outcome::Failed << int(Reply::Yes) << logFailed + "<font color=red>Can not leave USB storage mode</font> <br> ";
    }
    // usb_stop runs after every usb_start, whatever either does.
    void usbTest()
    {
        QFETCH(Outcome, start);
        QFETCH(Outcome, stop);
        QFETCH(int, answer);
        QFETCH(QString, text);
        QStringList commands;
        zarCommandRunner::setHandler([&](const QString& program, const QStringList&, int) {
            commands << program;
            return program == QLatin1String("usb_start") ? start : stop;
        });
        fixture->answers.replies = { Reply::Yes, Reply(answer) };
        s().proToolButton08->click();
        QCOMPARE(commands, QStringList({ "usb_start", "usb_stop" }));
        QCOMPARE(fixture->answers.texts.size(), start == Outcome::Succeeded ? 2 : 1); // no question without USB mode
        QCOMPARE(s().logs().at(8), head("Check USB") + "Detecting USB appearance" + text);
    }
    void lanTest_data()
    {
        QTest::addColumn<QStringList>("addresses");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("passed");
        QTest::newRow("loopback only") << QStringList({ "127.0.0.1", "::1" }) << true << "::1" << false;
        QTest::newRow("link-local only") << QStringList({ "169.254.10.2", "fe80::1" }) << true << "fe80::1" << false;
        QTest::newRow("interface down") << QStringList({ "192.168.1.20" }) << false << "192.168.1.20" << false;
        QTest::newRow("first that counts") << QStringList({ "127.0.0.1", "10.0.0.7", "192.168.1.20" }) << true << "10.0.0.7" << true;
        QTest::newRow("IPv6 global") << QStringList({ "2001:db8::5" }) << true << "2001:db8::5" << true;
    }
    void lanTest()
    {
        QFETCH(QStringList, addresses);
        QFETCH(bool, up);
        QFETCH(QString, shown);
        QFETCH(bool, passed);
        QList<zarNetworkAddresses::Entry> list;
        for (const QString& a : addresses)
            list.append({ QHostAddress(a), up });
        zarNetworkAddresses::setSource([list] { return list; });
        s().proToolButton09->click();
        QCOMPARE(iconName(s().proToolButton09), QString(passed ? "accept" : "close"));
        QCOMPARE(s().logs().at(9), head("Check LAN") + "IPv4/IPv6 address: " + shown + (passed ? logPassed : logFailed));
    }
    // Header, the logs in test order with a break each, the end without a final line feed.
    void logFileBytes()
    {
        emitReport(9, 0, 0);
        emitReport(0, 0, 1);
        QVERIFY(s().close());
        const QString file = logFile();
        const QRegularExpressionMatch header =
            QRegularExpression(QStringLiteral("^<html>\n<head>\n</head>\n<body>\n\\w+ \\w+ \\d+ \\d+ \\d\\d:\\d\\d:\\d\\d <br> ")).match(file);
        QVERIFY2(header.hasMatch(), qPrintable(file));
        QCOMPARE(file, header.captured(0) + "1 (zar_0) <br>  <br> " + head("Adjust Rx channels") + " <br> " + head("Check LAN") + " <br> \n</body>\n</html>");
    }
    void closeAnswers_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("blocked"); // 0 no, 1 the directory is a file, 2 the log is a directory
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QString>("file");
        const QString save = QStringLiteral("Save log?");
        const QString failed = "Can not save the log to " + QDir::toNativeSeparators(logPath());
        QTest::newRow("no logs: no question") << int(Reply::Yes) << 0 << QStringList() << true << "earlier";
        QTest::newRow("no") << int(Reply::No) << 0 << QStringList({ save }) << true << "earlier";
        QTest::newRow("cancel keeps the screen") << int(Reply::Cancel) << 0 << QStringList({ save }) << false << "earlier";
        QTest::newRow("yes") << int(Reply::Yes) << 0 << QStringList({ save }) << true << "<html>";
        QTest::newRow("no system directory: told, stays open") << int(Reply::Yes) << 1 << QStringList({ save, failed }) << false << "";
        QTest::newRow("log cannot be replaced: told, stays open") << int(Reply::Yes) << 2 << QStringList({ save, failed }) << false << "";
    }
    void closeAnswers()
    {
        QFETCH(int, answer);
        QFETCH(int, blocked);
        QFETCH(QStringList, messages);
        QFETCH(bool, closed);
        QFETCH(QString, file);
        QFile earlier(logPath());
        QVERIFY(blocked == 2 ? QDir().mkpath(logPath()) : earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
        earlier.close();
        QFile blocker(systemDir.path().chopped(1));
        QVERIFY(blocked != 1 || (QDir(systemDir).removeRecursively() && blocker.open(QIODevice::WriteOnly)));
        auto unblock = qScopeGuard([&blocker] { blocker.remove(); });
        if (!messages.isEmpty()) // a log makes the close ask
            emitReport(1, 0, 1);
        fixture->answers.replies = { Reply(answer) };
        QCOMPARE(s().close(), closed);
        QCOMPARE(fixture->answers.texts, messages);
        QCOMPARE(logFile().left(file.size()), file);
    }
    void closedScreenIgnoresTheAbortedJobsReport()
    {
        QSignalSpy reports(zarCore::instance(), &zarCore::sendReportTxAux);
        s().txPulseFirstPushButton->click();
        QVERIFY(s().close());
        QVERIFY(reports.wait(5000));
        QCOMPARE(reports.first().first().value<zarCoreReportTxAux>().error.code, quint8(zarErrorCanceled)); // the close stopped it
        QCOMPARE(fixture->answers.texts, QStringList());
        QCOMPARE(s().txTempLabel->text(), QStringLiteral("N/A"));
    }
    void records_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Fields>("settings"); // control name -> value, set before the press
        QTest::addColumn<zarCoreJob>("job");  // zarJobNone: no job
        QTest::addColumn<Fields>("record");   // fields that differ from the record's defaults
        const Fields tx = { { "txPowerHorizontalSlider", 37 }, { "txDurationHorizontalSlider", 15000 } };
        auto with = [&tx](const QString& control, int value) { Fields f = tx; f.insert(control, value); return f; };
        const Fields txRef = with("txDeviceComboBox", 1), txGround = with("txCheckGroundingPowerCheckBox", 1);
        QTest::newRow("Tx adjust first") << "txAdjustPulseFirstPushButton" << txRef << zarJobTxAux << Fields({ { "adjust", 1 }, { "transmitter", 7 }, { "command", 0x1f }, { "power", 37 } });
        QTest::newRow("Tx adjust second, grounding") << "txAdjustPulseSecondPushButton" << txGround << zarJobTxAux << Fields({ { "adjust", 1 }, { "transmitter", 7 }, { "command", 0x20 }, { "power", 255 } });
        QTest::newRow("Tx pulse first, IntTx") << "txPulseFirstPushButton" << tx << zarJobTxAux << Fields({ { "pulse", 1 }, { "transmitter", 7 }, { "command", 0x21 }, { "duration", 15000 } });
        QTest::newRow("Tx pulse second, RefTx") << "txPulseSecondPushButton" << txRef << zarJobTxAux << Fields({ { "pulse", 1 }, { "transmitter", 6 }, { "command", 0x22 }, { "duration", 15000 } });
        QTest::newRow("Tx stop, RefTx") << "txStopPushButton" << txRef << zarJobTxAux << Fields({ { "stop", 1 }, { "transmitter", 6 } });
        QTest::newRow("Tx zero pulse") << "txPulseZeroPushButton" << tx << zarJobTxAux << Fields({ { "pulse", 1 }, { "transmitter", 6 }, { "command", 0x24 }, { "duration", 15000 }, { "power", 37 } });
        QTest::newRow("Rx start on 1") << "rxMsrStartPushButton" << Fields({ { "rxDeviceComboBox", 1 } }) << zarJobRxAux << Fields({ { "receiver", 9 }, { "samples", 100 }, { "start", 1 } });
        QTest::newRow("Rx get on TxVoltage") << "rxMsrGetPushButton" << Fields({ { "rxDeviceComboBox", 16 } }) << zarJobRxAux << Fields({ { "receiver", 24 }, { "samples", 100 }, { "get", 1 } });
        QTest::newRow("Rx get on TxCurrent") << "rxMsrGetPushButton" << Fields({ { "rxDeviceComboBox", 17 } }) << zarJobRxAux << Fields({ { "receiver", 25 }, { "samples", 100 }, { "get", 1 } });
        QTest::newRow("Rx get on Broadcast: none") << "rxMsrGetPushButton" << Fields({ { "rxDeviceComboBox", 18 } }) << zarJobNone << Fields();
        QTest::newRow("Rx reset on 15") << "rxRxResetPushButton" << Fields({ { "rxDeviceComboBox", 15 } }) << zarJobRxAux << Fields({ { "receiver", 23 }, { "reset", 1 } });
        QTest::newRow("Rx low range on Broadcast") << "rxLowRangePushButton" << Fields({ { "rxDeviceComboBox", 18 } }) << zarJobRxAux << Fields({ { "receiver", 255 }, { "lowRange", 1 } });
        QTest::newRow("Rx high range on 0") << "rxHighRangePushButton" << Fields({ { "rxDeviceComboBox", 0 } }) << zarJobRxAux << Fields({ { "receiver", 8 }, { "highRange", 1 } });
        QTest::newRow("Rx calibration input") << "rxClbInputPushButton" << Fields({ { "rxDeviceComboBox", 2 } }) << zarJobRxAux << Fields({ { "receiver", 10 }, { "calibrationInput", 1 } });
        QTest::newRow("Rx measure input") << "rxMsrInputPushButton" << Fields({ { "rxDeviceComboBox", 3 } }) << zarJobRxAux << Fields({ { "receiver", 11 }, { "measureInput", 1 } });
        QTest::newRow("Rx clear") << "rxMsrClearPushButton" << Fields({ { "rxDeviceComboBox", 3 } }) << zarJobRxAux << Fields({ { "receiver", 11 }, { "clear", 1 } });
        QTest::newRow("Sw NA on 0") << "swSwSetNAPushButton" << Fields({ { "swElectrodeSpinBox", 63 } }) << zarJobSwAux << Fields({ { "board", 26 }, { "set", 1 }, { "electrode", 63 } });
        QTest::newRow("Sw MB on 15, no apply") << "swSwSetMBPushButton" << Fields({ { "swDeviceComboBox", 15 }, { "swApplyCheckBox", 0 } }) << zarJobSwAux << Fields({ { "board", 41 }, { "set", 1 }, { "apply", 0 }, { "pinMB", 1 } });
        QTest::newRow("Sw NA on Tx, remote receiver") << "swSwSetNAPushButton" << Fields({ { "swDeviceComboBox", 16 }, { "swElectrodeSpinBox", -1 } }) << zarJobSwAux << Fields({ { "board", 42 }, { "set", 1 }, { "electrode", 0xFFFE } });
        QTest::newRow("Sw MB on Broadcast, remote transmitter") << "swSwSetMBPushButton" << Fields({ { "swDeviceComboBox", 17 }, { "swElectrodeSpinBox", -2 } }) << zarJobSwAux << Fields({ { "board", 254 }, { "set", 1 }, { "pinMB", 1 }, { "electrode", 0xFFFF } });
        QTest::newRow("Sw grounding: no board, apply kept") << "swGroundingPushButton" << Fields({ { "swDeviceComboBox", 3 }, { "swElectrodeSpinBox", 7 }, { "swApplyCheckBox", 0 } }) << zarJobSwAux << Fields({ { "grounding", 1 }, { "electrode", 7 } });
        QTest::newRow("Sw all on 3") << "swAllPushButton" << Fields({ { "swDeviceComboBox", 3 }, { "swElectrodeSpinBox", 7 } }) << zarJobSwAux << Fields({ { "board", 29 }, { "all", 1 } });
        QTest::newRow("Sw phantom on Tx") << "swPhantomPushButton" << Fields({ { "swDeviceComboBox", 16 } }) << zarJobSwAux << Fields({ { "board", 42 }, { "phantom", 1 } });
        QTest::newRow("Sw reset on Broadcast") << "swSwResetPushButton" << Fields({ { "swDeviceComboBox", 17 } }) << zarJobSwAux << Fields({ { "board", 254 }, { "reset", 1 } });
        QTest::newRow("Calibrate") << "calibrateCalibratePushButton" << Fields({ { "calibrateSamplesSpinBox", 77 } }) << zarJobCalibrate << Fields({ { "samples", 77 } });
        QTest::newRow("Calibrate default") << "calibrateDefaultPushButton" << Fields({ { "calibrateSamplesSpinBox", 77 } }) << zarJobCalibrate << Fields({ { "restoreDefault", 1 } });
        for (const QPair<int, int>& channel : QList<QPair<int, int>>({ { 0, 8 }, { 15, 23 }, { 16, 24 }, { 17, 25 } }))
            QTest::addRow("Stress channel %d", channel.first) << "stressRxStartPushButton" << Fields({ { "stressRxChannelSpinBox", channel.first }, { "stressRxSamplesSpinBox", 300 }, { "stressRxPauseSpinBox", 9 } })
                                                           << zarJobRxStress << Fields({ { "device", channel.second }, { "samples", 300 }, { "pause", 9 } });
        QTest::newRow("Ping") << "miscPingPushButton" << Fields({ { "miscPingDeviceSpinBox", 5 }, { "miscPingMsSpinBox", 250 } }) << zarJobRxStress << Fields({ { "device", 5 }, { "pause", 250 } });
        QTest::newRow("Sound") << "miscSoundAlertPushButton" << Fields({ { "miscSoundSampleSpinBox", 42 } }) << zarJobSound << Fields({ { "sample", 42 } });
        QTest::newRow("VES") << "vesPushButton" << Fields() << zarJobVES << Fields();
        QTest::newRow("ET2D: current 0-1, potential 1-0") << "et2dPushButton" << Fields() << zarJobET2D << Fields({ { "b", 1 }, { "m", 1 }, { "count", 1 } });
    }
    void records()
    {
        QFETCH(QString, button);
        QFETCH(Fields, settings);
        QFETCH(zarCoreJob, job);
        QFETCH(Fields, record);
        for (auto it = settings.cbegin(); it != settings.cend(); ++it) {
            QWidget* w = s().findChild<QWidget*>(it.key());
            QVERIFY(w->setProperty(qobject_cast<QComboBox*>(w) ? "currentIndex" : qobject_cast<QAbstractButton*>(w) ? "checked" : "value", it.value()));
        }
        zarJobRecorder jobs;
        s().findChild<QPushButton*>(button)->click();
        QCOMPARE(jobs.jobs, job == zarJobNone ? QList<zarCoreJob>() : QList<zarCoreJob>({ job }));
        const Fields defaults = fields(job, std::any()), actual = fields(job, jobs.records.value(0));
        for (const QString& field : defaults.keys())
            QCOMPARE(qMakePair(field, actual.value(field)), qMakePair(field, record.value(field, defaults.value(field))));
    }
    // Repeat reads at once and every 400 ms with one sample more; releasing it stops the reads.
    void receiverRepeat()
    {
        zarJobRecorder jobs;
        s().rxRepeatPushButton->click();
        QVERIFY(zarWaitFor([&jobs] { return jobs.jobs.size() == 2; }, 3000));
        QCOMPARE(int(jobs.last<zarCoreParamRxAux>().samples), 101);
        s().rxRepeatPushButton->click();
        QVERIFY(!zarWaitFor([&jobs] { return jobs.jobs.size() > 2; }, 1000));
        QCOMPARE(s().rxSamplesTextEdit->toPlainText().count(QStringLiteral("5.5700\n")), 201);
    }
    void missingSensorShowsMinusOne()
    {
        zarCoreReportSensor report;
        report.sensors = { { 2, 12.5f }, { 7, 31.25f } };
        emit zarCore::instance()->sendReportSensor(report);
        QCOMPARE(QStringList({ s().rxIntBatLabel->text(), s().rxExtBatLabel->text(), s().rxMoistureLabel->text(), s().txTempLabel->text() }),
                 QStringList({ "-1", "12.5", "-1", "31.25" }));
    }
    // One chain however often Start is pressed; a ping's answer goes to the ping and starts nothing.
    void stressChainAndPing()
    {
        zarJobRecorder jobs;
        int answers = 0, mostInFlight = 0;
        QObject counting; // ends the count before its counters go
        QObject::connect(zarCore::instance(), &zarCore::sendReportRxStress, &counting, [&] {
            mostInFlight = qMax(mostInFlight, int(jobs.jobs.count(zarJobRxStress)) - ++answers);
        });
        s().stressRxStartPushButton->click();
        s().stressRxStartPushButton->click();
        QVERIFY(zarWaitFor([&] { return answers > 5; }, 5000));
        s().miscPingPushButton->click();
        QVERIFY(zarWaitFor([&] { return s().miscPingLabel->text() == QLatin1String("OK"); }, 5000));
        mostInFlight = 0; // the ping's own job went out beside the chain's
        QVERIFY(zarWaitFor([&] { return answers > 15; }, 5000));
        QCOMPARE(mostInFlight, 1);
    }
    // Answers go to their askers in order: an error ends the chain, the ping behind it still gets its answer.
    void stressErrorEndsTheChainOnly()
    {
        zarJobRecorder jobs;
        s().stressRxStartPushButton->click();
        s().miscPingPushButton->click();
        zarCoreReportRxStress failed;
        failed.error.code = zarErrorNoConnection;
        emit zarCore::instance()->sendReportRxStress(failed);
        QCOMPARE(s().stressRxStatusLabel->text(), QStringLiteral("N/A"));
        QVERIFY(zarWaitFor([this] { return s().miscPingLabel->text() == QLatin1String("OK"); }, 5000));
        zarSettleCore();
        s().stressRxStartPushButton->click();
        QCOMPARE(jobs.jobs.count(zarJobRxStress), 3);
    }
    void clockSetRefusesDatesThatDoNotExist_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::newRow("31 December") << 2099 << 12 << 31;
        QTest::newRow("29 February of a leap year") << 2024 << 2 << 29;
        QTest::newRow("30 February refused") << 2024 << 2 << 30;
    }
    void clockSetRefusesDatesThatDoNotExist()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        const QDate date(year, month, day);
        s().miscYearSpinBox->setValue(year);
        s().miscMonthSpinBox->setValue(month);
        s().miscDaySpinBox->setValue(day);
        zarJobRecorder jobs;
        s().miscTimeSetPushButton->click();
        QCOMPARE(fixture->answers.texts, date.isValid() ? QStringList() : QStringList({ "Invalid date" }));
        QCOMPARE(jobs.records.size(), int(date.isValid()));
        if (date.isValid())
            QCOMPARE(jobs.last<zarCoreParamClock>().date, date);
    }
    void clockReadFillsTheBoxesUnlessFailed()
    {
        auto boxes = [this] { return QList<int>({ s().miscYearSpinBox->value(), s().miscDaySpinBox->value(), s().miscSecondSpinBox->value() }); };
        zarCore::instance()->jobThread().setSimulationClock([] { return QDateTime(QDate(2031, 3, 30), QTime(7, 8, 9)); });
        QSignalSpy reports(zarCore::instance(), &zarCore::sendReportClock);
        s().miscTimeGetPushButton->click();
        QVERIFY(reports.wait(5000));
        zarCore::instance()->jobThread().setSimulationClock(nullptr);
        QCOMPARE(boxes(), QList<int>({ 2031, 30, 9 }));
        zarCoreReportClock failed;
        failed.error.code = zarErrorCanceled;
        emit zarCore::instance()->sendReportClock(failed);
        QCOMPARE(boxes(), QList<int>({ 2031, 30, 9 }));
    }
    // Two Starts give one line a tick; the eleventh line starts the list again.
    void gpsLines()
    {
        s().miscStartGPSPushButton->click();
        s().miscStartGPSPushButton->click();
        QVERIFY(zarWaitFor([this] { return s().miscListWidget->count() > 0; }, 3000));
        QCOMPARE(s().miscListWidget->count(), 1);
        for (int tick = 1; tick < 11; ++tick)
            QVERIFY(QMetaObject::invokeMethod(&s(), "onGPSTimer"));
        QCOMPARE(s().miscListWidget->count(), 1);
    }
    void vesShowsFiveLinesUnlessFailed()
    {
        zarCoreReportVES report;
        zarMeasureSet& r = report.result;
        std::tie(r.txVoltage, r.rxVoltage, r.txCurrent, r.chargeability) = std::make_tuple(1200.0f, 5.0f, 2.0f, 0.125f);
        emit zarCore::instance()->sendReportVES(report);
        report.error.code = zarErrorSimulated;
        emit zarCore::instance()->sendReportVES(report);
        QCOMPARE(s().vesListWidget->count(), 5);
        QCOMPARE(s().vesListWidget->item(3)->text(), QStringLiteral("R[ohm]=2.5"));
    }
    // Results in volts and ohms; an error empties them.
    void et2d()
    {
        zarCoreReportET2D report;
        report.results = { zarMeasureSet() };
        std::tie(report.results[0].txVoltage, report.results[0].txCurrent, report.results[0].rxVoltage) = std::make_tuple(340000.0f, 2.0f, 5.0f);
        emit zarCore::instance()->sendReportET2D(report);
        QCOMPARE(s().et2dOutListWidget->item(0)->text(), QStringLiteral("Utx[V]=340.000 Itx[mA]=2.000 Urx[mV]=5.000 R[Ohm]=2.500"));
        report.error.code = zarErrorSimulated;
        emit zarCore::instance()->sendReportET2D(report);
        QCOMPARE(s().et2dOutListWidget->count(), 0);
    }
    // Closing the main window closes the engineer screen first: Cancel keeps both, Yes saves and shuts down. Runs last: it ends the singletons.
    void mainWindowClosesTheScreenFirst()
    {
        fixture.reset();
        zarMainWidget window;
        zarWhenModal([](QWidget* w) {
            for (QChar digit : engineerCodeB)
                w->findChild<QPushButton*>(QStringLiteral("pushButton") + digit)->click();
            qobject_cast<zarPasswordDialog*>(w)->enterPushButton->click();
        });
        QVERIFY(QMetaObject::invokeMethod(&window.systemMenu, "onEngineer"));
        auto* screen = qobject_cast<zarEngineerWidget*>(window.systemMenu.openScreen());
        QVERIFY(screen);
        zarAnswerAll answers;
        emitReport(6, 0, 0);
        answers.replies = { Reply::Cancel };
        QVERIFY(!window.close());
        QCOMPARE(window.systemMenu.openScreen(), screen);
        QVERIFY(window.close());
        QVERIFY(window.isShutDown());
        QCOMPARE(answers.texts, QStringList({ "Save log?", "Save log?" }));
        QVERIFY(logFile().contains(head("Check 1...32 cable socket") + logBreak));
    }
};

ZAR_TEST_MAIN(TestEngineerScreen)
#include "test_engineerscreen.moc"
