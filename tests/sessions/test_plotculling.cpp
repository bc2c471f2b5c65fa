#include "zartestsupport.h"

#include "sessions/qwtplotsectionrect.h"
#include "sessions/zarlogcolormap.h"

#include <qwt_scale_map.h>

#include <QPainter>
#include <QRandomGenerator>

// Painting only the cells that stay visible leaves the same pixels as painting
// every cell in order.
class TestPlotCulling : public QObject
{
    Q_OBJECT

    static QwtScaleMap map(double pixels)
    {
        QwtScaleMap m;
        m.setPaintInterval(0, pixels);
        m.setScaleInterval(0, pixels);
        return m;
    }

    // One by one: every cell on its own, in order, so nothing can be left out.
    static QImage drawCells(const QVector<QwtPoint3D>& cells, bool clip, bool oneByOne)
    {
        QwtPlotSectionRect item;
        item.setColorMap(new zarLogColorMap(1, 1000));
        item.setColorRange(QwtInterval(1, 1000));
        item.setPaintAttribute(QwtPlotSectionRect::ClipRects, clip);
        item.setRectWidth(13);
        item.setRectHeight(7);
        item.setSamples(cells);
        QImage image(200, 120, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        if (oneByOne) {
            for (int i = 0; i < cells.size(); ++i)
                item.drawSeries(&painter, map(200), map(120), QRectF(image.rect()), i, i);
        } else {
            item.drawSeries(&painter, map(200), map(120), QRectF(image.rect()), 0, -1);
        }
        return image;
    }

private slots:
    void cells_data()
    {
        QTest::addColumn<bool>("clip");
        QTest::newRow("clipped at the centres") << true;
        QTest::newRow("unclipped") << false;
    }

    void cells()
    {
        QFETCH(bool, clip);
        // Cells on few pixels, so that they stack and overlap their neighbours,
        // some beyond the edges.
        QVector<QwtPoint3D> cells;
        QRandomGenerator random(11);
        for (int i = 0; i < 1500; ++i)
            cells << QwtPoint3D(-4 + random.bounded(24) * 9.5, -4 + random.bounded(14) * 9.5, 1 + random.bounded(999));
        // Pixel centres on both edges of the canvas, last and on top.
        for (int x : { 0, 200 })
            for (int y = 0; y <= 120; ++y)
                cells << QwtPoint3D(x, y, x + y + 1);
        const QImage expected = drawCells(cells, clip, true);
        QCOMPARE(drawCells(cells, clip, false), expected);
    }
};

ZAR_TEST_MAIN(TestPlotCulling)
#include "test_plotculling.moc"
