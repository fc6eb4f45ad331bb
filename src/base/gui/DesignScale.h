#pragma once
// The windows are designed in pixels for a 9-point font on a 96 dots-per-inch screen. With a
// larger font (in points or through a higher font resolution) every designed size grows in
// proportion, so captions keep their room; at the designed font it stays exactly as designed.

#include <QRect>
#include <QSize>

class QWidget;

class TDesignScale {
  public:
    // The scale of the widget's own font on its screen.
    explicit TDesignScale(const QWidget* widget);

    int operator()(int designed) const;
    QSize operator()(QSize designed) const;
    QRect operator()(QRect designed) const;
    double factor() const { return scale; }

  private:
    double scale = 1.0;
};
