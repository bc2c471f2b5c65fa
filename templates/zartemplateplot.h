#ifndef ZARTEMPLATEPLOT_H
#define ZARTEMPLATEPLOT_H

#include "templates/zarquadripole.h"

#include <QList>
#include <QMap>
#include <QSet>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>

// The quadripoles of the current template set at their measurement centre (across,
// on the top axis) and pseudo-depth (downwards): one curve of markers per spacing.
class zarTemplatePlot : public QwtPlot
{
    Q_OBJECT

public:
    explicit zarTemplatePlot(QWidget* parent = nullptr);

    void setGroundingMode();
    void setGroundingData(QSet<quint16> electrodes);

    const QwtPlotCurve* curve(int spacing) const { return spacingCurves.value(spacing); }
    const QwtPlotCurve& pick() const { return pickCurve; }
    QList<zarQuadripole> quadripoles(zarSpacing spacing) const { return spacingQuadripoles.value(spacing); }
    int quadripoleLists() const { return spacingQuadripoles.size(); }
    bool isGroundingMode() const { return groundingMode; }
    QSet<quint16> groundingData() const { return groundingElectrodes; }

signals:
    void sendQuadripoleSelect(zarQuadripole quadripole);

public slots:
    void onPlotUpdate(zarSpacing plotNumber, QList<zarQuadripole> qList, bool doReplot);
    void onPlotClear(bool doReplot);
    void onPickPlotClear();
    void onMenu01();
    // Picking a quadripole on the plot is not offered.
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QList<QwtPlotCurve*> spacingCurves;
    QwtPlotCurve pickCurve;
    QwtPlotGrid grid;
    QMap<zarSpacing, QList<zarQuadripole>> spacingQuadripoles;
    QSet<quint16> groundingElectrodes;
    bool groundingMode = false;
    zarQuadripole pickedQuadripole;
};

#endif
