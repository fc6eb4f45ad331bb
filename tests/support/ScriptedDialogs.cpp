#include "support/ScriptedDialogs.h"

#include <QEventLoop>
#include <QTimer>

namespace {

QString KindName(ScriptedDialogs::Kind kind) {
    switch (kind) {
    case ScriptedDialogs::Kind::Message:
        return QStringLiteral("message box");
    case ScriptedDialogs::Kind::Plain:
        return QStringLiteral("plain message");
    case ScriptedDialogs::Kind::Input:
        return QStringLiteral("input box");
    case ScriptedDialogs::Kind::Folder:
        return QStringLiteral("folder chooser");
    case ScriptedDialogs::Kind::Files:
        return QStringLiteral("file chooser");
    case ScriptedDialogs::Kind::OpenUrl:
        return QStringLiteral("open url");
    }
    return QString();
}

} // namespace

void ScriptedDialogs::expectMessage(int answer) {
    queue.append({Kind::Message, answer, false, {}, {}});
}
void ScriptedDialogs::expectPlain() {
    queue.append({Kind::Plain, 0, false, {}, {}});
}
void ScriptedDialogs::expectInput(bool accepted, const QString& value) {
    queue.append({Kind::Input, 0, accepted, value, {}});
}
void ScriptedDialogs::expectFolder(const QString& answer) {
    queue.append({Kind::Folder, 0, false, answer, {}});
}
void ScriptedDialogs::expectFiles(const QStringList& answer) {
    queue.append({Kind::Files, 0, false, {}, answer});
}
void ScriptedDialogs::expectOpenUrl(bool opened) {
    queue.append({Kind::OpenUrl, 0, opened, {}, {}});
}

void ScriptedDialogs::clear() {
    queue.clear();
    calls.clear();
    unexpected.clear();
}

QStringList ScriptedDialogs::failures() const {
    QStringList all = unexpected;
    for (const Expected& expected : queue)
        all.append(QStringLiteral("expected %1 never came").arg(KindName(expected.kind)));
    return all;
}

void ScriptedDialogs::show(const Record& record) {
    if (onShow)
        onShow(record);
    if (!nestedLoops)
        return;
    QEventLoop loop;
    QTimer::singleShot(1, &loop, &QEventLoop::quit);
    loop.exec();
}

bool ScriptedDialogs::take(Kind kind, const Record& record, Expected& expected) {
    calls.append(record);
    show(record);
    if (queue.isEmpty()) {
        unexpected.append(QStringLiteral("unexpected %1: %2").arg(KindName(kind), record.text));
        return false;
    }
    if (queue.first().kind != kind) {
        unexpected.append(QStringLiteral("%1 came where %2 was expected: %3")
                              .arg(KindName(kind), KindName(queue.first().kind), record.text));
        return false;
    }
    expected = queue.takeFirst();
    return true;
}

int ScriptedDialogs::messageBox(QWidget*, const MessageRequest& request) {
    Expected expected{};
    if (!take(Kind::Message, {Kind::Message, request.message, request.type, request.title, request.buttons},
              expected))
        return mrCancel;
    return expected.answer;
}

void ScriptedDialogs::plainMessage(const QString& message) {
    Expected expected{};
    take(Kind::Plain, {Kind::Plain, message, mtCustom, QStringLiteral("Pellmora"), mbOK}, expected);
}

bool ScriptedDialogs::inputBox(QWidget*, const QString& caption, const QString& prompt, QString& value) {
    Expected expected{};
    if (!take(Kind::Input, {Kind::Input, prompt, mtCustom, caption, mbOK | mbCancel}, expected))
        return false;
    if (expected.accepted)
        value = expected.text;
    return expected.accepted;
}

QString ScriptedDialogs::chooseFolder(QWidget*, const FolderRequest& request) {
    Expected expected{};
    if (!take(Kind::Folder, {Kind::Folder, request.startDir, mtCustom, request.caption, 0}, expected))
        return QString();
    return expected.text;
}

QStringList ScriptedDialogs::chooseFiles(QWidget*, const FilesRequest& request) {
    Expected expected{};
    if (!take(Kind::Files, {Kind::Files, request.startDir, mtCustom, request.caption, 0}, expected))
        return {};
    return expected.list;
}

bool ScriptedDialogs::openUrl(const QUrl& url) {
    Expected expected{};
    return take(Kind::OpenUrl, {Kind::OpenUrl, url.toString(), mtCustom, QString(), 0}, expected) &&
           expected.accepted;
}
