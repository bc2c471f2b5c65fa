#ifndef ZARPSEUDOSECTIONPLOT_H
#define ZARPSEUDOSECTIONPLOT_H

#include "sessions/qwtplotspectrorect.h"
#include "sessions/zarpickplot.h"

// The pseudo-section: one coloured cell per measured row at its measurement centre
// (top axis) and pseudo-depth (left axis, growing downwards), with the logarithmic
// colour bar of the values along the bottom.
class zarPseudoSectionPlot : public zarPickPlot
{
    Q_OBJECT

public:
    explicit zarPseudoSectionPlot(QWidget* parent = nullptr);
    ~zarPseudoSectionPlot() override;

    // Metres; 5.0 until set.
    void setCableSpacing(float spacing);
    float cableSpacing() const { return m_cableSpacing; }

public slots:
    void onPlotUpdate(QVector<QPointF> xy, QVector<float> f, QVector<quint32> idx);

private:
    friend class TestSessionPlots;

    QwtPlotSpectroRect spectroRect;
    float m_cableSpacing = 5.0f;
};

#endif
