#include "gamelist/GameListFileProbe.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

bool HasMoreThanOneLine(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.peek(2);
    if (head == QByteArrayLiteral("\xFF\xFE") || head == QByteArrayLiteral("\xFE\xFF")) {
        // Two-byte text: count its decoded lines instead.
        QStringDecoder decoder(head.at(0) == '\xFF' ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        const QString text = decoder.decode(file.readAll());
        const qsizetype end = text.indexOf(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
        if (end < 0)
            return false;
        const qsizetype next = text.mid(end, 2) == QLatin1String("\r\n") ? end + 2 : end + 1;
        return next < text.size();
    }
    bool afterCarriageReturn = false;
    bool firstLineEnded = false;
    char buffer[64 * 1024];
    qint64 count;
    while ((count = file.read(buffer, sizeof buffer)) > 0) {
        for (qint64 i = 0; i < count; ++i) {
            const char c = buffer[i];
            if (firstLineEnded) {
                // A line feed right after the first line's carriage return still ends that line.
                if (afterCarriageReturn && c == '\n') {
                    afterCarriageReturn = false;
                    continue;
                }
                return true;
            }
            if (c == '\n' || c == '\r') {
                firstLineEnded = true;
                afterCarriageReturn = c == '\r';
            }
        }
    }
    return false;
}
