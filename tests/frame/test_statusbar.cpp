#include "zardialoganswer.h"

#include "frame/zarcommandrunner.h"
#include "frame/zarstatusbar.h"

// Status bar: icon thresholds, sensor texts, the clock command and its first-report warning.
class TestStatusBar : public QObject
{
    Q_OBJECT

    static zarCoreReportSensor sensors(float internalMv, float externalMv, float moisture)
    {
        zarCoreReportSensor r;
        r.sensors[zarSensorInternalBattery] = internalMv;
        r.sensors[zarSensorExternalBattery] = externalMv;
        r.sensors[zarSensorMoisture] = moisture;
        return r;
    }

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

    void sensorReportTexts()
    {
        zarStatusBar bar;
        QMetaObject::invokeMethod(&bar, "onReportSensor", Q_ARG(zarCoreReportSensor, sensors(999, 1000, 0.04f)));
        QVERIFY(bar.intBatVoltageLabel->text().isEmpty());
        QCOMPARE(bar.extBatVoltageLabel->text(), QStringLiteral("<font color=blue>1.0</font> V"));
        QVERIFY(bar.moistureLabel->text().isEmpty());
        QCOMPARE(bar.intBatIconLabel->pixmap(Qt::ReturnByValue).cacheKey(), bar.batteryIcon(0.5f).cacheKey());
        QCOMPARE(bar.moistureIconLabel->pixmap(Qt::ReturnByValue).cacheKey(), bar.moistureIcon(0.04f).cacheKey());

        bar.onReportSensor(sensors(12200, 11400, 0.05f));
        QCOMPARE(bar.intBatVoltageLabel->text(), QStringLiteral("<font color=blue>12.2</font> V"));
        QCOMPARE(bar.moistureLabel->text(), QStringLiteral("<font color=blue>0</font> %"));
        QCOMPARE(bar.extBatIconLabel->pixmap(Qt::ReturnByValue).cacheKey(), bar.batteryIcon(11.4f).cacheKey());

        bar.onReportSensor(zarCoreReportSensor());
        QVERIFY((bar.intBatVoltageLabel->text() + bar.extBatVoltageLabel->text() + bar.moistureLabel->text()).isEmpty());
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
        QCOMPARE(zarStatusBar::clockArguments(QDate(2014, 4, 1), QTime(9, 5)), QStringList({ "-s", "2014-4-1 9:5" }));
        auto report = [&bar](const QDate& date, const QTime& time, int error = 0) {
            zarCoreReportClock r;
            r.error.code = error;
            r.date = date;
            r.time = time;
            bar.onReportClock(r);
        };
        zarDialogAnswer answer;
        answer.expect();
        report(QDate(2012, 1, 1), QTime(8, 0), 3);
        QVERIFY(commands.isEmpty());
        report(QDate(2012, 6, 1), QTime(8, 0));
        QCOMPARE(answer.text, QStringLiteral("System time seems to be invalid"));
        answer.expect();
        report(QDate(2012, 6, 1), QTime(8, 0));
        report(QDate(2014, 3, 5), QTime(14, 7));
        answer.disarm();
        QVERIFY(!answer.shown);
        QCOMPARE(commands, QStringList({ "date -s|2012-6-1 8:0", "date -s|2012-6-1 8:0", "date -s|2014-3-5 14:7" }));
    }
};

ZAR_TEST_MAIN(TestStatusBar)
#include "test_statusbar.moc"
