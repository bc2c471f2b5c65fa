#ifndef ZARSIGNALPLOT_H
#define ZARSIGNALPLOT_H

#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>

#include <QPointF>
#include <QVector>

// One quantity of the signal job: samples as sticks, the pulse and pause curves as
// thick lines, both halves joined along the zero line.
class zarSignalPlot : public QwtPlot
{
public:
    explicit zarSignalPlot(QWidget* parent = nullptr);

    // Series 1 to 4 are the first half, 5 to 8 the second: pulse samples, pulse
    // curve, pause samples, pause curve.
    void setReport(QVector<QPointF> series1, QVector<QPointF> series2, QVector<QPointF> series3,
                   QVector<QPointF> series4, QVector<QPointF> series5, QVector<QPointF> series6,
                   QVector<QPointF> series7, QVector<QPointF> series8);

    // The joins along the zero line from the end of one pulse curve to the other.
    static QVector<QPointF> firstConnector(const QVector<QPointF>& first, const QVector<QPointF>& second);
    static QVector<QPointF> secondConnector(const QVector<QPointF>& first, const QVector<QPointF>& second);

private:
    QwtPlotCurve m_curve1;
    QwtPlotCurve m_curve2;
    QwtPlotCurve m_curve3;
    QwtPlotCurve m_curve4;
    QwtPlotCurve m_curve5;
    QwtPlotCurve m_curve6;
    QwtPlotCurve m_curve7;
    QwtPlotCurve m_curve8;
    QwtPlotCurve m_curve9;
    QwtPlotCurve m_curve10;
    QwtPlotCurve m_curve11;
    QwtPlotGrid m_grid;
};

#endif
