#ifndef ZARLOGCOLORMAP_H
#define ZARLOGCOLORMAP_H

#include <qwt_color_map.h>

// Colour scale of the pseudo-section: thirteen stops spaced evenly in log10 of the
// value between min and max, dark blue to purple.
class zarLogColorMap : public QwtLinearColorMap
{
public:
    zarLogColorMap(float min, float max);
    ~zarLogColorMap() override;

    // An interval of zero width colours every value with the first colour
    // (Qwt answers black there).
    QRgb rgb(const QwtInterval& interval, double value) const override;
};

#endif
