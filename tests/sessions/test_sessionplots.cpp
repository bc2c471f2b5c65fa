#include "zartestsupport.h"
#include "zardialoganswer.h"

#include "sessions/zarpseudosectionplot.h"
#include "sessions/zarsoundingcurveplot.h"

#include <qwt_plot_canvas.h>
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
Q_DECLARE_METATYPE(Points)
Q_DECLARE_METATYPE(Rows)
Q_DECLARE_METATYPE(Values)

namespace {

const double inf = std::numeric_limits<double>::infinity();
const double notANumber = std::numeric_limits<double>::quiet_NaN();

// Answers the next pick menu from a timer: keeps its texts and whether the pick
// marker showed while it was open, then does what the test asks.
class MenuAnswer
{
public:
    explicit MenuAnswer(const QwtPlotCurve& pick) : m_pick(pick)
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu || !menu->isVisible())
                return;
            timer.stop();
            for (QAction* action : menu->actions())
                texts << action->text();
            markerWhileOpen = int(m_pick.dataSize());
            m_answer(menu);
        });
    }

    void expect(std::function<void(QMenu*)> answer)
    {
        texts.clear();
        markerWhileOpen = -1;
        m_answer = std::move(answer);
        timer.start();
    }

    static void choose(QMenu* menu, int action)
    {
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions().at(action)).center());
    }

    QStringList texts;
    int markerWhileOpen = -1;
    QTimer timer;

private:
    const QwtPlotCurve& m_pick;
    std::function<void(QMenu*)> m_answer;
};

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

    // Where a point of the plot lies on its canvas.
    static QPointF onCanvas(QwtPlot& plot, const QPointF& point)
    {
        plot.updateLayout();
        return QPointF(plot.canvasMap(QwtPlot::xTop).transform(point.x()),
                       plot.canvasMap(QwtPlot::yLeft).transform(point.y()));
    }

    // A tap on the canvas, dx pixels (at least) right of a point; the release
    // reaches the plot through the canvas as a finger's would.
    static void tap(QwtPlot& plot, const QPointF& point, double dx = 0)
    {
        const QPointF at = onCanvas(plot, point);
        const QPoint pixel(int(dx >= 0 ? std::ceil(at.x() + dx) : std::floor(at.x() + dx)), qRound(at.y()));
        QTest::mouseClick(plot.canvas(), Qt::LeftButton, {}, pixel);
    }

    static QPair<double, double> bounds(const QwtPlot& plot, int axis)
    {
        const QwtScaleDiv& div = plot.axisScaleDiv(axis);
        return qMakePair(div.lowerBound(), div.upperBound());
    }

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

    static QPointF middlePoint(const QString& kind) { return kind == QLatin1String("sounding") ? QPointF(6, 100) : QPointF(30, 4); }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<Points>();
        qRegisterMetaType<Rows>();
    }

    void soundingAxes()
    {
        zarSoundingCurvePlot plot;
        QVERIFY(dynamic_cast<const QwtLogScaleEngine*>(plot.axisScaleEngine(QwtPlot::yLeft)));
        QVERIFY(!dynamic_cast<const QwtLogScaleEngine*>(plot.axisScaleEngine(QwtPlot::xTop)));
        QVERIFY(plot.axisEnabled(QwtPlot::xTop) && plot.axisEnabled(QwtPlot::yLeft));
        QVERIFY(!plot.axisEnabled(QwtPlot::xBottom) && !plot.axisEnabled(QwtPlot::yRight));
        QCOMPARE(plot.canvas()->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(plot.pointCurve.xAxis(), int(QwtPlot::xTop));
        QCOMPARE(plot.lineCurve.xAxis(), int(QwtPlot::xTop));
    }

    // A log10 axis cannot place zero, negative or infinite values; the markers keep
    // their rows.
    void soundingLeavesOutWhatALogAxisCannotShow()
    {
        zarSoundingCurvePlot plot;
        show(plot);
        const Points xy { { 1, 10 }, { 2, 0 }, { 3, -5 }, { 4, notANumber }, { 5, inf }, { notANumber, 30 }, { 6, 100 } };
        plot.onPlotUpdate(xy, Rows { 7, 8, 9, 10, 11, 12, 13 });
        plot.onPlotUpdate(xy);
        QCOMPARE(plot.pointCurve.dataSize(), size_t(2));
        QCOMPARE(plot.pointCurve.sample(1), QPointF(6, 100));
        QCOMPARE(plot.rowIndexes, Rows({ 7, 13 }));
        QCOMPARE(plot.lineCurve.dataSize(), size_t(2));
        const auto value = bounds(plot, QwtPlot::yLeft);
        QVERIFY2(value.first > 0 && value.first <= 10 && value.second >= 100 && value.second < 1e4,
                 qPrintable(QStringLiteral("%1 .. %2").arg(value.first).arg(value.second)));
    }

    void soundingClear()
    {
        zarSoundingCurvePlot plot;
        plot.onPlotUpdate(Points { { 1, 10 } }, Rows { 3 });
        plot.onPlotUpdate(Points { { 1, 10 }, { 2, 20 } });
        plot.pickCurve.setSamples(Points { { 1, 10 } });
        plot.onPlotClear();
        QCOMPARE(QList<size_t>({ plot.pointCurve.dataSize(), plot.lineCurve.dataSize(), plot.pickCurve.dataSize() }),
                 QList<size_t>({ 0, 0, 1 }));
        QVERIFY(plot.rowIndexes.isEmpty());
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
        QTest::newRow("one point") << Points { { 20, 3 } } << Values { 55 } << QSizeF(960, 340)
                                   << QPointF(17.5, 22.5) << QPointF(4.25, 1.75) << QPointF(5.5, 550) << QPointF(55, 55);
        QTest::newRow("no points keep the previous cell") << Points() << Values() << QSizeF(960, 340)
                                                          << QPointF(0, 1) << QPointF(1, 0) << QPointF(0.001, 1) << QPointF(0.001, 1);
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
        QCOMPARE(plot.cableSpacing(), 5.0f);
        plot.onPlotUpdate(Points { { 0, 0 } }, Values { 1 }, Rows { 0 });
        plot.onPlotUpdate(xy, f, Rows(xy.size(), 1));
        QCOMPARE(QSizeF(plot.spectroRect.rectWidth(), plot.spectroRect.rectHeight()), cell);
        const auto pair = [](QPair<double, double> p) { return QPointF(p.first, p.second); };
        QCOMPARE(pair(bounds(plot, QwtPlot::xTop)), top);
        QCOMPARE(pair(bounds(plot, QwtPlot::yLeft)), left);
        QCOMPARE(pair(bounds(plot, QwtPlot::xBottom)), bottom);
        const QwtInterval colours = plot.axisWidget(QwtPlot::xBottom)->colorBarInterval();
        QCOMPARE(QPointF(colours.minValue(), colours.maxValue()), bar);
        QCOMPARE(plot.spectroRect.colorRange(), colours);
        QVERIFY(dynamic_cast<const QwtLogScaleEngine*>(plot.axisScaleEngine(QwtPlot::xBottom)));
        QVERIFY(plot.axisScaleEngine(QwtPlot::yLeft)->testAttribute(QwtScaleEngine::Inverted));
    }

    void pseudoSectionLeavesOutUnplottableValues()
    {
        zarPseudoSectionPlot plot;
        plot.setCableSpacing(2);
        const Points xy { { 1, 1 }, { 2, 1 }, { 3, 1 }, { 4, 1 }, { notANumber, 1 }, { 6, inf }, { 7, 1 }, { 9, 2 } };
        plot.onPlotUpdate(xy, Values { 0, -3, float(notANumber), float(inf), 10, 10, 20, 200 }, Rows { 0, 1, 2, 3, 4, 5, 6, 7 });
        QCOMPARE(plot.spectroRect.dataSize(), size_t(2));
        QCOMPARE(plot.spectroRect.sample(1).z(), 200.0);
        QCOMPARE(plot.rowIndexes, Rows({ 6, 7 }));
        QCOMPARE(plot.pointCurve.dataSize(), size_t(2));
        QCOMPARE(plot.spectroRect.colorRange(), QwtInterval(20, 200));
        // Two spacings by two half spacings.
        QCOMPARE(QSizeF(plot.spectroRect.rectWidth(), plot.spectroRect.rectHeight()), QSizeF(960, 340));
    }

    // Each cell shows in the colour of its value where it is drawn.
    void pseudoSectionCells()
    {
        zarPseudoSectionPlot plot;
        show(plot);
        const Points xy { { 10, 2 }, { 60, 7 } };
        plot.onPlotUpdate(xy, Values { 10, 1000 }, Rows { 0, 1 });
        const QImage canvas = plot.canvas()->grab().toImage();
        const QRgb colours[] = { qRgb(0, 0, 128), qRgb(96, 0, 96) };
        for (int i = 0; i < 2; ++i) {
            const QPointF at = onCanvas(plot, xy[i]);
            QCOMPARE(QColor(canvas.pixel(at.toPoint())), QColor(colours[i]));
        }
        QCOMPARE(QColor(canvas.pixel(onCanvas(plot, QPointF(35, 4.5)).toPoint())), QColor(Qt::white));
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
        MenuAnswer answer(plot->pickCurve);
        answer.expect([](QMenu* m) { MenuAnswer::choose(m, 0); });
        tap(*plot, middlePoint(kind), dx);
        answer.timer.stop();
        QCOMPARE(!answer.texts.isEmpty(), menu);
        QCOMPARE(selections.count(), menu ? 1 : 0);
        if (menu) {
            QCOMPARE(answer.texts, QStringList({ "Go to", "Delete", "Cancel" }));
            QCOMPARE(answer.markerWhileOpen, 1);
            QCOMPARE(selections.first().first().toInt(), 41);
        }
        QCOMPARE(plot->pickCurve.dataSize(), size_t(0));
    }

    // The line of a sounding is never picked, only its markers.
    void lineIsNotPickable()
    {
        zarSoundingCurvePlot plot;
        show(plot);
        plot.onPlotUpdate(Points { { 2, 50 }, { 10, 400 } });
        MenuAnswer answer(plot.pickCurve);
        answer.expect([](QMenu* m) { m->close(); });
        tap(plot, QPointF(2, 50));
        answer.timer.stop();
        QVERIFY(answer.texts.isEmpty());
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
        MenuAnswer menu(plot->pickCurve);
        menu.expect([action](QMenu* m) {
            if (action < 0)
                QTest::keyClick(m, Qt::Key_Escape);
            else
                MenuAnswer::choose(m, action);
        });
        tap(*plot, QPointF(10, 400));
        QCOMPARE(menu.markerWhileOpen, 1);
        QCOMPARE(question.shown, answer >= 0);
        if (answer >= 0)
            QCOMPARE(question.text, QStringLiteral("Are you sure you want to delete selected measurement?"));
        QCOMPARE(selections.isEmpty() ? -1 : selections.first().first().toInt(), selected);
        QCOMPARE(deletions.isEmpty() ? -1 : deletions.first().first().toInt(), deleted);
        QCOMPARE(selections.count() + deletions.count(), selected + deleted > -2 ? 1 : 0);
        QCOMPARE(plot->pickCurve.dataSize(), size_t(0));
    }

    // An update while the menu is open replaces the markers under the pick: the
    // choice still acts on the row that was picked, and reads nothing past the ends.
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
        show(*plot);
        QSignalSpy selections(plot.get(), &zarPickPlot::sendRowSelection);
        MenuAnswer menu(plot->pickCurve);
        zarPickPlot* raw = plot.get();
        menu.expect([raw](QMenu* m) {
            if (auto* sounding = qobject_cast<zarSoundingCurvePlot*>(raw))
                sounding->onPlotClear();
            else
                qobject_cast<zarPseudoSectionPlot*>(raw)->onPlotUpdate(Points(), Values(), Rows());
            MenuAnswer::choose(m, 0);
        });
        tap(*plot, middlePoint(kind));
        QCOMPARE(selections.count(), 1);
        QCOMPARE(selections.first().first().toInt(), 41);
        // Without a pick the menu slots neither ask nor emit.
        QSignalSpy deletions(raw, &zarPickPlot::sendRowDelete);
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
