// The reading file: the birth data of one reading as four scrambled lines,
// name, year, month and day, each ended by CR LF. Reader, 1990, March, 5
// gives these 24 bytes:
//
//   A7 BA B6 B9 BA C7 0D 0A   86 8E 8E 85 0D 0A   A2 B6 C7 B8 BD 0D 0A   8A 0D 0A
//
// No header or trailer, so files stay interchangeable with every earlier
// copy of the program. Scrambled bytes are 85..255, so a line can hold no
// line break of its own.
#pragma once

#include "mayan.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace tzk {

inline constexpr char kReadingFileSuffix[] = "man";

// The longest name the entry field takes.
inline constexpr qsizetype kMaxNameLength = 32767;

// What four lines of a reading file can hold at most, with room to spare:
// the longest name, the year, month and day, and four line ends.
inline constexpr qint64 kMaxReadingFileRead = kMaxNameLength + 1024;

// The four fields as the file holds them, already unscrambled. The year and
// day stay text: the caller checks them against what it can show.
struct ReadingFileLines {
    QString name;
    QString year;
    QString month;
    QString day;

    bool operator==(const ReadingFileLines &) const = default;
};

// The name line holds what storableText() keeps of the name: a character
// the file cannot give back is left out, never written as "?".
QByteArray encodeReadingFile(const ReadingRecord &reading);

// A line ends at CR, CR LF or a lone LF (a file whose line ends were
// converted still opens; no scrambled byte can be either). Nothing when
// fewer than four lines are there or one of them holds a byte the writer
// never produces (below 85); anything after the fourth line is ignored.
std::optional<ReadingFileLines> decodeReadingFile(const QByteArray &bytes);

// Reads at most kMaxReadingFileRead bytes, so a huge or binary file chosen
// by mistake is refused at once. Nothing for a missing, unreadable or
// non-regular file (a folder, a pipe, a device) and for what
// decodeReadingFile refuses.
std::optional<ReadingFileLines> readReadingFile(const QString &path);

// Written by saveRegularFile: whole or not at all, so that a failure leaves
// an existing file exactly as it was (or in place, where the folder may not
// be written but the file may), and a named pipe or a device is refused,
// not replaced. Returns the empty text on success, otherwise the system's
// reason.
QString writeReadingFile(const QString &path, const ReadingRecord &reading);

// Whether a chosen path carries the reading file's ending; the check is on
// the last three characters and case-sensitive ("reading.MAN" does not).
bool hasReadingFileEnding(const QString &path);

} // namespace tzk
