#include "gamelist/ListFileCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <limits>
#include <utility>

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
    return SplitListLine(line, delimiter, std::numeric_limits<int>::max(), nullptr);
}

QStringList SplitListLine(QStringView line, QChar delimiter, int maxFields, bool* more) {
    if (more)
        *more = false;
    QStringList fields;
    const char16_t delim = delimiter.unicode();
    const char16_t* s = line.utf16();
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (i < n && IsSpaceChar(s[i]))
        ++i;
    // At the top of the loop s[i] is never a space character, so every pass consumes input.
    while (i < n) {
        if (fields.size() >= maxFields) {
            if (more)
                *more = true;
            break;
        }
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
            if (i + 1 == n) {
                if (fields.size() < maxFields)
                    fields.append(QString());
                else if (more)
                    *more = true;
            }
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

ListTextReader::ListTextReader(QChar delimiter, int maxCells) : delimiter(delimiter), maxCells(maxCells) {}

void ListTextReader::Feed(QByteArrayView bytes) {
    if (!decoder) {
        head.append(bytes);
        StartDecoding(false);
        return;
    }
    pending.append(decoder->decode(bytes));
    TakeLines(false);
}

void ListTextReader::Finish() {
    if (!decoder)
        StartDecoding(true);
    TakeLines(true);
}

// The encoding is known once three bytes are in, or at the end of a shorter file.
void ListTextReader::StartDecoding(bool atEnd) {
    if (head.size() < 3 && !atEnd)
        return;
    const QByteArrayView view(head);
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
    decoder.emplace(encoding);
    pending = decoder->decode(view.sliced(bomSize));
    head = QByteArray();
    TakeLines(atEnd);
}

void ListTextReader::TakeLines(bool atEnd) {
    const char16_t* s = QStringView(pending).utf16();
    const qsizetype n = pending.size();
    qsizetype start = 0;
    for (qsizetype i = searched; i < n; ++i) {
        const char16_t c = s[i];
        if (!IsLineBreak(c))
            continue;
        // A carriage return at the end may be the first half of CR LF.
        if (c == u'\r' && i + 1 == n && !atEnd)
            break;
        TakeLine(QStringView(s + start, i - start));
        if (c == u'\r' && i + 1 < n && s[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (atEnd && start < n) {
        TakeLine(QStringView(s + start, n - start));
        start = n;
    }
    // What is left is the start of a line; only a carriage return at its end is looked at again.
    pending.remove(0, start);
    searched = pending.endsWith(u'\r') ? pending.size() - 1 : pending.size();
}

void ListTextReader::TakeLine(QStringView line) {
    bool more = false;
    QStringList fields = SplitListLine(line, delimiter, maxCells, &more);
    if (more)
        ++linesWithExtraCells;
    const bool blank =
        std::all_of(fields.cbegin(), fields.cend(), [](const QString& field) { return field.isEmpty(); });
    if (rows.empty() || !blank)
        rows.push_back(std::move(fields));
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
