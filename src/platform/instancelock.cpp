#include "instancelock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tzk {

InstanceLock::~InstanceLock()
{
    if (m_handle == -1)
        return;
#ifdef Q_OS_WIN
    CloseHandle(reinterpret_cast<HANDLE>(m_handle));
#else
    ::close(int(m_handle));
#endif
}

QStringList InstanceLock::places()
{
    QStringList paths;
#ifdef Q_OS_WIN
    // Windows has no runtime folder of its own (Qt names the home folder);
    // the temporary folder belongs to the user alone.
    paths << QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
                 + QStringLiteral("/tzolkara/instance.lock")
          << QDir::tempPath() + QStringLiteral("/tzolkara.lock");
#else
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        paths << runtime + QStringLiteral("/tzolkara.lock");
    paths << QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
                 + QStringLiteral("/tzolkara/instance.lock");
    // Shared by every user: the name carries ours, and lockAt() trusts no
    // file there that another user made.
    paths << QDir::tempPath() + QStringLiteral("/tzolkara-%1.lock").arg(geteuid());
#endif
    return paths;
}

InstanceLock::Outcome InstanceLock::acquire()
{
    for (const QString &path : places()) {
        const Outcome outcome = lockAt(path);
        if (outcome != Outcome::NoPlace)
            return outcome;
    }
    return Outcome::NoPlace;
}

#ifdef Q_OS_WIN

InstanceLock::Outcome InstanceLock::lockAt(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Read access is all LockFileEx needs; the handle is not inherited.
    const HANDLE file = CreateFileW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(path).utf16()),
                                    GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return Outcome::NoPlace;
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        return Outcome::NoPlace;
    }
    OVERLAPPED firstByte{};
    if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &firstByte)) {
        m_handle = reinterpret_cast<qintptr>(file);
        return Outcome::Held;
    }
    const DWORD error = GetLastError();
    CloseHandle(file);
    return error == ERROR_LOCK_VIOLATION ? Outcome::HeldByAnother : Outcome::NoPlace;
}

#else

InstanceLock::Outcome InstanceLock::lockAt(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    // Read access is all flock() needs, so a file of mode 0444 serves too.
    // A link put there is not followed, a pipe put there does not wait for
    // a writer, and the lock does not pass to programs this one starts.
    const auto open = [&] {
        return ::open(name.constData(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    };
    int fd = open();
    if (fd < 0 && errno == ENOENT && QDir().mkpath(QFileInfo(path).absolutePath()))
        fd = open();
    if (fd < 0)
        return Outcome::NoPlace;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != geteuid()) {
        ::close(fd);
        return Outcome::NoPlace;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
        m_handle = fd;
        return Outcome::Held;
    }
    const int error = errno;
    ::close(fd);
    return error == EWOULDBLOCK ? Outcome::HeldByAnother : Outcome::NoPlace;
}

#endif

} // namespace tzk
