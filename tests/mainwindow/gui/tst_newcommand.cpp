// A new command takes one descriptor and one handler: this test's build adds the descriptor
// of NewCommandRow.h to the command table, and the test registers the handler alone. The
// menu item, tool button and pop-up item appear and run it; before the handler, the log
// says the command is not available.

#include "mainwindow/gui/NewCommandRow.h"
#include "mainwindow/gui/TForm1.h"
#include "support/ScriptedDialogs.h"
#include "support/TestEnvironment.h"
#include "support/WindowRules.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

Q_DECLARE_METATYPE(TCommand)

class TestNewCommand : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { VerifyNoWindowLeftOpen(); }
    void oneDescriptorAndOneHandlerMakeACommand();
};

void TestNewCommand::oneDescriptorAndOneHandlerMakeACommand() {
    TestEnvironment env;
    ScriptedDialogs dialogs;
    TForm1 form(dialogs);
    const TCommandBinding* binding = nullptr;
    for (const TCommandBinding& candidate : form.Ui().bindings) {
        if (candidate.command == kNewCommand)
            binding = &candidate;
    }
    QVERIFY2(binding, "the descriptor got no controls");
    QVERIFY(binding->menuItem && binding->toolButton && binding->popupItem);
    QCOMPARE(binding->menuItem->text(), QStringLiteral("&New Command..."));
    QCOMPARE(binding->menuItem->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+N")));
    QCOMPARE(binding->menuItem->statusTip(), QStringLiteral("Run the new command."));
    QVERIFY(form.Ui().HelpMenu->actions().contains(binding->menuItem));
    QVERIFY(form.Ui().ToolBar1->actions().contains(binding->toolButton));
    QCOMPARE(binding->toolButton->toolTip(), QStringLiteral("New Command"));
    QVERIFY(form.Ui().PopupMenu1->actions().contains(binding->popupItem));

    // No handler yet: running it says so.
    binding->menuItem->trigger();
    QVERIFY2(form.Ui().CreateProcessLog->toPlainText().contains(
                 QStringLiteral("\"New Command\" is not available in this version of the program.")),
             qPrintable(form.Ui().CreateProcessLog->toPlainText()));

    int runs = 0;
    form.Context().Register(kNewCommand, [&runs] { ++runs; });
    QSignalSpy commands(&form, &TForm1::commandRun);
    binding->menuItem->trigger();
    qobject_cast<QToolButton*>(form.Ui().ToolBar1->widgetForAction(binding->toolButton))->click();
    binding->popupItem->trigger();
    QCOMPARE(runs, 3);
    QCOMPARE(commands.size(), 3);
    for (const QList<QVariant>& command : std::as_const(commands))
        QCOMPARE(command.at(0).value<TCommand>(), kNewCommand);
}

QTEST_MAIN(TestNewCommand)
#include "tst_newcommand.moc"
