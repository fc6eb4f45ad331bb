#include "options/gui/OptionsCommands.h"

#include "base/SettingsKeys.h"
#include "base/gui/CommandContext.h"
#include "diag/gui/ExceptionHandler.h"
#include "options/MameIni.h"
#include "options/gui/OptionsPages.h"

#include <QAbstractButton>
#include <QLineEdit>

void SaveSettings(TCommandContext& context) {
    context.Options->SaveSettings(MameIniPath(context.State.MAMEPath), [&context](const QString& value) {
        if (context.State.debug)
            context.dialogs.plainMessage(QStringLiteral("Found: ") + value);
    });
    if (QAbstractButton* button = context.Window.PushButton(TCommand::SaveSettings))
        button->setEnabled(false);
}

void CommandLineSwitchesEditChange(TCommandContext& context, const QString& text) {
    context.SettingsIni().WriteString(Settings::Section, Settings::Key::CommandLineSwitches, text);
}

void RegisterOptionsCommands(TCommandContext& context) {
    context.Register(TCommand::SaveSettings, [&context] { SaveSettings(context); });
    QObject::connect(context.Options, &OptionsPages::optionChanged, context.Owner(), [&context] {
        if (QAbstractButton* button = context.Window.PushButton(TCommand::SaveSettings))
            button->setEnabled(true);
    });
    QObject::connect(context.Options->Controls->CommandLineSwitchesEdit, &QLineEdit::textChanged,
                     context.Owner(), [&context](const QString& text) {
                         RunGuarded(context.dialogs, context.Owner(),
                                    [&] { CommandLineSwitchesEditChange(context, text); });
                     });
}
