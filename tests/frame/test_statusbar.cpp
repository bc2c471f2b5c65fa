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

    void thresholdsAndSensorTexts()
    {
        QString battery, wet;
        for (float volts : { 0.999f, 1.0f, 10.99f, 11.0f, 11.4f, 11.6f, 12.2f, -1.0f, std::nanf("") })
            battery += QString::number(zarStatusBar::batteryIndex(volts));
        for (float percent : { 0.0f, 0.04f, 33.3f, 33.31f, 66.6f, 66.61f, std::nanf("") })
            wet += QString::number(zarStatusBar::moistureIndex(percent));
        QCOMPARE(battery + QLatin1Char(' ') + wet, QStringLiteral("544321055 3221103"));
        // A report shows no voltage under 1 V and no moisture under 0.05 %.
        zarStatusBar bar;
        zarCoreReportSensor r;
        r.sensors = { { zarSensorInternalBattery, 999 }, { zarSensorExternalBattery, 11400 }, { zarSensorMoisture, 0.04f } };
        bar.onReportSensor(r);
        QCOMPARE(bar.intBatVoltageLabel->text() + QLatin1Char('|') + bar.extBatVoltageLabel->text() + QLatin1Char('|')
                     + bar.moistureLabel->text(), QStringLiteral("|<font color=blue>11.4</font> V|"));
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
