// SPDX-License-Identifier: GPL-3.0-or-later
#include "HighScoreCodec.h"

// Qt
#include <QStringDecoder>

// Std
#include <algorithm>
#include <limits>
#include <optional>

namespace tintrix {

namespace {

// A stored name holds at most 12 characters; earlier versions counted them before upper case,
// which can turn one character into three (as with U+0390). A longer line is not a name.
constexpr qsizetype kMaxStoredNameLength = 4 * kMaxNameLength;

// Windows-1252 for the bytes 0x80 to 0x9F, where it differs from Latin-1. The five bytes it
// leaves undefined keep their Latin-1 meaning.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
};

QString fromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i] = QChar(byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : char16_t(byte));
    }
    return text;
}

QByteArray numberField(qint32 value)
{
    return (value < 0 ? QByteArray() : QByteArrayLiteral(" ")) + QByteArray::number(value) + ' ';
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A whole line holding one integer that fits in 32 bits, blanks around it allowed.
std::optional<qint32> numberLine(QByteArrayView line)
{
    while (!line.isEmpty() && isBlank(line.front()))
        line = line.sliced(1);
    while (!line.isEmpty() && isBlank(line.back()))
        line.chop(1);
    QByteArrayView digits = line;
    if (!digits.isEmpty() && (digits.front() == '-' || digits.front() == '+'))
        digits = digits.sliced(1);
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    bool ok = false;
    const qlonglong value = line.toLongLong(&ok); // fails on more digits than 64 bits hold
    if (!ok || value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(value);
}

std::optional<QString> nameLine(QByteArrayView line)
{
    // Older copies of the game wrote the platform's 8-bit character set, so a line that is
    // not UTF-8 is read as Windows-1252. A byte-order mark is kept as part of the name.
    // Stateless: a sequence cut off at the end of the line is an error, not a pending state.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString name = utf8(line);
    if (utf8.hasError())
        name = fromWindows1252(line);
    // A carriage return inside the line, or an overlong line, is damage, not a name.
    if (name.contains(QLatin1Char('\r')) || name.toUcs4().size() > kMaxStoredNameLength)
        return std::nullopt;
    return name;
}

QList<QByteArrayView> splitLines(QByteArrayView bytes)
{
    QList<QByteArrayView> lines;
    while (!bytes.isEmpty()) {
        const qsizetype end = bytes.indexOf('\n');
        QByteArrayView line = end < 0 ? bytes : bytes.first(end);
        if (line.endsWith('\r'))
            line.chop(1);
        lines.append(line);
        bytes = end < 0 ? QByteArrayView() : bytes.sliced(end + 1);
    }
    return lines;
}

} // namespace

QByteArray SerializeHighScores(const HighScoreTable& table)
{
    QByteArray bytes;
    for (int i = 1; i <= table.HighScoreCount; ++i) {
        const HighScoreEntry& entry = table.place(i);
        QByteArray name = entry.Name.toUtf8();
        name.replace('\r', ' ').replace('\n', ' '); // one line, whatever the caller passed
        bytes += name + "\r\n" + numberField(entry.Score) + "\r\n" + numberField(entry.Level) + "\r\n";
    }
    return bytes;
}

HighScoreTable ParseHighScores(QByteArrayView bytes)
{
    if (bytes.size() > kHighScoreFileMaxBytes) {
        // Cut back to the last whole line: a number cut in two would read as another number.
        bytes = bytes.first(kHighScoreFileMaxBytes);
        bytes = bytes.first(bytes.lastIndexOf('\n') + 1);
    }
    const QList<QByteArrayView> lines = splitLines(bytes);
    QList<HighScoreEntry> entries;
    qsizetype i = 0;
    while (i + 2 < lines.size()) {
        const std::optional<QString> name = nameLine(lines[i]);
        const std::optional<qint32> score = name ? numberLine(lines[i + 1]) : std::nullopt;
        const std::optional<qint32> level = score ? numberLine(lines[i + 2]) : std::nullopt;
        if (!level) {
            ++i; // damaged: look for the next sound entry one line further on
            continue;
        }
        entries.append({*score, *name, *level});
        i += 3;
    }
    return RankedTable(std::move(entries));
}

} // namespace tintrix
