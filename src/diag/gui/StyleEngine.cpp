#include "diag/gui/StyleEngine.h"

#include "base/AppError.h"
#include "diag/gui/Skins.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace {

const QString SkinBaseStyle = QStringLiteral("Fusion");

struct TDesktopLook {
    bool remembered = false;
    QString styleKey;
    QPalette palette;
};

TDesktopLook& DesktopLook() {
    static TDesktopLook look;
    return look;
}

QString& CurrentName() {
    static QString name = DesktopStyleName;
    return name;
}

QString KnownOrThrow(const QString& name) {
    const std::optional<QString> known = KnownStyleName(name);
    if (!known)
        throw AppError(QCoreApplication::translate("ChangeStyle", "Style '%1' not found.").arg(name));
    return *known;
}

// The style object and palette that draw a look.
std::pair<QStyle*, QPalette> Look(const QString& known) {
    RememberDesktopStyle();
    if (known == DesktopStyleName) {
        QStyle* style = QStyleFactory::create(DesktopLook().styleKey);
        return {style ? style : QStyleFactory::create(SkinBaseStyle), DesktopLook().palette};
    }
    return {QStyleFactory::create(SkinBaseStyle), *SkinPalette(known)};
}

} // namespace

void RememberDesktopStyle() {
    TDesktopLook& look = DesktopLook();
    if (look.remembered)
        return;
    look.remembered = true;
    look.styleKey = QApplication::style()->name();
    look.palette = QApplication::palette();
}

QString SetCurrentStyle(const QString& name) {
    const QString known = KnownOrThrow(name);
    // Setting a style again would only repolish every window.
    if (known == CurrentName())
        return known;
    auto [style, palette] = Look(known);
    QApplication::setStyle(style);
    QApplication::setPalette(palette);
    CurrentName() = known;
    return known;
}

QString CurrentStyleName() {
    return CurrentName();
}

QStyle* ApplyStyleToWidget(QWidget* widget, const QString& name) {
    const QString known = KnownOrThrow(name);
    auto [style, palette] = Look(known);
    widget->setStyle(style);
    // A widget's own style reaches none of its children: give it to each.
    const QList<QWidget*> children = widget->findChildren<QWidget*>();
    for (QWidget* child : children)
        child->setStyle(style);
    widget->setPalette(palette);
    return style;
}
