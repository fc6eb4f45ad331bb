#pragma once
// A command the program does not have, for tst_newcommand: its one descriptor, added to the
// command table of that test's build.

#include "base/gui/Commands.h"

inline constexpr TCommand kNewCommand = TCommand(1000);

inline constexpr TCommandDescriptor kNewCommandRow = {.command = kNewCommand,
                                                      .menu = TMenu::Help,
                                                      .caption = "&New Command...",
                                                      .shortcut = "Ctrl+Shift+N",
                                                      .hint = "Run the new command.",
                                                      .toolTip = "New Command",
                                                      .popupCaption = "New Command",
                                                      .icon = "help",
                                                      .help = {.menu = THelpContext::Play}};

#define PELLMORA_EXTRA_COMMAND_ROWS kNewCommandRow
