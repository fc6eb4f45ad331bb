#pragma once
// The Controls, Audio and Video tabs: the emulator options the user may edit, saved to the
// emulator's configuration file by Save Settings. The main window puts the three pages on its tabs.

#include "base/AppState.h"
#include "options/MameIni.h"

#include <QObject>
#include <QWidget>

#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
struct TMameOption;

class ControlsPage : public QWidget {
    Q_OBJECT
  public:
    explicit ControlsPage(QWidget* parent = nullptr);

    QCheckBox* MAMEINICheckBox;
    QCheckBox* CheatCheckBox;
    QCheckBox* VerboseCheckBox;
    QCheckBox* MouseCheckBox;
    QCheckBox* JoystickCheckBox;
    QCheckBox* SteadyKeyCheckBox;
    QCheckBox* SkipGameInfoCheckBox;
    QLabel* CommandLineSwitchesLabel;
    // Kept in the program settings, not in the emulator's file; the main window wires it.
    QLineEdit* CommandLineSwitchesEdit;
};

class AudioPage : public QWidget {
    Q_OBJECT
  public:
    explicit AudioPage(QWidget* parent = nullptr);

    QCheckBox* CheckBox7;
    QLabel* SampleRateLabel;
    QComboBox* ComboBox3;
};

class VideoPage : public QWidget {
    Q_OBJECT
  public:
    explicit VideoPage(QWidget* parent = nullptr);

    QCheckBox* CheckBox10;
    QCheckBox* CheckBox11;
    QLabel* GammaLabel;
    QLineEdit* GammaEdit;
    QLabel* BrightnessLabel;
    QLineEdit* BrightnessEdit;
    QLabel* ContrastLabel;
    QLineEdit* ContrastEdit;
};

class OptionsPages : public QObject {
    Q_OBJECT
  public:
    // The pages are created as children of parent until the main window puts them on its tabs.
    explicit OptionsPages(QWidget* parent);

    ControlsPage* Controls;
    AudioPage* Audio;
    VideoPage* Video;

    // Shows the option values read at start-up.
    void FillOptionControls(const TMameIniValues& state);
    // Sets the 14 options and "snapname" in the file, then writes it in one safe replace: a
    // failure leaves the file as it was. The values in memory stay as they are.
    void SaveSettings(const QString& iniFile, const INISettingFound& onFound = {}) const;

  signals:
    // Any change on the option controls (not the command-line switches box).
    void optionChanged();

  private:
    // Each shown option of the table with its control, in the table's order.
    std::vector<std::pair<const TMameOption*, QWidget*>> optionControls;
};
