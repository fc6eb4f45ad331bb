#include "options/MameOptions.h"

#include <array>

namespace {

const std::array<TMameOption, 15> Options{{
    {"readconfig", "0", &TMameIniValues::readconfig, "MAMEINICheckBox", "1", "0"},
    {"cheat", "0", &TMameIniValues::scheat, "CheatCheckBox", "1", "0"},
    {"verbose", "0", &TMameIniValues::verbose, "VerboseCheckBox", "1", "0"},
    {"mouse", "0", &TMameIniValues::usemouse, "MouseCheckBox", "1", "0"},
    {"joystick", "0", &TMameIniValues::joystick, "JoystickCheckBox", "1", "0"},
    {"steadykey", "0", &TMameIniValues::steadykey, "SteadyKeyCheckBox", "1", "0"},
    {"skip_gameinfo", "0", &TMameIniValues::skip_gameinfo, "SkipGameInfoCheckBox", "1", "0"},
    {"sound", "auto", &TMameIniValues::sound, "CheckBox7", "auto", "none"},
    {"samplerate", "44100", &TMameIniValues::samplerate, "ComboBox3"},
    {"antialias", "1", &TMameIniValues::antialias, "CheckBox10", "1", "0"},
    {"hwstretch", "1", &TMameIniValues::hwstretch, "CheckBox11", "1", "0"},
    {"gamma", "1.00000", &TMameIniValues::gamma, "GammaEdit"},
    {"brightness", "1.000000", &TMameIniValues::brightness, "BrightnessEdit"},
    {"contrast", "1.000000", &TMameIniValues::contrast, "ContrastEdit"},
    {"window", "0", &TMameIniValues::mame_window, nullptr},
}};

} // namespace

std::span<const TMameOption> MameOptions() {
    return Options;
}
