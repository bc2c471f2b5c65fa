#include "zartestsupport.h"

#include "frame/zarstatusbar.h"

// Status bar: icon thresholds and sensor texts.
class TestStatusBar : public QObject
{
    Q_OBJECT

private slots:
    // Index 0 is the fullest picture; a reading that is not a number shows the emptiest.
    void icons_data()
    {
        QTest::addColumn<bool>("battery");
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("icon");
        QTest::newRow("no battery below 1 V") << true << 0.999f << 5;
        QTest::newRow("empty battery from 1 V") << true << 1.0f << 4;
        QTest::newRow("half battery from 11.4 V") << true << 11.4f << 2;
        QTest::newRow("full battery from 12.2 V") << true << 12.2f << 0;
        QTest::newRow("battery not a number") << true << std::nanf("") << 5;
        QTest::newRow("dry at 0 %") << false << 0.0f << 3;
        QTest::newRow("damp at 33.3 %") << false << 33.3f << 2;
        QTest::newRow("soaked above 66.6 %") << false << 66.61f << 0;
    }

    void icons()
    {
        QFETCH(bool, battery);
        QFETCH(float, value);
        QTEST(battery ? zarStatusBar::batteryIndex(value) : zarStatusBar::moistureIndex(value), "icon");
    }

    // A report shows no voltage under 1 V and no moisture under 0.05 %.
    void sensorTexts_data()
    {
        QTest::addColumn<float>("millivolts");
        QTest::addColumn<float>("percent");
        QTest::addColumn<QString>("voltage");
        QTest::addColumn<QString>("moisture");
        QTest::newRow("readings") << 12345.0f << 42.4f << "<font color=blue>12.3</font> V" << "<font color=blue>42</font> %";
        QTest::newRow("below what is shown") << 999.0f << 0.04f << "" << "";
    }

    void sensorTexts()
    {
        QFETCH(float, millivolts);
        QFETCH(float, percent);
        zarStatusBar bar;
        zarCoreReportSensor r;
        r.sensors = { { zarSensorInternalBattery, millivolts }, { zarSensorExternalBattery, millivolts },
                      { zarSensorMoisture, percent } };
        bar.onReportSensor(r);
        QTEST(bar.intBatVoltageLabel->text(), "voltage");
        QTEST(bar.extBatVoltageLabel->text(), "voltage");
        QTEST(bar.moistureLabel->text(), "moisture");
    }

};

ZAR_TEST_MAIN(TestStatusBar)
#include "test_statusbar.moc"
