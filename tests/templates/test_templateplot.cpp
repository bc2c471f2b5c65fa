#include "zartestsupport.h"

#include "templates/zartemplateplot.h"

#include <qwt_plot_canvas.h>
#include <qwt_scale_engine.h>
#include <qwt_scale_widget.h>
#include <qwt_symbol.h>

// The plot of a template set: one curve of markers per spacing.
class TestTemplatePlot : public QObject
{
    Q_OBJECT

    static zarQuadripole at(float x, float z)
    {
        zarQuadripole q(0, 3, 1, 2);
        q.x = x;
        q.z = z;
        return q;
    }

    static QVector<QPointF> samples(const QwtPlotCurve* curve)
    {
        QVector<QPointF> points;
        for (size_t i = 0; i < curve->dataSize(); ++i)
            points << curve->sample(int(i));
        return points;
    }

private slots:
    void markerLookBySpacing_data()
    {
        QTest::addColumn<int>("spacing");
        QTest::addColumn<int>("style");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("spacing 0") << 0 << int(QwtSymbol::Rect) << QColor(Qt::red);
        QTest::newRow("spacing 1") << 1 << int(QwtSymbol::Diamond) << QColor(Qt::green);
        QTest::newRow("spacing 2") << 2 << int(QwtSymbol::DTriangle) << QColor(Qt::magenta);
        QTest::newRow("spacing 3") << 3 << int(QwtSymbol::Ellipse) << QColor(Qt::blue);
        QTest::newRow("spacing 29") << 29 << int(QwtSymbol::Diamond) << QColor(Qt::green);
    }

    void markerLookBySpacing()
    {
        QFETCH(int, spacing);
        QFETCH(int, style);
        QFETCH(QColor, colour);
        zarTemplatePlot plot;
        const QwtPlotCurve* curve = plot.curve(spacing);
        QVERIFY(curve);
        QCOMPARE(int(curve->symbol()->style()), style);
        QCOMPARE(curve->symbol()->brush().color(), colour);
        QCOMPARE(curve->symbol()->size(), QSize(6, 6));
        QCOMPARE(curve->style(), QwtPlotCurve::NoCurve);
        QCOMPARE(curve->xAxis(), int(QwtPlot::xTop));
    }

    // Thirty curves, each with a symbol of its own, over the grid and under the pick.
    void itemsAndAxes()
    {
        zarTemplatePlot plot;
        const QwtPlotItemList items = plot.itemList();
        QCOMPARE(items.size(), 1 + 30 + 1);
        QCOMPARE(items.first()->rtti(), int(QwtPlotItem::Rtti_PlotGrid));
        QCOMPARE(items.last(), static_cast<const QwtPlotItem*>(&plot.pick()));
        QSet<const QwtSymbol*> symbols;
        for (int s = 0; s < 30; ++s)
            symbols.insert(plot.curve(s)->symbol());
        QCOMPARE(symbols.size(), 30);
        QVERIFY(!plot.curve(30));
        QCOMPARE(plot.quadripoleLists(), 30);

        QVERIFY(plot.axisEnabled(QwtPlot::xTop) && plot.axisEnabled(QwtPlot::yLeft));
        QVERIFY(!plot.axisEnabled(QwtPlot::xBottom) && !plot.axisEnabled(QwtPlot::yRight));
        QVERIFY(plot.axisScaleEngine(QwtPlot::yLeft)->testAttribute(QwtScaleEngine::Inverted));
        QVERIFY(!plot.axisScaleEngine(QwtPlot::xTop)->testAttribute(QwtScaleEngine::Inverted));
        QVERIFY(plot.axisAutoScale(QwtPlot::xTop) && plot.axisAutoScale(QwtPlot::yLeft));
        QCOMPARE(plot.axisMaxMajor(QwtPlot::xTop), 20);
        QCOMPARE(plot.axisMaxMajor(QwtPlot::yLeft), 12);
        QVERIFY(!plot.autoReplot());
        QCOMPARE(qobject_cast<QwtPlotCanvas*>(plot.canvas())->lineWidth(), 1);
        QCOMPARE(plot.canvas()->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(plot.pick().symbol()->size(), QSize(15, 15));
        QCOMPARE(plot.pick().dataSize(), size_t(0));
    }

    // An update fills one spacing only; a number above 29 lands on the last curve.
    void updateFillsOneSpacing()
    {
        zarTemplatePlot plot;
        plot.onPlotUpdate(2, { at(1, 2), at(3, 4) }, false);
        plot.onPlotUpdate(4, { at(5, 6) }, false);
        QCOMPARE(samples(plot.curve(2)), QVector<QPointF>({ QPointF(1, 2), QPointF(3, 4) }));
        QCOMPARE(samples(plot.curve(4)), QVector<QPointF>({ QPointF(5, 6) }));
        QCOMPARE(plot.quadripoles(2).size(), 2);

        plot.onPlotUpdate(200, { at(7, 8) }, false);
        QCOMPARE(samples(plot.curve(29)), QVector<QPointF>({ QPointF(7, 8) }));
        QCOMPARE(plot.quadripoles(29).size(), 1);
        QCOMPARE(plot.quadripoleLists(), 30);

        plot.onPlotUpdate(2, {}, false);
        QCOMPARE(plot.curve(2)->dataSize(), size_t(0));
        QCOMPARE(samples(plot.curve(4)), QVector<QPointF>({ QPointF(5, 6) }));
    }

    void clearEmptiesEverySpacing()
    {
        zarTemplatePlot plot;
        plot.onPlotUpdate(0, { at(1, 2) }, false);
        plot.onPlotUpdate(29, { at(3, 4) }, true);
        plot.onPlotClear(false);
        for (int s = 0; s < 30; ++s)
            QCOMPARE(plot.curve(s)->dataSize(), size_t(0));
        QCOMPARE(plot.quadripoleLists(), 0);
    }

    // The axes follow the markers only when a replot is asked for.
    void replotOnlyWhenAsked()
    {
        zarTemplatePlot plot;
        plot.resize(400, 300);
        plot.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plot));
        plot.onPlotUpdate(0, { at(0, 1), at(3000, 4000) }, false);
        QVERIFY(plot.axisScaleDiv(QwtPlot::xTop).upperBound() < 3000);
        plot.onPlotUpdate(1, { at(10, 2) }, true);
        QVERIFY(plot.axisScaleDiv(QwtPlot::xTop).upperBound() >= 3000);
        // Depth grows downwards: the inverted scale starts at its largest value.
        QVERIFY(plot.axisScaleDiv(QwtPlot::yLeft).lowerBound() >= 4000);
        QVERIFY(plot.axisScaleDiv(QwtPlot::yLeft).upperBound() <= 1);
    }

    // Grounding is remembered, picking stays inert.
    void groundingAndPickAreInert()
    {
        zarTemplatePlot plot;
        QSignalSpy picks(&plot, &zarTemplatePlot::sendQuadripoleSelect);
        plot.setGroundingData({ 3, 40 });
        plot.setGroundingMode();
        QVERIFY(plot.isGroundingMode());
        QCOMPARE(plot.groundingData(), QSet<quint16>({ 3, 40 }));
        plot.resize(300, 200);
        plot.show();
        QTest::mouseClick(plot.canvas(), Qt::LeftButton, {}, QPoint(100, 100));
        QTest::mouseClick(&plot, Qt::LeftButton, {}, QPoint(150, 100));
        QCOMPARE(picks.count(), 0);
        plot.onMenu01();
        QCOMPARE(picks.count(), 1);
    }
};

ZAR_TEST_MAIN(TestTemplatePlot)
#include "test_templateplot.moc"
