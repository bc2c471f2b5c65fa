#include "zartestsupport.h"

#include "templates/zartemplateplot.h"

#include <qwt_series_data.h>
#include <qwt_symbol.h>

#include <QSignalSpy>

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
        return static_cast<const QwtPointSeriesData*>(plot.curve(spacing)->data())->samples();
    }

private slots:
    void markerBySpacing_data()
    {
        QTest::addColumn<int>("spacing");
        QTest::addColumn<int>("style");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("3 blue circles") << 3 << int(QwtSymbol::Ellipse) << QColor(Qt::blue);
        QTest::newRow("29 as 1: green diamonds") << 29 << int(QwtSymbol::Diamond) << QColor(Qt::green);
    }

    void markerBySpacing()
    {
        QFETCH(int, spacing);
        QFETCH(int, style);
        QFETCH(QColor, colour);
        zarTemplatePlot plot;
        QCOMPARE(int(plot.curve(spacing)->symbol()->style()), style);
        QCOMPARE(plot.curve(spacing)->symbol()->brush().color(), colour);
        // Markers alone: no line joins quadripoles that lie apart.
        QCOMPARE(plot.curve(spacing)->style(), QwtPlotCurve::NoCurve);
    }

    // A clear empties every spacing and forgets their quadripoles.
    void clearEmptiesEverySpacing()
    {
        zarTemplatePlot plot;
        plot.onPlotUpdate(0, { at(1, 2) }, false);
        plot.onPlotUpdate(13, { at(5, 6) }, false);
        plot.onPlotUpdate(29, { at(3, 4) }, true);
        QCOMPARE(plot.quadripoles(13).size(), 1);
        plot.onPlotClear(false);
        for (int s = 0; s < 30; ++s)
            QVERIFY2(samples(plot, s).isEmpty(), qPrintable(QStringLiteral("spacing %1").arg(s)));
        QCOMPARE(plot.quadripoleLists(), 0);
    }

    // Grounding is kept; a touch on the plot picks nothing.
    void groundingKeptPickInert()
    {
        zarTemplatePlot plot;
        QSignalSpy picks(&plot, &zarTemplatePlot::sendQuadripoleSelect);
        plot.onPlotUpdate(0, { at(10, 2) }, true);
        plot.setGroundingData({ 3, 40 });
        plot.setGroundingMode();
        QVERIFY(plot.isGroundingMode());
        QCOMPARE(plot.groundingData(), QSet<quint16>({ 3, 40 }));
        plot.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plot));
        plot.updateLayout();
        const QPoint marker(qRound(plot.canvasMap(QwtPlot::xTop).transform(10)),
                            qRound(plot.canvasMap(QwtPlot::yLeft).transform(2)));
        QTest::mouseClick(plot.canvas(), Qt::LeftButton, {}, marker);
        QTest::mouseClick(plot.canvas(), Qt::LeftButton, {}, plot.canvas()->rect().center());
        QCOMPARE(picks.count(), 0);
        QCOMPARE(plot.pick().dataSize(), size_t(0));
    }

    // An update replaces the markers of one spacing (above 29: the last); a clear removes all.
    void updateAndClear()
    {
        zarTemplatePlot plot;
        plot.onPlotUpdate(2, { at(1, 2), at(3, 4) }, false);
        plot.onPlotUpdate(4, { at(5, 6) }, false);
        plot.onPlotUpdate(200, { at(7, 8) }, false);
        plot.onPlotUpdate(2, { at(9, 9) }, false);
        QCOMPARE(samples(plot, 2), QVector<QPointF>({ { 9, 9 } }));
        QCOMPARE(samples(plot, 4), QVector<QPointF>({ { 5, 6 } }));
        QCOMPARE(samples(plot, 29), QVector<QPointF>({ { 7, 8 } }));
        plot.onPlotClear(false);
        QCOMPARE(samples(plot, 29), QVector<QPointF>());
    }

    // The axes fit the markers at the next replot, not before; depth grows downwards.
    void replotOnlyWhenAsked()
    {
        zarTemplatePlot plot;
        plot.onPlotUpdate(0, { at(0, 1), at(3000, 4000) }, false);
        QVERIFY(plot.axisScaleDiv(QwtPlot::xTop).upperBound() < 3000);
        plot.onPlotUpdate(1, { at(10, 2) }, true);
        QVERIFY(plot.axisScaleDiv(QwtPlot::xTop).upperBound() >= 3000);
        QVERIFY(plot.axisScaleDiv(QwtPlot::yLeft).lowerBound() >= 4000);
    }
};

ZAR_TEST_MAIN(TestTemplatePlot)
#include "test_templateplot.moc"
