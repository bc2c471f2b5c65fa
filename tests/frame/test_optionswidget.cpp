#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "frame/zaroptionswidget.h"

#include <QSettings>

// Options page: mapping to measure settings, derived texts, stacking coupling,
// persistence and damaged settings.
class TestOptionsWidget : public QObject
{
    Q_OBJECT

    static QVariant stored(const QString& key)
    {
        return QSettings(settingsScope, QStringLiteral("zarOptionsWidget")).value(key);
    }

    static void store(const QList<QPair<QString, QVariant>>& values)
    {
        QSettings s(settingsScope, QStringLiteral("zarOptionsWidget"));
        for (const auto& v : values)
            s.setValue(v.first, v.second);
    }

    static void select(QComboBox* box, const QString& text)
    {
        const int index = box->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        box->setCurrentIndex(index);
    }

private slots:
    void init()
    {
        QSettings s(settingsScope, QStringLiteral("zarOptionsWidget"));
        s.clear();
    }

    void withoutPageTheDefaultsApply()
    {
        const zarMeasureSettings o = zarOptionsWidget::options();
        QCOMPARE(o, zarMeasureSettings());
        int lo = -1, hi = -1;
        zarOptionsWidget::estimateDuration(lo, hi);
        QCOMPARE(lo, 0);
        QCOMPARE(hi, 0);
        zarOptionsWidget::setPauseDurationDisabled(true);
        zarOptionsWidget::selectPauseByCode(zarMeasureSettings());
    }

    void firstStartShowsTheDefaults()
    {
        zarOptionsWidget page;
        QCOMPARE(page.transmitterDial->value(), 25);
        QVERIFY(page.transmitterLabel->text().contains(QStringLiteral(">153</font>")));
        QCOMPARE(page.pulseDurationComboBox->count(), 21);
        QCOMPARE(page.pauseDurationComboBox->count(), 17);
        QCOMPARE(page.deviationComboBox->count(), 9);
        QCOMPARE(page.pulseDurationComboBox->currentText(), QStringLiteral("80"));
        QCOMPARE(page.pauseDurationComboBox->currentText(), QStringLiteral("20"));
        QCOMPARE(page.deviationComboBox->currentText(), QStringLiteral("1.00"));
        QCOMPARE(page.minStackingSlider->value(), 3);
        QCOMPARE(page.maxStackingSlider->value(), 5);
        QCOMPARE(page.frequencyLabel->text(), QStringLiteral("5.00"));
        QVERIFY(page.modeLabel->text().contains(QStringLiteral("RESISTIVITY")));
        QVERIFY(!page.modeLabel->text().contains(QStringLiteral("IP")));
        QVERIFY(page.minStackingLabel->text().contains(QStringLiteral(">3<")));
        QVERIFY(page.maxStackingLabel->text().contains(QStringLiteral(">5<")));

        const zarMeasureSettings o = zarOptionsWidget::options();
        QCOMPARE(o.pulseCode, quint16(2));
        QCOMPARE(o.ip, false);
        QCOMPARE(o.pauseCode, quint16(0));
        QCOMPARE(o.deviation, 1.0f);
        QCOMPARE(o.minStacking, quint8(3));
        QCOMPARE(o.maxStacking, quint8(5));
        QCOMPARE(o.transmitterPower, quint8(25));
        QCOMPARE(o.pulseDuration, quint16(80));
        int lo = 0, hi = 0;
        zarOptionsWidget::estimateDuration(lo, hi);
        QCOMPARE(lo, 905);
        QCOMPARE(hi, 1305);
    }

    void codesFrequencyAndMode()
    {
        zarOptionsWidget page;
        select(page.pulseDurationComboBox, QStringLiteral("80"));
        select(page.pauseDurationComboBox, QStringLiteral("60"));
        zarMeasureSettings o = zarOptionsWidget::options();
        QCOMPARE(o.ip, true);
        QCOMPARE(o.pauseCode, quint16(1));
        QCOMPARE(page.frequencyLabel->text(), QStringLiteral("3.57"));
        QVERIFY(page.modeLabel->text().contains(QStringLiteral("IP")));
        QVERIFY(page.pulsePosLabel->text().contains(QStringLiteral(">80</font>")));
        QVERIFY(page.pauseNegLabel->text().contains(QStringLiteral(">60</font>")));

        select(page.pulseDurationComboBox, QStringLiteral("2000"));
        select(page.pauseDurationComboBox, QStringLiteral("1000"));
        page.maxStackingSlider->setValue(16);
        page.minStackingSlider->setValue(16);
        o = zarOptionsWidget::options();
        QCOMPARE(o.pulseCode, quint16(98));
        QCOMPARE(o.pauseCode, quint16(48));
        QCOMPARE(page.frequencyLabel->text(), QStringLiteral("0.17"));
        int lo = 0, hi = 0;
        zarOptionsWidget::estimateDuration(lo, hi);
        QCOMPARE(lo, 96305);
        QCOMPARE(hi, 96305);

        // Every pulse item: 80 -> 2, 100 -> 3, then 5 more per 100 ms.
        for (int i = 0; i < page.pulseDurationComboBox->count(); ++i) {
            page.pulseDurationComboBox->setCurrentIndex(i);
            const int ms = page.pulseDurationComboBox->currentText().toInt();
            QCOMPARE(int(zarOptionsWidget::options().pulseCode), (ms - 40) / 20);
        }
        select(page.pauseDurationComboBox, QStringLiteral("300"));
        QCOMPARE(zarOptionsWidget::options().pauseCode, quint16(13));
        select(page.deviationComboBox, QStringLiteral("0.25"));
        QCOMPARE(zarOptionsWidget::options().deviation, 0.25f);
    }

    void transmitterVoltageRounds()
    {
        zarOptionsWidget page;
        const QList<QPair<int, QString>> cases = { { 100, QStringLiteral("500") }, { 8, QStringLiteral("75") },
                                                   { 25, QStringLiteral("153") }, { 50, QStringLiteral("269") } };
        for (const auto& c : cases) {
            page.transmitterDial->setValue(c.first);
            QVERIFY2(page.transmitterLabel->text().startsWith(QStringLiteral("<font color=blue>%1</font> ").arg(c.second)),
                     qPrintable(page.transmitterLabel->text()));
            QCOMPARE(int(zarOptionsWidget::options().transmitterPower), c.first);
        }
    }

    void stackingNeverCrosses()
    {
        zarOptionsWidget page;
        page.minStackingSlider->setValue(10);
        QCOMPARE(page.minStackingSlider->value(), 5);
        page.maxStackingSlider->setValue(2);
        QCOMPARE(page.maxStackingSlider->value(), 5);
        page.maxStackingSlider->setValue(7);
        page.minStackingSlider->setValue(7);
        page.incMinStackingToolButton->click();
        page.decMaxStackingToolButton->click();
        QCOMPARE(page.minStackingSlider->value(), 7);
        QCOMPARE(page.maxStackingSlider->value(), 7);
        QVERIFY(page.minStackingLabel->text().contains(QStringLiteral(">7<")));

        for (int i = 0; i < 20; ++i)
            page.decMinStackingToolButton->click();
        QCOMPARE(page.minStackingSlider->value(), 1);
        for (int i = 0; i < 20; ++i)
            page.incMaxStackingToolButton->click();
        QCOMPARE(page.maxStackingSlider->value(), 16);
        QVERIFY(page.maxStackingLabel->text().contains(QStringLiteral(">16<")));
    }

    void selectPauseByCode()
    {
        zarOptionsWidget page;
        zarMeasureSettings wanted;
        wanted.pauseCode = 1;
        zarOptionsWidget::selectPauseByCode(wanted);
        QCOMPARE(page.pauseDurationComboBox->currentText(), QStringLiteral("60"));
        wanted.pauseCode = 48;
        zarOptionsWidget::selectPauseByCode(wanted);
        QCOMPARE(page.pauseDurationComboBox->currentText(), QStringLiteral("1000"));
        wanted.pauseCode = 60;
        zarOptionsWidget::selectPauseByCode(wanted);
        QCOMPARE(page.pauseDurationComboBox->currentText(), QStringLiteral("1000"));
        wanted.pauseCode = 0;
        zarOptionsWidget::selectPauseByCode(wanted);
        QCOMPARE(page.pauseDurationComboBox->currentText(), QStringLiteral("20"));

        zarOptionsWidget::setPauseDurationDisabled(true);
        QVERIFY(!page.pauseDurationComboBox->isEnabled());
        zarOptionsWidget::setPauseDurationDisabled(false);
        QVERIFY(page.pauseDurationComboBox->isEnabled());
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
        QCOMPARE(stored(QStringLiteral("pulseDurationComboBox")).toInt(), 5);
        QCOMPARE(stored(QStringLiteral("minStackingSlider")).toInt(), 9);
        zarOptionsWidget page;
        QCOMPARE(page.transmitterDial->value(), 70);
        QCOMPARE(page.pulseDurationComboBox->currentText(), QStringLiteral("500"));
        QCOMPARE(page.pauseDurationComboBox->currentText(), QStringLiteral("120"));
        QCOMPARE(page.deviationComboBox->currentText(), QStringLiteral("5.00"));
        QCOMPARE(page.minStackingSlider->value(), 9);
        QCOMPARE(page.maxStackingSlider->value(), 12);
        QVERIFY(page.modeLabel->text().contains(QStringLiteral("IP")));
    }

    void damagedSettingsFallBack()
    {
        store({ { QStringLiteral("transmitterDial"), 150 },
                { QStringLiteral("pulseDurationComboBox"), 99 },
                { QStringLiteral("pauseDurationComboBox"), QStringLiteral("abc") },
                { QStringLiteral("deviationComboBox"), -4 },
                { QStringLiteral("minStackingSlider"), 12 },
                { QStringLiteral("maxStackingSlider"), 4 } });
        zarOptionsWidget page;
        QCOMPARE(page.transmitterDial->value(), 100);
        QCOMPARE(page.pulseDurationComboBox->currentText(), QStringLiteral("80"));
        QCOMPARE(page.pauseDurationComboBox->currentText(), QStringLiteral("20"));
        QCOMPARE(page.deviationComboBox->currentText(), QStringLiteral("1.00"));
        QCOMPARE(page.maxStackingSlider->value(), 4);
        QCOMPARE(page.minStackingSlider->value(), 4);
        QVERIFY2(page.minStackingLabel->text().contains(QStringLiteral(">4<")), qPrintable(page.minStackingLabel->text()));
        QCOMPARE(page.frequencyLabel->text(), QStringLiteral("5.00"));
        int lo = 0, hi = 0;
        zarOptionsWidget::estimateDuration(lo, hi);
        QCOMPARE(lo, 4 * 200 + 305);
    }

    void zeroStackingLoadsAsOne()
    {
        store({ { QStringLiteral("minStackingSlider"), 0 }, { QStringLiteral("maxStackingSlider"), 0 } });
        zarOptionsWidget page;
        QCOMPARE(page.minStackingSlider->value(), 1);
        QCOMPARE(page.maxStackingSlider->value(), 1);
    }
};

ZAR_TEST_MAIN(TestOptionsWidget)
#include "test_optionswidget.moc"
