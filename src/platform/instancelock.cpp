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
    release();
}

void InstanceLock::release()
{
    for (const qintptr handle : m_handles) {
#ifdef Q_OS_WIN
        CloseHandle(reinterpret_cast<HANDLE>(handle));
#else
        ::close(int(handle));
#endif
    }
    m_handles.clear();
}

QStringList InstanceLock::places(const QString &systemRoot)
{
    QStringList paths;
#ifdef Q_OS_WIN
    // Windows has no runtime folder of its own (Qt names the home folder);
    // the temporary folder belongs to the user alone.
    Q_UNUSED(systemRoot);
    paths << QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
                 + QStringLiteral("/tzolkara/instance.lock")
          << QDir::tempPath() + QStringLiteral("/tzolkara.lock");
#else
    const QString uid = QString::number(geteuid());
    // The system's folders, whatever the environment says. The name in the
    // shared /tmp carries the user's id, and lockAt() trusts no file there
    // that another user made.
    paths << systemRoot + QStringLiteral("/run/user/%1/tzolkara.lock").arg(uid)
          << systemRoot + QStringLiteral("/tmp/tzolkara-%1.lock").arg(uid);
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        paths << runtime + QStringLiteral("/tzolkara.lock");
    paths << QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
                 + QStringLiteral("/tzolkara/instance.lock");
    paths << QDir::tempPath() + QStringLiteral("/tzolkara-%1.lock").arg(uid);
#endif
    return paths;
}

InstanceLock::Outcome InstanceLock::acquire(const QString &systemRoot)
{
    if (!m_handles.empty())
        return Outcome::Held;
    const QStringList paths = places(systemRoot);
#ifdef Q_OS_WIN
    const qsizetype systemPlaces = 0;
#else
    const qsizetype systemPlaces = 2;
#endif
    for (qsizetype i = 0; i < paths.size(); ++i) {
        // The system's folders are only used, never made.
        if (lockAt(paths[i], i >= systemPlaces) == Outcome::HeldByAnother) {
            release();
            return Outcome::HeldByAnother;
        }
    }
    return m_handles.empty() ? Outcome::NoPlace : Outcome::Held;
}

#ifdef Q_OS_WIN

InstanceLock::Outcome InstanceLock::lockAt(const QString &path, bool makeFolder)
{
    if (makeFolder)
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
        m_handles.push_back(reinterpret_cast<qintptr>(file));
        return Outcome::Held;
    }
    const DWORD error = GetLastError();
    CloseHandle(file);
    return error == ERROR_LOCK_VIOLATION ? Outcome::HeldByAnother : Outcome::NoPlace;
}

#else

InstanceLock::Outcome InstanceLock::lockAt(const QString &path, bool makeFolder)
{
    const QByteArray name = QFile::encodeName(path);
    // Read access is all flock() needs, so a file of mode 0444 serves too.
    // A link put there is not followed, a pipe put there does not wait for
    // a writer, and the lock does not pass to programs this one starts.
    const auto open = [&] {
        return ::open(name.constData(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    };
    int fd = open();
    if (fd < 0 && errno == ENOENT && makeFolder && QDir().mkpath(QFileInfo(path).absolutePath()))
        fd = open();
    if (fd < 0)
        return Outcome::NoPlace;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != geteuid()) {
        ::close(fd);
        return Outcome::NoPlace;
    }
    // Two places may name one file (XDG_RUNTIME_DIR is /run/user/<uid>,
    // TMPDIR is /tmp): a second lock on it would conflict with the first.
    for (const qintptr held : m_handles) {
        struct stat heldInfo {};
        if (fstat(int(held), &heldInfo) == 0 && heldInfo.st_dev == info.st_dev && heldInfo.st_ino == info.st_ino) {
            ::close(fd);
            return Outcome::Held;
        }
    }
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
        m_handles.push_back(fd);
        return Outcome::Held;
    }
    const int error = errno;
    ::close(fd);
    return error == EWOULDBLOCK ? Outcome::HeldByAnother : Outcome::NoPlace;
}

#endif

} // namespace tzk
