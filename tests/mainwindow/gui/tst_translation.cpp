// The program in German: run by CTest with LANG=de_DE.UTF-8, it installs the catalogues as the
// program does at start and checks a menu, a push button, a message box and a button of Qt's.

#include "base/Translations.h"
#include "base/gui/MessageApp.h"
#include "base/gui/QtDialogs.h"
#include "mainwindow/gui/TForm1.h"
#include "support/ScriptedDialogs.h"
#include "support/TestEnvironment.h"
#include "support/WindowRules.h"

#include <QDialogButtonBox>
#include <QLibraryInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

class TestTranslation : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanup() { VerifyNoWindowLeftOpen(); }
    void mainWindowSpeaksGerman();
    void messageBoxSpeaksGerman();
    void qtsOwnButtonsSpeakGerman();
};

void TestTranslation::initTestCase() {
    QCOMPARE(QLocale::system().language(), QLocale::German);
    QVERIFY2(InstallTranslations(*qApp), "the German catalogue is not built into the program");
}

void TestTranslation::mainWindowSpeaksGerman() {
    TestEnvironment env;
    env.prepareReadyStart({}, ",Good,\"Galaga\",galaga.zip\r\n");
    ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    QCOMPARE(form.Ui().GameMenu->title(), QStringLiteral("&Spiel"));
    QCOMPARE(form.Ui().GameMenu->actions().constFirst()->text(), QStringLiteral("&Spiel starten..."));
    QCOMPARE(form.Ui().RunGameBitBtn->text(), QStringLiteral("Spiel starten"));
    QCOMPARE(form.Ui().RunGameBitBtn->statusTip(), QStringLiteral("Das gewählte Spiel starten."));
}

void TestTranslation::messageBoxSpeaksGerman() {
    MessageRequest request;
    request.message = QStringLiteral("x");
    request.type = mtConfirmation;
    request.buttons = mbYes | mbNo | mbCancel;
    request.title = DefaultMessageTitle(mtConfirmation);
    std::unique_ptr<QMessageBox> box(BuildMessageBox(nullptr, request));
    QCOMPARE(box->windowTitle(), QStringLiteral("Bestätigen"));
    QStringList captions;
    for (QAbstractButton* button : box->buttons())
        captions << button->text();
    QCOMPARE(captions,
             (QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nein"), QStringLiteral("Abbrechen")}));
}

void TestTranslation::qtsOwnButtonsSpeakGerman() {
    const QString qtCatalogue =
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm");
    if (!QFileInfo::exists(qtCatalogue))
        QSKIP("Qt's German catalogue is not installed (Debian package qt6-translations-l10n)");
    QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Close);
    // Some desktops' themes add a mnemonic to the standard texts.
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')),
             QStringLiteral("Abbrechen"));
    QCOMPARE(buttons.button(QDialogButtonBox::Close)->text().remove(QLatin1Char('&')),
             QStringLiteral("Schließen"));
}

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
