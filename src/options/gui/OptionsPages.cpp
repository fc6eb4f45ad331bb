#include "options/gui/OptionsPages.h"

#include "base/TypedTextLimit.h"
#include "base/gui/CommandControls.h"
#include "options/MameIni.h"
#include "options/MameOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <memory>

namespace {

constexpr int MaxTypedCharacters = 8;

void SetUpOptionControl(QWidget* control, const QString& name, const QString& hint) {
    control->setObjectName(name);
    control->setToolTip(hint);
    control->setStatusTip(hint);
    Tag(control);
    SetHelpContext(control, THelpContext::Tabs);
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

// Typing stops at maxLength and a paste is cut to the room left, while a longer value put there
// by the program (read from the file) is shown whole and can only shrink, so the next save
// does not shorten it.
void LimitTyping(QLineEdit* edit, int maxLength) {
    auto shown = std::make_shared<QString>();
    // textEdited comes before textChanged, so shown still holds the text before the edit.
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit, shown] { *shown = edit->text(); });
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, shown, maxLength](const QString& text) {
        int cursor = 0;
        const QString limited = LimitTypedText(*shown, text, maxLength, cursor);
        if (limited == text)
            return;
        edit->setText(limited);
        edit->setCursorPosition(cursor);
    });
}

QLineEdit* MakeShortEdit(QWidget* parent, const QString& name, const QString& hint) {
    auto* edit = new QLineEdit(parent);
    SetUpOptionControl(edit, name, hint);
    LimitTyping(edit, MaxTypedCharacters);
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

// What the control shows as the option's value, and what it saves.
void ShowOption(QWidget* control, const TMameOption& option, const QString& value) {
    if (auto* box = qobject_cast<QCheckBox*>(control))
        box->setChecked(value == QLatin1String(option.checkedValue));
    else if (auto* combo = qobject_cast<QComboBox*>(control))
        combo->setCurrentText(value);
    else
        qobject_cast<QLineEdit*>(control)->setText(value);
}

QString OptionValue(const QWidget* control, const TMameOption& option) {
    if (auto* box = qobject_cast<const QCheckBox*>(control))
        return QLatin1String(box->isChecked() ? option.checkedValue : option.uncheckedValue);
    if (auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentText();
    return qobject_cast<const QLineEdit*>(control)->text();
}

void ConnectChanged(QWidget* control, OptionsPages* pages) {
    if (auto* box = qobject_cast<QCheckBox*>(control))
        QObject::connect(box, &QCheckBox::toggled, pages, &OptionsPages::optionChanged);
    else if (auto* combo = qobject_cast<QComboBox*>(control))
        QObject::connect(combo, &QComboBox::editTextChanged, pages, &OptionsPages::optionChanged);
    else
        QObject::connect(qobject_cast<QLineEdit*>(control), &QLineEdit::textChanged, pages,
                         &OptionsPages::optionChanged);
}

} // namespace

ControlsPage::ControlsPage(QWidget* parent) : QWidget(parent) {
    MAMEINICheckBox = MakeCheckBox(
        this, QStringLiteral("MAMEINICheckBox"),
        QCoreApplication::translate("Options", "MAME uses MAME.INI configuration file [readconfig]"),
        QCoreApplication::translate("Options",
                                    "Control whether MAME.EXE emulator reads the config file MAME.INI"));
    CheatCheckBox = MakeCheckBox(
        this, QStringLiteral("CheatCheckBox"), QCoreApplication::translate("Options", "Cheat"),
        QCoreApplication::translate("Options", "Support the use of cheats. You must obtain the 3rd party "
                                               "cheat.zip file in order for this to work."));
    VerboseCheckBox = MakeCheckBox(
        this, QStringLiteral("VerboseCheckBox"), QCoreApplication::translate("Options", "Verbose"),
        QCoreApplication::translate("Options", "Display diagnostic information at startup."));
    MouseCheckBox =
        MakeCheckBox(this, QStringLiteral("MouseCheckBox"), QCoreApplication::translate("Options", "Mouse"),
                     QCoreApplication::translate(
                         "Options", "Control whether or not MAME looks for a mouse controller to use."));
    JoystickCheckBox = MakeCheckBox(
        this, QStringLiteral("JoystickCheckBox"), QCoreApplication::translate("Options", "Joystick"),
        QCoreApplication::translate("Options",
                                    "Control whether or not MAME looks for joystick/gamepad controllers."));
    SteadyKeyCheckBox = MakeCheckBox(
        this, QStringLiteral("SteadyKeyCheckBox"),
        QCoreApplication::translate("Options", "Steady key [steadykey]"),
        QCoreApplication::translate("Options", "Make it easier to register simultaneous button presses "
                                               "(however controls are less responsive)"));
    SkipGameInfoCheckBox = MakeCheckBox(
        this, QStringLiteral("SkipGameInfoCheckBox"),
        QCoreApplication::translate("Options", "Don't display the game info screen [skip_gameinfo]"),
        QCoreApplication::translate("Options", "Don't display the game info screen at start of game."));

    CommandLineSwitchesEdit = new QLineEdit(this);
    SetUpOptionControl(
        CommandLineSwitchesEdit, QStringLiteral("CommandLineSwitchesEdit"),
        QCoreApplication::translate(
            "Options",
            "Command-line switches used when running MAME. (Please consider using MAME.INI instead)"));
    CommandLineSwitchesLabel = MakeLabel(
        this, QCoreApplication::translate("Options", "Command-Line Switches"), CommandLineSwitchesEdit);

    auto* layout = new QVBoxLayout(this);
    for (QCheckBox* box : {MAMEINICheckBox, CheatCheckBox, VerboseCheckBox, MouseCheckBox, JoystickCheckBox,
                           SteadyKeyCheckBox, SkipGameInfoCheckBox})
        layout->addWidget(box);
    layout->addStretch(1);
    layout->addWidget(CommandLineSwitchesLabel);
    layout->addWidget(CommandLineSwitchesEdit);
}

AudioPage::AudioPage(QWidget* parent) : QWidget(parent) {
    CheckBox7 =
        MakeCheckBox(this, QStringLiteral("CheckBox7"), QCoreApplication::translate("Options", "Sound"),
                     QCoreApplication::translate("Options", "Enable or disable sound alltogether."));
    ComboBox3 = new QComboBox(this);
    SetUpOptionControl(ComboBox3, QStringLiteral("ComboBox3"),
                       QCoreApplication::translate(
                           "Options",
                           "Set the audio sample rate. Higher values (e.g. 44100) cause higher audio "
                           "quality but slower emulation speed."));
    ComboBox3->setEditable(true);
    // A typed rate stays a text in the box; it is not added to the choices.
    ComboBox3->setInsertPolicy(QComboBox::NoInsert);
    ComboBox3->addItems({QStringLiteral("11025"), QStringLiteral("22050"), QStringLiteral("44100")});
    SampleRateLabel = MakeLabel(this, QCoreApplication::translate("Options", "Sample Rate:"), ComboBox3);

    auto* form = MakeFormLayout();
    form->addRow(SampleRateLabel, ComboBox3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CheckBox7);
    layout->addSpacing(6);
    layout->addLayout(form);
    layout->addStretch(1);
}

VideoPage::VideoPage(QWidget* parent) : QWidget(parent) {
    CheckBox10 = MakeCheckBox(this, QStringLiteral("CheckBox10"),
                              QCoreApplication::translate("Options", "Antialiasing [antialias]"),
                              QCoreApplication::translate("Options", "Antialiasing for vector games."));
    CheckBox11 =
        MakeCheckBox(this, QStringLiteral("CheckBox11"),
                     QCoreApplication::translate("Options", "Hardware stretching [hwstrectch]"),
                     QCoreApplication::translate(
                         "Options", "Use hardware stretching abilities of graphics card to scale the game "
                                    "image to the requested resolution."));
    GammaEdit = MakeShortEdit(
        this, QStringLiteral("GammaEdit"),
        QCoreApplication::translate("Options", "This controls the global gamma correction in the game."));
    BrightnessEdit = MakeShortEdit(
        this, QStringLiteral("BrightnessEdit"),
        QCoreApplication::translate("Options", "This controls the global brightness in the game."));
    ContrastEdit = MakeShortEdit(
        this, QStringLiteral("ContrastEdit"),
        QCoreApplication::translate("Options", "This controls the global contrast in the game."));
    GammaLabel = MakeLabel(this, QCoreApplication::translate("Options", "Gamma:"), GammaEdit);
    BrightnessLabel = MakeLabel(this, QCoreApplication::translate("Options", "Brightness:"), BrightnessEdit);
    ContrastLabel = MakeLabel(this, QCoreApplication::translate("Options", "Contrast:"), ContrastEdit);

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
    for (const TMameOption& option : MameOptions()) {
        if (!option.control)
            continue;
        QWidget* control = nullptr;
        for (QWidget* page :
             {static_cast<QWidget*>(Controls), static_cast<QWidget*>(Audio), static_cast<QWidget*>(Video)}) {
            if (!control)
                control = page->findChild<QWidget*>(QLatin1String(option.control));
        }
        if (!control)
            qFatal("no control %s for the option %s", option.control, option.key);
        optionControls.push_back({&option, control});
        ConnectChanged(control, this);
    }
}

void OptionsPages::FillOptionControls(const TMameIniValues& state) {
    for (const auto& [option, control] : optionControls)
        ShowOption(control, *option, state.*option->field);
}

void OptionsPages::SaveSettings(const QString& iniFile, const INISettingFound& onFound) const {
    TMameIni ini(iniFile);
    for (const auto& [option, control] : optionControls)
        ini.SetValue(QLatin1String(option->key), OptionValue(control, *option), onFound);
    ini.SetValue(QLatin1String(SnapnameKey), QLatin1String(SnapnameGame), onFound);
    ini.Save();
}
