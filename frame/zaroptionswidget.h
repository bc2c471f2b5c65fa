#ifndef ZAROPTIONSWIDGET_H
#define ZAROPTIONSWIDGET_H

#include "core/zarmeasuresettings.h"

#include <QWidget>

// The OPTIONS page. Other screens reach its current settings through the static
// operations, which fall back to defaults while no page exists.
class zarOptionsWidget : public QWidget
{
    Q_OBJECT

public:
    explicit zarOptionsWidget(QWidget* parent = nullptr);
    ~zarOptionsWidget() override;

    static zarMeasureSettings options();
    static void setPauseDurationDisabled(bool disabled);
    static void selectPauseByCode(const zarMeasureSettings& settings);
    static void estimateDuration(int& shortest, int& longest);

private:
    static zarOptionsWidget* s_instance;
};

#endif
