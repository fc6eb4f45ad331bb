// The main window's controls: command bindings, tagged controls, Save Settings, status hints,
// the grid's pop-up menu and the bundled icons.

#include "gamelist/gui/TSortGrid.h"
#include "mainwindow/gui/TForm1.h"
#include "options/gui/OptionsPages.h"
#include "support/ScriptedDialogs.h"
#include "support/TestEnvironment.h"
#include "support/WindowRules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(TCommand)

namespace {

// A main window that has passed its start-up sequence against the fake emulator.
struct ReadyWindow {
    TestEnvironment env;
    ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;

    ReadyWindow() {
        env.prepareReadyStart({}, ",Good,\"Galaga\",galaga.zip\r\n");
        form = std::make_unique<TForm1>(dialogs);
        form->show();
        QTRY_VERIFY(form->Context().State.PostInitialiseDone);
    }
};

// The option controls of the Controls, Audio and Video tabs (not the parts inside a combo box).
QList<QWidget*> OptionControls(const TForm1& form) {
    QList<QWidget*> controls;
    for (QWidget* page : {form.Ui().ControlsTab, form.Ui().AudioTab, form.Ui().VideoTab}) {
        const auto children = page->findChildren<QWidget*>();
        for (QWidget* child : children) {
            if (child->parentWidget() == page &&
                (qobject_cast<QCheckBox*>(child) || qobject_cast<QComboBox*>(child) ||
                 qobject_cast<QLineEdit*>(child)))
                controls.append(child);
        }
    }
    return controls;
}

// Every control the long operations switch off.
QList<QWidget*> TaggedWidgets(const TForm1& form) {
    const TForm1Ui& ui = form.Ui();
    QList<QWidget*> widgets = {ui.RunGameBitBtn,
                               ui.ExiTButton,
                               ui.RandomPlayBtn,
                               ui.SaveSettingsBitBtn,
                               ui.ScanForGamesBitBtn,
                               ui.VerifyAllGamesBtn,
                               ui.ViewVerifyReportBitBtn,
                               ui.MAMEDirSearchBitBtn,
                               ui.SearchGameBitBtn,
                               ui.ClearImageBitBtn,
                               ui.RefreshImageBitBtn,
                               ui.ImageHelpBitBtn,
                               ui.MAMEDirSelectButton,
                               ui.SortGrid1,
                               ui.SearchEdit,
                               ui.ToolBar1};
    widgets += OptionControls(form);
    return widgets;
}

QList<QAction*> TaggedActions(const TForm1& form) {
    const TForm1Ui& ui = form.Ui();
    return {ui.GameMenu->menuAction(), ui.AllGamesMenu->menuAction(), ui.OptionsMenu->menuAction(),
            ui.HelpMenu->menuAction(), ui.ExitMenuItem};
}

QList<QWidget*> UntaggedWidgets(const TForm1& form) {
    const TForm1Ui& ui = form.Ui();
    return {ui.PageControl1, ui.LogRichEdit, ui.CreateProcessLog,
            ui.MAMEDirEdit,  ui.StatusBar1,  ui.ProgressBar1};
}

QStringList Names(const QList<QWidget*>& widgets) {
    QStringList names;
    for (const QWidget* widget : widgets)
        names << widget->objectName();
    names.sort();
    return names;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { VerifyNoWindowLeftOpen(); }
    void everyControlOfACommandRunsTheSameHandler();
    void buttonsCarryTheirBundledIcons();
    void toolButtonsAreTwentyFiveSquare();
    void taggedControlsAreExactlyTheListedOnes();
    void disablingTaggedControlsLeavesTheRestAlone();
    void disabledMenusSilenceTheirShortcuts();
    void saveSettingsWaitsForAnOptionChange_data();
    void saveSettingsWaitsForAnOptionChange();
    void hoveredControlPutsItsHintInTheFirstPanel_data();
    void hoveredControlPutsItsHintInTheFirstPanel();
    void popupItemHintReachesTheStatusBar();
    void rightClickOnTheGridOpensThePopupMenu();
    void controlsCarryTheirHelpContext_data();
    void controlsCarryTheirHelpContext();
    void aKeyPressReachesTheWindowOnce_data();
    void aKeyPressReachesTheWindowOnce();
    void everyDescriptorGetsExactlyItsControls();
    void commandWithoutHandlerSaysSoInTheLog();
    void handlerRunsAnotherCommandThroughTheContext();
    // Runs the application's own event loop to its end: keep it last.
    void closingWhileACommandRunsQuitsOnceItEnds();
};

void TestMainWindow::everyControlOfACommandRunsTheSameHandler() {
    TestEnvironment env;
    ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    // Stand-in handlers: the binding is under test, not what the commands do.
    QList<TCommand> handled;
    for (const TCommandBinding& binding : form.Ui().bindings) {
        const TCommand command = binding.command;
        form.Context().Register(command, [&handled, command] { handled.append(command); });
    }
    // Both wait for something to act on: an option change, a picture shown.
    form.Ui().SaveSettingsBitBtn->setEnabled(true);
    form.Ui().ClearImageBitBtn->setEnabled(true);
    QSignalSpy runs(&form, &TForm1::commandRun);

    int controls = 0;
    for (const TCommandBinding& binding : form.Ui().bindings) {
        QList<std::function<void()>> presses;
        if (binding.menuItem)
            presses.append([&] { binding.menuItem->trigger(); });
        if (binding.toolButton) {
            auto* button =
                qobject_cast<QToolButton*>(form.Ui().ToolBar1->widgetForAction(binding.toolButton));
            QVERIFY(button);
            presses.append([button] { button->click(); });
        }
        if (binding.popupItem)
            presses.append([&] { binding.popupItem->trigger(); });
        if (binding.pushButton)
            presses.append([&] { binding.pushButton->click(); });
        QVERIFY(!presses.isEmpty());
        for (const auto& press : presses) {
            runs.clear();
            handled.clear();
            press();
            QCOMPARE(runs.size(), 1);
            QCOMPARE(runs.at(0).at(0).value<TCommand>(), binding.command);
            QCOMPARE(handled, QList<TCommand>{binding.command});
            ++controls;
        }
    }
    // Menus, tool bar, pop-up and push buttons together.
    QVERIFY(controls > int(form.Ui().bindings.size()));
}

void TestMainWindow::buttonsCarryTheirBundledIcons() {
    TestEnvironment env;
    ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    for (const TCommandBinding& binding : form.Ui().bindings) {
        if (binding.toolButton) {
            const QPixmap picture = binding.toolButton->icon().pixmap(QSize(20, 20));
            QVERIFY2(!picture.isNull(), qPrintable(binding.toolButton->text()));
        }
        if (binding.pushButton)
            QVERIFY2(!binding.pushButton->icon().pixmap(QSize(16, 16)).isNull(),
                     qPrintable(binding.pushButton->objectName()));
    }
}

void TestMainWindow::toolButtonsAreTwentyFiveSquare() {
    TestEnvironment env;
    ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    const auto actions = form.Ui().ToolBar1->actions();
    int buttons = 0;
    for (QAction* action : actions) {
        // The filter at the bar's end is no button.
        if (action->isSeparator() || qobject_cast<QWidgetAction*>(action))
            continue;
        QCOMPARE(form.Ui().ToolBar1->widgetForAction(action)->size(), QSize(25, 25));
        ++buttons;
    }
    QCOMPARE(buttons, 11);
    QCOMPARE(form.Ui().ToolBar1->height(), 29);
}

void TestMainWindow::taggedControlsAreExactlyTheListedOnes() {
    TestEnvironment env;
    ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    QList<QWidget*> taggedWidgets;
    const auto widgets = form.findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (IsTagged(widget))
            taggedWidgets.append(widget);
    }
    QCOMPARE(Names(taggedWidgets), Names(TaggedWidgets(form)));

    QSet<QAction*> taggedActions;
    const auto actions = form.findChildren<QAction*>();
    for (QAction* action : actions) {
        if (IsTagged(action))
            taggedActions.insert(action);
    }
    const QList<QAction*> expected = TaggedActions(form);
    QCOMPARE(taggedActions, QSet<QAction*>(expected.begin(), expected.end()));
}

void TestMainWindow::disablingTaggedControlsLeavesTheRestAlone() {
    TestEnvironment env;
    ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    QVERIFY(!form.Ui().SaveSettingsBitBtn->isEnabled());

    form.EnableTaggedComponents(false);
    for (QWidget* widget : TaggedWidgets(form))
        QVERIFY2(!widget->isEnabled(), qPrintable(widget->objectName()));
    for (QAction* action : TaggedActions(form))
        QVERIFY2(!action->isEnabled(), qPrintable(action->text()));
    for (QWidget* widget : UntaggedWidgets(form))
        QVERIFY2(widget->isEnabled(), qPrintable(widget->objectName()));
    QVERIFY(form.Ui().DonateMenuItem->isEnabled());
    QVERIFY(form.Ui().PopupMenu1->isEnabled());
    const auto popupItems = form.Ui().PopupMenu1->actions();
    for (QAction* item : popupItems)
        QVERIFY(item->isEnabled());

    form.EnableTaggedComponents(true);
    for (QWidget* widget : TaggedWidgets(form))
        QVERIFY2(widget->isEnabled(), qPrintable(widget->objectName()));
    for (QAction* action : TaggedActions(form))
        QVERIFY2(action->isEnabled(), qPrintable(action->text()));
    // Re-enabling ends the wait for an option change.
    QVERIFY(form.Ui().SaveSettingsBitBtn->isEnabled());
}

void TestMainWindow::disabledMenusSilenceTheirShortcuts() {
    TestEnvironment env;
    ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    QList<QAction*> items;
    for (QMenu* menu :
         {form.Ui().GameMenu, form.Ui().AllGamesMenu, form.Ui().OptionsMenu, form.Ui().HelpMenu}) {
        const auto actions = menu->actions();
        for (QAction* action : actions) {
            if (!action->isSeparator())
                items.append(action);
        }
    }
    QVERIFY(!items.isEmpty());
    form.EnableTaggedComponents(false);
    for (QAction* item : items)
        QVERIFY2(!item->isEnabled(), qPrintable(item->text()));
    QSignalSpy runs(&form, &TForm1::commandRun);
    form.Ui().GameMenu->actions().at(0)->trigger();
    QCOMPARE(runs.size(), 0);

    form.EnableTaggedComponents(true);
    for (QAction* item : items)
        QVERIFY2(item->isEnabled(), qPrintable(item->text()));
}

void TestMainWindow::saveSettingsWaitsForAnOptionChange_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("Controls check box") << QStringLiteral("CheatCheckBox");
    QTest::newRow("Audio sample rate") << QStringLiteral("ComboBox3");
    QTest::newRow("Video gamma") << QStringLiteral("GammaEdit");
}

void TestMainWindow::saveSettingsWaitsForAnOptionChange() {
    QFETCH(QString, control);
    ReadyWindow window;
    TForm1& form = *window.form;
    QVERIFY(form.Context().State.PostInitialiseDone);
    QVERIFY(!form.Ui().SaveSettingsBitBtn->isEnabled());

    // The switches box lives in the program settings: it does not count as an option.
    form.Ui().CommandLineSwitchesEdit->setText(QStringLiteral("-window"));
    QVERIFY(!form.Ui().SaveSettingsBitBtn->isEnabled());

    QWidget* widget = form.Ui().PageControl1->findChild<QWidget*>(control);
    QVERIFY(widget);
    if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        box->click();
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->setEditText(QStringLiteral("22050"));
    } else {
        auto* edit = qobject_cast<QLineEdit*>(widget);
        QVERIFY(edit);
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("1.2"));
    }
    QVERIFY(form.Ui().SaveSettingsBitBtn->isEnabled());

    QTest::mouseClick(form.Ui().SaveSettingsBitBtn, Qt::LeftButton);
    QVERIFY(!form.Ui().SaveSettingsBitBtn->isEnabled());
}

void TestMainWindow::hoveredControlPutsItsHintInTheFirstPanel_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("onToolBar");
    QTest::addColumn<QString>("hint");
    QTest::newRow("Play Game tool button")
        << int(TCommand::PlayGame) << true << QStringLiteral("Play the selected game.");
    QTest::newRow("Add New Game tool button")
        << int(TCommand::AddGame) << true << QStringLiteral("Add a new game from Zip file(s).");
    QTest::newRow("Random button") << int(TCommand::PlayRandomGame) << false
                                   << QStringLiteral("Play a game at random.");
    QTest::newRow("Save Settings button")
        << int(TCommand::SaveSettings) << false << QStringLiteral("Save the settings.");
}

void TestMainWindow::hoveredControlPutsItsHintInTheFirstPanel() {
    QFETCH(int, command);
    QFETCH(bool, onToolBar);
    QFETCH(QString, hint);
    ReadyWindow window;
    TForm1& form = *window.form;
    QWidget* control = nullptr;
    for (const TCommandBinding& binding : form.Ui().bindings) {
        if (int(binding.command) == command)
            control = onToolBar ? form.Ui().ToolBar1->widgetForAction(binding.toolButton)
                                : static_cast<QWidget*>(binding.pushButton);
    }
    QVERIFY(control);
    form.Ui().StatusHintPanel->clear();

    QTest::mouseMove(form.Ui().CreateProcessLog);
    QTest::mouseMove(control);
    QTRY_COMPARE(form.Ui().StatusHintPanel->text(), hint);
    // The tool-tip is the short text, never the status hint.
    QVERIFY(control->toolTip() != hint || !onToolBar);
    QCOMPARE(form.Ui().StatusHintPanel->width(), 600);
}

void TestMainWindow::popupItemHintReachesTheStatusBar() {
    TestEnvironment env;
    ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    QAction* verify = nullptr;
    for (const TCommandBinding& binding : form.Ui().bindings) {
        if (binding.command == TCommand::VerifyGame)
            verify = binding.popupItem;
    }
    QVERIFY(verify);
    form.Ui().PopupMenu1->popup(QPoint(10, 10));
    form.Ui().PopupMenu1->setActiveAction(verify);
    QCOMPARE(form.Ui().StatusHintPanel->text(),
             QStringLiteral("Check the selected game to determine if it is OK to play."));
    form.Ui().PopupMenu1->close();
}

void TestMainWindow::rightClickOnTheGridOpensThePopupMenu() {
    ReadyWindow window;
    TForm1& form = *window.form;
    QWidget* viewport = form.Ui().SortGrid1->viewport();
    const QPoint at(20, 10);
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
    QCoreApplication::sendEvent(viewport, &click);
    QTRY_VERIFY(form.Ui().PopupMenu1->isVisible());
    QCOMPARE(form.Ui().PopupMenu1->pos(), viewport->mapToGlobal(at));
    form.Ui().PopupMenu1->close();
}

enum class Place { Widget, MenuItem, ToolButton, PopupItem };
Q_DECLARE_METATYPE(Place)

void TestMainWindow::controlsCarryTheirHelpContext_data() {
    QTest::addColumn<Place>("place");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("context");
    const int none = -1;
    QTest::newRow("window") << Place::Widget << QStringLiteral("TForm1") << none << 60;
    QTest::newRow("grid") << Place::Widget << QStringLiteral("SortGrid1") << none << 60;
    QTest::newRow("tab set") << Place::Widget << QStringLiteral("PageControl1") << none << 70;
    QTest::newRow("Mouse check box") << Place::Widget << QStringLiteral("MouseCheckBox") << none << 70;
    QTest::newRow("Game Data tab") << Place::Widget << QStringLiteral("GameDataTab") << none << 30;
    QTest::newRow("emulator path") << Place::Widget << QStringLiteral("MAMEDirEdit") << none << 70;
    QTest::newRow("Exit button") << Place::Widget << QStringLiteral("ExiTButton") << none << 0;
    QTest::newRow("tool bar") << Place::Widget << QStringLiteral("ToolBar1") << none << 90;
    QTest::newRow("help tool button")
        << Place::ToolButton << QString() << int(TCommand::HelpUsingPellmora) << 1;
    QTest::newRow("delete tool button") << Place::ToolButton << QString() << int(TCommand::DeleteGame) << 13;
    QTest::newRow("scan menu item") << Place::MenuItem << QString() << int(TCommand::ScanForGames) << 120;
    QTest::newRow("random menu item") << Place::MenuItem << QString() << int(TCommand::PlayRandomGame) << 80;
    QTest::newRow("rename pop-up item") << Place::PopupItem << QString() << int(TCommand::RenameGame) << 100;
    QTest::newRow("identify menu item") << Place::MenuItem << QString() << int(TCommand::IdentifyGame) << 0;
}

void TestMainWindow::controlsCarryTheirHelpContext() {
    QFETCH(Place, place);
    QFETCH(QString, widget);
    QFETCH(int, command);
    QFETCH(int, context);
    TestEnvironment env;
    ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    QObject* control = nullptr;
    if (place == Place::Widget) {
        control = widget == form.objectName() ? &form : form.findChild<QWidget*>(widget);
    } else {
        for (const TCommandBinding& binding : form.Ui().bindings) {
            if (int(binding.command) != command)
                continue;
            control = place == Place::MenuItem     ? binding.menuItem
                      : place == Place::ToolButton ? binding.toolButton
                                                   : binding.popupItem;
        }
    }
    QVERIFY(control);
    QCOMPARE(control->property("helpContext").toInt(), context);
}

void TestMainWindow::aKeyPressReachesTheWindowOnce_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    // Escape is ignored by all three and travels up through their parents; a letter is taken
    // by the line edit and goes no further.
    QTest::newRow("line edit, Escape") << QStringLiteral("SearchEdit") << int(Qt::Key_Escape);
    QTest::newRow("line edit, letter") << QStringLiteral("SearchEdit") << int(Qt::Key_A);
    QTest::newRow("grid, Escape") << QStringLiteral("SortGrid1") << int(Qt::Key_Escape);
    QTest::newRow("tab control, Escape") << QStringLiteral("PageControl1") << int(Qt::Key_Escape);
}

void TestMainWindow::aKeyPressReachesTheWindowOnce() {
    QFETCH(QString, control);
    QFETCH(int, key);
    ReadyWindow window;
    TForm1& form = *window.form;
    QWidget* widget = form.findChild<QWidget*>(control);
    QVERIFY(widget);
    widget->setFocus();
    QSignalSpy previewed(&form.Context().Events, &TWindowEvents::keyPreviewed);

    QTest::keyClick(widget, Qt::Key(key));
    QCOMPARE(previewed.size(), 1);
    QCOMPARE(previewed.at(0).at(0).toInt(), key);
    // The next press of the same key is a press of its own.
    QTest::keyClick(widget, Qt::Key(key));
    QCOMPARE(previewed.size(), 2);
}

void TestMainWindow::everyDescriptorGetsExactlyItsControls() {
    TestEnvironment env;
    ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    const auto rows = AllCommands();
    const std::vector<TCommandBinding>& bindings = form.Ui().bindings;
    QCOMPARE(bindings.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const TCommandDescriptor& row = rows[i];
        const TCommandBinding& binding = bindings[i];
        const QString name = CommandName(row.command);
        QCOMPARE(binding.command, row.command);
        QCOMPARE(bool(binding.menuItem), row.caption != nullptr);
        if (binding.menuItem) {
            QCOMPARE(binding.menuItem->text(), QString::fromUtf8(row.caption));
            QCOMPARE(binding.menuItem->shortcut(), QKeySequence(QString::fromUtf8(row.shortcut)));
            QCOMPARE(binding.menuItem->statusTip(), QString::fromUtf8(row.hint));
            QCOMPARE(binding.menuItem->property("helpContext").toInt(), int(row.help.menu));
        }
        QVERIFY2(bool(binding.toolButton) == (row.toolTip != nullptr), qPrintable(name));
        if (binding.toolButton)
            QCOMPARE(binding.toolButton->toolTip(), QString::fromUtf8(row.toolTip));
        QVERIFY2(bool(binding.popupItem) == (row.popupCaption != nullptr), qPrintable(name));
        QVERIFY2(bool(binding.pushButton) == (row.button.name != nullptr), qPrintable(name));
        if (binding.pushButton) {
            QCOMPARE(binding.pushButton->objectName(), QString::fromUtf8(row.button.name));
            QCOMPARE(binding.pushButton->text(), QString::fromUtf8(row.button.caption));
            QCOMPARE(binding.pushButton->statusTip(), QString::fromUtf8(row.hint));
            QCOMPARE(binding.pushButton->property("helpContext").toInt(), int(row.button.help));
        }
    }
}

void TestMainWindow::commandWithoutHandlerSaysSoInTheLog() {
    TestEnvironment env;
    ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    // Any command no subsystem has given a handler yet.
    const TCommandDescriptor* unhandled = nullptr;
    for (const TCommandDescriptor& row : AllCommands())
        if (!unhandled && !form.Context().Commands.HasHandler(row.command))
            unhandled = &row;
    if (!unhandled)
        QSKIP("every command has its handler");
    QSignalSpy runs(&form, &TForm1::commandRun);
    form.RunCommand(unhandled->command);
    QCOMPARE(runs.size(), 1);
    QVERIFY2(form.Ui().CreateProcessLog->toPlainText().contains(
                 QStringLiteral("\"") + CommandName(unhandled->command) +
                 QStringLiteral("\" is not available in this version of the program.")),
             qPrintable(form.Ui().CreateProcessLog->toPlainText()));
}

void TestMainWindow::handlerRunsAnotherCommandThroughTheContext() {
    TestEnvironment env;
    ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    TCommandContext& context = form.Context();
    QStringList steps;
    // As Scan ends by offering Verify All: the second command runs inside the first.
    context.Register(TCommand::ScanForGames, [&] {
        steps << QStringLiteral("scan");
        context.RunCommand(TCommand::VerifyAllGames);
        steps << QStringLiteral("scan done");
    });
    context.Register(TCommand::VerifyAllGames, [&] {
        steps << QStringLiteral("verify all");
        context.Window.EnableTaggedComponents(false);
    });
    QSignalSpy runs(&form, &TForm1::commandRun);
    form.Ui().ScanForGamesBitBtn->click();
    QCOMPARE(steps, QStringList(
                        {QStringLiteral("scan"), QStringLiteral("verify all"), QStringLiteral("scan done")}));
    QCOMPARE(runs.size(), 2);
    QCOMPARE(runs[1][0].value<TCommand>(), TCommand::VerifyAllGames);
    QVERIFY(!form.Ui().ScanForGamesBitBtn->isEnabled());
}

// The user closes the window while a command waits in its own loop (as a run of the emulator
// does): the program quits only once the command has finished, so its run is not cut short.
void TestMainWindow::closingWhileACommandRunsQuitsOnceItEnds() {
    TestEnvironment env;
    ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    QStringList steps;
    form.Context().Register(TCommand::ScanForGames, [&] {
        QEventLoop run;
        bool finished = false;
        QTimer::singleShot(0, &form, [&] {
            form.close();
            steps << QStringLiteral("closed");
            // The run's end arrives after the close.
            QTimer::singleShot(0, &run, [&] {
                finished = true;
                run.quit();
            });
        });
        run.exec();
        steps << (finished ? QStringLiteral("finished") : QStringLiteral("cut short"));
    });
    bool timedOut = false;
    QTimer::singleShot(0, &form, [&] { form.RunCommand(TCommand::ScanForGames); });
    QTimer bound;
    bound.setSingleShot(true);
    connect(&bound, &QTimer::timeout, [&] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    bound.start(5000);
    const int code = QCoreApplication::exec();
    QVERIFY2(!timedOut, "the program never quit");
    QCOMPARE(code, 0);
    QCOMPARE(steps, (QStringList{QStringLiteral("closed"), QStringLiteral("finished")}));
    QVERIFY(!form.isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
