#include "sessions/zarpseudosectionplot.h"

#include "sessions/zarlogcolormap.h"

#include <qwt_plot_canvas.h>
#include <qwt_scale_engine.h>
#include <qwt_scale_widget.h>

#include <cmath>

zarPseudoSectionPlot::zarPseudoSectionPlot(QWidget* parent) : zarPickPlot(parent)
{
    if (auto* frame = qobject_cast<QwtPlotCanvas*>(canvas()))
        frame->setLineWidth(0);
    setCanvasBackground(QBrush(Qt::white));

    const struct { int axis; Qt::Alignment alignment; int minor, major; } axes[] = {
        { QwtPlot::yLeft, Qt::AlignLeft, 3, 12 },
        { QwtPlot::xTop, Qt::AlignTop, 4, 20 },
        { QwtPlot::xBottom, Qt::AlignBottom, 10, 10 },
    };
    for (const auto& a : axes) {
        enableAxis(a.axis, true);
        setAxisAutoScale(a.axis, false);
        axisWidget(a.axis)->setMargin(0);
        axisWidget(a.axis)->setLabelAlignment(a.alignment);
        setAxisMaxMinor(a.axis, a.minor);
        setAxisMaxMajor(a.axis, a.major);
    }
    axisScaleEngine(QwtPlot::yLeft)->setAttribute(QwtScaleEngine::Inverted);
    setAxisScaleEngine(QwtPlot::xBottom, new QwtLogScaleEngine);
    axisWidget(QwtPlot::xBottom)->setColorBarEnabled(true);
    axisWidget(QwtPlot::xBottom)->setColorBarWidth(16);

    spectroRect.setXAxis(QwtPlot::xTop);
    spectroRect.attach(this);

    pointCurve.setStyle(QwtPlotCurve::NoCurve);
    pointCurve.attach(this);

    attachPickCurve();
}

zarPseudoSectionPlot::~zarPseudoSectionPlot() = default;

void zarPseudoSectionPlot::setCableSpacing(float spacing)
{
    m_cableSpacing = spacing;
}

void zarPseudoSectionPlot::onPlotUpdate(QVector<QPointF> xy, QVector<float> f, QVector<quint32> idx)
{
    // Only cells a logarithmic colour scale can colour take part, also in the
    // scales: a zero, negative or infinite value would spoil every other cell.
    QVector<QwtPoint3D> cells;
    QVector<QPointF> points;
    QVector<quint32> rows;
    const int n = qMin(xy.size(), qMin(f.size(), idx.size()));
    cells.reserve(n);
    points.reserve(n);
    rows.reserve(n);
    double lowX = 0, highX = 0, lowY = 0, highY = 0, low = 0, high = 0;
    for (int i = 0; i < n; ++i) {
        const QPointF& p = xy.at(i);
        const double v = f.at(i);
        if (!std::isfinite(p.x()) || !std::isfinite(p.y()) || !std::isfinite(v) || v <= 0)
            continue;
        if (cells.isEmpty()) {
            lowX = highX = p.x();
            lowY = highY = p.y();
            low = high = v;
        }
        lowX = qMin(lowX, p.x());
        highX = qMax(highX, p.x());
        lowY = qMin(lowY, p.y());
        highY = qMax(highY, p.y());
        low = qMin(low, v);
        high = qMax(high, v);
        cells << QwtPoint3D(p.x(), p.y(), v);
        points << p;
        rows << idx.at(i);
    }

    const double s = m_cableSpacing;
    if (cells.isEmpty()) {
        setAxisScale(QwtPlot::yLeft, 1.0, 0.0);
        setAxisScale(QwtPlot::xTop, 0.0, 1.0);
        // The colour map takes a lower bound of 0 as 0.001; so does the log axis.
        low = 0.001;
        high = 1.0;
    } else {
        double nx = (highX - lowX) / s;
        double ny = (highY - lowY) / (0.5 * s);
        if (nx < 1)
            nx = 1;
        if (ny < 1)
            ny = 1;
        spectroRect.setRectWidth(float(960 / nx));
        spectroRect.setRectHeight(float(340 / ny));
        setAxisScale(QwtPlot::yLeft, highY + 0.25 * s, lowY - 0.25 * s);
        setAxisScale(QwtPlot::xTop, lowX - 0.5 * s, highX + 0.5 * s);
    }

    const QwtInterval range(low, high);
    // A new colour bar lays the axis out again and repaints it: only for new bounds.
    QwtScaleWidget* bar = axisWidget(QwtPlot::xBottom);
    if (!bar->colorMap() || bar->colorBarInterval() != range)
        bar->setColorMap(range, new zarLogColorMap(float(low), float(high)));
    // A log scale of zero width has no ticks at all: one distinct value is shown
    // in the middle of two decades.
    if (high > low)
        setAxisScale(QwtPlot::xBottom, low, high);
    else
        setAxisScale(QwtPlot::xBottom, low / 10, high * 10);
    spectroRect.setColorRange(range);
    spectroRect.setColorMap(new zarLogColorMap(float(low), float(high)));
    spectroRect.setSamples(cells);
    setPickable(points, rows);
    replot();
}
