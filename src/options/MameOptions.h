#pragma once
// The emulator options the program reads at start-up, and those of them the Controls, Audio
// and Video tabs show and Save Settings writes: each listed once, here.

#include "base/AppState.h"

#include <QString>

#include <span>

struct TMameOption {
    const char* key;                // the option's name in the emulator's file
    const char* defaultValue;       // when the file has no line for it
    QString TMameIniValues::*field; // where the start-up read keeps the value
    const char* control;            // object name of its control on the tabs; nullptr: not shown
    // Check boxes: the value shown checked and saved when checked, and the one saved when not.
    // nullptr for the controls whose text is the value.
    const char* checkedValue = nullptr;
    const char* uncheckedValue = nullptr;
};

// In the order Save Settings writes them (which decides where missing ones are appended).
std::span<const TMameOption> MameOptions();

// Snapshots must be named after the game for the Game Image tab to find them: start-up makes
// sure the file says so, and Save Settings writes it last.
inline constexpr const char* SnapnameKey = "snapname";
inline constexpr const char* SnapnameGame = "%g";
