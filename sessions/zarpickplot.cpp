#include "sessions/zarpickplot.h"

#include "frame/zarwarningdialog.h"

#include <qwt_painter.h>
#include <qwt_symbol.h>

#include <QCoreApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include <cmath>

zarPickPlot::zarPickPlot(QWidget* parent) : QwtPlot(parent)
{
    // The curves are members: the plot must not delete them.
    setAutoDelete(false);
    setAutoReplot(false);
    pointCurve.setXAxis(QwtPlot::xTop);

    // The dotted grid lies below every item.
    QPen gridPen;
    gridPen.setStyle(Qt::DotLine);
    gridPen.setColor(Qt::gray);
    grid.setPen(gridPen);
    grid.enableXMin(true);
    grid.enableYMin(true);
    grid.setXAxis(QwtPlot::xTop);
    grid.attach(this);
}

zarPickPlot::~zarPickPlot() = default;

void zarPickPlot::attachPickCurve()
{
    pickCurve.setSymbol(new QwtSymbol(QwtSymbol::Ellipse, QBrush(Qt::red),
                                      QPen(QBrush(Qt::black), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin),
                                      QSize(15, 15)));
    pickCurve.setPen(QPen(Qt::NoPen));
    pickCurve.setXAxis(QwtPlot::xTop);
    pickCurve.setRenderHint(QwtPlotItem::RenderAntialiased);
    pickCurve.attach(this);
    canvas()->setCursor(QCursor());
}

void zarPickPlot::setPickable(const QVector<QPointF>& xy, const QVector<quint32>& idx)
{
    rowIndexes = idx;
    pointCurve.setSamples(xy);
}

void zarPickPlot::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const QPoint position = canvas()->mapFrom(this, event->pos());
    double distance = 0;
    pickedPoint = pointCurve.closestPoint(position, &distance);
    pickedRow = -1;
    if (pickedPoint < 0 || !(distance < 10.0)) {
        pickedPoint = -1;
        return;
    }
    if (pickedPoint < rowIndexes.size())
        pickedRow = int(rowIndexes.at(pickedPoint));
    pickCurve.setSamples(QVector<QPointF> { pointCurve.sample(size_t(pickedPoint)) });
    replot();

    const char* context = metaObject()->className();
    QMenu menu;
    // Items a finger can hit.
    menu.setStyleSheet(QStringLiteral("QMenu::item { min-height: 48px; padding: 0px 24px 0px 8px; }"
                                      " QMenu::item:selected { background: #3399ff; color: white; }"
                                      " QMenu::icon { padding-left: 12px; }"));
    connect(&menu, &QObject::destroyed, this, &zarPickPlot::onPickPlotClear);
    connect(menu.addAction(QIcon(QStringLiteral(":/icons/icons/play.png")),
                           QCoreApplication::translate(context, "Go to")),
            &QAction::triggered, this, &zarPickPlot::onMenu01);
    connect(menu.addAction(QIcon(QStringLiteral(":/icons/icons/eraser.png")),
                           QCoreApplication::translate(context, "Delete")),
            &QAction::triggered, this, &zarPickPlot::onMenu02);
    menu.addAction(QIcon(QStringLiteral(":/icons/icons/close.png")), QCoreApplication::translate(context, "Cancel"));
    menu.exec(event->globalPos() + QPoint(10, 10));
}

void zarPickPlot::onPickPlotClear()
{
    pickCurve.setSamples(QVector<QPointF>());
    replot();
}

void zarPickPlot::onMenu01()
{
    if (pickedRow >= 0)
        emit sendRowSelection(pickedRow);
}

void zarPickPlot::onMenu02()
{
    if (pickedRow < 0)
        return;
    const int row = pickedRow;
    const QString question =
        QCoreApplication::translate(metaObject()->className(), "Are you sure you want to delete selected measurement?");
    if (zarWarningDialog::question(question) == 1)
        emit sendRowDelete(row);
}

namespace {

// A second stamp of the symbol on the same pixel changes nothing only when every
// pixel it sets is opaque.
bool stampsOpaque(const QwtSymbol& symbol, const QPainter* painter)
{
    if (painter->testRenderHint(QPainter::Antialiasing) || painter->transform().isScaling())
        return false;
    if (symbol.style() < QwtSymbol::Ellipse || symbol.style() > QwtSymbol::Hexagon)
        return false;
    const QBrush& brush = symbol.brush();
    const QPen& pen = symbol.pen();
    return (brush.style() == Qt::NoBrush || brush.isOpaque())
        && (pen.style() == Qt::NoPen || pen.brush().isOpaque());
}

} // namespace

void zarPickPlot::MarkerCurve::drawSymbols(QPainter* painter, const QwtSymbol& symbol, const QwtScaleMap& xMap,
                                           const QwtScaleMap& yMap, const QRectF& canvasRect, int from,
                                           int to) const
{
    const QRect pixels = canvasRect.toAlignedRect();
    const qint64 area = qint64(pixels.width()) * pixels.height();
    if (!QwtPainter::roundingAlignment(painter) || !testPaintAttribute(FilterPoints) || !stampsOpaque(symbol, painter)
        || area <= 0 || area > (qint64(1) << 21)) {
        QwtPlotCurve::drawSymbols(painter, symbol, xMap, yMap, canvasRect, from, to);
        return;
    }
    // Qwt stamps the markers in chunks of 500, each marker on its rounded pixel
    // of the canvas unless an earlier one of its chunk took that pixel.
    const int chunkSize = 500;
    const QwtSeriesData<QPointF>* series = data();
    stamps.clear();
    for (int i = from; i <= to; ++i) {
        const QPointF sample = series->sample(size_t(i));
        const double x = xMap.transform(sample.x());
        const double y = yMap.transform(sample.y());
        if (!(std::fabs(x) < 1e9) || !(std::fabs(y) < 1e9))
            continue;
        const int px = qRound(x) - pixels.left();
        const int py = qRound(y) - pixels.top();
        if (px < 0 || py < 0 || px >= pixels.width() || py >= pixels.height())
            continue;
        stamps.push_back({ i, py * pixels.width() + px });
    }
    // The last stamp on a pixel is the first marker there in the last chunk
    // that has one; it covers every earlier stamp there whole.
    if (lastOnPixel.size() < size_t(area))
        lastOnPixel.resize(size_t(area));
    for (const Stamp& stamp : stamps)
        lastOnPixel[size_t(stamp.pixel)] = -1;
    for (const Stamp& stamp : stamps) {
        int& last = lastOnPixel[size_t(stamp.pixel)];
        if (last < 0 || (last - from) / chunkSize != (stamp.index - from) / chunkSize)
            last = stamp.index;
    }
    QPolygonF shown;
    shown.reserve(int(stamps.size()));
    for (const Stamp& stamp : stamps) {
        if (lastOnPixel[size_t(stamp.pixel)] == stamp.index)
            shown << QPointF(pixels.left() + stamp.pixel % pixels.width(), pixels.top() + stamp.pixel / pixels.width());
    }
    if (!shown.isEmpty())
        symbol.drawSymbols(painter, shown);
}
