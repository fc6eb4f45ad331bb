#include "gamelist/SideFileLines.h"

#include <QStringList>

int ReadSideFileLines(const QByteArray& text, const QByteArray& header,
                      const std::function<bool(const QString&)>& read) {
    if (text.isEmpty())
        return 0;
    const QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    const auto lineText = [&lines](qsizetype index) {
        QString line = lines[index];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        return line;
    };
    if (lineText(0) != QString::fromLatin1(header))
        return 1;
    for (qsizetype index = 1; index < lines.size(); ++index) {
        const QString line = lineText(index);
        // The last line's end leaves one empty piece after it.
        if (line.isEmpty() && index == lines.size() - 1)
            break;
        if (!read(line))
            return static_cast<int>(index) + 1;
    }
    return 0;
}
