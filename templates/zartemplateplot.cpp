#include "templates/zartemplateplot.h"

#include <QMouseEvent>
#include <QPen>
#include <qwt_plot_canvas.h>
#include <qwt_scale_engine.h>
#include <qwt_scale_widget.h>
#include <qwt_symbol.h>

zarTemplatePlot::zarTemplatePlot(QWidget* parent) : QwtPlot(parent), pickCurve(QString())
{
    setAutoReplot(false);
    if (auto* frame = qobject_cast<QwtPlotCanvas*>(canvas()))
        frame->setLineWidth(1);
    setCanvasBackground(QBrush(Qt::white));

    enableAxis(xTop, true);
    enableAxis(xBottom, false);
    setAxisMaxMinor(xTop, 4);
    setAxisMaxMajor(xTop, 20);
    setAxisMaxMinor(yLeft, 3);
    setAxisMaxMajor(yLeft, 12);
    axisScaleEngine(yLeft)->setAttribute(QwtScaleEngine::Inverted, true);
    axisWidget(yLeft)->setLabelAlignment(Qt::AlignLeft);
    axisWidget(xTop)->setLabelAlignment(Qt::AlignTop);
    axisWidget(yLeft)->setMargin(1);
    axisWidget(xTop)->setMargin(1);

    QPen gridPen;
    gridPen.setStyle(Qt::DotLine);
    gridPen.setColor(Qt::gray);
    grid.setMajorPen(gridPen);
    grid.setMinorPen(gridPen);
    grid.enableXMin(true);
    grid.enableYMin(true);
    grid.setXAxis(xTop);
    grid.attach(this);

    // Same colour per spacing as the marks of the template table.
    const struct { QwtSymbol::Style style; Qt::GlobalColor colour; } looks[] = {
        { QwtSymbol::Rect, Qt::red },
        { QwtSymbol::Diamond, Qt::green },
        { QwtSymbol::DTriangle, Qt::magenta },
        { QwtSymbol::Ellipse, Qt::blue },
    };
    for (int s = 0; s < zarGrid::spacings; ++s) {
        auto* curve = new QwtPlotCurve(QString());
        const auto& look = looks[s % 4];
        // The curve owns its symbol: every curve gets its own.
        curve->setSymbol(new QwtSymbol(look.style, QBrush(look.colour), QPen(Qt::black, 0), QSize(6, 6)));
        curve->setStyle(QwtPlotCurve::NoCurve);
        curve->setPaintAttribute(QwtPlotCurve::FilterPoints, true);
        curve->setXAxis(xTop);
        curve->attach(this);
        spacingCurves.append(curve);
        spacingQuadripoles.insert(zarSpacing(s), QList<zarQuadripole>());
    }

    QPen pickPen(QBrush(Qt::black), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    pickCurve.setSymbol(new QwtSymbol(QwtSymbol::Ellipse, QBrush(Qt::red), pickPen, QSize(15, 15)));
    pickCurve.setPen(QPen(Qt::NoPen));
    pickCurve.setXAxis(xTop);
    pickCurve.setRenderHint(QwtPlotItem::RenderAntialiased, true);
    pickCurve.attach(this);

    canvas()->setCursor(QCursor());
}

void zarTemplatePlot::setGroundingMode()
{
    groundingMode = true;
}

void zarTemplatePlot::setGroundingData(QSet<quint16> electrodes)
{
    groundingElectrodes = electrodes;
}

void zarTemplatePlot::onPlotUpdate(zarSpacing plotNumber, QList<zarQuadripole> qList, bool doReplot)
{
    const zarSpacing index = qMin(plotNumber, zarSpacing(zarGrid::spacings - 1));
    QVector<QPointF> points;
    points.reserve(qList.size());
    for (const zarQuadripole& q : qList)
        points.append(QPointF(q.x, q.z));
    spacingQuadripoles.insert(index, qList);
    spacingCurves[index]->setSamples(points);
    if (doReplot)
        replot();
}

void zarTemplatePlot::onPlotClear(bool doReplot)
{
    for (QwtPlotCurve* curve : qAsConst(spacingCurves))
        curve->setSamples(QVector<QPointF>());
    spacingQuadripoles.clear();
    if (doReplot)
        replot();
}

void zarTemplatePlot::onPickPlotClear()
{
    pickCurve.setSamples(QVector<QPointF>());
    replot();
}

void zarTemplatePlot::onMenu01()
{
    emit sendQuadripoleSelect(pickedQuadripole);
}

void zarTemplatePlot::mouseReleaseEvent(QMouseEvent*)
{
}
