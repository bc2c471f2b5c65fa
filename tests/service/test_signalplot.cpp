#include "zarsignalcurves.h"
#include "zartestsupport.h"

#include <qwt_scale_div.h>

using Points = QVector<QPointF>;

// The signal plot: which series feeds which curve, how each is drawn, and the two
// connectors along the zero line.
class TestSignalPlot : public QObject
{
    Q_OBJECT

private slots:
    void curvesInDrawingOrder_data()
    {
        QTest::addColumn<int>("curve");
        QTest::addColumn<int>("series");  // 0: a connector or the origin
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("dotted");
        QTest::addColumn<bool>("sticks");
        QTest::addColumn<bool>("fitted");
        const QColor red(Qt::red), blue(Qt::blue);
        QTest::newRow("1 first samples") << 1 << 1 << red << 1 << false << true << false;
        QTest::newRow("2 first pulse") << 2 << 2 << red << 2 << false << false << false;
        QTest::newRow("3 first pause samples") << 3 << 3 << blue << 1 << false << true << false;
        QTest::newRow("4 first pause") << 4 << 4 << blue << 2 << false << false << true;
        QTest::newRow("5 first connector") << 5 << 0 << red << 2 << true << false << false;
        QTest::newRow("6 second samples") << 6 << 5 << red << 1 << false << true << false;
        QTest::newRow("7 second pulse") << 7 << 6 << red << 2 << false << false << false;
        QTest::newRow("8 second pause samples") << 8 << 7 << blue << 1 << false << true << false;
        QTest::newRow("9 second pause") << 9 << 8 << blue << 2 << false << false << true;
        QTest::newRow("10 second connector") << 10 << 0 << red << 2 << true << false << false;
    }
    void curvesInDrawingOrder()
    {
        QFETCH(int, curve);
        QFETCH(int, series);
        zarSignalPlot plot;
        QVector<Points> s;
        for (int i = 1; i <= 8; ++i)
            s.append(Points({ QPointF(i, 10 * i) }));
        plot.setReport(s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7]);
        const QwtPlotCurve* item = signalCurve(plot, curve);
        QVERIFY(item);
        if (series > 0)
            QCOMPARE(signalSamples(plot, curve), s[series - 1]);
        QTEST(item->pen().color(), "colour");
        QTEST(item->pen().width(), "width");
        QTEST(item->pen().style() == Qt::DotLine, "dotted");
        QTEST(item->style() == QwtPlotCurve::Sticks, "sticks");
        QTEST(item->testCurveAttribute(QwtPlotCurve::Fitted), "fitted");
        QCOMPARE(item->testRenderHint(QwtPlotItem::RenderAntialiased), item->pen().width() == 2);
    }

    void connectorsJoinAlongTheZeroLine_data()
    {
        QTest::addColumn<Points>("first");
        QTest::addColumn<Points>("second");
        QTest::addColumn<Points>("firstConnector");
        QTest::addColumn<Points>("secondConnector");
        QTest::newRow("both empty") << Points() << Points() << Points() << Points();
        QTest::newRow("first only") << Points({ QPointF(0, 1), QPointF(80, 3) }) << Points()
                                    << Points({ QPointF(80, 3), QPointF(80, 0) }) << Points();
        QTest::newRow("second only") << Points() << Points({ QPointF(100, -1), QPointF(180, -3) }) << Points()
                                     << Points({ QPointF(180, -3), QPointF(180, 0) });
        QTest::newRow("one point each") << Points({ QPointF(25, 2) }) << Points({ QPointF(125, -2) })
                                        << Points({ QPointF(25, 2), QPointF(25, 0), QPointF(125, -2) })
                                        << Points({ QPointF(125, -2), QPointF(125, 0), QPointF(225, 0) });
    }
    void connectorsJoinAlongTheZeroLine()
    {
        QFETCH(Points, first);
        QFETCH(Points, second);
        zarSignalPlot plot;
        plot.setReport({}, first, {}, {}, {}, second, {}, {});
        QTEST(signalSamples(plot, 5), "firstConnector");
        QTEST(signalSamples(plot, 10), "secondConnector");
    }

    void scalesAlwaysHoldTheOrigin()
    {
        zarSignalPlot plot;
        plot.setReport(Points({ QPointF(25, -5), QPointF(45, -7) }), {}, {}, {}, {}, {}, {}, {});
        QCOMPARE(signalSamples(plot, 11), Points({ QPointF(0, 0) }));
        QVERIFY(plot.axisScaleDiv(QwtPlot::yLeft).upperBound() >= 0.0);
        QVERIFY(plot.axisScaleDiv(QwtPlot::yLeft).lowerBound() <= -7.0);
    }
};

ZAR_TEST_MAIN(TestSignalPlot)
#include "test_signalplot.moc"
