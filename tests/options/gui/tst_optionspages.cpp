#include "base/AppError.h"
#include "base/AppState.h"
#include "base/gui/CommandControls.h"
#include "options/gui/OptionsPages.h"
#include "support/FileSizeLimit.h"
#include "support/WindowRules.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

AppState StateWith(const QString& on, const QString& sound) {
    AppState state;
    state.readconfig = state.scheat = state.usemouse = state.joystick = state.steadykey = state.verbose =
        state.skip_gameinfo = state.antialias = state.hwstretch = on;
    state.sound = sound;
    state.samplerate = QStringLiteral("22050");
    state.gamma = QStringLiteral("1.00000");
    state.brightness = QStringLiteral("0.9");
    state.contrast = QStringLiteral("1.1");
    return state;
}

QString OptionLine(const char* name, const char* value) {
    return QStringLiteral("%1 %2\r\n").arg(QLatin1String(name), -25).arg(QLatin1String(value));
}

// The check boxes with their option, state field and the values for checked and unchecked.
struct CheckOption {
    const char* key;
    QString AppState::*field;
    const char* control;
    const char* on;
    const char* off;
};
const CheckOption CheckOptions[] = {
    {"readconfig", &AppState::readconfig, "MAMEINICheckBox", "1", "0"},
    {"cheat", &AppState::scheat, "CheatCheckBox", "1", "0"},
    {"verbose", &AppState::verbose, "VerboseCheckBox", "1", "0"},
    {"mouse", &AppState::usemouse, "MouseCheckBox", "1", "0"},
    {"joystick", &AppState::joystick, "JoystickCheckBox", "1", "0"},
    {"steadykey", &AppState::steadykey, "SteadyKeyCheckBox", "1", "0"},
    {"skip_gameinfo", &AppState::skip_gameinfo, "SkipGameInfoCheckBox", "1", "0"},
    {"sound", &AppState::sound, "CheckBox7", "auto", "none"},
    {"antialias", &AppState::antialias, "CheckBox10", "1", "0"},
    {"hwstretch", &AppState::hwstretch, "CheckBox11", "1", "0"},
};

// The lines Save Settings writes into a file without options, in its order, with the check
// box of onKey alone checked (none when empty) and the text options of StateWith.
QString SavedLines(const QString& onKey) {
    const auto check = [&](const char* key) {
        for (const CheckOption& option : CheckOptions) {
            if (qstrcmp(option.key, key) == 0)
                return OptionLine(key, onKey == QLatin1String(key) ? option.on : option.off);
        }
        qFatal("not a check box option: %s", key);
    };
    return check("readconfig") + check("cheat") + check("verbose") + check("mouse") + check("joystick") +
           check("steadykey") + check("skip_gameinfo") + check("sound") + OptionLine("samplerate", "22050") +
           check("antialias") + check("hwstretch") + OptionLine("gamma", "1.00000") +
           OptionLine("brightness", "0.9") + OptionLine("contrast", "1.1") + OptionLine("snapname", "%g");
}

} // namespace

class TestOptionsPages : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void fillAndSaveWritesTheOptionsInOrder_data();
    void fillAndSaveWritesTheOptionsInOrder();
    void failedSaveLeavesTheFileAsItWas();
    void saveReplacesLinesInPlace();
    void fillChecksOnlyExactValues_data();
    void fillChecksOnlyExactValues();
    void optionChangedFiresForEachOptionControl_data();
    void optionChangedFiresForEachOptionControl();
    void switchesBoxIsNotAnOption();
    void editsTakeEightTypedCharacters();
    void controlsAreTaggedForLongOperations();
    void pagesFitTheTabArea();

  private:
    QString writeIni(const QByteArray& bytes);
    QByteArray iniBytes() const;

    std::unique_ptr<QWidget> window;
    OptionsPages* pages = nullptr;
    std::unique_ptr<QTemporaryDir> dir;
};

void TestOptionsPages::init() {
    window = std::make_unique<QWidget>();
    pages = new OptionsPages(window.get());
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void TestOptionsPages::cleanup() {
    window.reset();
    dir.reset();
    VerifyNoWindowLeftOpen();
}

QString TestOptionsPages::writeIni(const QByteArray& bytes) {
    const QString path = dir->filePath(QStringLiteral("mame.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the fixture");
    return path;
}

QByteArray TestOptionsPages::iniBytes() const {
    QFile file(dir->filePath(QStringLiteral("mame.ini")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void TestOptionsPages::fillAndSaveWritesTheOptionsInOrder_data() {
    QTest::addColumn<int>("checked"); // the one check box checked, -1 none
    QTest::newRow("none checked") << -1;
    for (int i = 0; i < int(std::size(CheckOptions)); ++i)
        QTest::newRow(CheckOptions[i].key) << i;
}

// One check box at a time, so a control, option or state field taken for another one's shows.
void TestOptionsPages::fillAndSaveWritesTheOptionsInOrder() {
    QFETCH(int, checked);
    AppState state = StateWith(QStringLiteral("0"), QStringLiteral("none"));
    const QString onKey = checked < 0 ? QString() : QLatin1String(CheckOptions[checked].key);
    if (checked >= 0)
        state.*CheckOptions[checked].field = QLatin1String(CheckOptions[checked].on);
    pages->FillOptionControls(state);
    for (QCheckBox* box : window->findChildren<QCheckBox*>())
        QVERIFY2(box->isChecked() ==
                     (checked >= 0 && box->objectName() == QLatin1String(CheckOptions[checked].control)),
                 qPrintable(box->objectName()));

    const QString ini = writeIni("# emulator options\r\n");
    pages->SaveSettings(ini);
    QCOMPARE(QString::fromUtf8(iniBytes()), QStringLiteral("# emulator options\r\n") + SavedLines(onKey));
}

// A disk that fills during the save: nothing of it is written, not the first options alone.
void TestOptionsPages::failedSaveLeavesTheFileAsItWas() {
    pages->FillOptionControls(StateWith(QStringLiteral("0"), QStringLiteral("none")));
    // Every option already there at the length it will have, but the last one missing: a save
    // key by key would write all the others before the file outgrows the limit.
    QString lines = SavedLines(QStringLiteral("cheat"));
    lines.remove(OptionLine("contrast", "1.1"));
    const QByteArray before = lines.toUtf8();
    const QString ini = writeIni(before);
    try {
        FileSizeLimit diskFull(before.size());
        pages->SaveSettings(ini);
        QFAIL("no error for a save that could not be written");
    } catch (const AppError& error) {
        QCOMPARE(error.message(), QStringLiteral("Unable to write to ") + ini);
    }
    QCOMPARE(iniBytes(), before);

    pages->SaveSettings(ini);
    QCOMPARE(QString::fromUtf8(iniBytes()),
             SavedLines(QString()).remove(OptionLine("contrast", "1.1")) + OptionLine("contrast", "1.1"));
}

void TestOptionsPages::saveReplacesLinesInPlace() {
    pages->FillOptionControls(StateWith(QStringLiteral("1"), QStringLiteral("auto")));
    pages->Controls->CheatCheckBox->setChecked(false);
    pages->Audio->CheckBox7->setChecked(false);
    pages->Audio->ComboBox3->setCurrentText(QStringLiteral("48000"));
    pages->Video->GammaEdit->clear();
    QTest::keyClicks(pages->Video->GammaEdit, QStringLiteral("1,2"));
    // A rompath of several folders is no option of the tabs: its line stays as the user wrote it.
    const QString ini = writeIni("rompath  roms;$HOME/mame/roms;;/mnt/games;\ncontrast 1.0\nsound auto # on\n"
                                 "cheat 1\ngamma 1.0\nsnapname %g\n");
    pages->SaveSettings(ini);

    const QString text = QString::fromUtf8(iniBytes());
    QVERIFY2(text.startsWith(QStringLiteral("rompath  roms;$HOME/mame/roms;;/mnt/games;\r\n") +
                             OptionLine("contrast", "1.1") + OptionLine("sound", "none") +
                             OptionLine("cheat", "0") + OptionLine("gamma", "1,2") +
                             OptionLine("snapname", "%g") + OptionLine("readconfig", "1")),
             qPrintable(text));
    QVERIFY(text.contains(OptionLine("samplerate", "48000")));
    QCOMPARE(text.count(QStringLiteral("snapname")), 1);
}

void TestOptionsPages::fillChecksOnlyExactValues_data() {
    QTest::addColumn<QString>("on");
    QTest::addColumn<QString>("sound");
    QTest::addColumn<bool>("boxesChecked");
    QTest::addColumn<bool>("soundChecked");
    QTest::newRow("1 and auto") << "1"
                                << "auto" << true << true;
    QTest::newRow("0 and none") << "0"
                                << "none" << false << false;
    QTest::newRow("true and 1") << "true"
                                << "1" << false << false;
    QTest::newRow("01 and AUTO") << "01"
                                 << "AUTO" << false << false;
}

void TestOptionsPages::fillChecksOnlyExactValues() {
    QFETCH(QString, on);
    QFETCH(QString, sound);
    QFETCH(bool, boxesChecked);
    QFETCH(bool, soundChecked);
    // Start from the opposite so a box the fill leaves alone shows up.
    for (QCheckBox* box : window->findChildren<QCheckBox*>())
        box->setChecked(!boxesChecked);
    pages->FillOptionControls(StateWith(on, sound));
    for (QCheckBox* box : window->findChildren<QCheckBox*>()) {
        const bool expected = box == pages->Audio->CheckBox7 ? soundChecked : boxesChecked;
        QVERIFY2(box->isChecked() == expected, qPrintable(box->objectName()));
    }
    QCOMPARE(pages->Audio->ComboBox3->currentText(), QStringLiteral("22050"));
    QCOMPARE(pages->Video->BrightnessEdit->text(), QStringLiteral("0.9"));
}

void TestOptionsPages::optionChangedFiresForEachOptionControl_data() {
    QTest::addColumn<QString>("name");
    for (const char* name :
         {"MAMEINICheckBox", "CheatCheckBox", "VerboseCheckBox", "MouseCheckBox", "JoystickCheckBox",
          "SteadyKeyCheckBox", "SkipGameInfoCheckBox", "CheckBox7", "CheckBox10", "CheckBox11", "ComboBox3",
          "GammaEdit", "BrightnessEdit", "ContrastEdit"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestOptionsPages::optionChangedFiresForEachOptionControl() {
    QFETCH(QString, name);
    pages->FillOptionControls(StateWith(QStringLiteral("0"), QStringLiteral("none")));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QSignalSpy changed(pages, &OptionsPages::optionChanged);

    QWidget* control = window->findChild<QWidget*>(name);
    QVERIFY(control);
    if (auto* box = qobject_cast<QCheckBox*>(control)) {
        box->click();
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        combo->setCurrentIndex(0); // choosing from the list
        QVERIFY(changed.count() >= 1);
        changed.clear();
        QTest::keyClicks(combo->lineEdit(), QStringLiteral("0")); // typing
    } else {
        QTest::keyClicks(control, QStringLiteral("5"));
    }
    QVERIFY(changed.count() >= 1);
}

void TestOptionsPages::switchesBoxIsNotAnOption() {
    QSignalSpy changed(pages, &OptionsPages::optionChanged);
    QTest::keyClicks(pages->Controls->CommandLineSwitchesEdit, QStringLiteral("-nowindow"));
    QCOMPARE(changed.count(), 0);
}

void TestOptionsPages::editsTakeEightTypedCharacters() {
    AppState state = StateWith(QStringLiteral("1"), QStringLiteral("auto"));
    state.contrast = QStringLiteral("1.00000000"); // ten characters from the file
    pages->FillOptionControls(state);
    QCOMPARE(pages->Video->ContrastEdit->text(), state.contrast);

    for (QLineEdit* edit :
         {pages->Video->GammaEdit, pages->Video->BrightnessEdit, pages->Video->ContrastEdit}) {
        const QByteArray name = edit->objectName().toLatin1();
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("123456789"));
        QVERIFY2(edit->text() == QStringLiteral("12345678"), name.constData());

        // A longer paste is cut to the room left, not refused.
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("1."));
        QGuiApplication::clipboard()->setText(QStringLiteral("23456789012"));
        QTest::keySequence(edit, QKeySequence::Paste);
        QVERIFY2(edit->text() == QStringLiteral("1.234567"), name.constData());
        QCOMPARE(edit->cursorPosition(), 8);

        // A longer value from the file stays whole, can shrink, and never grows again.
        edit->setText(QStringLiteral("1.23456789"));
        QTest::keyClicks(edit, QStringLiteral("0"));
        QVERIFY2(edit->text() == QStringLiteral("1.23456789"), name.constData());
        QTest::keyClick(edit, Qt::Key_Backspace);
        QVERIFY2(edit->text() == QStringLiteral("1.2345678"), name.constData());
        QTest::keyClicks(edit, QStringLiteral("9"));
        QVERIFY2(edit->text() == QStringLiteral("1.2345678"), name.constData());
    }
}

void TestOptionsPages::controlsAreTaggedForLongOperations() {
    int options = 0;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!IsTagged(control))
            continue;
        ++options;
        QCOMPARE(control->property("helpContext").toInt(), 70);
        QVERIFY2(!control->toolTip().isEmpty(), qPrintable(control->objectName()));
        QCOMPARE(control->statusTip(), control->toolTip());
    }
    QCOMPARE(options, 15); // the 14 options and the switches box
}

void TestOptionsPages::pagesFitTheTabArea() {
    QTabWidget tabs;
    for (const QString& caption :
         {QStringLiteral("Game Image"), QStringLiteral("Log"), QStringLiteral("Game Data")})
        tabs.addTab(new QWidget(&tabs), caption);
    tabs.addTab(pages->Controls, QStringLiteral("Controls"));
    tabs.addTab(pages->Audio, QStringLiteral("Audio"));
    tabs.addTab(pages->Video, QStringLiteral("Video"));
    tabs.setFixedSize(402, 289);
    tabs.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tabs));

    for (QWidget* page : {static_cast<QWidget*>(pages->Controls), static_cast<QWidget*>(pages->Audio),
                          static_cast<QWidget*>(pages->Video)}) {
        tabs.setCurrentWidget(page);
        const QSize room = page->size();
        const QSize needed = page->minimumSizeHint();
        QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
                 qPrintable(QStringLiteral("%1 needs %2x%3, has %4x%5")
                                .arg(QLatin1String(page->metaObject()->className()))
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(room.width())
                                .arg(room.height())));
        for (QCheckBox* box : page->findChildren<QCheckBox*>())
            QVERIFY2(box->width() >= box->sizeHint().width(), qPrintable(box->objectName()));
    }
}

QTEST_MAIN(TestOptionsPages)
#include "tst_optionspages.moc"
