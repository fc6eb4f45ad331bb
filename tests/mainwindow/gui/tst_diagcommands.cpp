// The program's own commands in the main window: F1 and the Help command open the guide at
// the part the user is in, About and Donate, and the chosen style kept across a restart.

#include "base/IniFile.h"
#include "base/SettingsKeys.h"
#include "diag/HelpTopics.h"
#include "diag/MakerPages.h"
#include "diag/VersionString.h"
#include "diag/gui/StyleEngine.h"
#include "diag/gui/TAboutBox.h"
#include "diag/gui/THelpWindow.h"
#include "diag/gui/TSettingsForm.h"
#include "gamelist/gui/TSortGrid.h"
#include "options/gui/OptionsPages.h"
#include "support/StartedWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QtTest>

namespace {

const QByteArray OneGame = ",Good,\"Galaga\",galaga.zip\r\n";

THelpWindow* HelpWindowOf(StartedWindow& s) {
    return s.form->findChild<THelpWindow*>();
}

QAction* MenuItemOf(const TForm1Ui& ui, TCommand command) {
    for (const TCommandBinding& binding : ui.bindings)
        if (binding.command == command)
            return binding.menuItem;
    return nullptr;
}

// Double-clicks the style's entry in the chooser, as the user does.
void DoubleClickStyle(TSettingsForm* chooser, const QString& name) {
    const QList<QListWidgetItem*> items = chooser->StyleListBox1->findItems(name, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    const QRect rect = chooser->StyleListBox1->visualItemRect(items[0]);
    QTest::mouseClick(chooser->StyleListBox1->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(chooser->StyleListBox1->viewport(), Qt::LeftButton, {}, rect.center());
}

QString StoredStyle(StartedWindow& s) {
    return s.context().SettingsIni().ReadString(Settings::Section, Settings::Key::StyleName,
                                                QStringLiteral("(none)"));
}

} // namespace

class TestDiagCommands : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        SetCurrentStyle(QStringLiteral("Windows"));
        VerifyNoWindowLeftOpen();
    }

    void helpOpensTheTopicOfWhereTheUserIs_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("page");
        QTest::newRow("game list") << "grid" << HelpTopicPage(60);
        QTest::newRow("Mouse box on the Controls tab") << "mouse" << HelpTopicPage(70);
        QTest::newRow("Scan for Games highlighted in its menu") << "scan menu item" << HelpTopicPage(120);
        QTest::newRow("Exit has no number: the window's") << "exit" << HelpTopicPage(60);
        QTest::newRow("Help Using Pellmora: the start page") << "help command" << HelpStartPage();
    }
    void helpOpensTheTopicOfWhereTheUserIs() {
        QFETCH(QString, where);
        QFETCH(QString, page);
        StartedWindow s(OneGame);
        const TForm1Ui& ui = s.form->Ui();
        s.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.form.get()));
        THelpWindow* help = HelpWindowOf(s);
        QVERIFY(help && !help->isVisible());

        if (where == QLatin1String("help command")) {
            s.context().RunCommand(TCommand::HelpUsingPellmora);
        } else if (where == QLatin1String("scan menu item")) {
            ui.AllGamesMenu->popup(s.form->mapToGlobal(QPoint(40, 40)));
            QTRY_VERIFY(ui.AllGamesMenu->isVisible());
            ui.AllGamesMenu->setActiveAction(MenuItemOf(ui, TCommand::ScanForGames));
            QTest::keyClick(ui.AllGamesMenu, Qt::Key_F1);
            ui.AllGamesMenu->close();
        } else {
            QWidget* control = ui.SortGrid1;
            if (where == QLatin1String("mouse")) {
                ui.PageControl1->setCurrentWidget(ui.ControlsTab);
                control = ui.Options->Controls->MouseCheckBox;
            } else if (where == QLatin1String("exit")) {
                control = ui.ExiTButton;
            }
            control->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), control);
            QTest::keyClick(control, Qt::Key_F1);
        }
        QTRY_VERIFY(help->isVisible());
        QCOMPARE(help->Browser->source().toString(), QStringLiteral("qrc") + page);
        help->close();
    }

    void aboutShowsNameAndVersion() {
        StartedWindow s(OneGame);
        QString title, product, version;
        WhenModal<TAboutBox>([&](TAboutBox* box) {
            title = box->windowTitle();
            product = box->ProductName->text();
            version = box->Version->text();
            box->OKButton->click();
        });
        s.context().RunCommand(TCommand::About);
        QCOMPARE(title, QStringLiteral("About..."));
        QCOMPARE(product, QStringLiteral("Pellmora"));
        QCOMPARE(version, GetVersionString());
        QVERIFY2(QRegularExpression(QStringLiteral("^Version 1\\.0 Release 0 Build \\d+$"))
                     .match(version)
                     .hasMatch(),
                 qPrintable(version));

        s.dialogs.expectOpenUrl(MakerDonationPage);
        s.context().RunCommand(TCommand::Donate);
    }

    // The style named in the settings is the program's from its start; an unknown name is
    // reported and left in the settings, and the window's settings are then not written back.
    void startUpAppliesTheStoredStyle_data() {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("stored");
        QTest::newRow("none stored") << QStringList() << "Obsidian"
                                     << "Obsidian";
        QTest::newRow("other letter case")
            << QStringList{QStringLiteral("StyleName=emerald light slate")} << "Emerald Light Slate"
            << "emerald light slate";
        QTest::newRow("unknown") << QStringList{QStringLiteral("StyleName=Nope")} << "Windows"
                                 << "Nope";
    }
    void startUpAppliesTheStoredStyle() {
        QFETCH(QStringList, settings);
        QFETCH(QString, current);
        QFETCH(QString, stored);
        const bool unknown = current == QLatin1String("Windows");
        QList<std::pair<QString, int>> startBoxes;
        if (unknown)
            startBoxes.append({QStringLiteral("GENERAL EXCEPTION ERROR: Style 'Nope' not found.\n"), mrOk});
        StartedWindow s(OneGame, settings, startBoxes);
        QCOMPARE(CurrentStyleName(), current);
        QCOMPARE(s.context().State.FormSettingsRead, !unknown);
        s.form->close();
        QCOMPARE(StoredStyle(s), stored);
    }

    void chosenStyleIsSavedAndBackAfterARestart() {
        StartedWindow s(OneGame);
        const QString chosen = QStringLiteral("Emerald Light Slate");
        WhenModal<TSettingsForm>([&](TSettingsForm* chooser) {
            QCOMPARE(chooser->StyleListBox1->currentItem()->text(), QStringLiteral("Obsidian"));
            DoubleClickStyle(chooser, chosen);
            chooser->CloseBitBtn->click();
        });
        s.context().RunCommand(TCommand::ChangeStyle);
        QCOMPARE(CurrentStyleName(), chosen);
        QCOMPARE(StoredStyle(s), chosen);

        s.form.reset();
        SetCurrentStyle(QStringLiteral("Windows"));
        s.form = std::make_unique<TForm1>(s.dialogs);
        s.form->show();
        QTRY_VERIFY(s.context().State.PostInitialiseDone);
        QCOMPARE(CurrentStyleName(), chosen);
        QString selected;
        WhenModal<TSettingsForm>([&](TSettingsForm* chooser) {
            selected = chooser->StyleListBox1->currentItem()->text();
            chooser->CloseBitBtn->click();
        });
        s.context().RunCommand(TCommand::ChangeStyle);
        QCOMPARE(selected, chosen);
    }
};

QTEST_MAIN(TestDiagCommands)
#include "tst_diagcommands.moc"
