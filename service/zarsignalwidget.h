#ifndef ZARSIGNALWIDGET_H
#define ZARSIGNALWIDGET_H

#include "core/zarcorequadripole.h"
#include "core/zarcorereports.h"
#include "frame/zaraxiscaptions.h"
#include "service/zarsignalplot.h"
#include "templates/zarquadripole.h"
#include "ui_zsignalwidget.h"

#include <QWidget>

// The signal view of one quadripole: records its pulse and pause signals and lets
// the operator judge it. Shown inside the layout of the screen that opened it.
class zarSignalWidget : public QWidget, public Ui::zSignalWidget
{
    Q_OBJECT

public:
    explicit zarSignalWidget(QWidget* parent = nullptr);

    void setQuadripole(zarQuadripole quadripole);
    zarQuadripole quadripole() const { return m_quadripole; }
    void hideBadButton();

    // The eight point series of one plot, in the order the plot takes them: positive
    // pulse samples, pulse curve, pause samples, pause curve, then the same for the
    // negative half. Series shorter than the settings promise are used as they are.
    static QVector<QVector<QPointF>> plotSeries(const zarMeasureSettings& settings, const QVector<float>& positivePulse,
                                                const QVector<float>& positivePause,
                                                const QVector<float>& negativePulse,
                                                const QVector<float>& negativePause, float scale);

    // The electrodes as the signal job takes them, with the receiver channel of M.
    static zarCoreQuadripole coreQuadripole(const zarQuadripole& quadripole);

signals:
    void sendSignalWidgetClose();
    void sendSpacingLevelAuxConfig(zarSpacing spacing, zarLevel level, bool bad);

public slots:
    void onTranslate();
    void onAccept();
    void onBad();
    void onStart();
    void onReportSignal(const zarCoreReportSignal report);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    static float interpolate(QPointF p1, QPointF p2, float x);
    static float interpolateBack(QPointF p1, QPointF p2, float x);
    void setButtonsEnabled(bool enabled);
    void fitTabs();

    zarSignalPlot txVoltagePlot;
    zarSignalPlot txCurrentPlot;
    zarSignalPlot rxVoltagePlot;
    zarAxisCaptions axisCaptions;
    zarQuadripole m_quadripole;
};

#endif
