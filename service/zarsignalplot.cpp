#include "service/zarsignalplot.h"

#include <qwt_plot_canvas.h>
#include <qwt_scale_widget.h>

#include <QCursor>
#include <QPen>

zarSignalPlot::zarSignalPlot(QWidget* parent)
    : QwtPlot(parent), m_curve1(QString()), m_curve2(QString()), m_curve3(QString()), m_curve4(QString()),
      m_curve5(QString()), m_curve6(QString()), m_curve7(QString()), m_curve8(QString()), m_curve9(QString()),
      m_curve10(QString()), m_curve11(QString())
{
    setAutoReplot(false);
    setAxisMaxMinor(QwtPlot::xBottom, 4);
    setAxisMaxMajor(QwtPlot::xBottom, 20);
    setAxisMaxMinor(QwtPlot::yLeft, 4);
    setAxisMaxMajor(QwtPlot::yLeft, 8);
    axisWidget(QwtPlot::xBottom)->setMargin(1);
    axisWidget(QwtPlot::yLeft)->setMargin(1);
    axisWidget(QwtPlot::yLeft)->setLabelAlignment(Qt::AlignLeft);
    axisWidget(QwtPlot::xBottom)->setMinBorderDist(80, 0);
    setCanvasBackground(QBrush(Qt::white, Qt::SolidPattern));
    if (auto* frame = qobject_cast<QwtPlotCanvas*>(canvas()))
        frame->setLineWidth(1);

    QPalette palette;
    palette.setBrush(QPalette::All, QPalette::WindowText, QBrush(Qt::gray, Qt::SolidPattern));
    setPalette(palette);

    m_grid.setPen(QPen(Qt::gray, 0, Qt::DotLine));
    m_grid.enableXMin(true);
    m_grid.enableYMin(true);
    m_grid.attach(this);

    // Thin red and blue sticks for the samples, thick lines for the curves (the blue
    // one smoothed), dotted red joins along the zero line.
    QPen pen(Qt::red, 1);
    for (QwtPlotCurve* sticks : { &m_curve1, &m_curve6 }) {
        sticks->setPen(pen);
        sticks->setStyle(QwtPlotCurve::Sticks);
    }
    pen.setColor(Qt::blue);
    for (QwtPlotCurve* sticks : { &m_curve3, &m_curve8 }) {
        sticks->setPen(pen);
        sticks->setStyle(QwtPlotCurve::Sticks);
    }
    pen.setWidth(2);
    for (QwtPlotCurve* fitted : { &m_curve4, &m_curve9 }) {
        fitted->setPen(pen);
        fitted->setRenderHint(QwtPlotItem::RenderAntialiased);
        fitted->setCurveAttribute(QwtPlotCurve::Fitted);
    }
    pen.setColor(Qt::red);
    for (QwtPlotCurve* line : { &m_curve2, &m_curve7 }) {
        line->setPen(pen);
        line->setRenderHint(QwtPlotItem::RenderAntialiased);
    }
    pen.setStyle(Qt::DotLine);
    for (QwtPlotCurve* connector : { &m_curve5, &m_curve10 }) {
        connector->setPen(pen);
        connector->setRenderHint(QwtPlotItem::RenderAntialiased);
    }
    // Holds the origin so that the automatic scales always include it.
    m_curve11.setPen(QPen(Qt::NoPen));
    m_curve11.setSamples(QVector<QPointF> { QPointF(0, 0) });

    for (QwtPlotCurve* curve : { &m_curve5, &m_curve10, &m_curve1, &m_curve3, &m_curve2, &m_curve4, &m_curve6,
                                 &m_curve8, &m_curve7, &m_curve9, &m_curve11 })
        curve->attach(this);
    canvas()->setCursor(QCursor());
}

QVector<QPointF> zarSignalPlot::firstConnector(const QVector<QPointF>& first, const QVector<QPointF>& second)
{
    QVector<QPointF> connector;
    if (first.isEmpty())
        return connector;
    connector << first.last() << QPointF(first.last().x(), 0);
    if (!second.isEmpty())
        connector << second.first();
    return connector;
}

QVector<QPointF> zarSignalPlot::secondConnector(const QVector<QPointF>& first, const QVector<QPointF>& second)
{
    QVector<QPointF> connector;
    if (second.isEmpty())
        return connector;
    connector << second.last() << QPointF(second.last().x(), 0);
    if (!first.isEmpty())
        connector << QPointF(second.last().x() + second.first().x() - first.last().x(), 0);
    return connector;
}

void zarSignalPlot::setReport(QVector<QPointF> series1, QVector<QPointF> series2, QVector<QPointF> series3,
                              QVector<QPointF> series4, QVector<QPointF> series5, QVector<QPointF> series6,
                              QVector<QPointF> series7, QVector<QPointF> series8)
{
    m_curve1.setSamples(series1);
    m_curve2.setSamples(series2);
    m_curve3.setSamples(series3);
    m_curve4.setSamples(series4);
    m_curve5.setSamples(firstConnector(series2, series6));
    m_curve6.setSamples(series5);
    m_curve7.setSamples(series6);
    m_curve8.setSamples(series7);
    m_curve9.setSamples(series8);
    m_curve10.setSamples(secondConnector(series2, series6));
    replot();
}
