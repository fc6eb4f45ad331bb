#include <QtGui/QColor>
