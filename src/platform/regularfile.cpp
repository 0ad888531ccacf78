#include "regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifndef Q_OS_WIN
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

QString writeInPlace(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    // Not emptied first: the blocks the old content holds are overwritten,
    // so a full disk cannot refuse what fits in them.
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (!writeAll(file, bytes) || !file.resize(bytes.size()))
        return file.errorString();
    return QString();
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
