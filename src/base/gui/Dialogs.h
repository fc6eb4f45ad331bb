#pragma once
// Every box, chooser and "open this" the program shows goes through this one interface.
// The program installs QtDialogs; tests install a scripted one that answers from a queue.

#include <QString>
#include <QStringList>
#include <QUrl>

class QWidget;

enum TMsgDlgType { mtWarning = 0, mtError = 1, mtInformation = 2, mtConfirmation = 3, mtCustom = 4 };

// Button set, as flags.
enum TMsgDlgBtn { mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8, mbAll = 16 };
using TMsgDlgButtons = int;

// Results of the button chosen.
enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrYes = 6, mrNo = 7, mrAll = 8 };

struct MessageRequest {
    QString message;
    TMsgDlgType type = mtCustom;
    TMsgDlgButtons buttons = mbOK;
    QString title; // already resolved: never empty
    int helpContext = 0;
    // The button Enter chooses; 0 for the usual one (OK when shown, else Yes).
    int defaultButton = 0;
};

struct FolderRequest {
    QString caption;
    QString root;     // the chooser cannot go above this folder when not empty
    QString startDir; // the folder shown first; empty for none
};

struct FilesRequest {
    QString caption;
    QString startDir;
    QString filter;
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Returns one of TModalResult.
    virtual int messageBox(QWidget* owner, const MessageRequest& request) = 0;
    // A box with only OK, no icon, titled "Pellmora", centred on the screen.
    virtual void plainMessage(const QString& message) = 0;
    // Returns false when cancelled.
    virtual bool inputBox(QWidget* owner, const QString& caption, const QString& prompt, QString& value) = 0;
    // Returns the chosen folder, or an empty text when cancelled.
    virtual QString chooseFolder(QWidget* owner, const FolderRequest& request) = 0;
    // Returns the chosen files, or an empty list when cancelled.
    virtual QStringList chooseFiles(QWidget* owner, const FilesRequest& request) = 0;
    // Opens a document, a web page or a folder with the desktop's own program; false when
    // the desktop has no program for it or could not start one.
    virtual bool openUrl(const QUrl& url) = 0;
};
