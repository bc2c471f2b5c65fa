#include "frame/zarguistyle.h"

#include <QStyleFactory>

zarGuiStyle::zarGuiStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

int zarGuiStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    switch (metric) {
    case PM_SliderThickness:
        return 20;
    case PM_SliderLength:
        return 50;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}
