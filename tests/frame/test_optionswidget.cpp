#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "frame/zaroptionswidget.h"

#include <QSettings>

// Options page: mapping to measure settings, derived texts, stacking coupling,
// persistence and damaged settings.
class TestOptionsWidget : public QObject
{
    Q_OBJECT

    // What the measurement receives: codes, mode, deviation, stacking, power, pulse.
    static QString mapped()
    {
        const zarMeasureSettings o = zarOptionsWidget::options();
        return QStringLiteral("%1 %2 %3 %4 %5-%6 %7 %8").arg(o.pulseCode).arg(o.pauseCode).arg(int(o.ip)).arg(o.deviation)
            .arg(int(o.minStacking)).arg(int(o.maxStacking)).arg(int(o.transmitterPower)).arg(o.pulseDuration);
    }

    static QString estimate()
    {
        int lo = -1, hi = -1;
        zarOptionsWidget::estimateDuration(lo, hi);
        return QStringLiteral("%1-%2").arg(lo).arg(hi);
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

    static void select(QComboBox* box, const QString& text)
    {
        const int index = box->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        box->setCurrentIndex(index);
    }

private slots:
    void init() { QSettings(settingsScope, QStringLiteral("zarOptionsWidget")).clear(); }

    void defaults()
    {
        // Without a page the static calls answer defaults and touch nothing.
        QCOMPARE(zarOptionsWidget::options(), zarMeasureSettings());
        QCOMPARE(estimate(), QStringLiteral("0-0"));
        zarOptionsWidget::setPauseDurationDisabled(true);
        zarOptionsWidget::selectPauseByCode(zarMeasureSettings());

        zarOptionsWidget page;
        QCOMPARE(QList<int>({ page.pulseDurationComboBox->count(), page.pauseDurationComboBox->count(),
                              page.deviationComboBox->count() }), QList<int>({ 21, 17, 9 }));
        QCOMPARE(shown(page), QStringLiteral("25=153 V 80/20 1.00 3-5 (3-5) 5.00 RESISTIVITY"));
        QCOMPARE(mapped(), QStringLiteral("2 0 0 1 3-5 25 80"));
        QCOMPARE(estimate(), QStringLiteral("905-1305"));
    }

    void codesFrequencyModeAndEstimate()
    {
        zarOptionsWidget page;
        select(page.pauseDurationComboBox, QStringLiteral("60"));
        QCOMPARE(mapped(), QStringLiteral("2 1 1 1 3-5 25 80"));
        QCOMPARE(shown(page), QStringLiteral("25=153 V 80/60 1.00 3-5 (3-5) 3.57 RESISTIVITY + IP"));
        QVERIFY(page.pauseNegLabel->text().contains(QStringLiteral(">60</font>")));

        select(page.pulseDurationComboBox, QStringLiteral("2000"));
        select(page.pauseDurationComboBox, QStringLiteral("1000"));
        select(page.deviationComboBox, QStringLiteral("0.25"));
        page.maxStackingSlider->setValue(16);
        page.minStackingSlider->setValue(16);
        QCOMPARE(mapped(), QStringLiteral("98 48 1 0.25 16-16 25 2000"));
        QCOMPARE(page.frequencyLabel->text(), QStringLiteral("0.17"));
        QCOMPARE(estimate(), QStringLiteral("96305-96305"));

        // Every pulse item: 80 -> 2, 100 -> 3, then 5 more per 100 ms.
        for (int i = 0; i < page.pulseDurationComboBox->count(); ++i) {
            page.pulseDurationComboBox->setCurrentIndex(i);
            QCOMPARE(int(zarOptionsWidget::options().pulseCode), (page.pulseDurationComboBox->currentText().toInt() - 40) / 20);
        }

        // Selecting by code: an unknown code leaves the selection; 0 is the plain pause.
        for (const auto& c : QList<QPair<int, QString>>{ { 13, "300" }, { 60, "300" }, { 0, "20" } }) {
            zarMeasureSettings wanted;
            wanted.pauseCode = quint16(c.first);
            zarOptionsWidget::selectPauseByCode(wanted);
            QCOMPARE(page.pauseDurationComboBox->currentText(), c.second);
        }
        zarOptionsWidget::setPauseDurationDisabled(true);
        QVERIFY(!page.pauseDurationComboBox->isEnabled());

        // Voltage rounds to whole volts.
        for (const auto& c : QList<QPair<int, QString>>{ { 100, "500 V" }, { 8, "75 V" }, { 50, "269 V" } }) {
            page.transmitterDial->setValue(c.first);
            QCOMPARE(shown(page).section(QLatin1Char(' '), 0, 1), QStringLiteral("%1=%2").arg(c.first).arg(c.second));
            QCOMPARE(int(zarOptionsWidget::options().transmitterPower), c.first);
        }
    }

    void stackingNeverCrosses()
    {
        zarOptionsWidget page;
        auto stacking = [&page] { return shown(page).section(QLatin1Char(' '), 4, 5); };
        page.minStackingSlider->setValue(10);
        page.maxStackingSlider->setValue(2);
        QCOMPARE(stacking(), QStringLiteral("5-5 (5-5)"));
        page.maxStackingSlider->setValue(7);
        page.minStackingSlider->setValue(7);
        page.incMinStackingToolButton->click();
        page.decMaxStackingToolButton->click();
        QCOMPARE(stacking(), QStringLiteral("7-7 (7-7)"));
        for (int i = 0; i < 20; ++i) {
            page.decMinStackingToolButton->click();
            page.incMaxStackingToolButton->click();
        }
        QCOMPARE(stacking(), QStringLiteral("1-16 (1-16)"));
    }

    void settingsSurviveARestart()
    {
        {
            zarOptionsWidget page;
            page.transmitterDial->setValue(70);
            select(page.pulseDurationComboBox, QStringLiteral("500"));
            select(page.pauseDurationComboBox, QStringLiteral("120"));
            select(page.deviationComboBox, QStringLiteral("5.00"));
            page.maxStackingSlider->setValue(12);
            page.minStackingSlider->setValue(9);
            page.saveSettings();
        }
        // Combo boxes are stored by index.
        QCOMPARE(QSettings(settingsScope, QStringLiteral("zarOptionsWidget")).value(QStringLiteral("pulseDurationComboBox")).toInt(), 5);
        zarOptionsWidget page;
        QCOMPARE(shown(page), QStringLiteral("70=361 V 500/120 5.00 9-12 (9-12) 0.81 RESISTIVITY + IP"));
    }

    void damagedSettingsFallBack_data()
    {
        QTest::addColumn<QVariantList>("values");
        QTest::addColumn<QString>("page");
        QTest::newRow("out of range") << QVariantList{ 150, 99, QStringLiteral("abc"), -4, 12, 4 }
                                      << QStringLiteral("100=500 V 80/20 1.00 4-4 (4-4) 5.00 RESISTIVITY");
        QTest::newRow("zero stacking") << QVariantList{ 25, 0, 0, 3, 0, 0 } << QStringLiteral("25=153 V 80/20 1.00 1-1 (1-1) 5.00 RESISTIVITY");
    }

    void damagedSettingsFallBack()
    {
        QFETCH(QVariantList, values);
        const QStringList keys = { "transmitterDial", "pulseDurationComboBox", "pauseDurationComboBox",
                                   "deviationComboBox", "minStackingSlider", "maxStackingSlider" };
        {
            QSettings s(settingsScope, QStringLiteral("zarOptionsWidget"));
            for (int i = 0; i < keys.size(); ++i)
                s.setValue(keys[i], values[i]);
        }
        zarOptionsWidget page;
        QTEST(shown(page), "page");
        QCOMPARE(estimate().section(QLatin1Char('-'), 0, 0).toInt(), page.minStackingSlider->value() * 200 + 305);
    }
};

ZAR_TEST_MAIN(TestOptionsWidget)
#include "test_optionswidget.moc"
