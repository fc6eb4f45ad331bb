#pragma once
// The files kept beside the list file (play history, reasons): a first line naming the file,
// then one line per game.

#include <QByteArray>
#include <QString>

#include <functional>

// Gives each line after the header to read() until one it refuses. Returns 0 when the whole
// text was sound (an empty text is), 1 when its first line is not header, else the number of
// the first line refused.
int ReadSideFileLines(const QByteArray& text, const QByteArray& header,
                      const std::function<bool(const QString&)>& read);
