#include "zartestsupport.h"
#include "zarsessionfixture.h"

#include "sessions/qwtplotspectrorect.h"
#include "sessions/zarlogcolormap.h"
#include "sessions/zarsessiondatamodel.h"

#include <qwt_scale_map.h>

#include <QPainter>
#include <QRandomGenerator>
#include <QSet>
#include <QSignalSpy>

typedef QVector<QPointF> Points;
typedef QVector<quint32> Rows;
Q_DECLARE_METATYPE(Points)
Q_DECLARE_METATYPE(Rows)
Q_DECLARE_METATYPE(QVector<float>)

namespace {

const QRgb blank = qRgb(255, 255, 255);

QImage canvas()
{
    QImage image(200, 120, QImage::Format_RGB32);
    image.fill(blank);
    return image;
}

QwtScaleMap map(double pixels)
{
    QwtScaleMap m;
    m.setPaintInterval(0, pixels);
    m.setScaleInterval(0, pixels);
    return m;
}

// Points on few pixels, so that cells stack and overlap their neighbours,
// some beyond the edges.
Points crowd(int count, quint32 seed)
{
    QRandomGenerator random(seed);
    Points points;
    for (int i = 0; i < count; ++i)
        points << QPointF(-4 + random.bounded(24) * 9.5, -4 + random.bounded(14) * 9.5);
    return points;
}

} // namespace

// Painting only the cells that stay visible leaves the same pixels as painting
// every cell in order; the table repaints only stored cells; hidden plots catch up.
class TestPlotCulling : public QObject
{
    Q_OBJECT

    // Every cell on its own, in order: nothing can be left out.
    static QImage drawCells(const QVector<QwtPoint3D>& cells, bool clip, bool oneByOne)
    {
        QwtPlotSpectroRect item;
        item.setColorMap(new zarLogColorMap(1, 1000));
        item.setColorRange(QwtInterval(1, 1000));
        item.setPaintAttribute(QwtPlotSpectroRect::ClipRects, clip);
        item.setRectWidth(13);
        item.setRectHeight(7);
        item.setSamples(cells);
        QImage image = canvas();
        QPainter painter(&image);
        if (oneByOne) {
            for (int i = 0; i < cells.size(); ++i)
                item.drawSeries(&painter, map(200), map(120), QRectF(image.rect()), i, i);
        } else {
            item.drawSeries(&painter, map(200), map(120), QRectF(image.rect()), 0, -1);
        }
        return image;
    }

    static zarSessionFile rows(int count)
    {
        zarSessionFile s = zarSessionFixture::sample();
        s.units.clear();
        for (int i = 0; i < count; ++i)
            s.units << zarSessionFixture::row(0, 3, 1, 2, 5.0f * i, 2.5f, i % 2 == 0, 100.0f + i);
        return s;
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<Points>();
        qRegisterMetaType<Rows>();
        qRegisterMetaType<QVector<float>>();
    }

    void cells_data()
    {
        QTest::addColumn<bool>("clip");
        QTest::newRow("clipped at the centres") << true;
        QTest::newRow("unclipped") << false;
    }

    void cells()
    {
        QFETCH(bool, clip);
        QVector<QwtPoint3D> cells;
        QRandomGenerator random(7);
        for (const QPointF& p : crowd(1500, 11))
            cells << QwtPoint3D(p.x(), p.y(), 1 + random.bounded(999));
        // Pixel centres on both edges of the canvas, last and on top.
        for (int x : { 0, 200 })
            for (int y = 0; y <= 120; ++y)
                cells << QwtPoint3D(x, y, x + y + 1);
        const QImage expected = drawCells(cells, clip, true);
        QCOMPARE(drawCells(cells, clip, false), expected);
    }

    // The view repaints what the model names: every cell of the stored rows'
    // measured columns, and nothing else.
    void storedCellsAnnounced()
    {
        zarSessionDataModel model;
        QVERIFY(model.loadFromFile(zarSessionFixture::write(rows(40), QStringLiteral("a.zarSession"))));
        model.groupStart = 20;
        QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
        zarCoreReportET2D report;
        report.results = { zarMeasureSet(), zarMeasureSet(), zarMeasureSet() };
        model.storeResults(report);
        QSet<QPair<int, int>> cells;
        for (const QList<QVariant>& change : changes) {
            const QModelIndex first = change.at(0).value<QModelIndex>();
            const QModelIndex last = change.at(1).value<QModelIndex>();
            QVERIFY(first.isValid() && last.isValid());
            for (int row = first.row(); row <= last.row(); ++row)
                for (int column = first.column(); column <= last.column(); ++column)
                    cells.insert({ row, column });
        }
        QSet<QPair<int, int>> expected;
        for (int row = 20; row < 23; ++row)
            for (int column = 6; column < 14; ++column)
                expected.insert({ row, column });
        QCOMPARE(cells, expected);
    }

    // Hidden plots are brought up to date when shown, with what was stored meanwhile.
    void hiddenPlotsCatchUp()
    {
        zarSessionDataModel model;
        QVERIFY(model.loadFromFile(zarSessionFixture::write(rows(6), QStringLiteral("b.zarSession"))));
        QSignalSpy section(&model, QOverload<Points, QVector<float>, Rows>::of(&zarSessionDataModel::sendPlotUpdate));
        model.setPlotsShown(false);
        model.groupStart = 1;
        zarCoreReportET2D report;
        zarMeasureSet result;
        result.txCurrent = 40;
        result.rxVoltage = 12;
        report.results = { result };
        model.storeResults(report);
        model.refresh();
        QCOMPARE(section.count(), 0);
        model.setPlotsShown(true);
        QCOMPARE(section.count(), 1);
        QCOMPARE(section.last().at(2).value<Rows>(), Rows({ 0, 1, 2, 4 }));
        model.setPlotsShown(true);
        QCOMPARE(section.count(), 1);
    }
};

ZAR_TEST_MAIN(TestPlotCulling)
#include "test_plotculling.moc"
