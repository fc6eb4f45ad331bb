#include "gamelist/gui/IdentifyCommand.h"

#include "base/GameFileLookup.h"
#include "base/gui/CommandContext.h"
#include "base/gui/StatusText.h"
#include "base/gui/WaitCursor.h"
#include "emulator/CommandTexts.h"
#include "emulator/gui/RunEmulator.h"
#include "emulator/gui/TForm2.h"
#include "gamelist/GameListModel.h"

#include <QCoreApplication>
#include <QFileInfo>

void IdentifyGame(TCommandContext& context) {
    if (context.MessageApp(QCoreApplication::translate(
                               "Identify", "Identifying games (via the ROMIDENT switch) can be quite slow.\n"
                                           "Do you wish to continue?"),
                           mtConfirmation, mbYes | mbNo) != mrYes)
        return;
    const AppState& state = context.State;
    const QString fileDir = context.GameList.Cells(colFileDir, context.Window.GridRow());
    // A row without a game (the empty list's) would make the emulator go through the whole
    // game folder.
    if (fileDir.isEmpty())
        return;
    // The file the emulator would play, by its name on disk: the emulator looks for exactly that.
    const GameLocation game = LocateGame(state.rompaths, fileDir);
    const QString name = game.path.isEmpty() ? fileDir : QFileInfo(game.path).fileName();
    const QString folder = game.folder.isEmpty() ? state.rompath : game.folder;

    SetStatusText(context, QCoreApplication::translate("Identify", "Processing. Press ESCAPE key to stop."));
    context.Window.EnableTaggedComponents(false);
    TRunResult run;
    {
        WaitCursor cursor;
        run = RunEmulator(context, RomIdentArgs(folder, name));
    }
    context.Window.EnableTaggedComponents(true);
    SetStatusText(context, QString());
    TForm2& viewer = *context.Form2;
    viewer.Clear();
    viewer.Append(run.lines);
    viewer.ShowModal();
}
