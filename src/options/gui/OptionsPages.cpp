#include "options/gui/OptionsPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QValidator>

namespace {

constexpr int OptionTag = 10;
constexpr int OptionHelpContext = 70;
constexpr int MaxTypedCharacters = 8;

void SetUpOptionControl(QWidget* control, const QString& name, const QString& hint) {
    control->setObjectName(name);
    control->setToolTip(hint);
    control->setStatusTip(hint);
    control->setProperty("tag", OptionTag);
    control->setProperty("helpContext", OptionHelpContext);
}

QCheckBox* MakeCheckBox(QWidget* parent, const QString& name, const QString& caption, const QString& hint) {
    auto* box = new QCheckBox(caption, parent);
    SetUpOptionControl(box, name, hint);
    return box;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

// Limits what the user types without cutting a longer value that came from the file
// (a plain maximum length would shorten it on display and so on the next save).
class TypedLengthValidator : public QValidator {
  public:
    TypedLengthValidator(int maxLength, QObject* parent) : QValidator(parent), maxLength(maxLength) {}
    State validate(QString& input, int&) const override {
        return input.size() <= maxLength ? Acceptable : Invalid;
    }

  private:
    int maxLength;
};

QLineEdit* MakeShortEdit(QWidget* parent, const QString& name, const QString& hint) {
    auto* edit = new QLineEdit(parent);
    SetUpOptionControl(edit, name, hint);
    edit->setValidator(new TypedLengthValidator(MaxTypedCharacters, edit));
    // Room for the eight characters and the frame, no more: the values are short numbers.
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0.0000000")) + 16);
    return edit;
}

QFormLayout* MakeFormLayout() {
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return form;
}

QString OneOrZero(const QCheckBox* box) {
    return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

ControlsPage::ControlsPage(QWidget* parent) : QWidget(parent) {
    MAMEINICheckBox =
        MakeCheckBox(this, QStringLiteral("MAMEINICheckBox"),
                     QStringLiteral("MAME uses MAME.INI configuration file [readconfig]"),
                     QStringLiteral("Control whether MAME.EXE emulator reads the config file MAME.INI"));
    CheatCheckBox = MakeCheckBox(this, QStringLiteral("CheatCheckBox"), QStringLiteral("Cheat"),
                                 QStringLiteral("Support the use of cheats. You must obtain the 3rd party "
                                                "cheat.zip file in order for this to work."));
    VerboseCheckBox = MakeCheckBox(this, QStringLiteral("VerboseCheckBox"), QStringLiteral("Verbose"),
                                   QStringLiteral("Display diagnostic information at startup."));
    MouseCheckBox =
        MakeCheckBox(this, QStringLiteral("MouseCheckBox"), QStringLiteral("Mouse"),
                     QStringLiteral("Control whether or not MAME looks for a mouse controller to use."));
    JoystickCheckBox =
        MakeCheckBox(this, QStringLiteral("JoystickCheckBox"), QStringLiteral("Joystick"),
                     QStringLiteral("Control whether or not MAME looks for joystick/gamepad controllers."));
    SteadyKeyCheckBox =
        MakeCheckBox(this, QStringLiteral("SteadyKeyCheckBox"), QStringLiteral("Steady key [steadykey]"),
                     QStringLiteral("Make it easier to register simultaneous button presses "
                                    "(however controls are less responsive)"));
    SkipGameInfoCheckBox =
        MakeCheckBox(this, QStringLiteral("SkipGameInfoCheckBox"),
                     QStringLiteral("Don't display the game info screen [skip_gameinfo]"),
                     QStringLiteral("Don't display the game info screen at start of game."));

    CommandLineSwitchesEdit = new QLineEdit(this);
    SetUpOptionControl(
        CommandLineSwitchesEdit, QStringLiteral("CommandLineSwitchesEdit"),
        QStringLiteral(
            "Command-line switches used when running MAME. (Please consider using MAME.INI instead)"));
    CommandLineSwitchesLabel =
        MakeLabel(this, QStringLiteral("Command-Line Switches"), CommandLineSwitchesEdit);

    auto* layout = new QVBoxLayout(this);
    for (QCheckBox* box : {MAMEINICheckBox, CheatCheckBox, VerboseCheckBox, MouseCheckBox, JoystickCheckBox,
                           SteadyKeyCheckBox, SkipGameInfoCheckBox})
        layout->addWidget(box);
    layout->addStretch(1);
    layout->addWidget(CommandLineSwitchesLabel);
    layout->addWidget(CommandLineSwitchesEdit);
}

AudioPage::AudioPage(QWidget* parent) : QWidget(parent) {
    CheckBox7 = MakeCheckBox(this, QStringLiteral("CheckBox7"), QStringLiteral("Sound"),
                             QStringLiteral("Enable or disable sound alltogether."));
    ComboBox3 = new QComboBox(this);
    SetUpOptionControl(
        ComboBox3, QStringLiteral("ComboBox3"),
        QStringLiteral("Set the audio sample rate. Higher values (e.g. 44100) cause higher audio "
                       "quality but slower emulation speed."));
    ComboBox3->setEditable(true);
    // A typed rate stays a text in the box; it is not added to the choices.
    ComboBox3->setInsertPolicy(QComboBox::NoInsert);
    ComboBox3->addItems({QStringLiteral("11025"), QStringLiteral("22050"), QStringLiteral("44100")});
    SampleRateLabel = MakeLabel(this, QStringLiteral("Sample Rate:"), ComboBox3);

    auto* form = MakeFormLayout();
    form->addRow(SampleRateLabel, ComboBox3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CheckBox7);
    layout->addSpacing(6);
    layout->addLayout(form);
    layout->addStretch(1);
}

VideoPage::VideoPage(QWidget* parent) : QWidget(parent) {
    CheckBox10 = MakeCheckBox(this, QStringLiteral("CheckBox10"), QStringLiteral("Antialiasing [antialias]"),
                              QStringLiteral("Antialiasing for vector games."));
    CheckBox11 =
        MakeCheckBox(this, QStringLiteral("CheckBox11"), QStringLiteral("Hardware stretching [hwstrectch]"),
                     QStringLiteral("Use hardware stretching abilities of graphics card to scale the game "
                                    "image to the requested resolution."));
    GammaEdit = MakeShortEdit(this, QStringLiteral("GammaEdit"),
                              QStringLiteral("This controls the global gamma correction in the game."));
    BrightnessEdit = MakeShortEdit(this, QStringLiteral("BrightnessEdit"),
                                   QStringLiteral("This controls the global brightness in the game."));
    ContrastEdit = MakeShortEdit(this, QStringLiteral("ContrastEdit"),
                                 QStringLiteral("This controls the global contrast in the game."));
    GammaLabel = MakeLabel(this, QStringLiteral("Gamma:"), GammaEdit);
    BrightnessLabel = MakeLabel(this, QStringLiteral("Brightness:"), BrightnessEdit);
    ContrastLabel = MakeLabel(this, QStringLiteral("Contrast:"), ContrastEdit);

    auto* form = MakeFormLayout();
    form->addRow(GammaLabel, GammaEdit);
    form->addRow(BrightnessLabel, BrightnessEdit);
    form->addRow(ContrastLabel, ContrastEdit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CheckBox10);
    layout->addWidget(CheckBox11);
    layout->addSpacing(6);
    layout->addLayout(form);
    layout->addStretch(1);
}

OptionsPages::OptionsPages(QWidget* parent)
    : QObject(parent), Controls(new ControlsPage(parent)), Audio(new AudioPage(parent)),
      Video(new VideoPage(parent)) {
    for (QCheckBox* box :
         {Controls->MAMEINICheckBox, Controls->CheatCheckBox, Controls->VerboseCheckBox,
          Controls->MouseCheckBox, Controls->JoystickCheckBox, Controls->SteadyKeyCheckBox,
          Controls->SkipGameInfoCheckBox, Audio->CheckBox7, Video->CheckBox10, Video->CheckBox11})
        connect(box, &QCheckBox::toggled, this, &OptionsPages::optionChanged);
    connect(Audio->ComboBox3, &QComboBox::editTextChanged, this, &OptionsPages::optionChanged);
    for (QLineEdit* edit : {Video->GammaEdit, Video->BrightnessEdit, Video->ContrastEdit})
        connect(edit, &QLineEdit::textChanged, this, &OptionsPages::optionChanged);
}

void OptionsPages::FillOptionControls(const AppState& state) {
    const auto isOne = [](const QString& value) { return value == QLatin1String("1"); };
    Controls->MAMEINICheckBox->setChecked(isOne(state.readconfig));
    Controls->CheatCheckBox->setChecked(isOne(state.scheat));
    Controls->VerboseCheckBox->setChecked(isOne(state.verbose));
    Controls->MouseCheckBox->setChecked(isOne(state.usemouse));
    Controls->JoystickCheckBox->setChecked(isOne(state.joystick));
    Controls->SteadyKeyCheckBox->setChecked(isOne(state.steadykey));
    Controls->SkipGameInfoCheckBox->setChecked(isOne(state.skip_gameinfo));
    Audio->CheckBox7->setChecked(state.sound == QLatin1String("auto"));
    Audio->ComboBox3->setCurrentText(state.samplerate);
    Video->CheckBox10->setChecked(isOne(state.antialias));
    Video->CheckBox11->setChecked(isOne(state.hwstretch));
    Video->GammaEdit->setText(state.gamma);
    Video->BrightnessEdit->setText(state.brightness);
    Video->ContrastEdit->setText(state.contrast);
}

void OptionsPages::SaveSettings(const QString& iniFile, const INISettingFound& onFound) const {
    const auto write = [&](const char* name, const QString& value) {
        WriteINISetting(iniFile, QLatin1String(name), value, onFound);
    };
    write("readconfig", OneOrZero(Controls->MAMEINICheckBox));
    write("cheat", OneOrZero(Controls->CheatCheckBox));
    write("verbose", OneOrZero(Controls->VerboseCheckBox));
    write("mouse", OneOrZero(Controls->MouseCheckBox));
    write("joystick", OneOrZero(Controls->JoystickCheckBox));
    write("steadykey", OneOrZero(Controls->SteadyKeyCheckBox));
    write("skip_gameinfo", OneOrZero(Controls->SkipGameInfoCheckBox));
    write("sound", Audio->CheckBox7->isChecked() ? QStringLiteral("auto") : QStringLiteral("none"));
    write("samplerate", Audio->ComboBox3->currentText());
    write("antialias", OneOrZero(Video->CheckBox10));
    write("hwstretch", OneOrZero(Video->CheckBox11));
    write("gamma", Video->GammaEdit->text());
    write("brightness", Video->BrightnessEdit->text());
    write("contrast", Video->ContrastEdit->text());
    write("snapname", QStringLiteral("%g"));
}
