#include "regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifndef Q_OS_WIN
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tzk {

namespace {

// Writes every byte or stops at the first write that fails: a short write
// is followed by another, which then reports the error.
bool writeAll(QFileDevice &file, const QByteArray &bytes)
{
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// Far more than a reading file or a PDF report.
constexpr qint64 kMaxReplacedInPlace = 256 * 1024 * 1024;

// What a failed write in place says: the system's reason, then whether the
// file holds what it held before.
QString inPlaceFailure(const QString &reason, bool restored)
{
    const QString outcome = restored
        ? QCoreApplication::translate("tzk::RegularFile", "The file still holds what it held before.")
        : QCoreApplication::translate("tzk::RegularFile", "The file could not be put back as it was and may be damaged.");
    return reason + QStringLiteral(". ") + outcome;
}

QString writeInPlace(const QString &path, const QByteArray &bytes)
{
    QFile file;
#ifdef Q_OS_WIN
    file.setFileName(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return file.errorString();
#else
    // Opened without blocking and checked, as for reading: a pipe put there
    // since the dialog must not make this wait.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return QString::fromLocal8Bit(strerror(errno));
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return QCoreApplication::translate("tzk::RegularFile", "%1 is not a regular file.")
            .arg(QDir::toNativeSeparators(path));
    }
    if (!file.open(fd, QIODevice::ReadWrite | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
#endif
    // What is there is kept in memory until the new content is whole, so
    // that a failure can put it back; a file far larger than anything this
    // program writes is not taken into memory, and not written over.
    if (file.size() > kMaxReplacedInPlace)
        return QCoreApplication::translate("tzk::RegularFile",
                                           "%1 is too large to be replaced here. Please choose another name.")
            .arg(QDir::toNativeSeparators(path));
    const QByteArray old = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    const qint64 oldSize = old.size();

    // First what lies beyond the old end, so that a full disk refuses it
    // before a byte of the old content is touched...
    if (bytes.size() > oldSize) {
        if (!file.seek(oldSize) || !writeAll(file, bytes.mid(oldSize))) {
            const QString reason = file.errorString();
            file.unsetError();
            return inPlaceFailure(reason, file.resize(oldSize));
        }
    }
    // ...then over the blocks the old content holds, which a full disk
    // cannot refuse (a copy-on-write file system still can).
    QString reason;
    if (!file.seek(0) || !writeAll(file, bytes.left(oldSize)) || !file.resize(bytes.size()))
        reason = file.errorString();
#ifndef Q_OS_WIN
    else if (fsync(file.handle()) != 0) // where the disk reports late (network file systems)
        reason = QString::fromLocal8Bit(strerror(errno));
#endif
    if (reason.isEmpty())
        return QString();
    file.unsetError();
    bool restored = file.seek(0) && writeAll(file, old) && file.resize(oldSize);
#ifndef Q_OS_WIN
    restored = restored && fsync(file.handle()) == 0;
#endif
    return inPlaceFailure(reason, restored);
}

} // namespace

std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes)
{
    // Only what looks like a regular file is opened at all (opening a
    // device can do things of its own).
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file;
#ifdef Q_OS_WIN
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
#else
    // A pipe put in its place since that look must not make open() wait
    // for a writer: opened without blocking, then what was opened is checked.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)
        || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
#endif
    QByteArray bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

QString saveRegularFile(const QString &path, const QByteArray &bytes)
{
    // QSaveFile would rename its temporary file over a named pipe or a
    // device (for root even /dev/null), leaving a regular file in its place.
    // A folder keeps QSaveFile's own refusal.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir())
        return QCoreApplication::translate("tzk::RegularFile", "%1 is not a regular file.")
            .arg(QDir::toNativeSeparators(path));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // The temporary file goes beside the file a link leads to.
        const QFileInfo real(target.canonicalFilePath());
        if (real.isFile() && real.isWritable() && !QFileInfo(real.absolutePath()).isWritable())
            return writeInPlace(real.filePath(), bytes);
        return file.errorString();
    }
    if (!writeAll(file, bytes)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

} // namespace tzk
