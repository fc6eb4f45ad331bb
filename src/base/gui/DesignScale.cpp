#include "base/gui/DesignScale.h"

#include <QFontInfo>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

constexpr double DesignedPointSize = 9.0;
constexpr double DesignedDotsPerInch = 96.0;

} // namespace

TDesignScale::TDesignScale(const QWidget* widget) {
    // QFontInfo gives the point size even of a font set in pixels.
    const double points = QFontInfo(widget->font()).pointSizeF();
    const double fontScale = points / DesignedPointSize * widget->logicalDpiY() / DesignedDotsPerInch;
    // A smaller font keeps the designed sizes: they are the least the window needs.
    scale = std::max(1.0, fontScale);
}

int TDesignScale::operator()(int designed) const {
    return int(std::lround(designed * scale));
}

QSize TDesignScale::operator()(QSize designed) const {
    return {(*this)(designed.width()), (*this)(designed.height())};
}

QRect TDesignScale::operator()(QRect designed) const {
    return {(*this)(designed.x()), (*this)(designed.y()), (*this)(designed.width()),
            (*this)(designed.height())};
}
