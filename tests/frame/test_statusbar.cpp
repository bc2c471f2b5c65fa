#include "zardialoganswer.h"

#include "frame/zarcommandrunner.h"
#include "frame/zarstatusbar.h"

// Status bar: icon thresholds, sensor texts, the clock command and its first-report warning.
class TestStatusBar : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        zarCommandRunner::setHandler(nullptr);
        zarWarningDialog::hideBusy();
    }

    void batteryIcon_data()
    {
        QTest::addColumn<float>("volts");
        QTest::addColumn<int>("icon");
        QTest::newRow("none below 1 V") << 0.999f << 5;
        QTest::newRow("empty from 1 V") << 1.0f << 4;
        QTest::newRow("empty below 11 V") << 10.99f << 4;
        QTest::newRow("low from 11 V") << 11.0f << 3;
        QTest::newRow("half from 11.4 V") << 11.4f << 2;
        QTest::newRow("good from 11.6 V") << 11.6f << 1;
        QTest::newRow("full from 12.2 V") << 12.2f << 0;
        QTest::newRow("negative") << -1.0f << 5;
        QTest::newRow("not a number") << std::nanf("") << 5;
    }

    void batteryIcon()
    {
        QFETCH(float, volts);
        QFETCH(int, icon);
        QCOMPARE(zarStatusBar::batteryIndex(volts), icon);
    }

    void moistureIcon_data()
    {
        QTest::addColumn<float>("percent");
        QTest::addColumn<int>("icon");
        QTest::newRow("dry at 0 %") << 0.0f << 3;
        QTest::newRow("damp above 0 %") << 0.04f << 2;
        QTest::newRow("damp at 33.3 %") << 33.3f << 2;
        QTest::newRow("wet above 33.3 %") << 33.31f << 1;
        QTest::newRow("wet at 66.6 %") << 66.6f << 1;
        QTest::newRow("soaked above 66.6 %") << 66.61f << 0;
        QTest::newRow("not a number") << std::nanf("") << 3;
    }

    void moistureIcon()
    {
        QFETCH(float, percent);
        QFETCH(int, icon);
        QCOMPARE(zarStatusBar::moistureIndex(percent), icon);
    }

    // The icons are the pictures of their levels.
    void iconPictures_data()
    {
        QTest::addColumn<bool>("battery");
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("picture");
        QTest::newRow("full battery") << true << 12.5f << ":/icons/icons/battery.100.png";
        QTest::newRow("no battery") << true << 0.0f << ":/icons/icons/battery.0.png";
        QTest::newRow("soaked") << false << 80.0f << ":/icons/icons/moisture.3.png";
        QTest::newRow("dry") << false << 0.0f << ":/icons/icons/moisture.0.png";
    }

    void iconPictures()
    {
        QFETCH(bool, battery);
        QFETCH(float, value);
        QFETCH(QString, picture);
        zarStatusBar bar;
        const QImage shown = (battery ? bar.batteryIcon(value) : bar.moistureIcon(value)).toImage();
        QVERIFY(!shown.isNull());
        QCOMPARE(shown, QPixmap(picture).toImage());
    }

    // A report shows no voltage under 1 V and no moisture under 0.05 %.
    void sensorTexts_data()
    {
        QTest::addColumn<float>("internal");
        QTest::addColumn<float>("external");
        QTest::addColumn<float>("moisture");
        QTest::addColumn<QString>("internalText");
        QTest::addColumn<QString>("externalText");
        QTest::addColumn<QString>("moistureText");
        QTest::newRow("readings") << 12345.0f << 11400.0f << 42.4f << "<font color=blue>12.3</font> V"
                                  << "<font color=blue>11.4</font> V" << "<font color=blue>42</font> %";
        QTest::newRow("from what is shown") << 1000.0f << 1000.0f << 0.05f << "<font color=blue>1.0</font> V"
                                            << "<font color=blue>1.0</font> V" << "<font color=blue>0</font> %";
        QTest::newRow("below what is shown") << 999.0f << 0.0f << 0.04f << "" << "" << "";
    }

    void sensorTexts()
    {
        QFETCH(float, internal);
        QFETCH(float, external);
        QFETCH(float, moisture);
        zarStatusBar bar;
        zarCoreReportSensor r;
        r.sensors = { { zarSensorInternalBattery, internal }, { zarSensorExternalBattery, external },
                      { zarSensorMoisture, moisture } };
        bar.onReportSensor(r);
        QTEST(bar.intBatVoltageLabel->text(), "internalText");
        QTEST(bar.extBatVoltageLabel->text(), "externalText");
        QTEST(bar.moistureLabel->text(), "moistureText");
    }

    // A timed and a permanent message both replace the status text.
    void userMessagesShowInTheStatusLine()
    {
        zarStatusBar bar;
        QVERIFY(bar.statusLabel->text().isEmpty());
        bar.onUserMessage(QStringLiteral("Saved"));
        QCOMPARE(bar.statusLabel->text(), QStringLiteral("Saved"));
        bar.onUserMessageForever(QStringLiteral("Measuring"));
        QCOMPARE(bar.statusLabel->text(), QStringLiteral("Measuring"));
    }

    // Every good clock report sets the computer's clock; only the first one with an
    // implausible date warns; a failed report sets nothing.
    void clockCommandAndFirstReportWarning()
    {
        zarStatusBar bar;
        QStringList commands;
        zarCommandRunner::setHandler([&](const QString& program, const QStringList& arguments, int) {
            commands << program + QLatin1Char(' ') + arguments.join(QLatin1Char('|'));
            return zarCommandRunner::Succeeded;
        });
        zarCoreReportClock r;
        r.date = QDate(2012, 6, 1);
        r.time = QTime(8, 5);
        r.error.code = 3;
        zarDialogAnswer answer;
        answer.expect();
        bar.onReportClock(r);
        QVERIFY(commands.isEmpty());
        r.error.code = 0;
        bar.onReportClock(r);
        QCOMPARE(answer.text, QStringLiteral("System time seems to be invalid"));
        answer.expect();
        bar.onReportClock(r);
        answer.disarm();
        QVERIFY(!answer.shown);
        QCOMPARE(commands, QStringList({ "date -s|2012-6-1 8:5", "date -s|2012-6-1 8:5" }));
    }
};

ZAR_TEST_MAIN(TestStatusBar)
#include "test_statusbar.moc"
