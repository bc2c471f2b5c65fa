#ifndef ZARSIGNALCURVES_H
#define ZARSIGNALCURVES_H

#include "service/zarsignalplot.h"

#include <qwt_plot_curve.h>

#include <QVector>

// Curve n (1 to 11) of a signal plot, found by its attach position: the plot
// attaches them in the order 5, 10, 1, 3, 2, 4, 6, 8, 7, 9, 11.
inline const QwtPlotCurve* signalCurve(const zarSignalPlot& plot, int number)
{
    static const QVector<int> attachOrder = { 5, 10, 1, 3, 2, 4, 6, 8, 7, 9, 11 };
    const QwtPlotItemList items = plot.itemList(QwtPlotItem::Rtti_PlotCurve);
    return static_cast<const QwtPlotCurve*>(items.value(attachOrder.indexOf(number)));
}

inline QVector<QPointF> signalSamples(const zarSignalPlot& plot, int number)
{
    QVector<QPointF> points;
    const QwtPlotCurve* curve = signalCurve(plot, number);
    for (size_t i = 0; curve && i < curve->dataSize(); ++i)
        points.append(curve->sample(int(i)));
    return points;
}

#endif
