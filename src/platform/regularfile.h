// The one way the program reads and writes its files (reading files, PDF
// reports): whole regular files only. A named pipe, a device or a folder
// in their place is refused, never waited on and never replaced.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tzk {

// Up to `maxBytes` bytes from the start of the file. The file is opened
// without blocking and what was opened is checked, so a pipe put in its
// place at any moment cannot stop the program. Nothing for a missing,
// unreadable or non-regular file.
std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes);

// Replaces the file with `bytes` through a temporary file beside it that
// takes its place only once complete (unbuffered, so a short write on a
// full disk is seen): an existing file is either all new or untouched.
// Where no temporary file can be made beside it (a folder the user may not
// write) but the file itself may be written, it is written in place: a
// write that fails (a full disk) puts the old content back, and the reason
// then says whether that worked; the program ending during the write can
// leave the file part old, part new. A file there of more than 256 MB is
// not written over.
// Returns the empty text on success, otherwise the system's reason.
QString saveRegularFile(const QString &path, const QByteArray &bytes);

} // namespace tzk
