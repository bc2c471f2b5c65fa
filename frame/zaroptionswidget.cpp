#include "frame/zaroptionswidget.h"

zarOptionsWidget* zarOptionsWidget::s_instance = nullptr;

zarOptionsWidget::zarOptionsWidget(QWidget* parent) : QWidget(parent)
{
    s_instance = this;
}

zarOptionsWidget::~zarOptionsWidget()
{
    if (s_instance == this)
        s_instance = nullptr;
}

zarMeasureSettings zarOptionsWidget::options()
{
    return zarMeasureSettings();
}

void zarOptionsWidget::setPauseDurationDisabled(bool) {}
void zarOptionsWidget::selectPauseByCode(const zarMeasureSettings&) {}

void zarOptionsWidget::estimateDuration(int& shortest, int& longest)
{
    shortest = 0;
    longest = 0;
}
