#include "readingfile.h"

#include "regularfile.h"
#include "scramble.h"

#include <array>

namespace tzk {

namespace {

constexpr int kLineCount = 4;

QByteArray scrambledLine(const QString &text)
{
    return scrambleBytes(toCodePage(text)) + "\r\n";
}

// `complete` says whether `bytes` runs to the end of the file: a last line
// without a line end counts only then, not when the read stopped inside it.
std::optional<ReadingFileLines> decodeLines(const QByteArray &bytes, bool complete)
{
    std::array<QByteArray, kLineCount> lines;
    int count = 0;
    qsizetype start = 0;
    qsizetype i = 0;
    while (count < kLineCount && i < bytes.size()) {
        const char c = bytes.at(i);
        if (c == '\r' || c == '\n') {
            lines[count++] = bytes.mid(start, i - start);
            if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
                ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (count < kLineCount && complete && start < bytes.size())
        lines[count++] = bytes.mid(start);
    if (count < kLineCount)
        return std::nullopt;

    for (const QByteArray &line : lines) {
        for (const char c : line) {
            if (static_cast<unsigned char>(c) < kScrambleShift)
                return std::nullopt;
        }
    }
    const auto field = [&](int n) { return fromCodePage(unscrambleBytes(lines[size_t(n)])); };
    return ReadingFileLines{field(0), field(1), field(2), field(3)};
}

} // namespace

QByteArray encodeReadingFile(const ReadingRecord &reading)
{
    return scrambledLine(storableText(reading.personName).kept) + scrambledLine(QString::number(reading.birthYear))
           + scrambledLine(reading.birthMonth) + scrambledLine(QString::number(reading.birthDay));
}

std::optional<ReadingFileLines> decodeReadingFile(const QByteArray &bytes)
{
    return decodeLines(bytes, true);
}

std::optional<ReadingFileLines> readReadingFile(const QString &path)
{
    const std::optional<QByteArray> bytes = readRegularFile(path, kMaxReadingFileRead + 1);
    if (!bytes)
        return std::nullopt;
    const bool complete = bytes->size() <= kMaxReadingFileRead;
    return decodeLines(complete ? *bytes : bytes->first(kMaxReadingFileRead), complete);
}

QString writeReadingFile(const QString &path, const ReadingRecord &reading)
{
    return saveRegularFile(path, encodeReadingFile(reading));
}

bool hasReadingFileEnding(const QString &path)
{
    return path.endsWith(QLatin1String(kReadingFileSuffix), Qt::CaseSensitive);
}

} // namespace tzk
