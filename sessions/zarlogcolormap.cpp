#include "sessions/zarlogcolormap.h"

#include <qwt_interval.h>

#include <cmath>

namespace {

const int stopCount = 13;

const QRgb stopColours[stopCount] = {
    qRgb(0, 0, 255),   qRgb(0, 128, 255), qRgb(0, 255, 255), qRgb(0, 192, 128), qRgb(0, 255, 0),
    qRgb(0, 128, 0),   qRgb(128, 192, 0), qRgb(255, 255, 0), qRgb(191, 128, 0), qRgb(255, 128, 0),
    qRgb(255, 0, 0),   qRgb(211, 0, 0),   qRgb(128, 0, 52),
};

// The pseudo-section makes two maps per update from the same bounds: the second
// one takes the positions of the first.
struct PositionCache
{
    float min = -1.0f;
    float max = -1.0f;
    float positions[stopCount] = {};
};

PositionCache cache;

} // namespace

zarLogColorMap::zarLogColorMap(float min, float max)
    : QwtLinearColorMap(QColor(0, 0, 128), QColor(96, 0, 96), QwtColorMap::RGB)
{
    if (min <= 0.0f)
        min = 0.001f;
    if (!(min < max))
        return;
    if (min != cache.min || max != cache.max) {
        cache.min = min;
        cache.max = max;
        const float step = float(std::log10(double(max / min))) / 14.0f;
        const float lmin = float(std::log10(double(min)));
        const float range = max - min;
        for (int k = 1; k <= stopCount; ++k)
            cache.positions[k - 1] = (float(std::pow(10.0, double(lmin + k * step))) - min) / range;
    }
    for (int k = 0; k < stopCount; ++k)
        addColorStop(double(cache.positions[k]), QColor(stopColours[k]));
}

zarLogColorMap::~zarLogColorMap() = default;

QRgb zarLogColorMap::rgb(const QwtInterval& interval, double value) const
{
    if (!std::isnan(value) && interval.isValid() && interval.width() == 0.0)
        return color1().rgb();
    return QwtLinearColorMap::rgb(interval, value);
}
