#pragma once
// The real boxes and choosers, as the user sees them.

#include "base/gui/Dialogs.h"

class QMessageBox;

class QtDialogs : public Dialogs {
  public:
    int messageBox(QWidget* owner, const MessageRequest& request) override;
    void plainMessage(const QString& message) override;
    bool inputBox(QWidget* owner, const QString& caption, const QString& prompt, QString& value) override;
    QString chooseFolder(QWidget* owner, const FolderRequest& request) override;
    QStringList chooseFiles(QWidget* owner, const FilesRequest& request) override;
    bool openUrl(const QUrl& url) override;
};

// Builds the box without showing it, so its layout and keys can be checked.
// The caller owns the box.
QMessageBox* BuildMessageBox(QWidget* owner, const MessageRequest& request);
