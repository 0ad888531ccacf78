#include "readingfile.h"

#include "scramble.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
    return scrambledLine(reading.personName) + scrambledLine(QString::number(reading.birthYear))
           + scrambledLine(reading.birthMonth) + scrambledLine(QString::number(reading.birthDay));
}

std::optional<ReadingFileLines> decodeReadingFile(const QByteArray &bytes)
{
    return decodeLines(bytes, true);
}

std::optional<ReadingFileLines> readReadingFile(const QString &path)
{
    // Opening a FIFO would wait for a writer, and a device may never end.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(kMaxReadingFileRead + 1);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    const bool complete = bytes.size() <= kMaxReadingFileRead;
    return decodeLines(complete ? bytes : bytes.first(kMaxReadingFileRead), complete);
}

QString writeReadingFile(const QString &path, const ReadingRecord &reading)
{
    // QSaveFile would rename its temporary file over a named pipe or a
    // device (for root even /dev/null), leaving a regular file in its place.
    // A folder keeps QSaveFile's own refusal.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir())
        return QStringLiteral("%1 is not a regular file.").arg(path);

    // Unbuffered, so that a short write (a full disk) shows up here: with a
    // buffer, the part that did not fit is lost when the buffer is flushed
    // and the truncated file would still be committed.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    const QByteArray bytes = encodeReadingFile(reading);
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return reason;
        }
        done += n;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

bool hasReadingFileEnding(const QString &path)
{
    return path.endsWith(QLatin1String(kReadingFileSuffix), Qt::CaseSensitive);
}

} // namespace tzk
