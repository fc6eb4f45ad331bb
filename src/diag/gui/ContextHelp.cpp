#include "diag/gui/ContextHelp.h"

#include <QAction>
#include <QMenu>
#include <QVariant>
#include <QWidget>

namespace {

// The window a menu belongs to: the first owner that is not itself a pop-up.
const QWidget* MenuOwnerWindow(const QMenu* menu) {
    const QWidget* owner = menu;
    while (owner && owner->windowType() == Qt::Popup)
        owner = owner->parentWidget();
    return owner ? owner->window() : nullptr;
}

int MenuContext(const QMenu* menu) {
    // The highlighted item, then the item that opened its menu, outwards to the menu bar.
    const QAction* item = menu->activeAction();
    for (const QMenu* current = menu;;) {
        if (const int context = HelpContextOf(item))
            return context;
        if (!current)
            break;
        item = current->menuAction();
        current = qobject_cast<const QMenu*>(current->parentWidget());
    }
    const QWidget* window = MenuOwnerWindow(menu);
    return window ? HelpContextOf(window) : 0;
}

} // namespace

int HelpContextOf(const QObject* object) {
    return object ? object->property("helpContext").toInt() : 0;
}

int HelpContextFor(const QWidget* focus, const QMenu* openMenu) {
    if (openMenu)
        return MenuContext(openMenu);
    for (const QWidget* widget = focus; widget; widget = widget->parentWidget()) {
        if (const int context = HelpContextOf(widget))
            return context;
        if (widget->isWindow())
            break;
    }
    return 0;
}
