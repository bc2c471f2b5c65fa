#include "zartestsupport.h"

#include "core/zarcore.h"
#include "service/zarsignalwidget.h"

using Points = QVector<QPointF>;
using Values = QVector<float>;

// The points of curve n (1 to 11) of a signal plot, found by its attach position:
// the plot attaches them in the order 5, 10, 1, 3, 2, 4, 6, 8, 7, 9, 11.
static Points samples(const zarSignalPlot& plot, int number)
{
    static const QVector<int> attachOrder = { 5, 10, 1, 3, 2, 4, 6, 8, 7, 9, 11 };
    const auto* curve = static_cast<const QwtPlotCurve*>(
        plot.itemList(QwtPlotItem::Rtti_PlotCurve).value(attachOrder.indexOf(number)));
    Points points;
    for (size_t i = 0; curve && i < curve->dataSize(); ++i)
        points.append(curve->sample(int(i)));
    return points;
}

// The signal view and its plots: from a signal report to the points of the curves.
class TestSignalWidget : public QObject
{
    Q_OBJECT

    static zarCoreReportSignal report(quint16 pulseCode, bool ip, quint16 pauseCode)
    {
        zarCoreReportSignal r;
        r.settings.pulseCode = pulseCode;
        r.settings.ip = ip;
        r.settings.pauseCode = pauseCode;
        return r;
    }
    static const zarSignalPlot& plot(const zarSignalWidget& view, const char* frame)
    {
        return *view.findChild<QFrame*>(QLatin1String(frame))->findChild<zarSignalPlot*>();
    }

private slots:
    void connectorsJoinAlongTheZeroLine_data()
    {
        QTest::addColumn<Points>("first");
        QTest::addColumn<Points>("second");
        QTest::addColumn<Points>("firstConnector");
        QTest::addColumn<Points>("secondConnector");
        QTest::newRow("first only") << Points({ { 0, 1 }, { 80, 3 } }) << Points() << Points({ { 80, 3 }, { 80, 0 } }) << Points();
        QTest::newRow("second only") << Points() << Points({ { 100, -1 }, { 180, -3 } }) << Points() << Points({ { 180, -3 }, { 180, 0 } });
        QTest::newRow("one point each") << Points({ { 25, 2 } }) << Points({ { 125, -2 } })
            << Points({ { 25, 2 }, { 25, 0 }, { 125, -2 } }) << Points({ { 125, -2 }, { 125, 0 }, { 225, 0 } });
    }
    void connectorsJoinAlongTheZeroLine()
    {
        QFETCH(Points, first);
        QFETCH(Points, second);
        zarSignalPlot plot;
        plot.setReport({}, first, {}, {}, {}, second, {}, {});
        QTEST(samples(plot, 5), "firstConnector");
        QTEST(samples(plot, 10), "secondConnector");
    }

    // Pulse P = 40 + 20 x pulse code ms, pause 40 + 20 x pause code ms (or a 20 ms gap
    // without pause); the negative half mirrors the positive one with negated values.
    void reportBecomesCurves_data()
    {
        QTest::addColumn<quint16>("pulseCode");
        QTest::addColumn<bool>("ip");
        QTest::addColumn<quint16>("pauseCode");
        QTest::addColumn<Values>("pulse");
        QTest::addColumn<Values>("pause");
        QTest::addColumn<Points>("pulseCurve");
        QTest::addColumn<Points>("pauseCurve");
        QTest::addColumn<Points>("negativePulseCurve");
        QTest::addColumn<Points>("negativePauseSamples");
        const Points rising({ { 0, 0 }, { 0, 1 }, { 25, 1 }, { 45, 2 }, { 65, 4 }, { 80, 5.5 } });
        QTest::newRow("pulse code 2 without pause")
            << quint16(2) << false << quint16(3) << Values({ 1, 2, 4 }) << Values({ 9 }) << rising << Points()
            << Points({ { 100, 0 }, { 100, -1 }, { 125, -1 }, { 145, -2 }, { 165, -4 }, { 180, -5.5 } }) << Points();
        QTest::newRow("pause code 2 extends the pause line both ways")
            << quint16(2) << true << quint16(2) << Values({ 1, 2, 4 }) << Values({ 4, 2 }) << rising
            << Points({ { 100, 5 }, { 110, 4 }, { 130, 2 }, { 140, 1 } })
            << Points({ { 160, 0 }, { 160, -1 }, { 185, -1 }, { 205, -2 }, { 225, -4 }, { 240, -5.5 } })
            << Points({ { 270, -4 }, { 290, -2 } });
        const Points flat({ { 0, 0 }, { 0, 3 }, { 25, 3 }, { 40, 3 } });
        QTest::newRow("short series drawn with what they hold") << quint16(2) << true << quint16(2) << Values({ 3 })
            << Values() << flat << Points() << Points({ { 160, 0 }, { 160, -3 }, { 185, -3 }, { 200, -3 } }) << Points();
    }
    void reportBecomesCurves()
    {
        QFETCH(quint16, pulseCode);
        QFETCH(bool, ip);
        QFETCH(quint16, pauseCode);
        QFETCH(Values, pulse);
        QFETCH(Values, pause);
        zarCoreReportSignal r = report(pulseCode, ip, pauseCode);
        r.rxVoltagePositivePulse = pulse;
        r.rxVoltagePositivePause = pause;
        for (float x : pulse)
            r.rxVoltageNegativePulse.append(-x);
        for (float x : pause)
            r.rxVoltageNegativePause.append(-x);
        zarSignalWidget view;
        view.onReportSignal(r);
        const zarSignalPlot& rx = plot(view, "rxVoltageFrame");
        QTEST(samples(rx, 2), "pulseCurve");
        QTEST(samples(rx, 4), "pauseCurve");
        QTEST(samples(rx, 7), "negativePulseCurve");
        QTEST(samples(rx, 8), "negativePauseSamples");
        QCOMPARE(samples(rx, 3).size(), samples(rx, 8).size());
        QCOMPARE(samples(rx, 9).size(), samples(rx, 4).size());
    }

    // Output voltage in V (from mV), current in mA, input voltage in mV.
    void eachQuantityGoesToItsPlot()
    {
        zarCoreReportSignal r = report(0, false, 0);
        r.txVoltagePositivePulse = { 2500 };
        r.txCurrentPositivePulse = { 30 };
        r.rxVoltagePositivePulse = { 4 };
        r.txVoltageNegativePulse = { -1500 };
        zarSignalWidget view;
        view.onReportSignal(r);
        QCOMPARE(samples(plot(view, "txVoltageFrame"), 1).value(0).y(), 2.5);
        QCOMPARE(samples(plot(view, "txVoltageFrame"), 6).value(0).y(), -1.5);
        QCOMPARE(samples(plot(view, "txCurrentFrame"), 1).value(0).y(), 30.0);
        QCOMPARE(samples(plot(view, "rxVoltageFrame"), 1).value(0).y(), 4.0);
    }

    // The receiver channel is the low four bits of M, remote receiver included.
    void jobTakesTheChannelOfM()
    {
        QCOMPARE(int(zarSignalWidget::coreQuadripole(zarQuadripole(-1, 4, 17, 6)).channel), 1);
        QCOMPARE(int(zarSignalWidget::coreQuadripole(zarQuadripole(-1, 4, -2, 6)).channel), 14);
    }
};

ZAR_TEST_MAIN(TestSignalWidget)
#include "test_signalwidget.moc"
