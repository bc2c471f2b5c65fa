// The session plots: the logarithmic colour map, the item that paints one cell per
// point, values a log scale cannot place, picking a measurement, and the series the
// session model sends them.
#include "zardialoganswer.h"
#include "zarsessionfixture.h"
#include "zartestsupport.h"

#include "sessions/qwtplotspectrorect.h"
#include "sessions/zarlogcolormap.h"
#include "sessions/zarpseudosectionplot.h"
#include "sessions/zarsessiondatamodel.h"
#include "sessions/zarsoundingcurveplot.h"

#include <qwt_scale_map.h>
#include <qwt_scale_widget.h>

#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSlider>
#include <cmath>
#include <limits>

typedef QVector<QPointF> Points;
typedef QVector<quint32> Rows;
typedef QVector<float> Values;
typedef QVector<double> Positions;
Q_DECLARE_METATYPE(Values)
Q_DECLARE_METATYPE(Positions)

namespace {

const double inf = std::numeric_limits<double>::infinity();
const double notANumber = std::numeric_limits<double>::quiet_NaN();

QwtScaleMap identity(double pixels)
{
    QwtScaleMap map;
    map.setPaintInterval(0, pixels);
    map.setScaleInterval(0, pixels);
    return map;
}

const QRgb blank = qRgb(255, 255, 255);

// Counts the changes the item announces.
class CountingItem : public QwtPlotSpectroRect
{
public:
    void itemChanged() override { ++changes; }
    int changes = 0;
};

class WatchedMap : public QwtLinearColorMap
{
public:
    explicit WatchedMap(bool* deleted) : m_deleted(deleted) {}
    ~WatchedMap() override { *m_deleted = true; }
    bool* m_deleted;
};

// Draws 10 x 6 cells (width given) coloured over 10 .. 1000 on a white 100 x 100
// image whose pixels are the plot coordinates.
QImage drawSmall(const QVector<QwtPoint3D>& points, const QwtInterval& range, int from = 0, int to = -1,
                 bool clip = true, float width = 10)
{
    QwtPlotSpectroRect item;
    item.setColorMap(new zarLogColorMap(10, 1000));
    item.setColorRange(range);
    item.setPaintAttribute(QwtPlotSpectroRect::ClipRects, clip);
    item.setRectWidth(width);
    item.setRectHeight(6);
    item.setSamples(points);
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(blank);
    QPainter painter(&image);
    item.drawSeries(&painter, identity(100), identity(100), QRectF(0, 0, 100, 100), from, to);
    return image;
}

// Cells of 13 x 7 pixels on a white image whose pixels are the plot coordinates;
// one by one paints every cell on its own, in order, so that none can be left out.
QImage draw(const QVector<QwtPoint3D>& cells, const QwtInterval& range, bool clip = true, bool oneByOne = false)
{
    QwtPlotSpectroRect item;
    item.setColorMap(new zarLogColorMap(float(range.minValue()), float(range.maxValue())));
    item.setColorRange(range);
    item.setPaintAttribute(QwtPlotSpectroRect::ClipRects, clip);
    item.setRectWidth(13);
    item.setRectHeight(7);
    item.setSamples(cells);
    QImage image(200, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    if (oneByOne) {
        for (int i = 0; i < cells.size(); ++i)
            item.drawSeries(&painter, identity(200), identity(120), QRectF(image.rect()), i, i);
    } else {
        item.drawSeries(&painter, identity(200), identity(120), QRectF(image.rect()), 0, -1);
    }
    return image;
}

QPointF bounds(const QwtPlot& plot, int axis)
{
    return QPointF(plot.axisScaleDiv(axis).lowerBound(), plot.axisScaleDiv(axis).upperBound());
}

void choose(QMenu* menu, int action)
{
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions().at(action)).center());
}

} // namespace

class TestSessionPlots : public QObject
{
    Q_OBJECT

    // Taps the canvas dx pixels right of a point, as a finger would, and runs answer
    // on the pick menu; true if one opened.
    static bool tap(zarPickPlot& plot, const QPointF& point, double dx, std::function<void(QMenu*)> answer)
    {
        bool menuShown = false;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                timer.stop();
                menuShown = true;
                answer(menu);
            }
        });
        timer.start(10);
        plot.updateLayout();
        const double x = plot.canvasMap(QwtPlot::xTop).transform(point.x()) + dx;
        const double y = plot.canvasMap(QwtPlot::yLeft).transform(point.y());
        QTest::mouseClick(plot.canvas(), Qt::LeftButton, {}, QPoint(int(std::ceil(x)), qRound(y)));
        return menuShown;
    }

    // Markers for the rows 40, 41 and 42; the middle one at (30, 4).
    static void showSection(zarPseudoSectionPlot& plot)
    {
        plot.onPlotUpdate(Points { { 10, 2 }, { 30, 4 }, { 50, 6 } }, Values { 50, 100, 400 }, Rows { 40, 41, 42 });
        plot.resize(800, 480);
        plot.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plot));
    }

    // Spies on the three plot signals of one session model.
    struct Series
    {
        explicit Series(zarSessionDataModel& model)
            : section(&model, QOverload<Points, Values, Rows>::of(&zarSessionDataModel::sendPlotUpdate)),
              markers(&model, QOverload<Points, Rows>::of(&zarSessionDataModel::sendPlotUpdate)),
              curve(&model, QOverload<Points>::of(&zarSessionDataModel::sendPlotUpdate))
        {
        }
        QSignalSpy section, markers, curve;
        Points lastCurve() const { return curve.last().first().value<Points>(); }
        Rows lastRows() const { return markers.last().at(1).value<Rows>(); }
    };

    static void load(zarSessionDataModel& model, const zarSessionFile& session)
    {
        QVERIFY(model.loadFromFile(zarSessionFixture::write(session, QStringLiteral("m.zarSession"))));
    }

    // Rows of the first set about the 10 m mark, one infinite, one of the second set.
    static zarSessionFile curveSession()
    {
        zarSessionFile s = zarSessionFixture::sample();
        s.units.clear();
        const float xs[] = { 7.49f, 7.5f, 12.48f, 12.5f, 10.0f };
        const float zs[] = { 4.0f, 3.0f, 1.0f, 2.0f, 2.0f };
        for (int i = 0; i < 5; ++i)
            s.units << zarSessionFixture::row(0, 3, 1, 2, xs[i], zs[i], true, 10.0f * (i + 1), 3);
        s.units << zarSessionFixture::row(0, 3, 1, 2, 10, 2.4f, true, std::numeric_limits<float>::infinity(), 3);
        s.units << zarSessionFixture::row(0, 3, 1, 2, 10, 2.2f, true, 70, 2);
        return s;
    }

    // The curve session loaded, watched, with the centre or depth controls of the screen.
    struct CurveView
    {
        CurveView()
        {
            model.setHeaderLabel(&caption);
            model.setDepthLabel(&value);
            model.setDepthSlider(&slider);
        }
        static zarSessionDataModel& loaded(zarSessionDataModel& model)
        {
            load(model, curveSession());
            return model;
        }
        zarSessionDataModel model;
        Series series { loaded(model) };
        QSlider slider;
        QLabel caption, value;
    };

private slots:
    void initTestCase()
    {
        qRegisterMetaType<Points>();
        qRegisterMetaType<Rows>();
        qRegisterMetaType<Values>();
    }

    void colourStops_data()
    {
        QTest::addColumn<float>("min");
        QTest::addColumn<float>("max");
        QTest::addColumn<Positions>("expected");
        QTest::newRow("1 to 100") << 1.0f << 100.0f
                                  << Positions { 0.00393, 0.0094, 0.017, 0.02755, 0.04222, 0.06259, 0.09091,
                                                 0.13025, 0.18492, 0.26088, 0.36642, 0.51308, 0.71685 };
        QTest::newRow("0 to 1 taken from 0.001")
            << 0.0f << 1.0f
            << Positions { 0.00064, 0.00168, 0.0034, 0.0062, 0.0108, 0.01833, 0.03065,
                           0.05085, 0.08392, 0.13809, 0.22681, 0.37213, 0.61015 };
    }
    // Thirteen stops at equal steps of the logarithm, as fractions of the linear range.
    void colourStops()
    {
        QFETCH(float, min);
        QFETCH(float, max);
        QFETCH(Positions, expected);
        const QVector<double> stops = zarLogColorMap(min, max).colorStops();
        const Positions found = stops.mid(1, stops.size() - 2);
        QCOMPARE(found.size(), expected.size());
        for (int k = 0; k < found.size(); ++k)
            QVERIFY2(std::fabs(found[k] - expected[k]) < 0.000051, qPrintable(QStringLiteral("stop %1").arg(k + 1)));
    }

    // Qwt colours a zero-width range black; the map gives its lowest colour.
    void zeroWidthRange()
    {
        const QImage image = draw({ QwtPoint3D(50, 50, 10) }, QwtInterval(10, 10));
        QCOMPARE(QColor(image.pixel(50, 50)), QColor(0, 0, 128));
    }

    void cullingKeepsThePixels_data()
    {
        QTest::addColumn<bool>("clip");
        QTest::newRow("clipped at the centres") << true;
        QTest::newRow("unclipped") << false;
    }
    // Painting only the cells that stay visible leaves the pixels of painting every cell.
    void cullingKeepsThePixels()
    {
        QFETCH(bool, clip);
        // Cells stacked on few pixels, overlapping their neighbours, some beyond the
        // edges, and cells anywhere.
        QVector<QwtPoint3D> cells;
        QRandomGenerator random(11);
        for (int i = 0; i < 1500; ++i)
            cells << QwtPoint3D(-4 + random.bounded(24) * 9.5, -4 + random.bounded(14) * 9.5, 1 + random.bounded(999));
        for (int i = 0; i < 300; ++i)
            cells << QwtPoint3D(random.bounded(200), random.bounded(120), 1 + random.bounded(999));
        // Pixel centres on both edges of the canvas, last and on top.
        for (int x : { 0, 200 }) {
            for (int y = 0; y <= 120; ++y)
                cells << QwtPoint3D(x, y, x + y + 1);
        }
        const QwtInterval range(1, 1000);
        QCOMPARE(draw(cells, range, clip), draw(cells, range, clip, true));
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
        // With nothing to scale to, Qwt would stretch the log axis down to 1e-100.
        plot.onPlotClear();
        QCOMPARE(bounds(plot, QwtPlot::yLeft), QPointF(1, 1000));
    }

    // Only cells a log colour scale can colour take part, also in the colour bar.
    void pseudoSectionDropsUnplottable()
    {
        zarPseudoSectionPlot plot;
        const Points xy { { 1, 1 }, { 2, 1 }, { 3, 1 }, { 4, 1 }, { notANumber, 1 } };
        plot.onPlotUpdate(xy, Values { 20, 0, -3, float(inf), 10 }, Rows { 0, 1, 2, 3, 4 });
        QCOMPARE(plot.rowIndexes, Rows({ 0 }));
        const QwtInterval colours = plot.axisWidget(QwtPlot::xBottom)->colorBarInterval();
        QCOMPARE(colours, QwtInterval(20, 20));
        QCOMPARE(plot.spectroRect.colorRange(), colours);
    }

    // Code that walks a plot's items by kind finds the cells as Qwt's spectro-curve item.
    void cellsItemAnswersAsSpectroCurve()
    {
        zarPseudoSectionPlot plot;
        const QwtPlotItemList cells = plot.itemList(QwtPlotItem::Rtti_PlotSpectroCurve);
        QCOMPARE(cells.size(), 1);
        QCOMPARE(cells.first(), static_cast<QwtPlotItem*>(&plot.spectroRect));
    }

    // The pseudo-section of the current set: measured rows of the set with a value a
    // log scale can place, at their centre and depth.
    void pseudoSectionOfTheCurrentSet_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<Points>("points");
        QTest::addColumn<Values>("values");
        QTest::newRow("first set") << 0 << Rows { 0, 1 } << Points { { 7.5, 2.5 }, { 10, 3.74f } } << Values { 120.5f, 80 };
        QTest::newRow("second set") << 1 << Rows { 1, 3 } << Points { { 10, 3.74f }, { 12.48f, 3 } } << Values { 80, 95 };
        QTest::newRow("before the first: the first") << -1 << Rows { 0, 1 } << Points { { 7.5, 2.5 }, { 10, 3.74f } }
                                                      << Values { 120.5f, 80 };
        QTest::newRow("past the last: the last") << 9 << Rows { 1, 3 } << Points { { 10, 3.74f }, { 12.48f, 3 } }
                                                 << Values { 80, 95 };
    }
    void pseudoSectionOfTheCurrentSet()
    {
        QFETCH(int, set);
        zarSessionDataModel model;
        load(model, zarSessionFixture::sample());
        Series series(model);
        QVERIFY(QMetaObject::invokeMethod(&model, "onCurrentSetChange", Q_ARG(int, set)));
        QCOMPARE(series.section.count(), 1);
        QTEST(series.section.last().at(2).value<Rows>(), "rows");
        QTEST(series.section.last().at(0).value<Points>(), "points");
        QTEST(series.section.last().at(1).value<Values>(), "values");
        QTEST(model.rowIndexes(), "rows");
        QCOMPARE(series.markers.count() + series.curve.count(), 0);
    }

    // Mode 1 plots the chargeability instead of the resistivity, without its sign.
    void modePicksThePlottedValue_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<Values>("values");
        QTest::newRow("resistivity") << 0 << Values { 120.5f, 80 };
        QTest::newRow("chargeability") << 1 << Values { 4.5f, 4.5f };
    }
    void modePicksThePlottedValue()
    {
        QFETCH(int, mode);
        zarSessionDataModel model;
        load(model, zarSessionFixture::sample());
        model.setMode(quint8(1 - mode));
        Series series(model);
        model.setMode(quint8(mode));
        QCOMPARE(model.mode(), quint8(mode));
        QCOMPARE(series.section.count(), 1);
        QTEST(series.section.last().at(1).value<Values>(), "values");
    }

    // Choosing the mode or the plot shown already draws nothing again.
    void theSameChoiceAgainRedrawsNothing()
    {
        zarSessionDataModel model;
        load(model, zarSessionFixture::sample());
        model.setMode(1);
        model.setPlot(1);
        Series series(model);
        model.setMode(1);
        model.setPlot(1);
        QCOMPARE(series.section.count() + series.markers.count() + series.curve.count(), 0);
    }

    // The sounding: every measured row of the set as a marker; the curve of the rows
    // within half a spacing of the chosen centre, by depth.
    void soundingAroundTheCentre()
    {
        CurveView view;
        auto& [model, series, slider, caption, value] = view;
        model.setPlot(1);
        QCOMPARE(caption.text(), QStringLiteral("Measurement center:"));
        QCOMPARE(slider.maximum(), 3150);
        QCOMPARE(series.markers.count(), 1);
        // The infinite value and the row of the other set left out.
        QCOMPARE(series.lastRows(), Rows({ 0, 1, 2, 3, 4 }));
        QCOMPARE(series.markers.last().first().value<Points>(),
                 Points({ { 4, 10 }, { 3, 20 }, { 1, 30 }, { 2, 40 }, { 2, 50 } }));
        slider.setValue(100);
        QCOMPARE(value.text(), QStringLiteral("<font color=blue>10.0</font>"));
        // 7.49 m < x < 12.49 m, sorted by depth.
        QCOMPARE(series.lastCurve(), Points({ { 1, 30 }, { 2, 50 }, { 3, 20 } }));
        slider.setValue(125);
        QCOMPARE(value.text(), QStringLiteral("<font color=blue>12.5</font>"));
        QCOMPARE(series.lastCurve(), Points({ { 1, 30 }, { 2, 40 }, { 2, 50 } }));
    }

    // The profile: the curve of the rows within a quarter spacing of the chosen depth,
    // along the line.
    void profileAtTheDepth()
    {
        CurveView view;
        auto& [model, series, slider, caption, value] = view;
        model.setPlot(2);
        QCOMPARE(caption.text(), QStringLiteral("Pseudo depth:"));
        QCOMPARE(slider.maximum(), 25);
        QCOMPARE(series.markers.last().first().value<Points>(),
                 Points({ { 7.49f, 10 }, { 7.5, 20 }, { 12.48f, 30 }, { 12.5, 40 }, { 10, 50 } }));
        slider.setValue(25);
        QCOMPARE(value.text(), QStringLiteral("<font color=blue>2.5</font>"));
        // 1.26 m < z < 3.76 m, sorted along the line.
        QCOMPARE(series.lastCurve(), Points({ { 7.5, 20 }, { 10, 50 }, { 12.5, 40 } }));
    }

    // The depth label of the pseudo-section reads 0.0; the unit is metres.
    void depthLabelOfThePseudoSection()
    {
        zarSessionDataModel model;
        QLabel value, unit;
        model.setDepthLabel(&value);
        model.setUnitLabel(&unit);
        QCOMPARE(value.text(), QStringLiteral("<font color=blue>0.0</font>"));
        QCOMPARE(unit.text(), QStringLiteral("m"));
    }

    // A negative chargeability keeps its sign on the window's curve; the markers
    // of the log axis take its size.
    void negativeChargeability()
    {
        zarSessionFile s = curveSession();
        for (auto& u : s.units)
            u.measureSet.chargeability = -3;
        zarSessionDataModel model;
        load(model, s);
        Series series(model);
        QSlider slider;
        model.setDepthSlider(&slider);
        model.setMode(1);
        model.setPlot(1);
        QCOMPARE(series.markers.last().first().value<Points>().first(), QPointF(4, 3));
        slider.setValue(100);
        QCOMPARE(series.lastCurve().first(), QPointF(1, -3));
    }

    // A session of resistances draws no plots.
    void resistanceOnlyDrawsNothing()
    {
        zarSessionDataModel model;
        load(model, zarSessionFixture::sample());
        model.setResistanceOnly();
        Series series(model);
        model.setPlot(1);
        model.refresh();
        model.setPlot(0);
        QCOMPARE(series.markers.count() + series.section.count() + series.curve.count(), 0);
    }

    // Without a measured row each plot is told to show nothing.
    void emptySeries_data()
    {
        QTest::addColumn<int>("plot");
        QTest::newRow("pseudo-section") << 0;
        QTest::newRow("sounding") << 1;
        QTest::newRow("profile") << 2;
    }
    void emptySeries()
    {
        QFETCH(int, plot);
        zarSessionFile s = zarSessionFixture::sample();
        for (auto& u : s.units)
            u.measureSet.measured = false;
        zarSessionDataModel model;
        load(model, s);
        model.setPlot(quint8(plot));
        Series series(model);
        model.refresh();
        if (plot == 0) {
            QCOMPARE(series.section.count(), 1);
            QVERIFY(series.section.last().at(0).value<Points>().isEmpty());
            QVERIFY(series.section.last().at(2).value<Rows>().isEmpty());
        } else {
            QCOMPARE(series.markers.count(), 1);
            QVERIFY(series.lastRows().isEmpty());
            QVERIFY(series.lastCurve().isEmpty());
        }
    }

    // Plots off screen are not drawn; shown again they catch up once.
    void hiddenPlotsCatchUp()
    {
        zarSessionDataModel model;
        load(model, zarSessionFixture::sample());
        Series series(model);
        model.setPlotsShown(false);
        model.setMode(1);
        model.refresh();
        QCOMPARE(series.section.count(), 0);
        model.setPlotsShown(true);
        QCOMPARE(series.section.count(), 1);
        QCOMPARE(series.section.last().at(1).value<Values>(), Values({ 4.5f, 4.5f }));
        model.setPlotsShown(true);
        QCOMPARE(series.section.count(), 1);
    }

    // Clearing the plot leaves the pick marker; clearing the pick leaves the markers.
    void soundingClearsApart()
    {
        zarSoundingCurvePlot plot;
        plot.onPlotUpdate(Points { { 1, 10 }, { 6, 100 } }, Rows { 7, 13 });
        plot.onPlotUpdate(Points { { 1, 10 }, { 6, 100 } });
        QCOMPARE(plot.pointCurve.sample(1), QPointF(6, 100));
        plot.pickCurve.setSamples(Points { { 1, 10 } });
        plot.onPlotClear();
        QCOMPARE(plot.pointCurve.dataSize(), size_t(0));
        QCOMPARE(plot.lineCurve.dataSize(), size_t(0));
        QCOMPARE(plot.pickCurve.dataSize(), size_t(1));
        QVERIFY(plot.rowIndexes.isEmpty());
        plot.onPlotUpdate(Points { { 1, 10 } }, Rows { 3 });
        plot.onPickPlotClear();
        QCOMPARE(plot.pointCurve.dataSize(), size_t(1));
        QCOMPARE(plot.pickCurve.dataSize(), size_t(0));
        QCOMPARE(plot.rowIndexes, Rows({ 3 }));
    }

    void pseudoSectionScales_data()
    {
        QTest::addColumn<Points>("xy");
        QTest::addColumn<Values>("f");
        QTest::addColumn<QSizeF>("cell");
        QTest::addColumn<QPointF>("top");
        QTest::addColumn<QPointF>("left");
        QTest::addColumn<QPointF>("bottom");
        QTest::addColumn<QPointF>("bar");
        QTest::newRow("ten spacings by two half spacings")
            << Points { { 10, 2 }, { 60, 7 }, { 35, 4 } } << Values { 30, 300, 120 } << QSizeF(96, 170)
            << QPointF(7.5, 62.5) << QPointF(8.25, 0.75) << QPointF(30, 300) << QPointF(30, 300);
        QTest::newRow("one point") << Points { { 20, 3 } } << Values { 55 } << QSizeF(960, 340) << QPointF(17.5, 22.5)
                                   << QPointF(4.25, 1.75) << QPointF(5.5, 550) << QPointF(55, 55);
        QTest::newRow("only unplottable values keep the previous cell")
            << Points { { 1, 1 }, { 2, 1 }, { 3, 1 }, { notANumber, 1 } } << Values { 0, -3, float(inf), 10 }
            << QSizeF(960, 340) << QPointF(0, 1) << QPointF(1, 0) << QPointF(0.001, 1) << QPointF(0.001, 1);
    }
    // A cell a spacing wide and half a spacing high on a 960 x 340 section; the axes
    // reach half a cell past the outer centres; the colour bar spans the values.
    void pseudoSectionScales()
    {
        QFETCH(Points, xy);
        QFETCH(Values, f);
        zarPseudoSectionPlot plot;
        plot.onPlotUpdate(Points { { 0, 0 } }, Values { 1 }, Rows { 0 });
        plot.onPlotUpdate(xy, f, Rows(xy.size(), 1));
        QTEST(QSizeF(plot.spectroRect.rectWidth(), plot.spectroRect.rectHeight()), "cell");
        QTEST(bounds(plot, QwtPlot::xTop), "top");
        QTEST(bounds(plot, QwtPlot::yLeft), "left");
        QTEST(bounds(plot, QwtPlot::xBottom), "bottom");
        const QwtInterval colours = plot.axisWidget(QwtPlot::xBottom)->colorBarInterval();
        QTEST(QPointF(colours.minValue(), colours.maxValue()), "bar");
        QCOMPARE(plot.spectroRect.colorRange(), colours);
        QCOMPARE(plot.rowIndexes.size(), int(plot.spectroRect.dataSize()));
    }

    // Each cell shows in the colour of its value where it is drawn; an unplottable
    // value leaves neither a cell nor a pickable point.
    void pseudoSectionCells()
    {
        zarPseudoSectionPlot plot;
        plot.resize(800, 480);
        plot.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plot));
        const Points xy { { 10, 2 }, { 35, 4.5 }, { 60, 7 } };
        plot.onPlotUpdate(xy, Values { 10, 0, 1000 }, Rows { 0, 1, 2 });
        QCOMPARE(plot.rowIndexes, Rows({ 0, 2 }));
        // The grid's lines fall where the scale's labels, in the locale's digits, put them.
        for (QwtPlotItem* grid : plot.itemList(QwtPlotItem::Rtti_PlotGrid))
            grid->hide();
        plot.updateLayout();
        const QImage canvas = plot.canvas()->grab().toImage();
        const QColor colours[] = { QColor(0, 0, 128), QColor(Qt::white), QColor(96, 0, 96) };
        for (int i = 0; i < 3; ++i) {
            const QPoint at(qRound(plot.canvasMap(QwtPlot::xTop).transform(xy[i].x())),
                            qRound(plot.canvasMap(QwtPlot::yLeft).transform(xy[i].y())));
            QCOMPARE(QColor(canvas.pixel(at)), colours[i]);
        }
    }

    void pickShowsAMarker_data()
    {
        QTest::addColumn<bool>("sounding");
        QTest::newRow("sounding") << true;
        QTest::newRow("pseudo-section") << false;
    }
    // While the pick menu is open a marker shows the picked point; "Go to" carries
    // its session row, and the marker goes with the menu.
    void pickShowsAMarker()
    {
        QFETCH(bool, sounding);
        zarSoundingCurvePlot curves;
        zarPseudoSectionPlot section;
        zarPickPlot& plot = sounding ? static_cast<zarPickPlot&>(curves) : section;
        if (sounding) {
            curves.onPlotUpdate(Points { { 2, 50 }, { 6, 100 }, { 10, 400 } }, Rows { 40, 41, 42 });
            curves.onPlotUpdate(Points { { 2, 50 }, { 10, 400 } });
            plot.resize(800, 480);
            plot.show();
            QVERIFY(QTest::qWaitForWindowExposed(&plot));
        } else {
            showSection(section);
        }
        QSignalSpy selections(&plot, &zarPickPlot::sendRowSelection);
        size_t marker = 0;
        QVERIFY(tap(plot, sounding ? QPointF(6, 100) : QPointF(30, 4), 0, [&](QMenu* m) {
            marker = plot.pickCurve.dataSize();
            choose(m, 0);
        }));
        QCOMPARE(marker, size_t(1));
        QCOMPARE(selections.count(), 1);
        QCOMPARE(selections.first().first().toInt(), 41);
        QCOMPARE(plot.pickCurve.dataSize(), size_t(0));
    }

    // The line of a sounding is never picked, only its markers.
    void lineIsNotPickable()
    {
        zarSoundingCurvePlot plot;
        plot.resize(800, 480);
        plot.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plot));
        plot.onPlotUpdate(Points { { 2, 50 }, { 10, 400 } });
        QVERIFY(!tap(plot, QPointF(2, 50), 0, [](QMenu* m) { m->close(); }));
        QCOMPARE(plot.pickedPoint, -1);
    }

    void menuChoice_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("deleted");
        QTest::newRow("go to") << 0 << -1 << 42 << -1;
        QTest::newRow("delete, yes") << 1 << int(QMessageBox::Yes) << -1 << 42;
        QTest::newRow("delete, no") << 1 << int(QMessageBox::No) << -1 << -1;
        QTest::newRow("cancel") << 2 << -1 << -1 << -1;
        QTest::newRow("closed without a choice") << -1 << -1 << -1 << -1;
    }
    // The menu's choices; a delete asks first. The signals carry the picked marker's
    // session row, not its index.
    void menuChoice()
    {
        QFETCH(int, action);
        QFETCH(int, answer);
        QFETCH(int, selected);
        QFETCH(int, deleted);
        zarPseudoSectionPlot plot;
        showSection(plot);
        QSignalSpy selections(&plot, &zarPickPlot::sendRowSelection);
        QSignalSpy deletions(&plot, &zarPickPlot::sendRowDelete);
        zarDialogAnswer question;
        if (answer >= 0)
            question.expect(QMessageBox::StandardButton(answer));
        QVERIFY(tap(plot, QPointF(50, 6), 0, [action](QMenu* m) {
            QCOMPARE(m->actions().size(), 3);
            action < 0 ? QTest::keyClick(m, Qt::Key_Escape) : choose(m, action);
        }));
        question.disarm();
        QCOMPARE(question.text, answer >= 0 ? QStringLiteral("Are you sure you want to delete selected measurement?") : QString());
        QCOMPARE(selections.isEmpty() ? -1 : selections.first().first().toInt(), selected);
        QCOMPARE(deletions.isEmpty() ? -1 : deletions.first().first().toInt(), deleted);
        QCOMPARE(selections.count() + deletions.count(), selected + deleted > -2 ? 1 : 0);
        QCOMPARE(plot.pickCurve.dataSize(), size_t(0));
    }

    // Bounds a log scale cannot span give a map of its two end colours alone.
    void boundsWithoutStops_data()
    {
        QTest::addColumn<float>("min");
        QTest::addColumn<float>("max");
        QTest::addColumn<int>("stops");
        QTest::newRow("10 to 1000") << 10.0f << 1000.0f << 13;
        QTest::newRow("negative lower bound taken from 0.001") << -5.0f << 1.0f << 13;
        QTest::newRow("equal bounds") << 7.0f << 7.0f << 0;
        QTest::newRow("reversed bounds") << 100.0f << 1.0f << 0;
        QTest::newRow("upper bound at 0.001") << -1.0f << 0.001f << 0;
    }
    void boundsWithoutStops()
    {
        QFETCH(float, min);
        QFETCH(float, max);
        const zarLogColorMap map(min, max);
        QTEST(map.colorStops().size() - 2, "stops");
        QCOMPARE(map.color1(), QColor(0, 0, 128));
        QCOMPARE(map.color2(), QColor(96, 0, 96));
    }

    // Maps made one after another, with other bounds in between, each have their own stops.
    void stopsFollowTheBounds()
    {
        auto seventh = [](float min, float max) { return zarLogColorMap(min, max).colorStops().value(7); };
        const QVector<double> first = zarLogColorMap(1, 100).colorStops();
        QCOMPARE(zarLogColorMap(5, 5).colorStops().size(), 2);
        QVERIFY(std::fabs(seventh(1, 50) - (std::sqrt(50.0) - 1) / 49) < 1e-5);
        QVERIFY(std::fabs(seventh(2, 100) - (std::sqrt(200.0) - 2) / 98) < 1e-5);
        QCOMPARE(zarLogColorMap(1, 100).colorStops(), first);
    }

    void cellColour_data()
    {
        QTest::addColumn<double>("z");
        QTest::addColumn<QwtInterval>("range");
        QTest::addColumn<float>("width");
        QTest::addColumn<QRgb>("colour");
        const QwtInterval range(10, 1000);
        QTest::newRow("below the range") << 5.0 << range << 10.0f << qRgb(0, 0, 128);
        QTest::newRow("above the range") << 2000.0 << range << 10.0f << qRgb(96, 0, 96);
        QTest::newRow("not a number is opaque black") << notANumber << range << 10.0f << qRgb(0, 0, 0);
        QTest::newRow("reversed range draws nothing") << 50.0 << QwtInterval(1000, 10) << 10.0f << blank;
        QTest::newRow("size not a number draws nothing") << 50.0 << range << float(notANumber) << blank;
    }
    // A 10 x 6 cell centred on (50, 50): its colour inside, nothing beyond its edge.
    void cellColour()
    {
        QFETCH(double, z);
        QFETCH(QwtInterval, range);
        QFETCH(float, width);
        QFETCH(QRgb, colour);
        const QImage image = drawSmall({ QwtPoint3D(50, 50, z) }, range, 0, -1, true, width);
        QCOMPARE(image.pixel(50, 50), colour);
        QCOMPARE(image.pixel(46, 48), colour);
        QCOMPARE(image.pixel(57, 50), blank);
        QCOMPARE(image.pixel(50, 55), blank);
    }

    void clipping_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<bool>("clip");
        QTest::addColumn<QRgb>("edge");
        QTest::newRow("centre one pixel outside") << -1.0 << true << blank;
        QTest::newRow("centre inside, cut at the edge") << 1.0 << true << qRgb(0, 0, 128);
        QTest::newRow("outside without clipping") << -1.0 << false << qRgb(0, 0, 128);
    }
    // With clipping a cell whose centre lies outside the canvas is not drawn.
    void clipping()
    {
        QFETCH(double, x);
        QFETCH(bool, clip);
        QTEST(drawSmall({ QwtPoint3D(x, 50, 10) }, QwtInterval(10, 1000), 0, -1, clip).pixel(0, 50), "edge");
    }

    void indexRange_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("drawn");
        QTest::newRow("whole series") << 0 << -1 << "abc";
        QTest::newRow("from above to") << 2 << 1 << "";
        QTest::newRow("one point") << 1 << 1 << "b";
        QTest::newRow("negative from") << -4 << 0 << "a";
        QTest::newRow("to past the end") << 1 << 7 << "bc";
    }
    // Only the cells from .. to are painted.
    void indexRange()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        const QImage image = drawSmall({ QwtPoint3D(20, 50, 1), QwtPoint3D(50, 50, 1), QwtPoint3D(80, 50, 1) },
                                       QwtInterval(0, 1000), from, to);
        QString found;
        for (int i = 0; i < 3; ++i) {
            if (image.pixel(20 + 30 * i, 50) != blank)
                found += QLatin1Char('a' + i);
        }
        QTEST(found, "drawn");
    }

    // Unchanged settings request no repaint; a colour map is owned and freed once.
    void spectroSettersAndOwnership()
    {
        bool firstDeleted = false, secondDeleted = false;
        {
            CountingItem item;
            QCOMPARE(item.rectWidth(), 0.0f);
            QCOMPARE(item.rectHeight(), 0.0f);
            QCOMPARE(item.colorRange().maxValue(), 1000.0);
            item.setRectWidth(-3);
            item.setRectWidth(12);
            item.setRectWidth(12);
            item.setColorRange(QwtInterval(1, 2));
            item.setColorRange(QwtInterval(1, 2));
            item.setPaintAttribute(QwtPlotSpectroRect::ClipRects, false);
            QCOMPARE(item.changes, 2);
            item.setColorRange(QwtInterval(1, 2, QwtInterval::ExcludeMaximum));
            QCOMPARE(item.changes, 3);
            item.setRectHeight(-3);
            QCOMPARE(item.rectHeight(), 0.0f);

            auto* first = new WatchedMap(&firstDeleted);
            item.setColorMap(first);
            item.changes = 0;
            item.setColorMap(first);
            QVERIFY(!firstDeleted);
            QCOMPARE(item.changes, 1);
            item.setColorMap(new WatchedMap(&secondDeleted));
            QVERIFY(firstDeleted);
            QVERIFY(!secondDeleted);
        }
        QVERIFY(secondDeleted);
    }

    // A marker is picked within 10 pixels only.
    void tapBesideAMarker()
    {
        zarPseudoSectionPlot plot;
        showSection(plot);
        QVERIFY(tap(plot, QPointF(30, 4), 9, [](QMenu* m) { m->close(); }));
        QVERIFY(!tap(plot, QPointF(30, 4), 10, [](QMenu* m) { m->close(); }));
    }

    // An update while the menu is open replaces the markers under the pick: the
    // choice still acts on the row that was picked; without a pick nothing acts.
    void updateWhileMenuOpen()
    {
        zarPseudoSectionPlot plot;
        showSection(plot);
        QSignalSpy selections(&plot, &zarPickPlot::sendRowSelection);
        QSignalSpy deletions(&plot, &zarPickPlot::sendRowDelete);
        tap(plot, QPointF(30, 4), 0, [&plot](QMenu* m) {
            plot.onPlotUpdate(Points(), Values(), Rows());
            choose(m, 0);
        });
        QCOMPARE(selections.count(), 1);
        QCOMPARE(selections.first().first().toInt(), 41);
        zarDialogAnswer question;
        question.expect(QMessageBox::Yes);
        plot.pickedRow = -1;
        plot.onMenu01();
        plot.onMenu02();
        question.disarm();
        QCOMPARE(selections.count(), 1);
        QCOMPARE(deletions.count(), 0);
        QVERIFY(!question.shown);
    }
};

ZAR_TEST_MAIN(TestSessionPlots)
#include "test_sessionplots.moc"
