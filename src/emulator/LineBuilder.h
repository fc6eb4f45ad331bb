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

    // Appends every line the piece completes to lines. Text is decoded only up to a control
    // character, so however the pieces are cut, the same bytes give the same lines.
    void feed(QByteArrayView bytes, QStringList& lines);
    // At the end of the output: the last line when it has no line feed and is not empty (bytes
    // that end in the middle of a character show as the replacement character). Returns false
    // when there is none. The builder is then ready for a new output.
    bool finish(QString& lastLine);

  private:
    void write(QStringView run);
    void decodeAndConsume(QByteArrayView bytes, QStringList& lines);
    void consume(QStringView text, QStringList& lines);

    QStringDecoder decoder;
    QByteArray pending; // bytes since the last control character, not decoded yet
    QString line;
    qsizetype position = 0;
};
