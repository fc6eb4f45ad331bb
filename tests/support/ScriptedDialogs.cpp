#include "support/ScriptedDialogs.h"
#include "base/ProgramTexts.h"

#include <QEventLoop>
#include <QTest>
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

// Fails the running test; outside a test function there is nothing to fail.
void Fail(const QString& message, const std::source_location& where) {
    if (QTest::currentTestFunction())
        QTest::qFail(qPrintable(message), where.file_name(), int(where.line()));
    else
        qWarning("%s", qPrintable(message));
}

} // namespace

bool ScriptedDialogs::Text::matches(const QString& text) const {
    if (pattern.pattern().isEmpty())
        return text.startsWith(prefix);
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern.pattern()),
                              pattern.patternOptions())
        .match(text)
        .hasMatch();
}

QString ScriptedDialogs::Text::describe() const {
    return pattern.pattern().isEmpty() ? QStringLiteral("starting \"%1\"").arg(prefix)
                                       : QStringLiteral("matching /%1/").arg(pattern.pattern());
}

ScriptedDialogs::~ScriptedDialogs() {
    checkAnswered();
}

void ScriptedDialogs::expectMessage(const Text& text, int answer, Where where) {
    expect({Kind::Message, text, where, answer});
}
void ScriptedDialogs::expectPlain(const Text& text, Where where) {
    expect({Kind::Plain, text, where});
}
void ScriptedDialogs::expectInput(const Text& prompt, bool accepted, const QString& value, Where where) {
    expect({Kind::Input, prompt, where, 0, accepted, value});
}
void ScriptedDialogs::expectFolder(const Text& caption, const QString& answer, Where where) {
    expect({Kind::Folder, caption, where, 0, false, answer});
}
void ScriptedDialogs::expectFiles(const Text& caption, const QStringList& answer, Where where) {
    expect({Kind::Files, caption, where, 0, false, {}, answer});
}
void ScriptedDialogs::expectOpenUrl(const Text& address, bool opened, Where where) {
    expect({Kind::OpenUrl, address, where, 0, opened});
}

void ScriptedDialogs::checkAnswered() {
    for (const Expected& expected : std::as_const(queue))
        Fail(QStringLiteral("the expected %1 %2 never came")
                 .arg(KindName(expected.kind), expected.text.describe()),
             expected.where);
    queue.clear();
}

void ScriptedDialogs::clear() {
    checkAnswered();
    calls.clear();
}

std::optional<ScriptedDialogs::Expected> ScriptedDialogs::take(const Record& record) {
    calls.append(record);
    if (onShow)
        onShow(record);
    if (nestedLoops) {
        QEventLoop loop;
        QTimer::singleShot(1, &loop, &QEventLoop::quit);
        loop.exec();
    }
    const QString shown = QStringLiteral("%1 \"%2\"").arg(KindName(record.kind), record.text);
    if (queue.isEmpty()) {
        Fail(QStringLiteral("unexpected ") + shown, std::source_location::current());
        return std::nullopt;
    }
    const Expected& next = queue.first();
    if (next.kind != record.kind || !next.text.matches(record.text)) {
        Fail(QStringLiteral("%1 came where the %2 %3 was expected")
                 .arg(shown, KindName(next.kind), next.text.describe()),
             next.where);
        return std::nullopt;
    }
    return queue.takeFirst();
}

int ScriptedDialogs::messageBox(QWidget*, const MessageRequest& request) {
    const std::optional<Expected> expected = take({Kind::Message,
                                                   request.message,
                                                   request.type,
                                                   request.title,
                                                   request.buttons,
                                                   {},
                                                   {},
                                                   request.defaultButton});
    return expected ? expected->answer : mrCancel;
}

void ScriptedDialogs::plainMessage(const QString& message) {
    take({Kind::Plain, message, mtCustom, ProgramName, mbOK, {}, {}});
}

bool ScriptedDialogs::inputBox(QWidget*, const QString& caption, const QString& prompt, QString& value) {
    const std::optional<Expected> expected =
        take({Kind::Input, prompt, mtCustom, caption, mbOK | mbCancel, {}, {}});
    if (!expected || !expected->accepted)
        return false;
    value = expected->value;
    return true;
}

QString ScriptedDialogs::chooseFolder(QWidget*, const FolderRequest& request) {
    const std::optional<Expected> expected =
        take({Kind::Folder, request.caption, mtCustom, QString(), 0, request.startDir, request.root});
    return expected ? expected->value : QString();
}

QStringList ScriptedDialogs::chooseFiles(QWidget*, const FilesRequest& request) {
    const std::optional<Expected> expected =
        take({Kind::Files, request.caption, mtCustom, QString(), 0, request.startDir, QString()});
    return expected ? expected->list : QStringList();
}

bool ScriptedDialogs::openUrl(const QUrl& url) {
    const std::optional<Expected> expected =
        take({Kind::OpenUrl, url.toString(), mtCustom, QString(), 0, {}, {}});
    return expected && expected->accepted;
}
