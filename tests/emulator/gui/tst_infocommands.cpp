// The information commands through the main window: what they show in the viewer, their
// boxes, and the runs that end the program.

#include "support/StartedWindow.h"

#include "gamelist/gui/TSortGrid.h"

#include <QLabel>
#include <QtTest>

namespace {

const QString kSeparator = QString(79, u'_');

} // namespace

class TestInfoCommands : public QObject {
    Q_OBJECT
  private slots:
    void cleanup();
    void mameHelpWithoutDocs();
    void mameHelpWithDocs();
    void mameVersionShowsTheOutputOrEndsTheProgram();
    void validateSystem();
    void listSupportedGames();
    void supportedGamesListThatCannotBeMadeEndsTheProgram();
    void editMameIni();
    void identifyGameUsesTheNameOnDisk();
    void escapeStopsIdentifyGame();
};

void TestInfoCommands::cleanup() {
    QTRY_VERIFY(!QApplication::activeModalWidget());
    VerifyNoWindowLeftOpen();
}

void TestInfoCommands::mameHelpWithoutDocs() {
    StartedWindow s(",?,\"Galaga\",galaga.zip\r\n");
    const QString config =
        QStringLiteral("File ") + s.env.mamePath() + QStringLiteral("docs/config.txt could not be found.");
    const QString windows =
        QStringLiteral("File ") + s.env.mamePath() + QStringLiteral("docs/windows.txt could not be found.");
    s.dialogs.expectMessage(config, mrOk);
    s.dialogs.expectMessage(windows, mrOk);
    QStringList shown;
    CloseViewerWhenShown(&shown);
    s.context().RunCommand(TCommand::MAMEHelp);

    QCOMPARE(s.dialogs.records()[0].text, config);
    QCOMPARE(s.dialogs.records()[0].type, mtWarning);
    QCOMPARE(s.dialogs.records()[1].text, windows);
    const QStringList frame{QString(), kSeparator, QString()};
    QCOMPARE(shown.mid(0, 8), QStringList{config} + frame + QStringList{windows} + frame);
    QCOMPARE(shown.value(8), QStringLiteral("Usage:  mame [machine] [media] [software] [options]"));
    QCOMPARE(shown.mid(shown.size() - 3), frame);
}

void TestInfoCommands::mameHelpWithDocs() {
    StartedWindow s(",?,\"Galaga\",galaga.zip\r\n");
    QDir().mkpath(s.env.mamePath() + QStringLiteral("docs"));
    s.env.writeFile(s.env.mamePath() + QStringLiteral("docs/config.txt"), "config one\r\nconfig two\r\n");
    s.env.writeFile(s.env.mamePath() + QStringLiteral("docs/windows.txt"), "windows\n");
    QStringList shown;
    CloseViewerWhenShown(&shown);
    s.context().RunCommand(TCommand::MAMEHelp);
    QCOMPARE(shown.mid(0, 7),
             (QStringList{QStringLiteral("config one"), QStringLiteral("config two"), QString(), kSeparator,
                          QString(), QStringLiteral("windows"), QString()}));
}

void TestInfoCommands::mameVersionShowsTheOutputOrEndsTheProgram() {
    StartedWindow s(",?,\"Galaga\",galaga.zip\r\n");
    QStringList shown;
    CloseViewerWhenShown(&shown);
    s.context().RunCommand(TCommand::MAMEVersion);
    QCOMPARE(shown.value(0), QStringLiteral("MAME v0.251 (fake)"));
    QVERIFY(!s.form->ExitRequested());

    s.setScenario({QStringLiteral("exit=3")});
    s.dialogs.expectMessage("A problem was experienced. The problem code is 3 ", mrOk);
    s.context().RunCommand(TCommand::MAMEVersion);
    QCOMPARE(s.dialogs.records().last().text,
             QStringLiteral("A problem was experienced. The problem code is 3 : No such process"));
    QCOMPARE(s.dialogs.records().last().type, mtError);
    QVERIFY(s.form->ExitRequested());
}

void TestInfoCommands::validateSystem() {
    StartedWindow s(",?,\"Galaga\",galaga.zip\r\n");
    s.dialogs.expectMessage("Validating the system may take a while to complete.", mrNo);
    s.context().RunCommand(TCommand::ValidateSystem);
    QVERIFY(s.runsOf(QStringLiteral("-validate")).isEmpty());
    QCOMPARE(s.dialogs.records()[0].text,
             QStringLiteral("Validating the system may take a while to complete.\n"
                            "Do you want to continue to validate?"));

    s.dialogs.expectMessage("Validating the system may take a while to complete.", mrYes);
    QStringList shown;
    CloseViewerWhenShown(&shown);
    s.context().RunCommand(TCommand::ValidateSystem);
    QCOMPARE(shown, QStringList{QStringLiteral("MAME VALIDATION: No issues found.")});
    QCOMPARE(s.form->Ui().StatusHintPanel->text(), QStringLiteral("Please wait.."));
    QVERIFY(s.form->Ui().SortGrid1->isEnabled());
}

void TestInfoCommands::listSupportedGames() {
    StartedWindow s(",?,\"Galaga\",galaga.zip\r\n");
    QStringList shown;
    CloseViewerWhenShown(&shown);
    s.context().RunCommand(TCommand::ListSupportedGames);
    QCOMPARE(shown.value(0), QStringLiteral("Name:             Description:"));
    QCOMPARE(shown.value(1), QStringLiteral("005               \"005\""));
    QCOMPARE(shown.size(), 33);
}

void TestInfoCommands::supportedGamesListThatCannotBeMadeEndsTheProgram() {
    StartedWindow s(",?,\"Galaga\",galaga.zip\r\n");
    s.setScenario({QStringLiteral("exit=2")});
    s.dialogs.expectMessage("A problem was experienced when generating the data file ", mrOk);
    s.context().RunCommand(TCommand::ListSupportedGames);
    QCOMPARE(s.dialogs.records().last().text,
             QStringLiteral("A problem was experienced when generating the data file ") +
                 s.env.userDataPath() +
                 QStringLiteral("Pellmora.GAM. The problem code is 2 : No such file or directory"));
    QCOMPARE(s.dialogs.records().last().type, mtError);
    QVERIFY(s.form->ExitRequested());
}

void TestInfoCommands::editMameIni() {
    StartedWindow s(",?,\"Galaga\",galaga.zip\r\n");
    QFile::rename(s.env.mamePath() + QStringLiteral("mame.ini"),
                  s.env.mamePath() + QStringLiteral("MAME.INI"));
    const QString address = QUrl::fromLocalFile(s.env.mamePath() + QStringLiteral("MAME.INI")).toString();
    s.dialogs.expectOpenUrl(address, true);
    s.context().RunCommand(TCommand::EditMAMEIni);
    QCOMPARE(s.dialogs.records().last().text, address);

    s.dialogs.expectOpenUrl(address, false);
    s.dialogs.expectMessage("A problem was experienced. The problem code is 8 ", mrOk);
    s.context().RunCommand(TCommand::EditMAMEIni);
    QCOMPARE(s.dialogs.records().last().text,
             QStringLiteral("A problem was experienced. The problem code is 8 : Exec format error"));

    QFile::remove(s.env.mamePath() + QStringLiteral("MAME.INI"));
    s.dialogs.expectMessage("A problem was experienced. The problem code is 2 ", mrOk);
    s.context().RunCommand(TCommand::EditMAMEIni);
    QCOMPARE(s.dialogs.records().last().text,
             QStringLiteral("A problem was experienced. The problem code is 2 : No such file or directory"));
    QVERIFY(!s.form->ExitRequested());
}

void TestInfoCommands::identifyGameUsesTheNameOnDisk() {
    StartedWindow s(",?,\"Galaga\",galaga.zip\r\n,?,\"Odd\",\"it's odd\"\r\n");
    s.putGame(QStringLiteral("GALAGA.ZIP"));
    QDir().mkpath(s.romPath() + QStringLiteral("It's Odd"));
    s.dialogs.expectMessage("Identifying games (via the ROMIDENT switch) can be quite slow.", mrNo);
    s.context().RunCommand(TCommand::IdentifyGame);
    QVERIFY(s.runsOf(QStringLiteral("-romident")).isEmpty());

    for (int row : {1, 2}) {
        s.context().Window.SelectGridRow(row);
        s.dialogs.expectMessage("Identifying games (via the ROMIDENT switch) can be quite slow.", mrYes);
        QStringList shown;
        CloseViewerWhenShown(&shown);
        s.context().RunCommand(TCommand::IdentifyGame);
        QCOMPARE(shown.value(0),
                 QStringLiteral("Identifying %1....").arg(s.runsOf(QStringLiteral("-romident")).last()));
    }
    QCOMPARE(s.runsOf(QStringLiteral("-romident")), (QStringList{s.romPath() + QStringLiteral("GALAGA.ZIP"),
                                                                 s.romPath() + QStringLiteral("It's Odd")}));
    QCOMPARE(s.dialogs.records()[1].text,
             QStringLiteral("Identifying games (via the ROMIDENT switch) can be quite slow.\n"
                            "Do you wish to continue?"));
    QVERIFY(!s.context().State.AllowEscape);
    QVERIFY(s.form->Ui().SortGrid1->isEnabled());
}

void TestInfoCommands::escapeStopsIdentifyGame() {
    StartedWindow s(",?,\"Galaga\",galaga.zip\r\n");
    s.setScenario({QStringLiteral("wait_term=1")});
    s.context().Window.SelectGridRow(1);
    s.dialogs.expectMessage("Identifying games (via the ROMIDENT switch) can be quite slow.", mrYes);
    // Escape once the emulator is waiting, as the user would press it.
    QTimer press;
    press.setInterval(10);
    connect(&press, &QTimer::timeout, [&] {
        if (s.logText().contains(QStringLiteral("Waiting for SIGTERM"))) {
            QCOMPARE(s.form->Ui().StatusHintPanel->text(),
                     QStringLiteral("Processing. Press ESCAPE key to stop."));
            press.stop();
            QTest::keyClick(s.form.get(), Qt::Key_Escape);
        }
    });
    press.start();
    QStringList shown;
    CloseViewerWhenShown(&shown);
    s.context().RunCommand(TCommand::IdentifyGame);
    QCOMPARE(shown,
             (QStringList{QStringLiteral("Waiting for SIGTERM"), QStringLiteral("Stopped by SIGTERM")}));
    QCOMPARE(s.form->Ui().StatusHintPanel->text(), QString());
    QVERIFY(!s.context().State.AllowEscape);
}

QTEST_MAIN(TestInfoCommands)
#include "tst_infocommands.moc"
