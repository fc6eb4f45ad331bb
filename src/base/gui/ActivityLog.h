#pragma once
// The activity log: one time-stamped line per entry in the output pane; warnings and
// errors go to the Log tab's pane in yellow or red instead.

#include "base/LogStyle.h"

#include <QString>

class QPlainTextEdit;
class LogPane;

class ActivityLog {
  public:
    ActivityLog(QPlainTextEdit* createProcessLog, QPlainTextEdit* logRichEdit);

    void WriteLog(const QString& text, TColor colour = clBlack, TFontStyles style = 0);
    // Appends a line to the Log tab's pane alone (the record of a game run).
    void WriteLogTab(const QString& text, TColor colour = clBlack, TFontStyles style = 0);
    // Gives the Log tab's pane the keyboard focus with its caret at the end, in view.
    void FocusLogTabEnd();

    // Lines written between beginBatch and the matching endBatch reach the panes together
    // at endBatch: one change of each pane instead of one per line. Batches nest.
    void beginBatch();
    void endBatch();

  private:
    QString TimeText();

    QPlainTextEdit* CreateProcessLog;
    QPlainTextEdit* LogRichEdit;
    LogPane* createProcessPane; // owned by its pane
    LogPane* logRichEditPane;
    QString timeFormat;
    QString cachedTimeText;
    int cachedSecond = -1;
    int batchDepth = 0;
};

// Holds a batch open for its lifetime.
class ActivityLogBatch {
  public:
    explicit ActivityLogBatch(ActivityLog& log) : log(log) { log.beginBatch(); }
    ~ActivityLogBatch() { log.endBatch(); }
    ActivityLogBatch(const ActivityLogBatch&) = delete;
    ActivityLogBatch& operator=(const ActivityLogBatch&) = delete;

  private:
    ActivityLog& log;
};
