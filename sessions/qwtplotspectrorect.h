#ifndef QWTPLOTSPECTRORECT_H
#define QWTPLOTSPECTRORECT_H

#include <qwt_interval.h>
#include <qwt_plot_seriesitem.h>
#include <qwt_point_3d.h>
#include <qwt_series_store.h>
#include <qwt_text.h>

class QwtColorMap;

// One filled rectangle of a fixed pixel size per 3-D point, centred on (x, y) and
// coloured from z through a colour map over a colour range.
class QwtPlotSpectroRect : public QwtPlotSeriesItem, public QwtSeriesStore<QwtPoint3D>
{
public:
    enum PaintAttribute
    {
        // A point whose centre lies outside the canvas is not drawn.
        ClipRects = 1
    };

    explicit QwtPlotSpectroRect(const QString& title = QString());
    explicit QwtPlotSpectroRect(const QwtText& title);
    ~QwtPlotSpectroRect() override;

    // Answers as Qwt's spectro-curve item, the one it stands beside.
    int rtti() const override;

    void setPaintAttribute(PaintAttribute attribute, bool on = true);
    bool testPaintAttribute(PaintAttribute attribute) const;

    void setColorMap(QwtColorMap* colorMap);
    const QwtColorMap* colorMap() const;

    void setColorRange(const QwtInterval& interval);
    const QwtInterval& colorRange() const;

    void setRectWidth(float width);
    float rectWidth() const;
    void setRectHeight(float height);
    float rectHeight() const;

    void setSamples(const QVector<QwtPoint3D>& samples);

    void drawSeries(QPainter* painter, const QwtScaleMap& xMap, const QwtScaleMap& yMap,
                    const QRectF& canvasRect, int from, int to) const override;

protected:
    virtual void drawRects(QPainter* painter, const QwtScaleMap& xMap, const QwtScaleMap& yMap,
                           const QRectF& canvasRect, int from, int to) const;

private:
    void init();

    class PrivateData;
    PrivateData* d_data;
};

#endif
