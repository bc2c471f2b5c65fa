#ifndef ZARGUISTYLE_H
#define ZARGUISTYLE_H

#include <QProxyStyle>

// Fusion with touch-sized sliders: thicker grooves and longer handles.
class zarGuiStyle : public QProxyStyle
{
public:
    zarGuiStyle();
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

#endif
