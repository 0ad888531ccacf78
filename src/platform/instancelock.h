// The per-user single-instance lock: an advisory lock on a file, which the
// operating system drops when its holder ends, however it ends. What the
// file holds, its age, and who wrote it last never count, so a crash can
// leave nothing behind that keeps the next copy out.
#pragma once

#include <QString>
#include <QStringList>

namespace tzk {

class InstanceLock
{
public:
    enum class Outcome {
        Held,          // this process holds the lock now
        HeldByAnother, // a running copy holds it
        NoPlace,       // no place could take a lock: nobody can prove a copy runs
    };

    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    // Tries the places in order and stops at the first that can hold a
    // lock. The lock is kept until this object or the process ends.
    Outcome acquire();

    // The lock file in each place, in the order every copy of one user
    // tries them: the runtime folder, the cache folder, the temporary
    // folder. Places the system does not name are left out.
    static QStringList places();

private:
    Outcome lockAt(const QString &path);

    qintptr m_handle = -1;
};

} // namespace tzk
