#include "gamelist/ListFileCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace {

constexpr char16_t DoubleQuote = u'"';

// Blanks, tabs and every other control character except NUL, as the reader skips them.
inline bool IsSpaceChar(char16_t c) {
    return c >= 1 && c <= 32;
}

inline bool IsLineBreak(char16_t c) {
    return c == u'\r' || c == u'\n';
}

QString ExtractQuotedField(const char16_t* s, qsizetype n, qsizetype& i) {
    QString field;
    ++i; // the opening quote
    qsizetype start = i;
    while (i < n) {
        if (s[i] != DoubleQuote) {
            ++i;
            continue;
        }
        if (i + 1 < n && s[i + 1] == DoubleQuote) {
            // Keep one quote of the pair.
            field.append(QStringView(s + start, i + 1 - start));
            i += 2;
            start = i;
            continue;
        }
        field.append(QStringView(s + start, i - start));
        ++i; // the closing quote
        return field;
    }
    // No closing quote: the field is the rest of the line.
    field.append(QStringView(s + start, n - start));
    return field;
}

void AppendQuotedCell(QString& out, QStringView cell) {
    out.append(QLatin1Char('"'));
    qsizetype start = 0;
    for (qsizetype i = 0; i < cell.size(); ++i) {
        const char16_t c = cell[i].unicode();
        if (c == DoubleQuote) {
            out.append(cell.sliced(start, i + 1 - start));
            out.append(QLatin1Char('"'));
            start = i + 1;
        } else if (IsLineBreak(c)) {
            out.append(cell.sliced(start, i - start));
            out.append(QLatin1Char(' '));
            start = i + 1;
        }
    }
    out.append(cell.sliced(start));
    out.append(QLatin1Char('"'));
}

} // namespace

QStringList SplitListLine(QStringView line, QChar delimiter) {
    QStringList fields;
    const char16_t delim = delimiter.unicode();
    const char16_t* s = line.utf16();
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (i < n && IsSpaceChar(s[i]))
        ++i;
    // At the top of the loop s[i] is never a space character, so every pass consumes input.
    while (i < n) {
        if (s[i] == DoubleQuote) {
            fields.append(ExtractQuotedField(s, n, i));
        } else {
            const qsizetype start = i;
            while (i < n && s[i] != delim && !IsSpaceChar(s[i]))
                ++i;
            fields.append(QStringView(s + start, i - start).toString());
        }
        while (i < n && IsSpaceChar(s[i]))
            ++i;
        if (i < n && s[i] == delim) {
            if (i + 1 == n)
                fields.append(QString());
            ++i;
            while (i < n && IsSpaceChar(s[i]))
                ++i;
        }
    }
    return fields;
}

bool CellNeedsQuotes(QStringView cell, QChar delimiter) {
    const char16_t delim = delimiter.unicode();
    for (const QChar ch : cell) {
        const char16_t c = ch.unicode();
        if (c <= 32 || c == delim || c == DoubleQuote)
            return true;
    }
    return false;
}

void AppendListLine(QString& out, const QStringList& cells, int colCount, QChar delimiter) {
    const int stored = static_cast<int>(std::min<qsizetype>(cells.size(), colCount));
    for (int col = 0; col < colCount; ++col) {
        if (col > 0)
            out.append(delimiter);
        if (col >= stored)
            continue;
        const QString& cell = cells.at(col);
        if (CellNeedsQuotes(cell, delimiter))
            AppendQuotedCell(out, cell);
        else
            out.append(cell);
    }
}

QString JoinListLine(const QStringList& cells, QChar delimiter) {
    QString line;
    AppendListLine(line, cells, static_cast<int>(cells.size()), delimiter);
    return line;
}

QString DecodeListText(const QByteArray& bytes) {
    const QByteArrayView view(bytes);
    QStringConverter::Encoding encoding = QStringConverter::System;
    qsizetype bomSize = 0;
    if (view.startsWith("\xEF\xBB\xBF")) {
        encoding = QStringConverter::Utf8;
        bomSize = 3;
    } else if (view.startsWith("\xFF\xFE")) {
        encoding = QStringConverter::Utf16LE;
        bomSize = 2;
    } else if (view.startsWith("\xFE\xFF")) {
        encoding = QStringConverter::Utf16BE;
        bomSize = 2;
    }
    QStringDecoder decoder(encoding);
    return decoder.decode(view.sliced(bomSize));
}

std::vector<QStringView> SplitTextLines(QStringView text) {
    std::vector<QStringView> lines;
    const char16_t* s = text.utf16();
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = s[i];
        if (!IsLineBreak(c))
            continue;
        lines.emplace_back(s + start, i - start);
        if (c == u'\r' && i + 1 < n && s[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.emplace_back(s + start, n - start);
    return lines;
}

std::vector<QStringList> ParseListText(const QByteArray& bytes, QChar delimiter) {
    const QString text = DecodeListText(bytes);
    const std::vector<QStringView> lines = SplitTextLines(text);
    std::vector<QStringList> rows;
    rows.reserve(lines.size());
    for (const QStringView line : lines)
        rows.push_back(SplitListLine(line, delimiter));
    return rows;
}

QByteArray FormatListText(const std::vector<QStringList>& rows, int colCount, QChar delimiter) {
    qsizetype estimate = 0;
    for (const QStringList& row : rows) {
        estimate += colCount + 2;
        for (const QString& cell : row)
            estimate += cell.size() + 2;
    }
    QString text;
    text.reserve(estimate);
    for (const QStringList& row : rows) {
        AppendListLine(text, row, colCount, delimiter);
        text.append(QLatin1String("\r\n"));
    }
    QStringEncoder encoder(QStringConverter::System);
    return encoder.encode(text);
}

QString StatusText(GameStatus status) {
    switch (status) {
    case GameStatus::Good:
        return QStringLiteral("Good");
    case GameStatus::Bad:
        return QStringLiteral("Bad");
    case GameStatus::Unknown:
        return QStringLiteral("?");
    case GameStatus::None:
        break;
    }
    return QString();
}

GameStatus StatusOfText(QStringView text) {
    for (const GameStatus status : {GameStatus::Good, GameStatus::Bad, GameStatus::Unknown}) {
        if (text == StatusText(status))
            return status;
    }
    return GameStatus::None;
}

QString FavouriteText(bool favourite) {
    return favourite ? QStringLiteral("true") : QString();
}

bool IsFavouriteText(QStringView text) {
    return text.compare(FavouriteText(true), Qt::CaseInsensitive) == 0;
}

QString UnknownGameName() {
    return QStringLiteral("[UNKNOWN GAME]");
}

QStringList GameRowCells(const GameRow& game) {
    return {FavouriteText(game.favourite), StatusText(game.status), game.name, game.fileDir};
}

GameRow GameRowOfCells(const QStringList& cells) {
    return {IsFavouriteText(cells.value(colFavourite)), StatusOfText(cells.value(colStatus)),
            cells.value(colGameName), cells.value(colFileDir)};
}
