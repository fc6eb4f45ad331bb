// The program in German: run by CTest with LANG=de_DE.UTF-8, it installs the catalogues as the
// program does at start and checks menus, buttons, tabs, the list's header, a command's box and
// log line, a message box's buttons and a button of Qt's.

#include "base/Translations.h"
#include "base/gui/MessageApp.h"
#include "base/gui/QtDialogs.h"
#include "gamelist/gui/TSortGrid.h"
#include "mainwindow/gui/TForm1.h"
#include "support/ListWindow.h"
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
    ListWindow w(",Good,\"Galaga\",galaga.zip\r\n");
    const TForm1Ui& ui = w.form->Ui();
    QCOMPARE(ui.GameMenu->title(), QStringLiteral("&Spiel"));
    QCOMPARE(ui.GameMenu->actions().constFirst()->text(), QStringLiteral("&Spiel starten..."));
    QCOMPARE(ui.RunGameBitBtn->text(), QStringLiteral("Spiel starten"));
    QCOMPARE(ui.RunGameBitBtn->statusTip(), QStringLiteral("Das gewählte Spiel starten."));
    QCOMPARE(ui.PageControl1->tabText(2), QStringLiteral("Spieldaten"));
    // The list keeps its English header, as its file does; the grid shows it in German.
    QCOMPARE(w.list().Cells(colGameName, 0), QStringLiteral("Game Name"));
    QCOMPARE(w.Grid().model()->headerData(colGameName, Qt::Horizontal).toString(),
             QStringLiteral("Spielname"));

    w.form->Context().Window.SelectGridRow(1);
    w.dialogs.expectMessage("Möchten Sie dieses Spiel wirklich löschen: \n\nName:\tGalaga\n", mrNo);
    w.form->Context().RunCommand(TCommand::DeleteGame);
    w.dialogs.checkAnswered();
    QCOMPARE(w.dialogs.records().constLast().title, QStringLiteral("Bestätigen"));
    QCOMPARE(w.Names(), QStringList{QStringLiteral("Galaga")});

    // A scan that finds nothing new: its log lines and its box.
    w.putGame(QStringLiteral("galaga.zip"));
    w.dialogs.expectMessage("Keine neuen Spiele gefunden.", mrOk);
    w.form->Context().RunCommand(TCommand::ScanForGames);
    w.dialogs.checkAnswered();
    const QString log = w.logText();
    QVERIFY2(log.contains(QStringLiteral(" Nach Spielen suchen\n")) &&
                 log.contains(QStringLiteral(" Suche läuft...")),
             qPrintable(log));
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
