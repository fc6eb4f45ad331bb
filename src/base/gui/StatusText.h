#pragma once
// The status bar's first panel, where long commands say what they are doing.

#include "base/gui/CommandContext.h"

#include <QLabel>

inline void SetStatusText(TCommandContext& context, const QString& text) {
    if (QLabel* panel = context.Window.StatusPanel(TStatusPanel::Hint))
        panel->setText(text);
}
