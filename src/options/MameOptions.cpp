#include "options/MameOptions.h"

#include <array>

namespace {

const std::array<TMameOption, 15> Options{{
    {"readconfig", "0", &AppState::readconfig, "MAMEINICheckBox", "1", "0"},
    {"cheat", "0", &AppState::scheat, "CheatCheckBox", "1", "0"},
    {"verbose", "0", &AppState::verbose, "VerboseCheckBox", "1", "0"},
    {"mouse", "0", &AppState::usemouse, "MouseCheckBox", "1", "0"},
    {"joystick", "0", &AppState::joystick, "JoystickCheckBox", "1", "0"},
    {"steadykey", "0", &AppState::steadykey, "SteadyKeyCheckBox", "1", "0"},
    {"skip_gameinfo", "0", &AppState::skip_gameinfo, "SkipGameInfoCheckBox", "1", "0"},
    {"sound", "auto", &AppState::sound, "CheckBox7", "auto", "none"},
    {"samplerate", "44100", &AppState::samplerate, "ComboBox3"},
    {"antialias", "1", &AppState::antialias, "CheckBox10", "1", "0"},
    {"hwstretch", "1", &AppState::hwstretch, "CheckBox11", "1", "0"},
    {"gamma", "1.00000", &AppState::gamma, "GammaEdit"},
    {"brightness", "1.000000", &AppState::brightness, "BrightnessEdit"},
    {"contrast", "1.000000", &AppState::contrast, "ContrastEdit"},
    {"window", "0", &AppState::mame_window, nullptr},
}};

} // namespace

std::span<const TMameOption> MameOptions() {
    return Options;
}
