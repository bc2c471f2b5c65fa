#ifndef ZARPICKPLOT_H
#define ZARPICKPLOT_H

#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>

#include <QPointF>
#include <QVector>

class QMouseEvent;

// A session plot whose markers the operator taps: a tap within 10 pixels of a
// marker opens a menu to go to that measurement's row or delete it.
class zarPickPlot : public QwtPlot
{
    Q_OBJECT

public:
    explicit zarPickPlot(QWidget* parent = nullptr);
    ~zarPickPlot() override;

signals:
    void sendRowSelection(int index);
    void sendRowDelete(int index);

public slots:
    void onPickPlotClear();
    void onMenu01();
    void onMenu02();

protected slots:
    void mouseReleaseEvent(QMouseEvent* event) override;

protected:
    // Markers that can be picked, with the session row of each.
    void setPickable(const QVector<QPointF>& xy, const QVector<quint32>& idx);
    void attachPickCurve();

    QwtPlotGrid grid;
    QwtPlotCurve pointCurve;
    QwtPlotCurve pickCurve;
    QVector<quint32> rowIndexes;
    int pickedPoint = -1;

private:
    friend class TestSessionPlots;

    // The row of the picked marker, taken when it was picked: updates that arrive
    // while the menu is open replace the markers under pickedPoint.
    int pickedRow = -1;
};

#endif
