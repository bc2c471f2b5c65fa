#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "frame/zaroptionswidget.h"

#include <QSettings>

// Options page: mapping to measure settings, derived values, persistence and damaged settings.
class TestOptionsWidget : public QObject
{
    Q_OBJECT

    static QString plain(const QLabel* label) { return label->text().remove(QRegularExpression(QStringLiteral("<[^>]*>"))); }

    static void select(zarOptionsWidget& page, const QString& pulse, const QString& pause)
    {
        page.pulseDurationComboBox->setCurrentText(pulse);
        page.pauseDurationComboBox->setCurrentText(pause);
    }

    static void pulsesAndPauses()
    {
        QTest::addColumn<QString>("pulse");
        QTest::addColumn<QString>("pause");
    }

private slots:
    void init() { QSettings(settingsScope, QStringLiteral("zarOptionsWidget")).clear(); }

    // Codes count 20 ms steps above 40 ms; a pause above 20 ms turns IP on.
    void measureSettings_data()
    {
        pulsesAndPauses();
        QTest::addColumn<int>("pulseCode");
        QTest::addColumn<int>("pauseCode");
        QTest::addColumn<bool>("ip");
        QTest::newRow("defaults") << "80" << "20" << 2 << 0 << false;
        QTest::newRow("longest") << "2000" << "1000" << 98 << 48 << true;
        QTest::newRow("shortest IP pause") << "100" << "60" << 3 << 1 << true;
    }

    void measureSettings()
    {
        QFETCH(QString, pulse);
        QFETCH(QString, pause);
        zarOptionsWidget page;
        select(page, pulse, pause);
        const zarMeasureSettings o = zarOptionsWidget::options();
        QTEST(int(o.pulseCode), "pulseCode");
        QTEST(int(o.pauseCode), "pauseCode");
        QTEST(bool(o.ip), "ip");
    }

    // Each stack is two pulses and two pauses; 305 ms of set-up come on top.
    void durationEstimate_data()
    {
        pulsesAndPauses();
        QTest::addColumn<int>("shortest");
        QTest::addColumn<int>("longest");
        QTest::newRow("defaults") << "80" << "20" << 905 << 1305;
        QTest::newRow("longest") << "2000" << "1000" << 18305 << 30305;
    }

    void durationEstimate()
    {
        QFETCH(QString, pulse);
        QFETCH(QString, pause);
        zarOptionsWidget page;
        select(page, pulse, pause);
        int shortest = -1, longest = -1;
        zarOptionsWidget::estimateDuration(shortest, longest);
        QTEST(shortest, "shortest");
        QTEST(longest, "longest");
    }

    // The minimum never passes the maximum, from either slider.
    void stackingLimitsHoldEachOther_data()
    {
        QTest::addColumn<bool>("raiseMinimum");
        QTest::addColumn<int>("limit");
        QTest::newRow("minimum raised past the maximum") << true << 5;
        QTest::newRow("maximum lowered under the minimum") << false << 3;
    }

    void stackingLimitsHoldEachOther()
    {
        QFETCH(bool, raiseMinimum);
        zarOptionsWidget page;
        (raiseMinimum ? page.minStackingSlider : page.maxStackingSlider)->setValue(raiseMinimum ? 9 : 1);
        QTEST(page.minStackingSlider->value(), "limit");
        QTEST(page.maxStackingSlider->value(), "limit");
        QTEST(plain(page.minStackingLabel).toInt(), "limit");
    }

    void settingsSurviveARestart()
    {
        {
            zarOptionsWidget page;
            page.transmitterDial->setValue(70);
            select(page, QStringLiteral("500"), QStringLiteral("120"));
            page.deviationComboBox->setCurrentText(QStringLiteral("5.00"));
            page.maxStackingSlider->setValue(12);
            page.minStackingSlider->setValue(9);
            page.saveSettings();
        }
        zarOptionsWidget page;
        QCOMPARE(page.transmitterDial->value(), 70);
        QCOMPARE(page.pulseDurationComboBox->currentText(), QStringLiteral("500"));
        QCOMPARE(page.pauseDurationComboBox->currentText(), QStringLiteral("120"));
        QCOMPARE(page.deviationComboBox->currentText(), QStringLiteral("5.00"));
        QCOMPARE(page.minStackingSlider->value(), 9);
        QCOMPARE(page.maxStackingSlider->value(), 12);
    }

    // Out of range, not a number, a minimum above the maximum: each falls back.
    void damagedSettingsFallBack_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("pulse out of range") << "pulseDurationComboBox" << QVariant(99) << "80";
        QTest::newRow("pause not a number") << "pauseDurationComboBox" << QVariant("abc") << "20";
        QTest::newRow("deviation out of range") << "deviationComboBox" << QVariant(-4) << "1.00";
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

    // The dial gives the transmitter voltage in whole volts.
    void transmitterVoltage_data()
    {
        QTest::addColumn<int>("dial");
        QTest::addColumn<QString>("volts");
        QTest::newRow("none") << 0 << "38 V";
        QTest::newRow("default 25 %") << 25 << "153 V";
        QTest::newRow("8 % lies a hair above 74.5 V") << 8 << "75 V";
        QTest::newRow("half") << 50 << "269 V";
        QTest::newRow("full") << 100 << "500 V";
    }

    void transmitterVoltage()
    {
        QFETCH(int, dial);
        zarOptionsWidget page;
        page.transmitterDial->setValue(dial);
        QTEST(plain(page.transmitterLabel), "volts");
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
