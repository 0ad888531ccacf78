// The per-user single-instance lock: advisory locks on files, which the
// operating system drops when their holder ends, however it ends. What a
// file holds, its age, and who wrote it last never count, so a crash can
// leave nothing behind that keeps the next copy out.
//
// Every place that can hold a lock is taken, and a copy that finds any of
// them held stands down. Copies started from different environments (a
// desktop session and an ssh login, another TMPDIR) name some places
// differently, but they share those derived from the user's id alone.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace tzk {

class InstanceLock
{
public:
    enum class Outcome {
        Held,          // this process holds every place that can hold a lock
        HeldByAnother, // a running copy holds one of them
        NoPlace,       // no place could take a lock: nobody can prove a copy runs
    };

    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    // Tries every place, in the same order in every copy. The locks are
    // kept until this object or the process ends; none is kept when
    // another copy holds one.
    Outcome acquire(const QString &systemRoot = QString());

    // The lock file in each place: first those of the user's id, in the
    // system's own folders under `systemRoot` (the root folder; tests give
    // one of their own): its runtime folder /run/user/<uid> and /tmp. Then
    // those of the environment: the runtime, cache and temporary folders.
    // Places the system does not name are left out.
    static QStringList places(const QString &systemRoot = QString());

private:
    Outcome lockAt(const QString &path, bool makeFolder);
    void release();

    std::vector<qintptr> m_handles;
};

} // namespace tzk
