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
        zarSessionDataModel model;
        load(model, curveSession());
        Series series(model);
        QSlider slider;
        QLabel caption, value;
        model.setHeaderLabel(&caption);
        model.setDepthLabel(&value);
        model.setDepthSlider(&slider);
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
        zarSessionDataModel model;
        load(model, curveSession());
        Series series(model);
        QSlider slider;
        QLabel caption, value;
        model.setHeaderLabel(&caption);
        model.setDepthLabel(&value);
        model.setDepthSlider(&slider);
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
