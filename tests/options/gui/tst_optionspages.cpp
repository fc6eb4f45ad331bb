#include "base/AppState.h"
#include "options/gui/OptionsPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
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

} // namespace

class TestOptionsPages : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void fillAndSaveWritesTheOptionsInOrder();
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

void TestOptionsPages::fillAndSaveWritesTheOptionsInOrder() {
    pages->FillOptionControls(StateWith(QStringLiteral("1"), QStringLiteral("auto")));
    const QString ini = writeIni("# emulator options\r\n");
    pages->SaveSettings(ini);
    const QString expected =
        QStringLiteral("# emulator options\r\n") + OptionLine("readconfig", "1") + OptionLine("cheat", "1") +
        OptionLine("verbose", "1") + OptionLine("mouse", "1") + OptionLine("joystick", "1") +
        OptionLine("steadykey", "1") + OptionLine("skip_gameinfo", "1") + OptionLine("sound", "auto") +
        OptionLine("samplerate", "22050") + OptionLine("antialias", "1") + OptionLine("hwstretch", "1") +
        OptionLine("gamma", "1.00000") + OptionLine("brightness", "0.9") + OptionLine("contrast", "1.1") +
        OptionLine("snapname", "%g");
    QCOMPARE(QString::fromUtf8(iniBytes()), expected);
}

void TestOptionsPages::saveReplacesLinesInPlace() {
    pages->FillOptionControls(StateWith(QStringLiteral("1"), QStringLiteral("auto")));
    pages->Controls->CheatCheckBox->setChecked(false);
    pages->Audio->CheckBox7->setChecked(false);
    pages->Audio->ComboBox3->setCurrentText(QStringLiteral("48000"));
    pages->Video->GammaEdit->clear();
    QTest::keyClicks(pages->Video->GammaEdit, QStringLiteral("1,2"));
    const QString ini = writeIni("contrast 1.0\nsound auto # on\ncheat 1\ngamma 1.0\nsnapname %g\n");
    pages->SaveSettings(ini);

    const QString text = QString::fromUtf8(iniBytes());
    QVERIFY2(text.startsWith(OptionLine("contrast", "1.1") + OptionLine("sound", "none") +
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

    QLineEdit* gamma = pages->Video->GammaEdit;
    gamma->clear();
    QTest::keyClicks(gamma, QStringLiteral("123456789"));
    QCOMPARE(gamma->text(), QStringLiteral("12345678"));
}

void TestOptionsPages::controlsAreTaggedForLongOperations() {
    int options = 0;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->property("tag").toInt() != 10)
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
