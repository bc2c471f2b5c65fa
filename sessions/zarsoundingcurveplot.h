#ifndef ZARSOUNDINGCURVEPLOT_H
#define ZARSOUNDINGCURVEPLOT_H

#include "sessions/zarpickplot.h"

// Sounding curves (value against pseudo-depth) or profile curves (value against
// measurement centre) on a log10 value axis: one marker per measured row and the
// line through the chosen sounding or profile.
class zarSoundingCurvePlot : public zarPickPlot
{
    Q_OBJECT

public:
    explicit zarSoundingCurvePlot(QWidget* parent = nullptr);
    ~zarSoundingCurvePlot() override;

public slots:
    void onPlotUpdate(QVector<QPointF> xy, QVector<quint32> idx);
    void onPlotUpdate(QVector<QPointF> xy);
    void onPlotClear();

private:
    friend class TestSessionPlots;

    void fitValueAxis();

    QwtPlotCurve lineCurve;
};

#endif
