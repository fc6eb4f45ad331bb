#pragma once
// The activity log: one time-stamped line per entry in the output pane; warnings and
// errors go to the Log tab's pane in yellow or red instead.

#include "app/LogStyle.h"

#include <QString>

class QPlainTextEdit;

class ActivityLog {
  public:
    ActivityLog(QPlainTextEdit* createProcessLog, QPlainTextEdit* logRichEdit);

    void WriteLog(const QString& text, TColor colour = clBlack, TFontStyles style = 0);
    // Appends a line to the Log tab's pane alone (the record of a game run).
    void WriteLogTab(const QString& text, TColor colour = clBlack, TFontStyles style = 0);

  private:
    QString TimeText();

    QPlainTextEdit* CreateProcessLog;
    QPlainTextEdit* LogRichEdit;
    QString timeFormat;
    QString cachedTimeText;
    int cachedSecond = -1;
};
