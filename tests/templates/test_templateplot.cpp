#include "zartestsupport.h"

#include "templates/zartemplateplot.h"

#include <qwt_scale_engine.h>
#include <qwt_symbol.h>

// The plot of a template set: one curve of markers per spacing.
class TestTemplatePlot : public QObject
{
    Q_OBJECT

    static zarQuadripole at(float x, float z)
    {
        zarQuadripole q;
        q.x = x;
        q.z = z;
        return q;
    }

    static QVector<QPointF> samples(const zarTemplatePlot& plot, int spacing)
    {
        QVector<QPointF> points;
        for (size_t i = 0; i < plot.curve(spacing)->dataSize(); ++i)
            points << plot.curve(spacing)->sample(int(i));
        return points;
    }

private slots:
    void markerBySpacing_data()
    {
        QTest::addColumn<int>("spacing");
        QTest::addColumn<int>("style");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("0 red squares") << 0 << int(QwtSymbol::Rect) << QColor(Qt::red);
        QTest::newRow("1 green diamonds") << 1 << int(QwtSymbol::Diamond) << QColor(Qt::green);
        QTest::newRow("2 magenta triangles") << 2 << int(QwtSymbol::DTriangle) << QColor(Qt::magenta);
        QTest::newRow("3 blue circles") << 3 << int(QwtSymbol::Ellipse) << QColor(Qt::blue);
        QTest::newRow("29 as 1") << 29 << int(QwtSymbol::Diamond) << QColor(Qt::green);
    }

    void markerBySpacing()
    {
        QFETCH(int, spacing);
        QFETCH(int, style);
        QFETCH(QColor, colour);
        zarTemplatePlot plot;
        const QwtPlotCurve* curve = plot.curve(spacing);
        QCOMPARE(int(curve->symbol()->style()), style);
        QCOMPARE(curve->symbol()->brush().color(), colour);
        QVERIFY(curve->style() == QwtPlotCurve::NoCurve && curve->xAxis() == QwtPlot::xTop);
    }

    // The grid below thirty curves, each with a symbol of its own, then the pick;
    // depth grows downwards from the top axis.
    void itemsAndAxes()
    {
        zarTemplatePlot plot;
        const QwtPlotItemList items = plot.itemList();
        QCOMPARE(items.size(), 32);
        QCOMPARE(items.first()->rtti(), int(QwtPlotItem::Rtti_PlotGrid));
        QCOMPARE(items.last(), static_cast<const QwtPlotItem*>(&plot.pick()));
        QSet<const QwtSymbol*> symbols;
        for (int s = 0; s < 30; ++s)
            symbols.insert(plot.curve(s)->symbol());
        QCOMPARE(symbols.size(), 30);
        QVERIFY(plot.axisEnabled(QwtPlot::xTop) && !plot.axisEnabled(QwtPlot::xBottom));
        QVERIFY(plot.axisScaleEngine(QwtPlot::yLeft)->testAttribute(QwtScaleEngine::Inverted));
    }

    // An update replaces one spacing; a number above 29 lands on the last curve.
    void updateReplacesOneSpacing()
    {
        zarTemplatePlot plot;
        plot.onPlotUpdate(2, { at(1, 2), at(3, 4) }, false);
        plot.onPlotUpdate(4, { at(5, 6) }, false);
        plot.onPlotUpdate(200, { at(7, 8) }, false);
        QCOMPARE(samples(plot, 2), QVector<QPointF>({ QPointF(1, 2), QPointF(3, 4) }));
        QCOMPARE(samples(plot, 29), QVector<QPointF>({ QPointF(7, 8) }));
        QVERIFY(plot.quadripoles(2).size() == 2 && plot.quadripoles(29).size() == 1);
        plot.onPlotUpdate(2, {}, false);
        QVERIFY(samples(plot, 2).isEmpty() && samples(plot, 4).size() == 1);
    }

    void clearEmptiesEverySpacing()
    {
        zarTemplatePlot plot;
        plot.onPlotUpdate(0, { at(1, 2) }, false);
        plot.onPlotUpdate(29, { at(3, 4) }, true);
        plot.onPlotClear(false);
        for (int s = 0; s < 30; ++s)
            QVERIFY(samples(plot, s).isEmpty());
        QCOMPARE(plot.quadripoleLists(), 0);
    }

    // The axes fit the markers at the next replot, not before.
    void replotOnlyWhenAsked()
    {
        zarTemplatePlot plot;
        plot.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plot));
        plot.onPlotUpdate(0, { at(0, 1), at(3000, 4000) }, false);
        QVERIFY(plot.axisScaleDiv(QwtPlot::xTop).upperBound() < 3000);
        plot.onPlotUpdate(1, { at(10, 2) }, true);
        QVERIFY(plot.axisScaleDiv(QwtPlot::xTop).upperBound() >= 3000);
        // Inverted: the depth scale runs from its largest value down to 0.
        QVERIFY(plot.axisScaleDiv(QwtPlot::yLeft).lowerBound() >= 4000);
    }

    // Grounding is kept; a touch on the plot picks nothing.
    void groundingKeptPickInert()
    {
        zarTemplatePlot plot;
        QSignalSpy picks(&plot, &zarTemplatePlot::sendQuadripoleSelect);
        plot.setGroundingData({ 3, 40 });
        plot.setGroundingMode();
        QVERIFY(plot.isGroundingMode() && plot.groundingData() == QSet<quint16>({ 3, 40 }));
        plot.show();
        QTest::mouseClick(plot.canvas(), Qt::LeftButton, {}, plot.canvas()->rect().center());
        QCOMPARE(picks.count(), 0);
    }
};

ZAR_TEST_MAIN(TestTemplatePlot)
#include "test_templateplot.moc"
