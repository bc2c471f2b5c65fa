#include "zartestsupport.h"

#include "sessions/qwtplotspectrorect.h"
#include "sessions/zarlogcolormap.h"

#include <qwt_scale_map.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <limits>

typedef QVector<double> Positions;
Q_DECLARE_METATYPE(Positions)


namespace {

const double notANumber = std::numeric_limits<double>::quiet_NaN();
const QRgb blank = qRgb(255, 255, 255);

// Counts the changes the item announces.
class CountingItem : public QwtPlotSpectroRect
{
public:
    void itemChanged() override
    {
        ++changes;
        QwtPlotSpectroRect::itemChanged();
    }
    int changes = 0;
};

class WatchedMap : public QwtLinearColorMap
{
public:
    explicit WatchedMap(bool* deleted) : m_deleted(deleted) {}
    ~WatchedMap() override { *m_deleted = true; }

private:
    bool* m_deleted;
};

} // namespace

// The logarithmic colour map and the item that paints one coloured cell per point.
class TestSpectroRect : public QObject
{
    Q_OBJECT

    // The thirteen inner stops of a map.
    static Positions inner(const zarLogColorMap& map)
    {
        const QVector<double> stops = map.colorStops();
        return stops.size() > 2 ? stops.mid(1, stops.size() - 2) : Positions();
    }

    // Draws the item's points on a white 100 x 100 image whose pixels are the plot
    // coordinates, the canvas being the whole image unless given.
    static QImage draw(const QwtPlotSpectroRect& item, int from = 0, int to = -1,
                       const QRectF& canvas = QRectF(0, 0, 100, 100))
    {
        QImage image(100, 100, QImage::Format_RGB32);
        image.fill(blank);
        QwtScaleMap map;
        map.setPaintInterval(0, 100);
        map.setScaleInterval(0, 100);
        QPainter painter(&image);
        item.drawSeries(&painter, map, map, canvas, from, to);
        return image;
    }

    static void cell(QwtPlotSpectroRect& item, const QVector<QwtPoint3D>& points, float width = 10, float height = 6)
    {
        item.setRectWidth(width);
        item.setRectHeight(height);
        item.setSamples(points);
    }

private slots:
    void positions_data()
    {
        QTest::addColumn<float>("min");
        QTest::addColumn<float>("max");
        QTest::addColumn<Positions>("expected");
        const Positions decades { 0.00393, 0.0094, 0.017, 0.02755, 0.04222, 0.06259, 0.09091,
                                  0.13025, 0.18492, 0.26088, 0.36642, 0.51308, 0.71685 };
        const Positions fromZero { 0.00064, 0.00168, 0.0034, 0.0062, 0.0108, 0.01833, 0.03065,
                                   0.05085, 0.08392, 0.13809, 0.22681, 0.37213, 0.61015 };
        QTest::newRow("1 to 100") << 1.0f << 100.0f << decades;
        QTest::newRow("10 to 1000") << 10.0f << 1000.0f << decades;
        QTest::newRow("0 to 1 taken from 0.001") << 0.0f << 1.0f << fromZero;
        QTest::newRow("negative lower bound") << -5.0f << 1.0f << fromZero;
        QTest::newRow("equal bounds") << 7.0f << 7.0f << Positions();
        QTest::newRow("reversed bounds") << 100.0f << 1.0f << Positions();
        QTest::newRow("upper bound at 0.001") << -1.0f << 0.001f << Positions();
        QTest::newRow("upper bound not a number") << 1.0f << float(notANumber) << Positions();
    }

    void positions()
    {
        QFETCH(float, min);
        QFETCH(float, max);
        QFETCH(Positions, expected);
        const zarLogColorMap map(min, max);
        const Positions found = inner(map);
        QCOMPARE(found.size(), expected.size());
        for (int k = 0; k < found.size(); ++k)
            QVERIFY2(std::fabs(found[k] - expected[k]) < 0.000051, qPrintable(QStringLiteral("stop %1").arg(k + 1)));
        QCOMPARE(map.color1(), QColor(0, 0, 128));
        QCOMPARE(map.color2(), QColor(96, 0, 96));
    }

    // Maps made one after another, with other bounds in between, each have their own stops.
    void positionsFollowTheBounds()
    {
        const Positions first = inner(zarLogColorMap(1, 100));
        const Positions narrower = inner(zarLogColorMap(1, 50));
        const Positions shifted = inner(zarLogColorMap(2, 100));
        QCOMPARE(inner(zarLogColorMap(1, 100)), first);
        QCOMPARE(inner(zarLogColorMap(5, 5)), Positions());
        QCOMPARE(inner(zarLogColorMap(1, 100)), first);
        QVERIFY(std::fabs(narrower[6] - (std::sqrt(50.0) - 1) / 49) < 1e-5);
        QVERIFY(std::fabs(shifted[6] - (std::sqrt(200.0) - 2) / 98) < 1e-5);
    }

    void colours_data()
    {
        QTest::addColumn<QwtInterval>("interval");
        QTest::addColumn<double>("value");
        QTest::addColumn<QColor>("colour");
        const QwtInterval decades(1, 100);
        QTest::newRow("below the range") << decades << 0.5 << QColor(0, 0, 128);
        QTest::newRow("lower bound") << decades << 1.0 << QColor(0, 0, 128);
        QTest::newRow("value 10 on stop 7") << decades << 10.0 << QColor(128, 192, 0);
        QTest::newRow("upper bound") << decades << 100.0 << QColor(96, 0, 96);
        QTest::newRow("above the range") << decades << 1e6 << QColor(96, 0, 96);
        QTest::newRow("zero-width interval") << QwtInterval(100, 100) << 100.0 << QColor(0, 0, 128);
        QTest::newRow("not a number") << decades << notANumber << QColor(0, 0, 0, 0);
    }

    void colours()
    {
        QFETCH(QwtInterval, interval);
        QFETCH(double, value);
        QFETCH(QColor, colour);
        const QColor found = QColor::fromRgba(zarLogColorMap(1, 100).rgb(interval, value));
        // The stops sit on float positions: allow one step of rounding.
        QVERIFY2(std::abs(found.red() - colour.red()) <= 1 && std::abs(found.green() - colour.green()) <= 1
                     && found.blue() == colour.blue() && found.alpha() == colour.alpha(),
                 qPrintable(found.name(QColor::HexArgb)));
    }

    void cellColour_data()
    {
        QTest::addColumn<double>("z");
        QTest::addColumn<QwtInterval>("range");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("below the range") << 5.0 << QwtInterval(10, 1000) << qRgb(0, 0, 128);
        QTest::newRow("above the range") << 2000.0 << QwtInterval(10, 1000) << qRgb(96, 0, 96);
        QTest::newRow("zero-width range") << 10.0 << QwtInterval(10, 10) << qRgb(0, 0, 128);
        QTest::newRow("not a number is opaque black") << notANumber << QwtInterval(10, 1000) << qRgb(0, 0, 0);
        QTest::newRow("reversed range draws nothing") << 50.0 << QwtInterval(1000, 10) << blank;
    }

    // A 10 x 6 cell centred on (50, 50): colour inside, nothing beyond its edge.
    void cellColour()
    {
        QFETCH(double, z);
        QFETCH(QwtInterval, range);
        QFETCH(QRgb, colour);
        QwtPlotSpectroRect item;
        item.setColorMap(new zarLogColorMap(10, 1000));
        item.setColorRange(range);
        cell(item, { QwtPoint3D(50, 50, z) });
        const QImage image = draw(item);
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
        const QRgb first = qRgb(0, 0, 128);
        QTest::newRow("centre one pixel outside") << -1.0 << true << blank;
        QTest::newRow("centre inside, cut at the edge") << 1.0 << true << first;
        QTest::newRow("outside without clipping") << -1.0 << false << first;
    }

    void clipping()
    {
        QFETCH(double, x);
        QFETCH(bool, clip);
        QFETCH(QRgb, edge);
        QwtPlotSpectroRect item;
        item.setColorMap(new zarLogColorMap(10, 1000));
        item.setColorRange(QwtInterval(10, 1000));
        item.setPaintAttribute(QwtPlotSpectroRect::ClipRects, clip);
        QCOMPARE(item.testPaintAttribute(QwtPlotSpectroRect::ClipRects), clip);
        cell(item, { QwtPoint3D(x, 50, 10) });
        QCOMPARE(draw(item).pixel(0, 50), edge);
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
    }

    void indexRange()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, drawn);
        QwtPlotSpectroRect item;
        item.setColorRange(QwtInterval(0, 1000));
        cell(item, { QwtPoint3D(20, 50, 1), QwtPoint3D(50, 50, 1), QwtPoint3D(80, 50, 1) });
        const QImage image = draw(item, from, to);
        QString found;
        for (int i = 0; i < 3; ++i) {
            if (image.pixel(20 + 30 * i, 50) != blank)
                found += QLatin1Char('a' + i);
        }
        QCOMPARE(found, drawn);
    }

    // A zero cable spacing makes the cell size not a number: nothing can be placed.
    void sizeNotANumberDrawsNothing()
    {
        QwtPlotSpectroRect item;
        item.setColorRange(QwtInterval(0, 1000));
        cell(item, { QwtPoint3D(50, 50, 1) }, float(notANumber), 6);
        QCOMPARE(draw(item).pixel(50, 50), blank);
        cell(item, { QwtPoint3D(50, 50, 1) }, 10, float(notANumber));
        QCOMPARE(draw(item).pixel(50, 50), blank);
    }

    void emptySeriesDrawsNothing()
    {
        QwtPlotSpectroRect item;
        item.setRectWidth(10);
        item.setRectHeight(10);
        QImage image = draw(item);
        QCOMPARE(image.pixel(50, 50), blank);
        QCOMPARE(item.dataSize(), size_t(0));
    }

    void setters()
    {
        CountingItem item;
        QVERIFY(item.rtti() != QwtPlotItem::Rtti_PlotSpectroCurve);
        QCOMPARE(item.rtti(), int(QwtPlotSpectroRect::Rtti_PlotSpectroRect));
        QCOMPARE(QList<float>({ item.rectWidth(), item.rectHeight() }), QList<float>({ 0, 0 }));
        QCOMPARE(item.colorRange(), QwtInterval(0, 1000));
        QCOMPARE(item.z(), 20.0);

        item.changes = 0;
        item.setRectWidth(-3);
        item.setRectHeight(-3);
        QCOMPARE(item.changes, 0);
        QCOMPARE(item.rectWidth(), 0.0f);
        item.setRectWidth(12);
        item.setRectWidth(12);
        item.setColorRange(QwtInterval(1, 2));
        item.setColorRange(QwtInterval(1, 2));
        QCOMPARE(item.changes, 2);
        item.setColorRange(QwtInterval(1, 2, QwtInterval::ExcludeMaximum));
        QCOMPARE(item.changes, 3);
        item.setPaintAttribute(QwtPlotSpectroRect::ClipRects, false);
        QCOMPARE(item.changes, 3);
        item.setSamples({ QwtPoint3D(1, 2, 3) });
        QVERIFY(item.changes > 3);
        QCOMPARE(item.sample(0).z(), 3.0);
    }

    void colourMapOwnership()
    {
        bool firstDeleted = false, secondDeleted = false;
        {
            CountingItem item;
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
};

ZAR_TEST_MAIN(TestSpectroRect)
#include "test_spectrorect.moc"
