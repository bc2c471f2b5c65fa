#include "zartestsupport.h"

#include "sessions/qwtplotspectrorect.h"
#include "sessions/zarlogcolormap.h"

#include <qwt_scale_map.h>

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

// The thirteen inner stops of a map.
Positions inner(const zarLogColorMap& map)
{
    const QVector<double> stops = map.colorStops();
    return stops.mid(1, stops.size() - 2);
}

// Draws 10 x 6 cells on a white 100 x 100 image whose pixels are the plot coordinates.
QImage draw(const QVector<QwtPoint3D>& points, const QwtInterval& range, int from = 0, int to = -1,
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
    QwtScaleMap map;
    map.setPaintInterval(0, 100);
    map.setScaleInterval(0, 100);
    QPainter painter(&image);
    item.drawSeries(&painter, map, map, QRectF(0, 0, 100, 100), from, to);
    return image;
}

} // namespace

// The logarithmic colour map and the item that paints one coloured cell per point.
class TestSpectroRect : public QObject
{
    Q_OBJECT

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
        QCOMPARE(QList<QColor>({ map.color1(), map.color2() }), QList<QColor>({ QColor(0, 0, 128), QColor(96, 0, 96) }));
    }

    // Maps made one after another, with other bounds in between, each have their own stops.
    void positionsFollowTheBounds()
    {
        const Positions first = inner(zarLogColorMap(1, 100));
        QCOMPARE(inner(zarLogColorMap(5, 5)), Positions());
        QVERIFY(std::fabs(inner(zarLogColorMap(1, 50))[6] - (std::sqrt(50.0) - 1) / 49) < 1e-5);
        QVERIFY(std::fabs(inner(zarLogColorMap(2, 100))[6] - (std::sqrt(200.0) - 2) / 98) < 1e-5);
        QCOMPARE(inner(zarLogColorMap(1, 100)), first);
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
        QTest::newRow("zero-width range") << 10.0 << QwtInterval(10, 10) << 10.0f << qRgb(0, 0, 128);
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
        QFETCH(QRgb, colour);
        const QImage image = draw({ QwtPoint3D(50, 50, z) }, range, 0, -1, true, width);
        QCOMPARE(QList<QRgb>({ image.pixel(50, 50), image.pixel(46, 48) }), QList<QRgb>({ colour, colour }));
        QCOMPARE(QList<QRgb>({ image.pixel(57, 50), image.pixel(50, 55) }), QList<QRgb>({ blank, blank }));
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

    void clipping()
    {
        QFETCH(double, x);
        QFETCH(bool, clip);
        QFETCH(QRgb, edge);
        QCOMPARE(draw({ QwtPoint3D(x, 50, 10) }, QwtInterval(10, 1000), 0, -1, clip).pixel(0, 50), edge);
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
        const QImage image = draw({ QwtPoint3D(20, 50, 1), QwtPoint3D(50, 50, 1), QwtPoint3D(80, 50, 1) },
                                  QwtInterval(0, 1000), from, to);
        QString found;
        for (int i = 0; i < 3; ++i) {
            if (image.pixel(20 + 30 * i, 50) != blank)
                found += QLatin1Char('a' + i);
        }
        QCOMPARE(found, drawn);
    }

    // Unchanged settings request no repaint; a colour map is owned and freed once.
    void settersAndOwnership()
    {
        bool firstDeleted = false, secondDeleted = false;
        {
            CountingItem item;
            QCOMPARE(item.rtti(), int(QwtPlotSpectroRect::Rtti_PlotSpectroRect));
            QVERIFY(item.rtti() != QwtPlotItem::Rtti_PlotSpectroCurve);
            QCOMPARE(QList<double>({ item.rectWidth(), item.rectHeight(), item.colorRange().maxValue() }),
                     QList<double>({ 0, 0, 1000 }));
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
            QCOMPARE(QList<bool>({ firstDeleted, item.changes == 1 }), QList<bool>({ false, true }));
            item.setColorMap(new WatchedMap(&secondDeleted));
            QCOMPARE(QList<bool>({ firstDeleted, secondDeleted }), QList<bool>({ true, false }));
        }
        QVERIFY(secondDeleted);
    }
};

ZAR_TEST_MAIN(TestSpectroRect)
#include "test_spectrorect.moc"
