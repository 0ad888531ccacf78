// tzolkara-cli: parses the arguments, then writes one of three forms (the
// text of the reading and the day, JSON, or an iCalendar file). Everything
// it prints is built in memory first, so a refused argument leaves
// standard output empty.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QStringList>

namespace tzk {

struct CliOutput {
    int status = 0; // 0 done, 2 bad input
    QByteArray out;  // UTF-8, for standard output
    QByteArray err;  // one line, for standard error
};

// Runs the program on `arguments` (the program's name first) as decoded
// from valid UTF-8; `now` is the local time the clock gave, the one place
// "today" comes from.
CliOutput runCli(const QStringList &arguments, const QDateTime &now);

// Whether a raw argument is well-formed UTF-8: Qt would turn a bad byte
// into U+FFFD without a word.
bool isUtf8(const QByteArray &argument);

} // namespace tzk
