#include "base/gui/ActivityLog.h"

#include "base/DateTimeText.h"

#include <QFont>
#include <QList>
#include <QLocale>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTime>
#include <QTimer>

namespace {

QColor ToQColor(TColor colour) {
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

QTextCharFormat CharFormat(TColor colour, TFontStyles style) {
    QTextCharFormat format;
    format.setForeground(ToQColor(colour));
    format.setFontWeight((style & fsBold) ? QFont::Bold : QFont::Normal);
    format.setFontItalic((style & fsItalic) != 0);
    format.setFontUnderline((style & fsUnderline) != 0);
    format.setFontStrikeOut((style & fsStrikeOut) != 0);
    return format;
}

const QTextCharFormat& PlainBlack() {
    static const QTextCharFormat format = CharFormat(clBlack, 0);
    return format;
}

} // namespace

// Appends lines to one pane. Lines are separated rather than terminated, so the last block
// is the newest line. The view follows the end once per turn of the event loop: scrolling
// after every line would cost a window blit per line and show nothing more.
class LogPane : public QObject {
  public:
    explicit LogPane(QPlainTextEdit* pane) : QObject(pane), pane(pane), cursor(pane->document()) {
        // A read-only pane: an undo history would only grow with every line.
        pane->document()->setUndoRedoEnabled(false);
    }

    void append(const QString& prefix, const QString& text, const QTextCharFormat& format) {
        pending.append({prefix, text, format});
        if (!batched)
            flush();
    }
    void setBatched(bool on) {
        batched = on;
        if (!on)
            flush();
    }

  private:
    static constexpr int kLineWritten = 1;
    struct Line {
        QString prefix;
        QString text;
        QTextCharFormat format;
    };

    void flush() {
        if (pending.isEmpty())
            return;
        QTextDocument* document = pane->document();
        // Someone else may have changed the pane (cleared it); the cursor then moves back
        // to the end. Moving it is dear, so only then.
        if (!cursor.atEnd())
            cursor.movePosition(QTextCursor::End);
        cursor.beginEditBlock();
        for (const Line& line : std::as_const(pending)) {
            // An empty document still has its first block; an empty first line leaves it empty
            // but taken, so the mark tells the next line to start a block of its own.
            if (!document->isEmpty() || document->firstBlock().userState() == kLineWritten)
                cursor.insertBlock(QTextBlockFormat(), PlainBlack());
            if (!line.prefix.isEmpty())
                cursor.insertText(line.prefix, PlainBlack());
            if (!line.text.isEmpty())
                cursor.insertText(line.text, line.format);
            cursor.block().setUserState(kLineWritten);
        }
        cursor.endEditBlock();
        pending.clear();
        followEnd();
    }

    void followEnd() {
        if (scrollPending)
            return;
        scrollPending = true;
        QTimer::singleShot(0, this, [this] {
            scrollPending = false;
            QScrollBar* bar = pane->verticalScrollBar();
            bar->setValue(bar->maximum());
        });
    }

    QPlainTextEdit* pane;
    QTextCursor cursor;
    QList<Line> pending;
    bool batched = false;
    bool scrollPending = false;
};

ActivityLog::ActivityLog(QPlainTextEdit* createProcessLog, QPlainTextEdit* logRichEdit)
    : CreateProcessLog(createProcessLog), LogRichEdit(logRichEdit),
      createProcessPane(new LogPane(createProcessLog)), logRichEditPane(new LogPane(logRichEdit)) {}

QString ActivityLog::TimeText() {
    // Formatting the clock is costly next to a line append; do it once a second.
    const QTime now = QTime::currentTime();
    const int second = now.msecsSinceStartOfDay() / 1000;
    if (second != cachedSecond || cachedTimeText.isEmpty()) {
        if (timeFormat.isEmpty())
            timeFormat = LongTimeFormat();
        cachedSecond = second;
        cachedTimeText = QLocale::system().toString(now, timeFormat) + QLatin1Char(' ');
    }
    return cachedTimeText;
}

void ActivityLog::WriteLog(const QString& text, TColor colour, TFontStyles style) {
    const QString time = TimeText();
    switch (ClassifyLogText(text)) {
    case LogKind::Warning:
        logRichEditPane->append(QString(), text, CharFormat(clYellow, 0));
        createProcessPane->append(time, QString(), PlainBlack());
        break;
    case LogKind::Error:
        logRichEditPane->append(QString(), text, CharFormat(clRed, 0));
        createProcessPane->append(time, QString(), PlainBlack());
        break;
    case LogKind::Normal:
        createProcessPane->append(time, text,
                                  colour == clBlack && style == 0 ? PlainBlack() : CharFormat(colour, style));
        break;
    }
}

void ActivityLog::WriteLogTab(const QString& text, TColor colour, TFontStyles style) {
    logRichEditPane->append(QString(), text, CharFormat(colour, style));
}

void ActivityLog::FocusLogTabEnd() {
    LogRichEdit->setFocus();
    LogRichEdit->moveCursor(QTextCursor::End);
    LogRichEdit->ensureCursorVisible();
}

void ActivityLog::beginBatch() {
    if (batchDepth++ == 0) {
        createProcessPane->setBatched(true);
        logRichEditPane->setBatched(true);
    }
}

void ActivityLog::endBatch() {
    if (batchDepth > 0 && --batchDepth == 0) {
        createProcessPane->setBatched(false);
        logRichEditPane->setBatched(false);
    }
}
