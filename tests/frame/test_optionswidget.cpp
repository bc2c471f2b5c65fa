#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "frame/zaroptionswidget.h"

#include <QSettings>

// Options page: the measure settings it gives, the voltage, damaged stored settings.
class TestOptionsWidget : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings(settingsScope, QStringLiteral("zarOptionsWidget")).clear(); }

    // Codes count 20 ms steps above 40 ms; a pause above 20 ms turns IP on.
    void measureSettings_data()
    {
        QTest::addColumn<QString>("pulse");
        QTest::addColumn<QString>("pause");
        QTest::addColumn<int>("pulseCode");
        QTest::addColumn<int>("pauseCode");
        QTest::addColumn<bool>("ip");
        QTest::newRow("defaults") << "80" << "20" << 2 << 0 << false;
        QTest::newRow("shortest IP pause") << "100" << "60" << 3 << 1 << true;
    }

    void measureSettings()
    {
        QFETCH(QString, pulse);
        QFETCH(QString, pause);
        zarOptionsWidget page;
        page.pulseDurationComboBox->setCurrentText(pulse);
        page.pauseDurationComboBox->setCurrentText(pause);
        const zarMeasureSettings o = zarOptionsWidget::options();
        QTEST(int(o.pulseCode), "pulseCode");
        QTEST(int(o.pauseCode), "pauseCode");
        QTEST(bool(o.ip), "ip");
    }

    // The dial gives the transmitter voltage in whole volts.
    void transmitterVoltage_data()
    {
        QTest::addColumn<int>("dial");
        QTest::addColumn<QString>("volts");
        QTest::newRow("8 % lies a hair above 74.5 V") << 8 << "75 V";
        QTest::newRow("full") << 100 << "500 V";
    }

    void transmitterVoltage()
    {
        QFETCH(int, dial);
        zarOptionsWidget page;
        page.transmitterDial->setValue(dial);
        QTEST(page.transmitterLabel->text().remove(QRegularExpression(QStringLiteral("<[^>]*>"))), "volts");
    }

    // One past the list, not a number, a minimum above the maximum: each falls back.
    void damagedSettingsFallBack_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("pulse one past the list") << "pulseDurationComboBox" << QVariant(pulseDurationList.count(QLatin1Char(',')) + 1) << "80";
        QTest::newRow("pause not a number") << "pauseDurationComboBox" << QVariant("abc") << "20";
        QTest::newRow("deviation below the list") << "deviationComboBox" << QVariant(-4) << "1.00";
        QTest::newRow("minimum above the maximum") << "minStackingSlider" << QVariant(12) << "5";
    }

    void damagedSettingsFallBack()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QSettings(settingsScope, QStringLiteral("zarOptionsWidget")).setValue(key, value);
        zarOptionsWidget page;
        QObject* control = page.findChild<QObject*>(key);
        auto* box = qobject_cast<QComboBox*>(control);
        QTEST(box ? box->currentText() : control->property("value").toString(), "shown");
    }

    // Selecting by code: an unknown code leaves the selection; 0 is the plain pause.
    void pauseSelectedByCode_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("pause");
        QTest::newRow("code 13") << 13 << "300";
        QTest::newRow("unknown code 60") << 60 << "120";
        QTest::newRow("code 0") << 0 << "20";
    }

    void pauseSelectedByCode()
    {
        QFETCH(int, code);
        zarOptionsWidget page;
        page.pauseDurationComboBox->setCurrentText(QStringLiteral("120"));
        zarMeasureSettings wanted;
        wanted.pauseCode = quint16(code);
        zarOptionsWidget::selectPauseByCode(wanted);
        QTEST(page.pauseDurationComboBox->currentText(), "pause");
    }
};

ZAR_TEST_MAIN(TestOptionsWidget)
#include "test_optionswidget.moc"
