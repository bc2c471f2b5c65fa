#include "zartestsupport.h"

#include "frame/zarcommandrunner.h"
#include "frame/zarstatusbar.h"
#include "frame/zarwarningdialog.h"

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

    void startsEmpty()
    {
        zarStatusBar bar;
        QVERIFY(bar.statusLabel->text().isEmpty());
        QVERIFY(bar.intBatVoltageLabel->text().isEmpty());
        QVERIFY(bar.extBatVoltageLabel->text().isEmpty());
        QVERIFY(bar.moistureLabel->text().isEmpty());
        QCOMPARE(bar._mLabel->text(), QStringLiteral("Moisture:"));
    }

    void batteryThresholds()
    {
        const QList<QPair<float, int>> cases = { { 0.999f, 5 }, { 1.0f, 4 }, { 10.99f, 4 }, { 11.0f, 3 }, { 11.4f, 2 },
                                                 { 11.6f, 1 }, { 12.2f, 0 }, { 15.0f, 0 }, { -1.0f, 5 },
                                                 { std::nanf(""), 5 } };
        for (const auto& c : cases)
            QCOMPARE(zarStatusBar::batteryIndex(c.first), c.second);
        const QList<QPair<float, int>> wet = { { 0.0f, 3 }, { -2.0f, 3 }, { 0.04f, 2 }, { 33.3f, 2 }, { 33.31f, 1 },
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
        QVERIFY(bar.intBatVoltageLabel->text().isEmpty());
        QVERIFY(bar.extBatVoltageLabel->text().isEmpty());
        QVERIFY(bar.moistureLabel->text().isEmpty());
    }

    void clockCommandAndFirstReportWarning()
    {
        zarStatusBar bar;
        QStringList commands;
        zarCommandRunner::setHandler([&](const QString& program, const QStringList& arguments, int) {
            commands << program + QLatin1Char(' ') + arguments.join(QLatin1Char('|'));
            return zarCommandRunner::Succeeded;
        });
        QCOMPARE(zarStatusBar::clockArguments(QDate(2014, 4, 1), QTime(9, 5)),
                 QStringList({ "-s", "2014-4-1 9:5" }));

        zarCoreReportClock failed;
        failed.error.code = 3;
        failed.date = QDate(2012, 1, 1);
        bar.onReportClock(failed);
        QVERIFY(commands.isEmpty());

        QStringList warnings;
        zarWhenModal([&](QWidget* w) {
            auto* d = static_cast<zarWarningDialog*>(w);
            warnings << d->messageLabel->text();
            d->okYesPushButton->click();
        });
        zarCoreReportClock old;
        old.date = QDate(2012, 6, 1);
        old.time = QTime(8, 0);
        bar.onReportClock(old);
        QCOMPARE(warnings, QStringList({ "System time seems to be invalid" }));
        bar.onReportClock(old);
        QCOMPARE(warnings.size(), 1);

        zarCoreReportClock good;
        good.date = QDate(2014, 3, 5);
        good.time = QTime(14, 7);
        bar.onReportClock(good);
        QCOMPARE(commands, QStringList({ "date -s|2012-6-1 8:0", "date -s|2012-6-1 8:0", "date -s|2014-3-5 14:7" }));
    }
};

ZAR_TEST_MAIN(TestStatusBar)
#include "test_statusbar.moc"
