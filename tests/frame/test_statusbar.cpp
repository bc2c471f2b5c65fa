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

    void thresholds()
    {
        const QList<QPair<float, int>> battery = { { 0.999f, 5 }, { 1.0f, 4 }, { 10.99f, 4 }, { 11.0f, 3 }, { 11.4f, 2 },
                                                   { 11.6f, 1 }, { 12.2f, 0 }, { -1.0f, 5 }, { std::nanf(""), 5 } };
        for (const auto& c : battery)
            QCOMPARE(zarStatusBar::batteryIndex(c.first), c.second);
        const QList<QPair<float, int>> wet = { { 0.0f, 3 }, { 0.04f, 2 }, { 33.3f, 2 }, { 33.31f, 1 },
                                               { 66.6f, 1 }, { 66.61f, 0 }, { std::nanf(""), 3 } };
        for (const auto& c : wet)
            QCOMPARE(zarStatusBar::moistureIndex(c.first), c.second);
    }

    // No voltage under 1 V, no moisture under 0.05 %.
    void sensorReportTexts()
    {
        zarStatusBar bar;
        zarCoreReportSensor r;
        r.sensors = { { zarSensorInternalBattery, 999 }, { zarSensorExternalBattery, 11400 }, { zarSensorMoisture, 0.04f } };
        bar.onReportSensor(r);
        QCOMPARE(bar.intBatVoltageLabel->text() + QLatin1Char('|') + bar.extBatVoltageLabel->text() + QLatin1Char('|')
                     + bar.moistureLabel->text(), QStringLiteral("|<font color=blue>11.4</font> V|"));
        QCOMPARE(bar.extBatIconLabel->pixmap(Qt::ReturnByValue).cacheKey(), bar.batteryIcon(11.4f).cacheKey());
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
        auto report = [&bar](int year, int error = 0) {
            zarCoreReportClock r;
            r.error.code = error;
            r.date = QDate(year, 6, 1);
            r.time = QTime(8, 5);
            bar.onReportClock(r);
        };
        zarDialogAnswer answer;
        answer.expect();
        report(2012, 3);
        QVERIFY(commands.isEmpty());
        report(2012);
        QCOMPARE(answer.text, QStringLiteral("System time seems to be invalid"));
        answer.expect();
        report(2012);
        answer.disarm();
        QVERIFY(!answer.shown);
        QCOMPARE(commands, QStringList({ "date -s|2012-6-1 8:5", "date -s|2012-6-1 8:5" }));
    }
};

ZAR_TEST_MAIN(TestStatusBar)
#include "test_statusbar.moc"
