#ifndef ZAROPTIONSWIDGET_H
#define ZAROPTIONSWIDGET_H

#include "core/zarmeasuresettings.h"
#include "ui_zoptionswidget.h"

#include <QPixmap>
#include <QWidget>

// The OPTIONS page. Other screens reach its current settings through the static
// operations, which fall back to defaults while no page exists.
class zarOptionsWidget : public QWidget, public Ui::zOptionsWidget
{
    Q_OBJECT

public:
    explicit zarOptionsWidget(QWidget* parent = nullptr);
    ~zarOptionsWidget() override;

    static zarMeasureSettings options();
    static void setPauseDurationDisabled(bool disabled);
    static void selectPauseByCode(const zarMeasureSettings& settings);
    static void estimateDuration(int& shortest, int& longest);

    void saveSettings();
    void loadSettings();

private slots:
    void onTranslate();
    void onTransmitterLabelUpdate(int percent);
    void onMinStackingUpdate(int value);
    void onMaxStackingUpdate(int value);
    void onPulseInfoUpdate();
    void onDecMinStacking();
    void onIncMinStacking();
    void onDecMaxStacking();
    void onIncMaxStacking();

private:
    int pulseMs() const;
    int pauseMs() const;

    QPixmap m_resPos;
    QPixmap m_resNeg;
    QPixmap m_resIpPos;
    QPixmap m_resIpNeg;
    static zarOptionsWidget* s_instance;
};

#endif
