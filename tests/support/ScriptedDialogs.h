#pragma once
// The one Dialogs for tests: every box, chooser and "open this" must be expected, in order,
// by its kind and its text (a prefix, or a pattern for the whole text). Anything else fails the
// running test at once: a box nobody expected, one of another kind or text, and, when the
// double goes away or checkAnswered() is called, an expected one that never came.

#include "base/gui/Dialogs.h"

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <source_location>

class ScriptedDialogs : public Dialogs {
  public:
    enum class Kind { Message, Plain, Input, Folder, Files, OpenUrl };

    // The text a call must show: its message, prompt, chooser caption or address.
    class Text {
      public:
        // The text starts with this.
        Text(const QString& prefix) : prefix(prefix) {}
        Text(const char* prefix) : prefix(QString::fromUtf8(prefix)) {}
        // The whole text matches this.
        Text(const QRegularExpression& pattern) : pattern(pattern) {}
        bool matches(const QString& text) const;
        QString describe() const;

      private:
        QString prefix;
        QRegularExpression pattern;
    };

    struct Record {
        Kind kind = Kind::Message;
        QString text; // message, prompt, chooser caption or address
        TMsgDlgType type = mtCustom;
        QString title; // box title or input box caption
        TMsgDlgButtons buttons = 0;
        QString startDir;      // choosers
        QString root;          // folder chooser
        int defaultButton = 0; // message boxes
    };

    ScriptedDialogs() = default;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;
    // Fails the running test when an expected call never came.
    ~ScriptedDialogs() override;

    // Queue the next expected call and its answer.
    using Where = std::source_location;
    void expectMessage(const Text& text, int answer, Where where = Where::current());
    void expectPlain(const Text& text, Where where = Where::current());
    // A cancelled input box leaves the value as it was.
    void expectInput(const Text& prompt, bool accepted, const QString& value, Where where = Where::current());
    // An empty answer is a cancelled chooser.
    void expectFolder(const Text& caption, const QString& answer, Where where = Where::current());
    void expectFiles(const Text& caption, const QStringList& answer, Where where = Where::current());
    // opened: whether the desktop had a program for it.
    void expectOpenUrl(const Text& address, bool opened = true, Where where = Where::current());

    // Real modal boxes run a nested event loop while they show, so anything queued (a paint,
    // a timer) runs inside them. With nested loops on, every call spins one before it answers.
    void setNestedLoops(bool on) { nestedLoops = on; }
    // Called while each box shows, before it answers (inside the nested loop's turn).
    void setOnShow(std::function<void(const Record&)> callback) { onShow = std::move(callback); }

    // Every call so far, expected or not.
    const QList<Record>& records() const { return calls; }
    int pending() const { return int(queue.size()); }
    // Fails the running test for each expected call that never came, and forgets them.
    void checkAnswered();
    // For a double kept across tests: checkAnswered(), then forgets the calls too.
    void clear();

    int messageBox(QWidget* owner, const MessageRequest& request) override;
    void plainMessage(const QString& message) override;
    bool inputBox(QWidget* owner, const QString& caption, const QString& prompt, QString& value) override;
    QString chooseFolder(QWidget* owner, const FolderRequest& request) override;
    QStringList chooseFiles(QWidget* owner, const FilesRequest& request) override;
    bool openUrl(const QUrl& url) override;

  private:
    struct Expected {
        Kind kind = Kind::Message;
        Text text = QString();
        std::source_location where = {};
        int answer = 0;
        bool accepted = false;
        QString value = {};
        QStringList list = {};
    };
    // Records the call, shows it, and hands out the expectation it meets; nothing (and a
    // failure of the test) when it meets none.
    std::optional<Expected> take(const Record& record);
    void expect(Expected expected) { queue.append(std::move(expected)); }

    QList<Expected> queue;
    bool nestedLoops = false;
    std::function<void(const Record&)> onShow;
    QList<Record> calls;
};
