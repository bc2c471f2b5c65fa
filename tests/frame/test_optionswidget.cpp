#include "zartestsupport.h"

#include "core/zarconstants.h"
#include "frame/zaroptionswidget.h"

#include <QSettings>
#include <QtMath>

// Options page: the measure settings it gives and their estimated duration, the texts and
// pictures it derives, the stacking limits, the voltage, stored and damaged settings.
class TestOptionsWidget : public QObject
{
    Q_OBJECT

    static QString plain(const QLabel* label) { return label->text().remove(QRegularExpression(QStringLiteral("<[^>]*>"))); }

    // What a selector or a slider of the page shows, by its object name.
    static QString shown(const zarOptionsWidget& page, const QString& key)
    {
        const QObject* control = page.findChild<QObject*>(key);
        if (!control)
            return QStringLiteral("no control ") + key;
        auto* box = qobject_cast<const QComboBox*>(control);
        return box ? box->currentText() : control->property("value").toString();
    }

    // The point 80 px from the dial's middle at the given angle.
    static QPoint onDial(const QDial* dial, int degrees)
    {
        const double a = qDegreesToRadians(double(degrees));
        return QPoint(dial->width() / 2 + qRound(80 * qCos(a)), dial->height() / 2 - qRound(80 * qSin(a)));
    }

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
        QTest::newRow("dial above full") << "transmitterDial" << QVariant(150) << "100";
        QTest::newRow("zero maximum stacking") << "maxStackingSlider" << QVariant(0) << "1";
    }

    void damagedSettingsFallBack()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QSettings(settingsScope, QStringLiteral("zarOptionsWidget")).setValue(key, value);
        zarOptionsWidget page;
        QTEST(shown(page, key), "shown");
    }

    // The first start, with nothing stored: the shortest pulse and pause, 1 % deviation,
    // a quarter of the power, 3 to 5 stacks.
    void firstStartDefaults_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("shown");
        QTest::newRow("pulse") << "pulseDurationComboBox" << "80";
        QTest::newRow("pause") << "pauseDurationComboBox" << "20";
        QTest::newRow("deviation") << "deviationComboBox" << "1.00";
        QTest::newRow("dial") << "transmitterDial" << "25";
        QTest::newRow("minimum stacking") << "minStackingSlider" << "3";
        QTest::newRow("maximum stacking") << "maxStackingSlider" << "5";
    }

    void firstStartDefaults()
    {
        QFETCH(QString, key);
        zarOptionsWidget page;
        QTEST(shown(page, key), "shown");
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

    // Without a page the static calls answer defaults.
    void withoutAPageTheDefaults()
    {
        QCOMPARE(zarOptionsWidget::options(), zarMeasureSettings());
        int shortest = -1, longest = -1;
        zarOptionsWidget::estimateDuration(shortest, longest);
        QCOMPARE(shortest, 0);
        QCOMPARE(longest, 0);
    }

    // The quality and stacking a measurement receives, with the pulse in ms and the power of the dial.
    void measureSettingsQualityAndStacking_data()
    {
        QTest::addColumn<QString>("pulse");
        QTest::addColumn<QString>("deviation");
        QTest::addColumn<int>("stacking");
        QTest::addColumn<float>("deviationLimit");
        QTest::addColumn<int>("minStacking");
        QTest::addColumn<int>("maxStacking");
        QTest::newRow("defaults") << "80" << "1.00" << 0 << 1.0f << 3 << 5;
        QTest::newRow("longest, full stacking") << "2000" << "0.25" << 16 << 0.25f << 16 << 16;
    }

    void measureSettingsQualityAndStacking()
    {
        QFETCH(QString, pulse);
        QFETCH(QString, deviation);
        QFETCH(int, stacking);
        zarOptionsWidget page;
        page.pulseDurationComboBox->setCurrentText(pulse);
        page.deviationComboBox->setCurrentText(deviation);
        if (stacking) {
            page.maxStackingSlider->setValue(stacking);
            page.minStackingSlider->setValue(stacking);
        }
        const zarMeasureSettings o = zarOptionsWidget::options();
        QTEST(o.deviation, "deviationLimit");
        QTEST(int(o.minStacking), "minStacking");
        QTEST(int(o.maxStacking), "maxStacking");
        QCOMPARE(int(o.transmitterPower), 25);
        QCOMPARE(int(o.pulseDuration), pulse.toInt());
    }

    // Each stack is two pulses and two pauses; 305 ms of set-up come on top.
    void durationEstimate_data()
    {
        QTest::addColumn<QString>("pulse");
        QTest::addColumn<QString>("pause");
        QTest::addColumn<int>("minStacking");
        QTest::addColumn<int>("maxStacking");
        QTest::addColumn<int>("shortest");
        QTest::addColumn<int>("longest");
        QTest::newRow("defaults") << "80" << "20" << 3 << 5 << 905 << 1305;
        QTest::newRow("longest") << "2000" << "1000" << 16 << 16 << 96305 << 96305;
        QTest::newRow("one stack") << "100" << "60" << 1 << 2 << 625 << 945;
    }

    void durationEstimate()
    {
        QFETCH(QString, pulse);
        QFETCH(QString, pause);
        QFETCH(int, minStacking);
        QFETCH(int, maxStacking);
        zarOptionsWidget page;
        page.pulseDurationComboBox->setCurrentText(pulse);
        page.pauseDurationComboBox->setCurrentText(pause);
        page.minStackingSlider->setValue(1);
        page.maxStackingSlider->setValue(maxStacking);
        page.minStackingSlider->setValue(minStacking);
        int shortest = -1, longest = -1;
        zarOptionsWidget::estimateDuration(shortest, longest);
        QTEST(shortest, "shortest");
        QTEST(longest, "longest");
    }

    // Frequency of the full period and the mode a pause above 20 ms turns on.
    void pulseTexts_data()
    {
        QTest::addColumn<QString>("pulse");
        QTest::addColumn<QString>("pause");
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("mode");
        QTest::newRow("resistivity") << "80" << "20" << "5.00" << "RESISTIVITY";
        QTest::newRow("with IP") << "2000" << "1000" << "0.17" << "RESISTIVITY + IP";
        QTest::newRow("shortest IP pause") << "100" << "60" << "3.13" << "RESISTIVITY + IP";
    }

    void pulseTexts()
    {
        QFETCH(QString, pulse);
        QFETCH(QString, pause);
        zarOptionsWidget page;
        page.pulseDurationComboBox->setCurrentText(pulse);
        page.pauseDurationComboBox->setCurrentText(pause);
        QTEST(page.frequencyLabel->text(), "frequency");
        QTEST(plain(page.modeLabel), "mode");
        QCOMPARE(plain(page.pulsePosLabel), pulse + QStringLiteral(" msec"));
        QCOMPARE(plain(page.pauseNegLabel), pause + QStringLiteral(" msec"));
    }

    // The pulse pictures show the pauses only when IP is measured.
    void pulsePictures_data()
    {
        QTest::addColumn<QString>("pause");
        QTest::addColumn<QString>("positive");
        QTest::addColumn<QString>("negative");
        QTest::newRow("resistivity") << "20" << ":/pulses/pulses/resPos.png" << ":/pulses/pulses/resNeg.png";
        QTest::newRow("with IP") << "60" << ":/pulses/pulses/resIpPos.png" << ":/pulses/pulses/resIpNeg.png";
    }

    void pulsePictures()
    {
        QFETCH(QString, pause);
        QFETCH(QString, positive);
        QFETCH(QString, negative);
        zarOptionsWidget page;
        page.pauseDurationComboBox->setCurrentText(QStringLiteral("100"));
        page.pauseDurationComboBox->setCurrentText(pause);
        QCOMPARE(page.posPixLabel->pixmap(Qt::ReturnByValue).toImage(), QPixmap(positive).toImage());
        QCOMPARE(page.negPixLabel->pixmap(Qt::ReturnByValue).toImage(), QPixmap(negative).toImage());
    }

    // The minimum never passes the maximum, from either slider; the labels follow.
    void stackingLimitsHoldEachOther_data()
    {
        QTest::addColumn<bool>("raiseMinimum");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::newRow("minimum raised past the maximum") << true << 9 << 5 << 5;
        QTest::newRow("minimum raised one past the maximum") << true << 6 << 5 << 5;
        QTest::newRow("maximum lowered under the minimum") << false << 1 << 3 << 3;
        QTest::newRow("maximum lowered one under the minimum") << false << 2 << 3 << 3;
    }

    void stackingLimitsHoldEachOther()
    {
        QFETCH(bool, raiseMinimum);
        QFETCH(int, value);
        zarOptionsWidget page;
        (raiseMinimum ? page.minStackingSlider : page.maxStackingSlider)->setValue(value);
        QTEST(page.minStackingSlider->value(), "minimum");
        QTEST(page.maxStackingSlider->value(), "maximum");
        QTEST(plain(page.minStackingLabel).toInt(), "minimum");
        QTEST(plain(page.maxStackingLabel).toInt(), "maximum");
    }

    void arrowsStepTheStacking_data()
    {
        QTest::addColumn<QString>("arrow");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::newRow("minimum up") << "incMinStackingToolButton" << 4 << 5;
        QTest::newRow("minimum down") << "decMinStackingToolButton" << 2 << 5;
        QTest::newRow("maximum up") << "incMaxStackingToolButton" << 3 << 6;
        QTest::newRow("maximum down") << "decMaxStackingToolButton" << 3 << 4;
    }

    // One step from the defaults 3 and 5.
    void arrowsStepTheStacking()
    {
        QFETCH(QString, arrow);
        zarOptionsWidget page;
        page.findChild<QAbstractButton*>(arrow)->click();
        QTEST(page.minStackingSlider->value(), "minimum");
        QTEST(page.maxStackingSlider->value(), "maximum");
    }

    void dialFollowsTheFinger_data()
    {
        // Angles as on a clock face read anticlockwise from 3 o'clock: the dial's low end
        // is at 240 degrees, its high end at 300 (-60), its gap between them at the bottom;
        // a value v stands at 240 - 3v.
        QTest::addColumn<QVector<int>>("path");
        QTest::addColumn<int>("value");
        QTest::newRow("from the low end on through the gap") << QVector<int>({ 240, 265, 275, 285 }) << 0;
        QTest::newRow("from the high end on through the gap") << QVector<int>({ 300, 275, 265, 255 }) << 100;
        QTest::newRow("up through the gap into the low end") << QVector<int>({ 285, 265, 245 }) << 100;
        QTest::newRow("round the face") << QVector<int>({ 90, 60, 30 }) << 70;
        QTest::newRow("a tap right of the gap's middle") << QVector<int>({ 275 }) << 100;
        QTest::newRow("flicked over the top leftwards") << QVector<int>({ 30, 189 }) << 17;
        QTest::newRow("flicked over the top rightwards") << QVector<int>({ 150, -9 }) << 83;
        QTest::newRow("past the low end and up the far side") << QVector<int>({ 240, 265, 290, 330, 30, 90, 120 }) << 0;
        QTest::newRow("past the high end and up the far side") << QVector<int>({ 300, 275, 250, 210, 150, 90, 60 }) << 100;
        QTest::newRow("past the low end and round to the face") << QVector<int>({ 240, 265, 330, 60, 150, 225 }) << 0;
        QTest::newRow("back out of the gap past the same end") << QVector<int>({ 240, 265, 275, 265, 225 }) << 5;
        QTest::newRow("back out of the gap past the high end") << QVector<int>({ 300, 275, 265, 275, 315 }) << 95;
    }
    // A finger pressed at the first angle, run over the others and lifted at the last:
    // the dial follows its way round, and running on past an end holds that end until the
    // finger comes back past it. The lift releases the knob: the next tap goes where it lands.
    void dialFollowsTheFinger()
    {
        QFETCH(QVector<int>, path);
        zarOptionsWidget page;
        QDial* dial = page.transmitterDial;
        dial->resize(200, 200);
        const auto at = [dial](int degrees) { return onDial(dial, degrees); };
        QTest::mousePress(dial, Qt::LeftButton, {}, at(path.first()));
        for (int degrees : path.mid(1, path.size() - 2)) {
            QMouseEvent move(QEvent::MouseMove, at(degrees), dial->mapToGlobal(at(degrees)), Qt::NoButton,
                             Qt::LeftButton, {});
            QApplication::sendEvent(dial, &move);
        }
        QTest::mouseRelease(dial, Qt::LeftButton, {}, at(path.last()));
        QTEST(dial->value(), "value");
        QCOMPARE(zarOptionsWidget::options().transmitterPower, quint8(dial->value()));
        QVERIFY(!dial->isSliderDown());
        QTest::mouseClick(dial, Qt::LeftButton, {}, at(90));
        QCOMPARE(dial->value(), 50);
    }

    // A finger run past the low end up to the top holds 0 %; a second button pressed there
    // (the dial takes no such press) keeps that hold for the rest of the drag.
    void secondButtonKeepsTheHeldEnd()
    {
        zarOptionsWidget page;
        QDial* dial = page.transmitterDial;
        dial->resize(200, 200);
        const auto at = [dial](int degrees) { return onDial(dial, degrees); };
        QTest::mousePress(dial, Qt::LeftButton, {}, at(240));
        const auto send = [dial, &at](QEvent::Type type, int degrees, Qt::MouseButton button, Qt::MouseButtons held) {
            QMouseEvent event(type, at(degrees), dial->mapToGlobal(at(degrees)), button, held, {});
            QApplication::sendEvent(dial, &event);
        };
        for (int degrees : { 265, 330, 30, 90 })
            send(QEvent::MouseMove, degrees, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonPress, 90, Qt::RightButton, Qt::LeftButton | Qt::RightButton);
        send(QEvent::MouseMove, 60, Qt::NoButton, Qt::LeftButton | Qt::RightButton);
        QCOMPARE(dial->value(), 0);
    }

    void pauseSelectorCanBeDisabled()
    {
        zarOptionsWidget page;
        zarOptionsWidget::setPauseDurationDisabled(true);
        QVERIFY(!page.pauseDurationComboBox->isEnabled());
        zarOptionsWidget::setPauseDurationDisabled(false);
        QVERIFY(page.pauseDurationComboBox->isEnabled());
    }

    // What was saved is what the next page shows; the pulse is stored by its index.
    void settingsSurviveARestart()
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
        QCOMPARE(QSettings(settingsScope, QStringLiteral("zarOptionsWidget")).value(QStringLiteral("pulseDurationComboBox")).toInt(), 5);
        zarOptionsWidget page;
        QCOMPARE(page.transmitterDial->value(), 70);
        QCOMPARE(page.pulseDurationComboBox->currentText(), QStringLiteral("500"));
        QCOMPARE(page.pauseDurationComboBox->currentText(), QStringLiteral("120"));
        QCOMPARE(page.deviationComboBox->currentText(), QStringLiteral("5.00"));
        QCOMPARE(page.minStackingSlider->value(), 9);
        QCOMPARE(page.maxStackingSlider->value(), 12);
    }
};

ZAR_TEST_MAIN(TestOptionsWidget)
#include "test_optionswidget.moc"
