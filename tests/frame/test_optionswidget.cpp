#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "frame/zaroptionswidget.h"

#include <QSettings>

// Options page: mapping to measure settings, derived texts, persistence and damaged settings.
class TestOptionsWidget : public QObject
{
    Q_OBJECT

    // What the measurement receives: codes, mode, deviation, stacking, power, pulse; then the estimate.
    static QString mapped()
    {
        const zarMeasureSettings o = zarOptionsWidget::options();
        int lo = -1, hi = -1;
        zarOptionsWidget::estimateDuration(lo, hi);
        return QStringLiteral("%1 %2 %3 %4 %5-%6 %7 %8 ~%9-").arg(o.pulseCode).arg(o.pauseCode).arg(int(o.ip)).arg(o.deviation)
                   .arg(int(o.minStacking)).arg(int(o.maxStacking)).arg(int(o.transmitterPower)).arg(o.pulseDuration).arg(lo)
               + QString::number(hi);
    }

    // What the page shows, markup dropped: dial and voltage, pulse, pause, deviation,
    // stacking sliders and labels, frequency, mode.
    static QString shown(const zarOptionsWidget& p)
    {
        auto plain = [](const QLabel* l) { return l->text().remove(QRegularExpression(QStringLiteral("<[^>]*>"))); };
        return QStringLiteral("%1=%2 %3/%4 %5 %6-%7 (%8-%9) ").arg(p.transmitterDial->value()).arg(plain(p.transmitterLabel))
                   .arg(p.pulseDurationComboBox->currentText(), p.pauseDurationComboBox->currentText(),
                        p.deviationComboBox->currentText()).arg(p.minStackingSlider->value()).arg(p.maxStackingSlider->value())
                   .arg(plain(p.minStackingLabel), plain(p.maxStackingLabel))
               + p.frequencyLabel->text() + QLatin1Char(' ') + plain(p.modeLabel);
    }

private slots:
    void init() { QSettings(settingsScope, QStringLiteral("zarOptionsWidget")).clear(); }

    // Defaults, then codes, mode, frequency and estimate of the longest pulse and pause.
    void mappingAndDerivedTexts()
    {
        // Without a page the static calls answer defaults.
        QCOMPARE(zarOptionsWidget::options(), zarMeasureSettings());
        QVERIFY(mapped().endsWith(QStringLiteral("~0-0")));
        zarOptionsWidget page;
        QStringList seen = { shown(page) + QLatin1Char('|') + mapped() };
        page.pulseDurationComboBox->setCurrentText(QStringLiteral("2000"));
        page.pauseDurationComboBox->setCurrentText(QStringLiteral("1000"));
        page.deviationComboBox->setCurrentText(QStringLiteral("0.25"));
        page.maxStackingSlider->setValue(16);
        page.minStackingSlider->setValue(16);
        seen << shown(page) + QLatin1Char('|') + mapped();
        QCOMPARE(seen, QStringList({ "25=153 V 80/20 1.00 3-5 (3-5) 5.00 RESISTIVITY|2 0 0 1 3-5 25 80 ~905-1305",
                                     "25=153 V 2000/1000 0.25 16-16 (16-16) 0.17 RESISTIVITY + IP|"
                                     "98 48 1 0.25 16-16 25 2000 ~96305-96305" }));

        // Selecting by code: an unknown code leaves the selection; 0 is the plain pause.
        QStringList pauses;
        for (int code : { 13, 60, 0 }) {
            zarMeasureSettings wanted;
            wanted.pauseCode = quint16(code);
            zarOptionsWidget::selectPauseByCode(wanted);
            pauses << page.pauseDurationComboBox->currentText();
        }
        // Voltage rounds to whole volts (8 % lies a hair above 74.5 V).
        for (int dial : { 100, 8, 50 }) {
            page.transmitterDial->setValue(dial);
            pauses << shown(page).section(QLatin1Char(' '), 0, 1);
        }
        QCOMPARE(pauses.join(QLatin1Char(',')), QStringLiteral("300,300,20,100=500 V,8=75 V,50=269 V"));
    }

    // Saved settings come back; damaged ones (out of range, not a number, minimum above
    // maximum, zero stacking) fall back.
    void settingsSurviveARestartOrFallBack()
    {
        {
            zarOptionsWidget page;
            page.transmitterDial->setValue(70);
            page.pulseDurationComboBox->setCurrentText(QStringLiteral("500"));
            page.pauseDurationComboBox->setCurrentText(QStringLiteral("120"));
            page.deviationComboBox->setCurrentText(QStringLiteral("5.00"));
            page.maxStackingSlider->setValue(12);
            page.minStackingSlider->setValue(9);
            page.saveSettings();
        }
        QSettings s(settingsScope, QStringLiteral("zarOptionsWidget"));
        // Combo boxes are stored by index.
        QCOMPARE(s.value(QStringLiteral("pulseDurationComboBox")).toInt(), 5);
        QStringList pages = { shown(zarOptionsWidget()) };
        const QStringList keys = { "transmitterDial", "pulseDurationComboBox", "pauseDurationComboBox",
                                   "deviationComboBox", "minStackingSlider", "maxStackingSlider" };
        for (const QVariantList& values : { QVariantList{ 150, 99, "abc", -4, 12, 4 }, QVariantList{ 25, 0, 0, 3, 0, 0 } }) {
            for (int i = 0; i < keys.size(); ++i)
                s.setValue(keys[i], values[i]);
            s.sync();
            pages << shown(zarOptionsWidget());
        }
        QCOMPARE(pages, QStringList({ "70=361 V 500/120 5.00 9-12 (9-12) 0.81 RESISTIVITY + IP",
                                      "100=500 V 80/20 1.00 4-4 (4-4) 5.00 RESISTIVITY",
                                      "25=153 V 80/20 1.00 1-1 (1-1) 5.00 RESISTIVITY" }));
    }
};

ZAR_TEST_MAIN(TestOptionsWidget)
#include "test_optionswidget.moc"
