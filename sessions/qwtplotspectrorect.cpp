#include "sessions/qwtplotspectrorect.h"

#include <qwt_color_map.h>
#include <qwt_painter.h>
#include <qwt_scale_map.h>

#include <QPainter>

#include <cmath>
#include <limits>
#include <vector>

class QwtPlotSpectroRect::PrivateData
{
public:
    PrivateData() : colorMap(new QwtLinearColorMap()), colorRange(0.0, 1000.0) {}
    ~PrivateData() { delete colorMap; }

    QwtColorMap* colorMap;
    QwtInterval colorRange;
    mutable QVector<QRgb> colorTable;
    float rectWidth = 0.0f;
    float rectHeight = 0.0f;
    int paintAttributes = QwtPlotSpectroRect::ClipRects;

    // Kept between paints so that a repaint allocates nothing.
    struct Cell
    {
        double x, y, value;
        int key;
    };
    mutable std::vector<Cell> cells;
    mutable std::vector<int> lastOnPixel;
};

namespace {
// Larger canvases (a print) paint every cell.
const qint64 maxGridCells = qint64(1) << 21;
}

QwtPlotSpectroRect::QwtPlotSpectroRect(const QString& title) : QwtPlotSeriesItem(QwtText(title))
{
    init();
}

QwtPlotSpectroRect::QwtPlotSpectroRect(const QwtText& title) : QwtPlotSeriesItem(title)
{
    init();
}

QwtPlotSpectroRect::~QwtPlotSpectroRect()
{
    delete d_data;
}

void QwtPlotSpectroRect::init()
{
    setItemAttribute(QwtPlotItem::Legend);
    setItemAttribute(QwtPlotItem::AutoScale);
    d_data = new PrivateData;
    setData(new QwtPoint3DSeriesData());
    setZ(20.0);
}

int QwtPlotSpectroRect::rtti() const
{
    return QwtPlotItem::Rtti_PlotSpectroCurve;
}

void QwtPlotSpectroRect::setPaintAttribute(PaintAttribute attribute, bool on)
{
    if (on)
        d_data->paintAttributes |= attribute;
    else
        d_data->paintAttributes &= ~attribute;
}

bool QwtPlotSpectroRect::testPaintAttribute(PaintAttribute attribute) const
{
    return d_data->paintAttributes & attribute;
}

void QwtPlotSpectroRect::setColorMap(QwtColorMap* colorMap)
{
    if (colorMap != d_data->colorMap) {
        delete d_data->colorMap;
        d_data->colorMap = colorMap;
    }
    itemChanged();
}

const QwtColorMap* QwtPlotSpectroRect::colorMap() const
{
    return d_data->colorMap;
}

void QwtPlotSpectroRect::setColorRange(const QwtInterval& interval)
{
    if (interval != d_data->colorRange) {
        d_data->colorRange = interval;
        itemChanged();
    }
}

const QwtInterval& QwtPlotSpectroRect::colorRange() const
{
    return d_data->colorRange;
}

namespace {

// False when nothing changed.
bool storeSize(float& stored, float value)
{
    if (value < 0.0f)
        value = 0.0f;
    if (value == stored)
        return false;
    stored = value;
    return true;
}

} // namespace

void QwtPlotSpectroRect::setRectWidth(float width)
{
    if (storeSize(d_data->rectWidth, width))
        itemChanged();
}

float QwtPlotSpectroRect::rectWidth() const
{
    return d_data->rectWidth;
}

void QwtPlotSpectroRect::setRectHeight(float height)
{
    if (storeSize(d_data->rectHeight, height))
        itemChanged();
}

float QwtPlotSpectroRect::rectHeight() const
{
    return d_data->rectHeight;
}

void QwtPlotSpectroRect::setSamples(const QVector<QwtPoint3D>& samples)
{
    setData(new QwtPoint3DSeriesData(samples));
    itemChanged();
}

void QwtPlotSpectroRect::drawSeries(QPainter* painter, const QwtScaleMap& xMap, const QwtScaleMap& yMap,
                                    const QRectF& canvasRect, int from, int to) const
{
    if (!painter || dataSize() == 0)
        return;
    // A range past the last sample would read outside the series.
    if (to < 0 || to >= int(dataSize()))
        to = int(dataSize()) - 1;
    if (from < 0)
        from = 0;
    if (from > to)
        return;
    drawRects(painter, xMap, yMap, canvasRect, from, to);
}

void QwtPlotSpectroRect::drawRects(QPainter* painter, const QwtScaleMap& xMap, const QwtScaleMap& yMap,
                                   const QRectF& canvasRect, int from, int to) const
{
    if (!d_data->colorRange.isValid())
        return;
    const double width = d_data->rectWidth;
    const double height = d_data->rectHeight;
    // A cable spacing of 0 makes the size NaN: such cells cannot be placed.
    if (!std::isfinite(width) || !std::isfinite(height))
        return;
    const bool doAlign = QwtPainter::roundingAlignment(painter);
    const QwtSeriesData<QwtPoint3D>* series = data();
    const bool clip = d_data->paintAttributes & ClipRects;

    // A later cell on the same pixel centre covers an earlier one whole, so only
    // the last cell of each centre is painted: a grid over the canvas pixels
    // keeps the position of that cell.
    const int gridLeft = int(std::floor(canvasRect.left()));
    const int gridTop = int(std::floor(canvasRect.top()));
    const qint64 gridWidth = qint64(std::ceil(canvasRect.right())) - gridLeft + 1;
    const qint64 gridHeight = qint64(std::ceil(canvasRect.bottom())) - gridTop + 1;
    const bool onGrid = doAlign && gridWidth > 0 && gridHeight > 0 && gridWidth * gridHeight <= maxGridCells;
    std::vector<int>& last = d_data->lastOnPixel;
    if (onGrid && last.size() < size_t(gridWidth * gridHeight))
        last.resize(size_t(gridWidth * gridHeight));

    std::vector<PrivateData::Cell>& cells = d_data->cells;
    cells.clear();
    for (int i = from; i <= to; ++i) {
        const QwtPoint3D sample = series->sample(size_t(i));
        double xi = xMap.transform(sample.x());
        double yi = yMap.transform(sample.y());
        if (!std::isfinite(xi) || !std::isfinite(yi))
            continue;
        if (doAlign) {
            xi = qRound(xi);
            yi = qRound(yi);
        }
        if (clip && !canvasRect.contains(xi, yi))
            continue;
        int key = -1;
        if (onGrid) {
            const double gx = xi - gridLeft;
            const double gy = yi - gridTop;
            if (gx >= 0 && gy >= 0 && gx < gridWidth && gy < gridHeight) {
                key = int(gy) * int(gridWidth) + int(gx);
                last[size_t(key)] = int(cells.size());
            }
        }
        cells.push_back({ xi, yi, sample.z(), key });
    }

    const QwtColorMap::Format format = d_data->colorMap->format();
    if (format == QwtColorMap::Indexed)
        d_data->colorTable = d_data->colorMap->colorTable(d_data->colorRange);
    // Neighbouring cells often share a value.
    double lastValue = std::numeric_limits<double>::quiet_NaN();
    QColor colour;
    for (size_t k = 0; k < cells.size(); ++k) {
        const PrivateData::Cell& cell = cells[k];
        if (cell.key >= 0 && last[size_t(cell.key)] != int(k))
            continue;
        if (!(cell.value == lastValue)) {
            lastValue = cell.value;
            QRgb rgb;
            if (format == QwtColorMap::RGB)
                rgb = d_data->colorMap->rgb(d_data->colorRange, cell.value);
            else
                rgb = d_data->colorTable.value(d_data->colorMap->colorIndex(d_data->colorRange, cell.value));
            colour = QColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
        }
        // Fill and one-pixel outline in one colour: the rectangle grown by half the
        // pen on every side, filled without a stroke (several times faster).
        painter->fillRect(QRectF(cell.x - width / 2 - 0.5, cell.y - height / 2 - 0.5, width + 1.0, height + 1.0),
                          colour);
    }
    d_data->colorTable.clear();
    cells.clear();
}
