#include "app/gui/ActivityLog.h"

#include <QFont>
#include <QLocale>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTime>

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

// The locale's long time format without its time-zone field.
QString LongTimeFormatWithoutZone() {
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return format.simplified();
}

// Adds one line at the end of the pane, leaving the view at the end and the focus alone.
// Lines are separated rather than terminated, so the last block is the newest line.
void AppendLine(QPlainTextEdit* pane, const QString& prefix, const QString& text,
                const QTextCharFormat& format) {
    QTextDocument* document = pane->document();
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    if (!document->isEmpty())
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    if (!prefix.isEmpty())
        cursor.insertText(prefix, CharFormat(clBlack, 0));
    if (!text.isEmpty())
        cursor.insertText(text, format);
    cursor.endEditBlock();
    QScrollBar* bar = pane->verticalScrollBar();
    bar->setValue(bar->maximum());
}

} // namespace

ActivityLog::ActivityLog(QPlainTextEdit* createProcessLog, QPlainTextEdit* logRichEdit)
    : CreateProcessLog(createProcessLog), LogRichEdit(logRichEdit) {
    // Read-only panes: an undo history would only grow with every line.
    CreateProcessLog->document()->setUndoRedoEnabled(false);
    LogRichEdit->document()->setUndoRedoEnabled(false);
}

QString ActivityLog::TimeText() {
    // Formatting the clock is costly next to a line append; do it once a second.
    const QTime now = QTime::currentTime();
    const int second = now.msecsSinceStartOfDay() / 1000;
    if (second != cachedSecond || cachedTimeText.isEmpty()) {
        if (timeFormat.isEmpty())
            timeFormat = LongTimeFormatWithoutZone();
        cachedSecond = second;
        cachedTimeText = QLocale::system().toString(now, timeFormat) + QLatin1Char(' ');
    }
    return cachedTimeText;
}

void ActivityLog::WriteLog(const QString& text, TColor colour, TFontStyles style) {
    const QString time = TimeText();
    switch (ClassifyLogText(text)) {
    case LogKind::Warning:
        AppendLine(LogRichEdit, QString(), text, CharFormat(clYellow, 0));
        AppendLine(CreateProcessLog, time, QString(), QTextCharFormat());
        break;
    case LogKind::Error:
        AppendLine(LogRichEdit, QString(), text, CharFormat(clRed, 0));
        AppendLine(CreateProcessLog, time, QString(), QTextCharFormat());
        break;
    case LogKind::Normal:
        AppendLine(CreateProcessLog, time, text, CharFormat(colour, style));
        break;
    }
}

void ActivityLog::WriteLogTab(const QString& text, TColor colour, TFontStyles style) {
    AppendLine(LogRichEdit, QString(), text, CharFormat(colour, style));
}
