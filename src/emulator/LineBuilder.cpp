#include "emulator/LineBuilder.h"

namespace {

constexpr qsizetype TabWidth = 8;

bool IsControl(char16_t c) {
    return c == u'\n' || c == u'\r' || c == u'\t' || c == u'\b' || c == u'\0' || c == u'\a';
}

} // namespace

// Stateless, and fed only bytes that end at a control character (never part of a longer
// character) or at the end of the output: Qt's decoder, carrying half a character from one
// piece to the next, drops the byte after it when the character turns out to be broken.
LineBuilder::LineBuilder()
    : decoder(QStringConverter::System,
              QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom) {}

void LineBuilder::feed(QByteArrayView bytes, QStringList& lines) {
    qsizetype end = bytes.size();
    while (end > 0 && !IsControl(static_cast<unsigned char>(bytes[end - 1])))
        --end;
    if (end > 0)
        decodeAndConsume(bytes.first(end), lines);
    pending.append(bytes.sliced(end));
}

// Decodes the pending bytes and then bytes, which together end at a control character or at
// the end of the output.
void LineBuilder::decodeAndConsume(QByteArrayView bytes, QStringList& lines) {
    if (pending.isEmpty()) {
        consume(QString(decoder.decode(bytes)), lines);
        return;
    }
    pending.append(bytes);
    consume(QString(decoder.decode(pending)), lines);
    pending.resize(0); // keeps its room for the next long line
}

bool LineBuilder::finish(QString& lastLine) {
    QStringList none;
    decodeAndConsume({}, none); // no control character left: no line completes here
    const bool any = !line.isEmpty();
    if (any)
        lastLine = line;
    line.clear();
    position = 0;
    return any;
}

// Writes ordinary characters at the write position, overwriting what is there.
void LineBuilder::write(QStringView run) {
    if (run.isEmpty())
        return;
    if (position == line.size()) {
        line.append(run);
    } else {
        const qsizetype overlap = std::min(run.size(), line.size() - position);
        line.replace(position, overlap, run.data(), overlap);
        line.append(run.mid(overlap));
    }
    position += run.size();
}

void LineBuilder::consume(QStringView text, QStringList& lines) {
    static const QString tabBlanks(TabWidth, QLatin1Char(' '));
    static const QString blank(1, QLatin1Char(' '));
    const char16_t* data = text.utf16();
    const qsizetype size = text.size();
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = data[i];
        if (!IsControl(c))
            continue;
        write(text.sliced(runStart, i - runStart));
        runStart = i + 1;
        switch (c) {
        case u'\n':
            lines.append(line);
            line.clear();
            position = 0;
            break;
        case u'\r':
            position = 0;
            break;
        case u'\t':
            write(tabBlanks);
            break;
        case u'\b':
            if (position > 0)
                --position;
            // Step over a whole character, not half of a surrogate pair.
            if (position > 0 && line.at(position).isLowSurrogate() && line.at(position - 1).isHighSurrogate())
                --position;
            break;
        default: // NUL and BEL
            write(blank);
            break;
        }
    }
    write(text.sliced(runStart));
}
