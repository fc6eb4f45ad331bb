#include "base/gui/CommandControls.h"

#include <QCoreApplication>
#include <QIcon>
#include <QPushButton>
#include <QToolButton>

// The resources live in a static library: register them before the first look-up.
static void InitialiseResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(pellmora);
        return true;
    }();
    Q_UNUSED(done);
}

namespace {
const char* const kTagProperty = "tag";
} // namespace

QString CommandText(const char* text) {
    return text && *text ? QCoreApplication::translate("Commands", text) : QString();
}

void Tag(QObject* control) {
    control->setProperty(kTagProperty, kTaggedControl);
}

void Untag(QObject* control) {
    control->setProperty(kTagProperty, 0);
}

bool IsTagged(const QObject* control) {
    return control->property(kTagProperty).toInt() == kTaggedControl;
}

void SetHelpContext(QObject* control, THelpContext context) {
    control->setProperty("helpContext", int(context));
}

QIcon ResourceIcon(const char* name) {
    InitialiseResources();
    QIcon icon;
    if (!*name)
        return icon;
    const QString file = QString::fromUtf8(name) + QStringLiteral(".png");
    icon.addFile(QStringLiteral(":/icons/") + file);
    icon.addFile(QStringLiteral(":/icons/16/") + file);
    return icon;
}

namespace {

void DescribeCommandButton(QAbstractButton* button, const TCommandDescriptor& row) {
    button->setObjectName(QString::fromUtf8(row.button.name));
    button->setIcon(ResourceIcon(row.icon));
    button->setIconSize(QSize(16, 16));
    const QString hint = CommandText(row.hint);
    if (!hint.isEmpty()) {
        button->setToolTip(row.button.toolTip ? CommandText(row.button.toolTip) : hint);
        button->setStatusTip(hint);
    }
    Tag(button);
    SetHelpContext(button, row.button.help);
}

} // namespace

QPushButton* MakeCommandButton(QWidget* parent, TCommand command) {
    const TCommandDescriptor& row = FindCommand(command);
    auto* button = new QPushButton(CommandText(row.button.caption), parent);
    DescribeCommandButton(button, row);
    return button;
}

QToolButton* MakeCommandToolButton(QWidget* parent, TCommand command) {
    auto* button = new QToolButton(parent);
    DescribeCommandButton(button, FindCommand(command));
    return button;
}
