// Real disk faults for root: a tiny tmpfs that can be filled up or made
// read-only, where permissions would not stop root from writing.
//
// The disks are mounted in a mount table private to the test process, so
// they vanish with it (even after a crash) and nothing else sees them.
// enterPrivateMountTable() must run while the process still has a single
// thread, before QApplication.
#pragma once

#include <QByteArray>
#include <QString>

#include <cerrno>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace tzk::test {

inline bool &privateMountTable()
{
    static bool entered = false;
    return entered;
}

inline void enterPrivateMountTable()
{
    privateMountTable() = geteuid() == 0 && unshare(CLONE_NEWNS) == 0
                          && mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

class TinyDisk
{
public:
    // Mounts a tmpfs of `kilobytes` on the existing, empty folder `where`;
    // `access` gives its root folder's mode and owner.
    TinyDisk(const QString &where, int kilobytes, const QByteArray &access = "mode=0755")
        : m_where(where.toLocal8Bit())
    {
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k," + access;
        m_mounted = privateMountTable()
                    && mount("tzk-tinydisk", m_where.constData(), "tmpfs", MS_NOSUID, options.constData()) == 0;
    }
    ~TinyDisk()
    {
        if (m_mounted)
            umount2(m_where.constData(), MNT_DETACH);
    }
    TinyDisk(const TinyDisk &) = delete;
    TinyDisk &operator=(const TinyDisk &) = delete;

    bool mounted() const { return m_mounted; }

    // From now on every write fails with EROFS, for root too.
    bool makeReadOnly()
    {
        return m_mounted && mount(nullptr, m_where.constData(), nullptr, MS_REMOUNT | MS_RDONLY | MS_NOSUID, nullptr) == 0;
    }

    // Takes every free block with one file; true once a write met ENOSPC.
    bool fillUp(const QString &fillerName)
    {
        const QByteArray path = m_where + '/' + fillerName.toLocal8Bit();
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0)
            return false;
        const QByteArray block(512, 'x');
        bool full = false;
        for (int i = 0; i < 1 << 20 && !full; ++i) {
            if (::write(fd, block.constData(), size_t(block.size())) < 0)
                full = errno == ENOSPC;
        }
        ::close(fd);
        return full;
    }

private:
    QByteArray m_where;
    bool m_mounted = false;
};

} // namespace tzk::test
