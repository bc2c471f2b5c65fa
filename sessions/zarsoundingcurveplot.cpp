#include "sessions/zarsoundingcurveplot.h"

#include <qwt_plot_canvas.h>
#include <qwt_scale_engine.h>
#include <qwt_scale_widget.h>
#include <qwt_symbol.h>

#include <cmath>

namespace {

// Only points a log10 value axis can place.
bool drawable(const QPointF& p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y()) && p.y() > 0;
}

} // namespace

zarSoundingCurvePlot::zarSoundingCurvePlot(QWidget* parent) : zarPickPlot(parent)
{
    if (auto* frame = qobject_cast<QwtPlotCanvas*>(canvas()))
        frame->setLineWidth(1);
    enableAxis(QwtPlot::xTop, true);
    enableAxis(QwtPlot::xBottom, false);
    axisWidget(QwtPlot::yLeft)->setLabelAlignment(Qt::AlignLeft);
    axisWidget(QwtPlot::yLeft)->setMargin(1);
    axisWidget(QwtPlot::xTop)->setMargin(1);
    setAxisScaleEngine(QwtPlot::yLeft, new QwtLogScaleEngine);
    fitValueAxis();
    setCanvasBackground(QBrush(Qt::white));

    pointCurve.setSymbol(new QwtSymbol(QwtSymbol::Rect, QBrush(Qt::blue), QPen(Qt::black, 0), QSize(3, 3)));
    pointCurve.setStyle(QwtPlotCurve::NoCurve);
    pointCurve.attach(this);

    lineCurve.setPen(QPen(Qt::red, 2, Qt::SolidLine));
    lineCurve.setXAxis(QwtPlot::xTop);
    lineCurve.setSymbol(new QwtSymbol(QwtSymbol::Ellipse, QBrush(Qt::red), QPen(Qt::black, 0), QSize(6, 6)));
    lineCurve.setRenderHint(QwtPlotItem::RenderAntialiased);
    lineCurve.attach(this);

    attachPickCurve();
}

zarSoundingCurvePlot::~zarSoundingCurvePlot() = default;

void zarSoundingCurvePlot::onPlotUpdate(QVector<QPointF> xy, QVector<quint32> idx)
{
    QVector<QPointF> points;
    QVector<quint32> rows;
    const int n = qMin(xy.size(), idx.size());
    points.reserve(n);
    rows.reserve(n);
    for (int i = 0; i < n; ++i) {
        if (drawable(xy.at(i))) {
            points << xy.at(i);
            rows << idx.at(i);
        }
    }
    setPickable(points, rows);
    fitValueAxis();
    replot();
}

void zarSoundingCurvePlot::onPlotUpdate(QVector<QPointF> xy)
{
    QVector<QPointF> points;
    points.reserve(xy.size());
    for (const QPointF& p : xy) {
        if (drawable(p))
            points << p;
    }
    lineCurve.setSamples(points);
    fitValueAxis();
    replot();
}

void zarSoundingCurvePlot::onPlotClear()
{
    setPickable(QVector<QPointF>(), QVector<quint32>());
    lineCurve.setSamples(QVector<QPointF>());
    fitValueAxis();
    replot();
}

// With nothing to scale to, Qwt would stretch the log axis down to 1e-100.
void zarSoundingCurvePlot::fitValueAxis()
{
    if (pointCurve.dataSize() == 0 && lineCurve.dataSize() == 0)
        setAxisScale(QwtPlot::yLeft, 1, 1000);
    else
        setAxisAutoScale(QwtPlot::yLeft, true);
}
