#include "emulator/LineBuilder.h"

namespace {

constexpr qsizetype TabWidth = 8;

// Single bytes in the system encoding, never part of a longer character.
bool IsControl(char c) {
    return c == '\n' || c == '\r' || c == '\t' || c == '\b' || c == '\0' || c == '\a';
}

} // namespace

// Stateless: Qt's decoder, carrying half a character from one piece to the next, drops the
// byte after it when the character turns out to be broken, so each run is decoded whole.
LineBuilder::LineBuilder()
    : decoder(QStringConverter::System,
              QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom) {}

void LineBuilder::feed(QByteArrayView bytes, QStringList& lines) {
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (!IsControl(bytes[i]))
            continue;
        writeRun(bytes.sliced(runStart, i - runStart));
        control(bytes[i], lines);
        runStart = i + 1;
    }
    pending.append(bytes.sliced(runStart));
}

bool LineBuilder::finish(QString& lastLine) {
    writeRun({});
    const bool any = !line.isEmpty();
    if (any)
        lastLine = line;
    line.clear();
    position = 0;
    return any;
}

// Decodes the pending bytes and then run, which together end at a control character or the end.
void LineBuilder::writeRun(QByteArrayView run) {
    if (pending.isEmpty()) {
        write(QString(decoder.decode(run)));
        return;
    }
    pending.append(run);
    write(QString(decoder.decode(pending)));
    pending.resize(0); // keeps its room for the next long run
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

void LineBuilder::control(char c, QStringList& lines) {
    static const QString tabBlanks(TabWidth, QLatin1Char(' '));
    static const QString blank(1, QLatin1Char(' '));
    switch (c) {
    case '\n':
        lines.append(line);
        line.clear();
        position = 0;
        break;
    case '\r':
        position = 0;
        break;
    case '\t':
        write(tabBlanks);
        break;
    case '\b':
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
