#include "gamefiles/gui/SnapshotCommands.h"

#include "base/gui/CommandContext.h"
#include "diag/gui/ExceptionHandler.h"
#include "gamefiles/Snapshot.h"
#include "gamefiles/gui/GameImagePage.h"
#include "gamelist/GameListModel.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>

namespace {

// Empty when the emulator has no snapshot folder yet: never a name relative to the working folder.
QString CurrentSnapshotFile(const TCommandContext& context, int row) {
    if (context.State.snapshot_directory.isEmpty())
        return QString();
    return SnapshotFileName(context.State.snapshot_directory, context.GameList.Cells(colFileDir, row));
}

} // namespace

void ShowSnapshot(TCommandContext& context, int row) {
    TGameImagePage* page = context.GameImage;
    if (row < 1 || !page)
        return;
    const QString file = CurrentSnapshotFile(context, row);
    if (file.isEmpty() || !QFile::exists(file)) {
        page->ShowNoImage();
        return;
    }
    QImageReader reader(file);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        // A damaged picture is the user's file, not the program's fault: one log line, no
        // failure, and Delete Image takes it away.
        page->ShowNoImage(true);
        context.WriteLog(
            QCoreApplication::translate("GameImage", "Warning: the snapshot %1 cannot be shown: %2")
                .arg(file, reader.errorString()));
        return;
    }
    page->ShowPicture(picture);
}

void RefreshImage(TCommandContext& context) {
    ShowSnapshot(context, context.Window.GridRow());
}

void DeleteImage(TCommandContext& context) {
    const int row = context.Window.GridRow();
    QString file;
    if (row >= 1) {
        file = CurrentSnapshotFile(context, row);
        // Nothing is reported: a missing or locked file leaves the tab showing "No Image" all the same.
        if (!file.isEmpty())
            QFile::remove(file);
    }
    if (context.GameImage)
        context.GameImage->ShowNoImage(!file.isEmpty() && QFile::exists(file));
}

void ImageHelp(TCommandContext& context) {
    context.MessageApp(
        QCoreApplication::translate(
            "GameImage",
            "Snapshots of game images (SNAPs) are created during game play by pressing the F12 key.\n\n"
            "In order to display the latest snapshot, take the picture of the game during play with "
            "the F12 key.\nThe image will be displayed when you use the Refresh button or switch back "
            "and forth in the game list."),
        mtInformation, mbOK);
}

void RegisterSnapshotCommands(TCommandContext& context) {
    context.Register(TCommand::RefreshImage, [&context] { RefreshImage(context); });
    context.Register(TCommand::DeleteImage, [&context] { DeleteImage(context); });
    context.Register(TCommand::ImageHelp, [&context] { ImageHelp(context); });
    QObject::connect(&context.Events, &TWindowEvents::gridRowChanged, context.Owner(), [&context](int row) {
        RunGuarded(context.dialogs, context.Owner(), [&] { ShowSnapshot(context, row); });
    });
}
