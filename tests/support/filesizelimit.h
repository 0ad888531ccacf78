// Makes writes fail the way a full disk does, even for root: while one of
// these lives, no file of this process may grow past `bytes`. POSIX only;
// elsewhere it is never active and the tests that need it skip.
#pragma once

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace tzk::test {

#ifdef Q_OS_UNIX
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        // Past the limit write() fails with EFBIG, but only once the
        // signal that would otherwise end the process is ignored.
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        m_ok = getrlimit(RLIMIT_FSIZE, &m_old) == 0;
        rlimit lowered = m_old;
        lowered.rlim_cur = bytes;
        m_ok = m_ok && setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        if (m_ok)
            setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool active() const { return m_ok; }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
    bool m_ok = false;
};
#else
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64) {}
    bool active() const { return false; }
};
#endif

} // namespace tzk::test
