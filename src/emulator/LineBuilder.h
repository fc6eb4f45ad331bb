#pragma once
// Turns a child's output bytes, arriving in pieces of any size, into complete lines the
// way a console shows them: CR rewinds to the line start, TAB is eight blanks, BS steps
// back, NUL and BEL show as blanks.

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

class LineBuilder {
  public:
    LineBuilder();

    // Decodes the piece and appends every line it completes to lines. A character split
    // between two pieces is joined up again.
    void feed(QByteArrayView bytes, QStringList& lines);
    // At the end of the output: the last line when it has no line feed and is not empty.
    // Returns false when there is none. The builder is then ready for a new output.
    bool finish(QString& lastLine);

  private:
    void write(QStringView run);
    void consume(QStringView text, QStringList& lines);

    QStringDecoder decoder;
    QString line;
    qsizetype position = 0;
};
