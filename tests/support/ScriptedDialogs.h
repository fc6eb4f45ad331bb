#pragma once
// A Dialogs for tests: answers boxes from a queue of expected ones, records every call,
// and records a failure for any box nobody expected. Check failures() (or call
// verifyDone()) at the end of a test.

#include "base/gui/Dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

class ScriptedDialogs : public Dialogs {
  public:
    enum class Kind { Message, Plain, Input, Folder, Files, OpenUrl };

    struct Record {
        Kind kind = Kind::Message;
        QString text; // message, prompt, caption or url
        TMsgDlgType type = mtCustom;
        QString title; // box title or caption
        TMsgDlgButtons buttons = 0;
    };

    // Queue the next expected call and its answer.
    void expectMessage(int answer);
    void expectPlain();
    void expectInput(bool accepted, const QString& value);
    void expectFolder(const QString& answer);
    void expectFiles(const QStringList& answer);
    void expectOpenUrl(bool opened = true);

    // Real modal boxes run a nested event loop while they show, so anything queued (a paint,
    // a timer) runs inside them. With nested loops on, every call spins one before it answers.
    void setNestedLoops(bool on) { nestedLoops = on; }
    // Called while each box shows, before it answers.
    void setOnShow(std::function<void(const Record&)> callback) { onShow = std::move(callback); }

    const QList<Record>& records() const { return calls; }
    // Unexpected calls, calls of the wrong kind, and expectations never met.
    QStringList failures() const;
    int pending() const { return int(queue.size()); }
    // QVERIFY-friendly: true when every expectation was met and nothing unexpected came.
    bool verifyDone() const { return failures().isEmpty(); }
    void clear();

    int messageBox(QWidget* owner, const MessageRequest& request) override;
    void plainMessage(const QString& message) override;
    bool inputBox(QWidget* owner, const QString& caption, const QString& prompt, QString& value) override;
    QString chooseFolder(QWidget* owner, const FolderRequest& request) override;
    QStringList chooseFiles(QWidget* owner, const FilesRequest& request) override;
    bool openUrl(const QUrl& url) override;

  private:
    struct Expected {
        Kind kind;
        int answer = 0;
        bool accepted = false;
        QString text;
        QStringList list;
    };
    bool take(Kind kind, const Record& record, Expected& expected);

    void show(const Record& record);

    QList<Expected> queue;
    bool nestedLoops = false;
    std::function<void(const Record&)> onShow;
    QList<Record> calls;
    QStringList unexpected;
};
