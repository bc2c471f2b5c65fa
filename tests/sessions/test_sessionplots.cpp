// The session plots: the logarithmic colour map, the item that paints one cell per
// point, the sounding-curve and pseudo-section plots, and picking a measurement.
#include "zardialoganswer.h"
#include "zartestsupport.h"

#include "sessions/qwtplotsectionrect.h"
#include "sessions/zarlogcolormap.h"
#include "sessions/zarpseudosectionplot.h"
#include "sessions/zarsoundingcurveplot.h"

#include <qwt_scale_map.h>
#include <qwt_scale_widget.h>

#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <cmath>
#include <limits>
#include <memory>

typedef QVector<QPointF> Points;
typedef QVector<quint32> Rows;
typedef QVector<float> Values;
typedef QVector<double> Positions;
Q_DECLARE_METATYPE(Values)
Q_DECLARE_METATYPE(Positions)

namespace {

const double inf = std::numeric_limits<double>::infinity();
const double notANumber = std::numeric_limits<double>::quiet_NaN();
const QRgb blank = qRgb(255, 255, 255);
const QRgb lowest = qRgb(0, 0, 128);

struct CountingItem : QwtPlotSectionRect
{
    void itemChanged() override { ++changes; }
    int changes = 0;
};

struct WatchedMap : QwtLinearColorMap
{
    explicit WatchedMap(bool* deleted) : deleted(deleted) {}
    ~WatchedMap() override { *deleted = true; }
    bool* deleted;
};

// The thirteen inner stops of a map.
Positions inner(const zarLogColorMap& map)
{
    const QVector<double> stops = map.colorStops();
    return stops.mid(1, stops.size() - 2);
}

// Draws 10 x 6 cells on a white 100 x 100 image whose pixels are the plot coordinates.
QImage draw(const QVector<QwtPoint3D>& points, const QwtInterval& range, int from = 0, int to = -1, bool clip = true,
            float width = 10)
{
    QwtPlotSectionRect item;
    item.setColorMap(new zarLogColorMap(10, 1000));
    item.setColorRange(range);
    item.setPaintAttribute(QwtPlotSectionRect::ClipRects, clip);
    item.setRectWidth(width);
    item.setRectHeight(6);
    item.setSamples(points);
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(blank);
    QwtScaleMap map;
    map.setPaintInterval(0, 100);
    map.setScaleInterval(0, 100);
    QPainter painter(&image);
    item.drawSeries(&painter, map, map, QRectF(0, 0, 100, 100), from, to);
    return image;
}

void show(QwtPlot& plot)
{
    plot.resize(800, 480);
    plot.show();
    QVERIFY(QTest::qWaitForWindowExposed(&plot));
}

QPointF bounds(const QwtPlot& plot, int axis)
{
    return QPointF(plot.axisScaleDiv(axis).lowerBound(), plot.axisScaleDiv(axis).upperBound());
}

QPointF onCanvas(QwtPlot& plot, const QPointF& point)
{
    plot.updateLayout();
    return QPointF(plot.canvasMap(QwtPlot::xTop).transform(point.x()), plot.canvasMap(QwtPlot::yLeft).transform(point.y()));
}

void choose(QMenu* menu, int action)
{
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions().at(action)).center());
}

// Markers for the rows 40, 41 and 42; the middle one at (30, 4).
std::unique_ptr<zarPseudoSectionPlot> sectionPlot()
{
    auto plot = std::make_unique<zarPseudoSectionPlot>();
    plot->onPlotUpdate(Points { { 10, 2 }, { 30, 4 }, { 50, 6 } }, Values { 50, 100, 400 }, Rows { 40, 41, 42 });
    return plot;
}

} // namespace

class TestSessionPlots : public QObject
{
    Q_OBJECT

    // Taps the canvas dx pixels right of a point, as a finger would: the release reaches
    // the plot through its canvas. Runs answer on the pick menu; true if one opened.
    static bool tap(zarPickPlot& plot, const QPointF& point, double dx, std::function<void(QMenu*)> answer)
    {
        bool menuShown = false;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                timer.stop();
                menuShown = plot.pickCurve.dataSize() == 1;
                answer(menu);
            }
        });
        timer.start(10);
        const QPointF at = onCanvas(plot, point);
        QTest::mouseClick(plot.canvas(), Qt::LeftButton, {}, QPoint(int(std::ceil(at.x() + dx)), qRound(at.y())));
        return menuShown;
    }

private slots:
    void colourStops_data()
    {
        QTest::addColumn<float>("min");
        QTest::addColumn<float>("max");
        QTest::addColumn<Positions>("expected");
        const Positions decades { 0.00393, 0.0094, 0.017, 0.02755, 0.04222, 0.06259, 0.09091,
                                  0.13025, 0.18492, 0.26088, 0.36642, 0.51308, 0.71685 };
        const Positions fromZero { 0.00064, 0.00168, 0.0034, 0.0062, 0.0108, 0.01833, 0.03065,
                                   0.05085, 0.08392, 0.13809, 0.22681, 0.37213, 0.61015 };
        QTest::newRow("1 to 100") << 1.0f << 100.0f << decades;
        QTest::newRow("0 to 1 taken from 0.001") << 0.0f << 1.0f << fromZero;
        QTest::newRow("negative lower bound") << -5.0f << 1.0f << fromZero;
        QTest::newRow("equal bounds") << 7.0f << 7.0f << Positions();
        QTest::newRow("reversed bounds") << 100.0f << 1.0f << Positions();
    }
    // Stops at equal steps of the logarithm, as fractions of the linear range.
    void colourStops()
    {
        QFETCH(float, min);
        QFETCH(float, max);
        QFETCH(Positions, expected);
        const Positions found = inner(zarLogColorMap(min, max));
        QCOMPARE(found.size(), expected.size());
        for (int k = 0; k < found.size(); ++k)
            QVERIFY2(std::fabs(found[k] - expected[k]) < 0.000051, qPrintable(QStringLiteral("stop %1").arg(k + 1)));
    }

    void cellColour_data()
    {
        QTest::addColumn<double>("z");
        QTest::addColumn<QwtInterval>("range");
        QTest::addColumn<float>("width");
        QTest::addColumn<QRgb>("colour");
        const QwtInterval range(10, 1000);
        QTest::newRow("below the range") << 5.0 << range << 10.0f << lowest;
        QTest::newRow("above the range") << 2000.0 << range << 10.0f << qRgb(96, 0, 96);
        QTest::newRow("zero-width range") << 10.0 << QwtInterval(10, 10) << 10.0f << lowest;
        QTest::newRow("not a number is opaque black") << notANumber << range << 10.0f << qRgb(0, 0, 0);
        QTest::newRow("reversed range draws nothing") << 50.0 << QwtInterval(1000, 10) << 10.0f << blank;
        QTest::newRow("size not a number draws nothing") << 50.0 << range << float(notANumber) << blank;
    }
    // A cell centred on (50, 50): its colour inside, nothing beyond its edge.
    void cellColour()
    {
        QFETCH(double, z);
        QFETCH(QwtInterval, range);
        QFETCH(float, width);
        const QImage image = draw({ QwtPoint3D(50, 50, z) }, range, 0, -1, true, width);
        QTEST(image.pixel(50, 50), "colour");
        QCOMPARE(image.pixel(57, 50), blank);
        QCOMPARE(image.pixel(50, 55), blank);
    }

    void clipping_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<bool>("clip");
        QTest::addColumn<QRgb>("edge");
        QTest::newRow("centre one pixel outside") << -1.0 << true << blank;
        QTest::newRow("centre inside, cut at the edge") << 1.0 << true << lowest;
        QTest::newRow("outside without clipping") << -1.0 << false << lowest;
    }
    void clipping()
    {
        QFETCH(double, x);
        QFETCH(bool, clip);
        QTEST(draw({ QwtPoint3D(x, 50, 10) }, QwtInterval(10, 1000), 0, -1, clip).pixel(0, 50), "edge");
    }

    void indexRange_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QList<int>>("drawn");
        QTest::newRow("whole series") << 0 << -1 << QList<int> { 0, 1, 2 };
        QTest::newRow("from above to") << 2 << 1 << QList<int>();
        QTest::newRow("negative from") << -4 << 0 << QList<int> { 0 };
    }
    void indexRange()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        const QImage image = draw({ { 20, 50, 1 }, { 50, 50, 1 }, { 80, 50, 1 } }, QwtInterval(0, 1000), from, to);
        QList<int> drawn;
        for (int i = 0; i < 3; ++i) {
            if (image.pixel(20 + 30 * i, 50) != blank)
                drawn << i;
        }
        QTEST(drawn, "drawn");
    }

    // Plots find the item by its own type.
    void rtti() { QCOMPARE(QwtPlotSectionRect().rtti(), int(QwtPlotSectionRect::Rtti_PlotSectionRect)); }

    // Unchanged settings request no repaint; a negative size is none.
    void repaintOnlyOnChange()
    {
        CountingItem item;
        item.setRectWidth(-3);
        item.setRectWidth(12);
        item.setRectWidth(12);
        item.setColorRange(QwtInterval(1, 2));
        item.setColorRange(QwtInterval(1, 2));
        QCOMPARE(item.changes, 2);
        item.setRectHeight(-3);
        QCOMPARE(item.rectHeight(), 0.0f);
    }

    // A colour map is owned and freed once, also when set twice.
    void colourMapOwnership()
    {
        bool firstDeleted = false, secondDeleted = false;
        {
            QwtPlotSectionRect item;
            auto* first = new WatchedMap(&firstDeleted);
            item.setColorMap(first);
            item.setColorMap(first);
            QVERIFY(!firstDeleted);
            item.setColorMap(new WatchedMap(&secondDeleted));
            QVERIFY(firstDeleted);
            QVERIFY(!secondDeleted);
        }
        QVERIFY(secondDeleted);
    }

    // A log10 value axis cannot place zero, negative or infinite values; the
    // markers keep their rows and the axis fits what is left.
    void soundingDropsUnplottable()
    {
        zarSoundingCurvePlot plot;
        const Points xy { { 1, 10 }, { 2, 0 }, { 3, -5 }, { 4, notANumber }, { 5, inf }, { notANumber, 30 }, { 6, 100 } };
        plot.onPlotUpdate(xy, Rows { 7, 8, 9, 10, 11, 12, 13 });
        plot.onPlotUpdate(xy);
        QCOMPARE(plot.rowIndexes, Rows({ 7, 13 }));
        QCOMPARE(plot.lineCurve.dataSize(), size_t(2));
        const QPointF value = bounds(plot, QwtPlot::yLeft);
        QVERIFY(value.x() > 0 && value.x() <= 10);
        QVERIFY(value.y() >= 100 && value.y() < 1e4);
        plot.onPlotClear();
        QCOMPARE(bounds(plot, QwtPlot::yLeft), QPointF(1, 1000));
    }

    void pseudoSectionScales_data()
    {
        QTest::addColumn<Points>("xy");
        QTest::addColumn<Values>("f");
        QTest::addColumn<QSizeF>("cell");
        QTest::addColumn<QPointF>("top");
        QTest::addColumn<QPointF>("left");
        QTest::addColumn<QPointF>("bar");
        QTest::newRow("ten spacings by two half spacings") << Points { { 10, 2 }, { 60, 7 }, { 35, 4 } }
            << Values { 30, 300, 120 } << QSizeF(96, 170) << QPointF(7.5, 62.5) << QPointF(8.25, 0.75) << QPointF(30, 300);
        QTest::newRow("one point") << Points { { 20, 3 } } << Values { 55 } << QSizeF(960, 340) << QPointF(17.5, 22.5)
                                   << QPointF(4.25, 1.75) << QPointF(55, 55);
        QTest::newRow("only unplottable values keep the previous cell")
            << Points { { 1, 1 }, { 2, 1 }, { 3, 1 }, { notANumber, 1 } } << Values { 0, -3, float(inf), 10 }
            << QSizeF(960, 340) << QPointF(0, 1) << QPointF(1, 0) << QPointF(0.001, 1);
    }
    // Cells span a cable spacing by half a spacing over 960 x 340; the colour bar
    // spans the values drawn.
    void pseudoSectionScales()
    {
        QFETCH(Points, xy);
        QFETCH(Values, f);
        zarPseudoSectionPlot plot;
        plot.onPlotUpdate(Points { { 0, 0 } }, Values { 1 }, Rows { 0 });
        plot.onPlotUpdate(xy, f, Rows(xy.size(), 1));
        QTEST(QSizeF(plot.sectionRect.rectWidth(), plot.sectionRect.rectHeight()), "cell");
        QTEST(bounds(plot, QwtPlot::xTop), "top");
        QTEST(bounds(plot, QwtPlot::yLeft), "left");
        const QwtInterval colours = plot.axisWidget(QwtPlot::xBottom)->colorBarInterval();
        QTEST(QPointF(colours.minValue(), colours.maxValue()), "bar");
        QCOMPARE(plot.sectionRect.colorRange(), colours);
    }

    // Each cell shows in the colour of its value where it is drawn; an unplottable
    // value leaves neither a cell nor a pickable point.
    void pseudoSectionCells()
    {
        zarPseudoSectionPlot plot;
        show(plot);
        const Points xy { { 10, 2 }, { 35, 4.5 }, { 60, 7 } };
        plot.onPlotUpdate(xy, Values { 10, 0, 1000 }, Rows { 0, 1, 2 });
        QCOMPARE(plot.rowIndexes, Rows({ 0, 2 }));
        const QImage canvas = plot.canvas()->grab().toImage();
        const QColor colours[] = { QColor(lowest), QColor(Qt::white), QColor(96, 0, 96) };
        for (int i = 0; i < 3; ++i)
            QCOMPARE(QColor(canvas.pixel(onCanvas(plot, xy[i]).toPoint())), colours[i]);
    }

    void pick_data()
    {
        QTest::addColumn<double>("dx");
        QTest::addColumn<bool>("menu");
        QTest::newRow("on the marker") << 0.0 << true;
        QTest::newRow("9 pixels away") << 9.0 << true;
        QTest::newRow("10 pixels away") << 10.0 << false;
    }
    // A marker within 10 pixels is picked; "Go to" gives its row.
    void pick()
    {
        QFETCH(double, dx);
        QFETCH(bool, menu);
        const auto plot = sectionPlot();
        show(*plot);
        QSignalSpy selections(plot.get(), &zarPickPlot::sendRowSelection);
        QCOMPARE(tap(*plot, QPointF(30, 4), dx, [](QMenu* m) { choose(m, 0); }), menu);
        QCOMPARE(selections.count(), menu ? 1 : 0);
        if (menu)
            QCOMPARE(selections.first().first().toInt(), 41);
        QCOMPARE(plot->pickCurve.dataSize(), size_t(0));
    }

    // "Delete" asks first and gives the picked marker's row, not its index.
    void deleteAsks()
    {
        zarSoundingCurvePlot plot;
        plot.onPlotUpdate(Points { { 2, 50 }, { 6, 100 }, { 10, 400 } }, Rows { 40, 41, 42 });
        show(plot);
        QSignalSpy deletions(&plot, &zarPickPlot::sendRowDelete);
        zarDialogAnswer question;
        question.expect(QMessageBox::Yes);
        QVERIFY(tap(plot, QPointF(10, 400), 0, [](QMenu* m) { choose(m, 1); }));
        QVERIFY(question.shown);
        QCOMPARE(deletions.count(), 1);
        QCOMPARE(deletions.first().first().toInt(), 42);
    }

    // An update while the menu is open replaces the markers under the pick: the
    // choice still acts on the row that was picked; without a pick nothing acts.
    void updateWhileMenuOpen()
    {
        const auto plot = sectionPlot();
        zarPseudoSectionPlot* section = plot.get();
        show(*section);
        QSignalSpy selections(section, &zarPickPlot::sendRowSelection);
        QSignalSpy deletions(section, &zarPickPlot::sendRowDelete);
        tap(*section, QPointF(30, 4), 0, [section](QMenu* m) {
            section->onPlotUpdate(Points(), Values(), Rows());
            choose(m, 0);
        });
        QCOMPARE(selections.count(), 1);
        QCOMPARE(selections.first().first().toInt(), 41);
        zarDialogAnswer question;
        question.expect(QMessageBox::Yes);
        section->pickedRow = -1;
        section->onMenu01();
        section->onMenu02();
        question.disarm();
        QCOMPARE(selections.count(), 1);
        QCOMPARE(deletions.count(), 0);
        QVERIFY(!question.shown);
    }
};

ZAR_TEST_MAIN(TestSessionPlots)
#include "test_sessionplots.moc"
