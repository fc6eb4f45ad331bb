#pragma once

#include <QSize>
#include <QString>

// The warning for a screen smaller than 800 x 600, or an empty text when it is big enough.
QString ScreenSizeWarning(QSize screen);
