#include "base/gui/ReadableColour.h"

#include <cmath>

namespace {

double Channel(double value) {
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour) {
    return 0.2126 * Channel(colour.redF()) + 0.7152 * Channel(colour.greenF()) +
           0.0722 * Channel(colour.blueF());
}

} // namespace

double ContrastRatio(const QColor& first, const QColor& second) {
    const double a = Luminance(first);
    const double b = Luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor ReadableTextColour(const QColor& fill, const QColor& preferred) {
    constexpr double ShortTextContrast = 3.0;
    if (ContrastRatio(preferred, fill) >= ShortTextContrast)
        return preferred;
    const QColor black(Qt::black), white(Qt::white);
    return ContrastRatio(black, fill) >= ContrastRatio(white, fill) ? black : white;
}
