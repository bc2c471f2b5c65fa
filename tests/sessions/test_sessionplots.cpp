#include "zartestsupport.h"
#include "zardialoganswer.h"

#include "sessions/zarpseudosectionplot.h"
#include "sessions/zarsoundingcurveplot.h"

#include <qwt_scale_engine.h>
#include <qwt_scale_widget.h>

#include <QMenu>
#include <QSignalSpy>
#include <cmath>
#include <limits>
#include <memory>

typedef QVector<QPointF> Points;
typedef QVector<quint32> Rows;
typedef QVector<float> Values;
Q_DECLARE_METATYPE(Values)

namespace {

const double inf = std::numeric_limits<double>::infinity();
const double notANumber = std::numeric_limits<double>::quiet_NaN();

bool logScale(const QwtPlot& plot, int axis)
{
    return dynamic_cast<const QwtLogScaleEngine*>(plot.axisScaleEngine(axis));
}

QPointF bounds(const QwtPlot& plot, int axis)
{
    return QPointF(plot.axisScaleDiv(axis).lowerBound(), plot.axisScaleDiv(axis).upperBound());
}

} // namespace

// The sounding-curve and pseudo-section plots: their axes, what they draw, and
// picking a measurement with its menu.
class TestSessionPlots : public QObject
{
    Q_OBJECT

    static void show(QwtPlot& plot)
    {
        plot.resize(800, 480);
        plot.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plot));
    }

    static QPointF onCanvas(QwtPlot& plot, const QPointF& point)
    {
        plot.updateLayout();
        return QPointF(plot.canvasMap(QwtPlot::xTop).transform(point.x()),
                       plot.canvasMap(QwtPlot::yLeft).transform(point.y()));
    }

    // Taps the canvas at least dx pixels right of a point, as a finger would: the
    // release reaches the plot through its canvas. While the pick menu is open,
    // notes whether the pick marker shows and runs answer on the menu.
    static bool tap(zarPickPlot& plot, const QPointF& point, double dx, std::function<void(QMenu*)> answer)
    {
        bool marker = false;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                timer.stop();
                QCOMPARE(menu->actions().size(), 3);
                marker = plot.pickCurve.dataSize() == 1;
                answer(menu);
            }
        });
        timer.start(10);
        const QPointF at = onCanvas(plot, point);
        QTest::mouseClick(plot.canvas(), Qt::LeftButton, {}, QPoint(int(std::ceil(at.x() + dx)), qRound(at.y())));
        return marker;
    }

    static void choose(QMenu* menu, int action)
    {
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions().at(action)).center());
    }

    // Three markers for the rows 40, 41 and 42; the middle one is at point().
    static std::unique_ptr<zarPickPlot> makePlot(const QString& kind)
    {
        if (kind == QLatin1String("sounding")) {
            auto plot = std::make_unique<zarSoundingCurvePlot>();
            plot->onPlotUpdate(Points { { 2, 50 }, { 6, 100 }, { 10, 400 } }, Rows { 40, 41, 42 });
            plot->onPlotUpdate(Points { { 2, 50 }, { 10, 400 } });
            return plot;
        }
        auto plot = std::make_unique<zarPseudoSectionPlot>();
        plot->onPlotUpdate(Points { { 10, 2 }, { 30, 4 }, { 50, 6 } }, Values { 50, 100, 400 }, Rows { 40, 41, 42 });
        return plot;
    }

    static QPointF point(const QString& kind) { return kind == QLatin1String("sounding") ? QPointF(6, 100) : QPointF(30, 4); }

private slots:
    // A log10 value axis cannot place zero, negative or infinite values; the
    // markers keep their rows.
    void soundingCurves()
    {
        zarSoundingCurvePlot plot;
        show(plot);
        QVERIFY(logScale(plot, QwtPlot::yLeft) && !logScale(plot, QwtPlot::xTop));
        QVERIFY(plot.axisEnabled(QwtPlot::xTop) && !plot.axisEnabled(QwtPlot::xBottom));
        const Points xy { { 1, 10 }, { 2, 0 }, { 3, -5 }, { 4, notANumber }, { 5, inf }, { notANumber, 30 }, { 6, 100 } };
        plot.onPlotUpdate(xy, Rows { 7, 8, 9, 10, 11, 12, 13 });
        plot.onPlotUpdate(xy);
        QCOMPARE(plot.rowIndexes, Rows({ 7, 13 }));
        QCOMPARE(plot.pointCurve.sample(1), QPointF(6, 100));
        QCOMPARE(QList<size_t>({ plot.pointCurve.dataSize(), plot.lineCurve.dataSize() }), QList<size_t>({ 2, 2 }));
        const QPointF value = bounds(plot, QwtPlot::yLeft);
        QVERIFY2(value.x() > 0 && value.x() <= 10 && value.y() >= 100 && value.y() < 1e4,
                 qPrintable(QStringLiteral("%1 .. %2").arg(value.x()).arg(value.y())));

        // Clearing leaves a pick marker; clearing the pick leaves the markers.
        plot.pickCurve.setSamples(Points { { 1, 10 } });
        plot.onPlotClear();
        QCOMPARE(QList<size_t>({ plot.pointCurve.dataSize(), plot.lineCurve.dataSize(), plot.pickCurve.dataSize() }),
                 QList<size_t>({ 0, 0, 1 }));
        QVERIFY(plot.rowIndexes.isEmpty());
        QCOMPARE(bounds(plot, QwtPlot::yLeft), QPointF(1, 1000));
        plot.onPlotUpdate(Points { { 1, 10 } }, Rows { 3 });
        plot.onPickPlotClear();
        QCOMPARE(QList<size_t>({ plot.pointCurve.dataSize(), plot.pickCurve.dataSize() }), QList<size_t>({ 1, 0 }));
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

    void pseudoSectionScales()
    {
        QFETCH(Points, xy);
        QFETCH(Values, f);
        QFETCH(QSizeF, cell);
        QFETCH(QPointF, top);
        QFETCH(QPointF, left);
        QFETCH(QPointF, bottom);
        QFETCH(QPointF, bar);
        zarPseudoSectionPlot plot;
        QVERIFY(logScale(plot, QwtPlot::xBottom));
        plot.onPlotUpdate(Points { { 0, 0 } }, Values { 1 }, Rows { 0 });
        plot.onPlotUpdate(xy, f, Rows(xy.size(), 1));
        QCOMPARE(QSizeF(plot.spectroRect.rectWidth(), plot.spectroRect.rectHeight()), cell);
        QCOMPARE(QList<QPointF>({ bounds(plot, QwtPlot::xTop), bounds(plot, QwtPlot::yLeft), bounds(plot, QwtPlot::xBottom) }),
                 QList<QPointF>({ top, left, bottom }));
        const QwtInterval colours = plot.axisWidget(QwtPlot::xBottom)->colorBarInterval();
        QCOMPARE(QPointF(colours.minValue(), colours.maxValue()), bar);
        QCOMPARE(plot.spectroRect.colorRange(), colours);
        QCOMPARE(plot.rowIndexes.size(), int(plot.spectroRect.dataSize()));
    }

    // Each cell shows in the colour of its value where it is drawn; unplottable
    // values leave neither a cell nor a pickable point.
    void pseudoSectionCells()
    {
        zarPseudoSectionPlot plot;
        show(plot);
        const Points xy { { 10, 2 }, { 35, 4.5 }, { 60, 7 } };
        plot.onPlotUpdate(xy, Values { 10, 0, 1000 }, Rows { 0, 1, 2 });
        QCOMPARE(plot.rowIndexes, Rows({ 0, 2 }));
        const QImage canvas = plot.canvas()->grab().toImage();
        const QColor colours[] = { QColor(0, 0, 128), QColor(Qt::white), QColor(96, 0, 96) };
        for (int i = 0; i < 3; ++i)
            QCOMPARE(QColor(canvas.pixel(onCanvas(plot, xy[i]).toPoint())), colours[i]);
    }

    void pick_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<double>("dx");
        QTest::addColumn<bool>("menu");
        for (const char* kind : { "sounding", "pseudo-section" }) {
            QTest::addRow("%s: on the marker", kind) << kind << 0.0 << true;
            QTest::addRow("%s: 9 pixels away", kind) << kind << 9.0 << true;
            QTest::addRow("%s: 10 pixels or more away", kind) << kind << 10.0 << false;
        }
    }

    void pick()
    {
        QFETCH(QString, kind);
        QFETCH(double, dx);
        QFETCH(bool, menu);
        const auto plot = makePlot(kind);
        show(*plot);
        QSignalSpy selections(plot.get(), &zarPickPlot::sendRowSelection);
        QCOMPARE(tap(*plot, point(kind), dx, [](QMenu* m) { choose(m, 0); }), menu);
        QCOMPARE(selections.count(), menu ? 1 : 0);
        if (menu)
            QCOMPARE(selections.first().first().toInt(), 41);
        QCOMPARE(plot->pickCurve.dataSize(), size_t(0));
    }

    // The line of a sounding is never picked, only its markers.
    void lineIsNotPickable()
    {
        zarSoundingCurvePlot plot;
        show(plot);
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

    // The signals carry the picked marker's session row, not its index.
    void menuChoice()
    {
        QFETCH(int, action);
        QFETCH(int, answer);
        QFETCH(int, selected);
        QFETCH(int, deleted);
        const auto plot = makePlot(QStringLiteral("sounding"));
        show(*plot);
        QSignalSpy selections(plot.get(), &zarPickPlot::sendRowSelection);
        QSignalSpy deletions(plot.get(), &zarPickPlot::sendRowDelete);
        zarDialogAnswer question;
        if (answer >= 0)
            question.expect(QMessageBox::StandardButton(answer));
        QVERIFY(tap(*plot, QPointF(10, 400), 0, [action](QMenu* m) {
            action < 0 ? QTest::keyClick(m, Qt::Key_Escape) : choose(m, action);
        }));
        QCOMPARE(question.text, answer >= 0 ? QStringLiteral("Are you sure you want to delete selected measurement?") : QString());
        QCOMPARE(selections.count() + deletions.count(), selected + deleted > -2 ? 1 : 0);
        QCOMPARE(selections.isEmpty() ? -1 : selections.first().first().toInt(), selected);
        QCOMPARE(deletions.isEmpty() ? -1 : deletions.first().first().toInt(), deleted);
        QCOMPARE(plot->pickCurve.dataSize(), size_t(0));
    }

    // An update while the menu is open replaces the markers under the pick: the
    // choice still acts on the row that was picked and reads nothing past the ends.
    void updateWhileMenuOpen_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("sounding") << QStringLiteral("sounding");
        QTest::newRow("pseudo-section") << QStringLiteral("pseudo-section");
    }

    void updateWhileMenuOpen()
    {
        QFETCH(QString, kind);
        const auto plot = makePlot(kind);
        zarPickPlot* raw = plot.get();
        show(*raw);
        QSignalSpy selections(raw, &zarPickPlot::sendRowSelection);
        QSignalSpy deletions(raw, &zarPickPlot::sendRowDelete);
        tap(*raw, point(kind), 0, [raw](QMenu* m) {
            if (auto* sounding = qobject_cast<zarSoundingCurvePlot*>(raw))
                sounding->onPlotClear();
            else
                qobject_cast<zarPseudoSectionPlot*>(raw)->onPlotUpdate(Points(), Values(), Rows());
            choose(m, 0);
        });
        QCOMPARE(selections.count(), 1);
        QCOMPARE(selections.first().first().toInt(), 41);
        // Without a pick the menu slots neither ask nor emit.
        zarDialogAnswer question;
        question.expect(QMessageBox::Yes);
        raw->pickedRow = -1;
        raw->onMenu01();
        raw->onMenu02();
        question.disarm();
        QCOMPARE(selections.count() + deletions.count(), 1);
        QVERIFY(!question.shown);
    }
};

ZAR_TEST_MAIN(TestSessionPlots)
#include "test_sessionplots.moc"
