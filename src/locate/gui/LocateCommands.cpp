#include "locate/gui/LocateCommands.h"

#include "base/AppState.h"
#include "base/FileLookup.h"
#include "base/SettingsKeys.h"
#include "base/gui/CommandContext.h"
#include "base/gui/Dialogs.h"
#include "base/gui/MessageApp.h"
#include "locate/FileVersion.h"
#include "locate/VersionCheck.h"
#include "locate/gui/TForm5.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

// Asks whether to open the download page after an old-version message; opens it on Yes.
bool OfferDownload(Dialogs& dialogs, QWidget* owner, const QString& message) {
    if (MessageApp(dialogs, owner, message + DownloadQuestion(), mtWarning, mbYes | mbNo) != mrYes)
        return false;
    dialogs.openUrl(QUrl(MAMEDownloadURL));
    return true;
}

void OpenFolder(Dialogs& dialogs, const QString& folder) {
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        dialogs.openUrl(QUrl::fromLocalFile(folder));
}

} // namespace

void MAMEDirSelect(TFolders& state, Dialogs& dialogs, QWidget* owner, const QString& mameDirEditText,
                   const std::function<void(const QString&)>& acceptPath) {
    FolderRequest request;
    request.caption = MAMEFolderChooserCaption();
    request.root = QDir::homePath();
    request.startDir = mameDirEditText.isEmpty() ? state.CurrentPath : mameDirEditText;
    const QString chosen = dialogs.chooseFolder(owner, request);
    if (chosen.isEmpty())
        return;
    const QString folder = IncludeTrailingPathDelimiter(chosen);

    // The version of mame64 decides when both are there, as it is the one that runs.
    QString version;
    for (const QString& name : {MameExecutableName, Mame64ExecutableName}) {
        const QString path = FindMameExecutable(folder, name);
        if (!path.isEmpty())
            version = GetFileVersion(path);
    }
    if (version.isEmpty()) {
        MessageApp(dialogs, owner,
                   QCoreApplication::translate("SearchForMAME", "MAME.EXE or MAME64.EXE was not found in %1")
                       .arg(folder),
                   mtWarning, mbOK);
        return;
    }
    if (version != NoFileVersion && !IsMAMEVersionOK(version)) {
        OfferDownload(dialogs, owner,
                      QCoreApplication::translate("SearchForMAME",
                                                  "The M.A.M.E. program file found is currently version "
                                                  "%1\nThe minimum version required is %2")
                          .arg(version, MinimumMAMEVersion));
        return;
    }
    state.MAMEPath = folder;
    if (acceptPath)
        acceptPath(folder);
}

bool StartupVersionCheck(const TFolders& state, Dialogs& dialogs, QWidget* owner) {
    for (const QString& name : {Mame64ExecutableName, MameExecutableName}) {
        const QString path = FindMameExecutable(state.MAMEPath, name);
        if (path.isEmpty())
            continue;
        const QString version = GetFileVersion(path);
        if (version == NoFileVersion || IsMAMEVersionOK(version))
            continue;
        const QString message =
            QCoreApplication::translate("SearchForMAME", "The M.A.M.E. program file %1 is currently version "
                                                         "%2\nThe minimum version required is %3")
                .arg(QFileInfo(path).fileName(), version, MinimumMAMEVersion);
        if (OfferDownload(dialogs, owner, message))
            return false;
    }
    return true;
}

void OpenExplorertoDataPath(const TFolders& state, Dialogs& dialogs) {
    OpenFolder(dialogs, state.UserDataPath);
}

void OpenExplorertoMAMEPath(const TFolders& state, Dialogs& dialogs) {
    OpenFolder(dialogs, state.MAMEPath);
}

void AcceptMAMEPath(TCommandContext& context, const QString& folder) {
    context.State.MAMEPath = IncludeTrailingPathDelimiter(folder);
    context.Window.ShowMAMEPath();
    context.SettingsIni().WriteString(Settings::Section, Settings::Key::MAMEPath, context.State.MAMEPath);
}

void RegisterLocateCommands(TCommandContext& context) {
    const auto accept = [&context](const QString& folder) { AcceptMAMEPath(context, folder); };
    auto* search = new TForm5(context.State, context.dialogs, accept, context.Owner());
    context.Register(TCommand::MAMEDirSelect, [&context, accept] {
        // The chooser starts at the folder the Game Data tab shows.
        MAMEDirSelect(context.State, context.dialogs, context.Owner(), context.State.MAMEPath, accept);
    });
    context.Register(TCommand::MAMEDirSearch, [search] { search->exec(); });
    context.Register(TCommand::OpenExplorertoDataPath,
                     [&context] { OpenExplorertoDataPath(context.State, context.dialogs); });
    context.Register(TCommand::OpenExplorertoMAMEPath,
                     [&context] { OpenExplorertoMAMEPath(context.State, context.dialogs); });
}
