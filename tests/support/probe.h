// The program's real start-up path in processes of their own (the probe:
// the production platform with message boxes answered at once and reported
// on stdout), each in a folder tree of the test's own, so that no lock or
// setting of the machine, or of another test, counts.
//
//   tree/home   HOME: the cache and config folders lie below it
//   tree/run    the runtime folder (mode 0700)
//   tree/tmp    the temporary folder
//   tree/sys    the system's own folders: sys/tmp, sys/run/user/<uid>
//
// Root runs the probe as the user "nobody", for whom permissions count:
// a folder "owned by root" is then one the program may not write, as for
// any user after a `sudo tzolkara`.
#pragma once

#ifndef TZK_PROBE_PATH
#error "TZK_PROBE_PATH must name the probe executable"
#endif

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <optional>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tzk::test {

struct ProbeUser {
    uid_t uid = geteuid();
    gid_t gid = getegid();
    QString name;
    bool dropsRoot = false; // the probe runs as nobody
};

// Nothing when root cannot find the user nobody.
inline std::optional<ProbeUser> probeUser()
{
    ProbeUser user;
    if (geteuid() != 0) {
        const passwd *self = getpwuid(geteuid());
        user.name = self ? QString::fromLocal8Bit(self->pw_name) : QString();
        return user;
    }
    const passwd *nobody = getpwnam("nobody");
    if (!nobody)
        return std::nullopt;
    return ProbeUser{nobody->pw_uid, nobody->pw_gid, QStringLiteral("nobody"), true};
}

// Makes the tree's folders, owned by the probe's user.
inline bool makeProbeTree(const QString &tree, const ProbeUser &user)
{
    const QString userRun = QStringLiteral("/sys/run/user/%1").arg(user.uid);
    for (const QString &folder : {QString(), QStringLiteral("/home"), QStringLiteral("/tmp"), QStringLiteral("/run"),
                                  QStringLiteral("/sys/tmp"), userRun}) {
        const QByteArray path = QFile::encodeName(tree + folder);
        if (!QDir().mkpath(QFile::decodeName(path)) || chown(path.constData(), user.uid, user.gid) != 0)
            return false;
    }
    return chmod(QFile::encodeName(tree + QStringLiteral("/run")).constData(), 0700) == 0
           && chmod(QFile::encodeName(tree + userRun).constData(), 0700) == 0;
}

inline QProcessEnvironment probeEnvironment(const QString &tree)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"HOME", "TMPDIR", "XDG_RUNTIME_DIR", "XDG_CACHE_HOME", "XDG_CONFIG_HOME"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOME"), tree + QStringLiteral("/home"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), tree + QStringLiteral("/run"));
    env.insert(QStringLiteral("TMPDIR"), tree + QStringLiteral("/tmp"));
    env.insert(QStringLiteral("TZK_PROBE_SYSTEM_ROOT"), tree + QStringLiteral("/sys"));
    return env;
}

// The probe as `user` may run it. The build tree may lie in a folder only
// its owner may enter (a checkout made by `mktemp -d`), so for nobody the
// probe is copied, once per test run, into a folder anyone may read; the
// copy keeps its name, which names the settings store.
inline QString probeExecutable(const ProbeUser &user)
{
    if (!user.dropsRoot)
        return QStringLiteral(TZK_PROBE_PATH);
    static QTemporaryDir folder;
    static const QString copy = [] {
        const QString path = folder.filePath(QFileInfo(QStringLiteral(TZK_PROBE_PATH)).fileName());
        if (!folder.isValid() || chmod(QFile::encodeName(folder.path()).constData(), 0755) != 0
            || !QFile::copy(QStringLiteral(TZK_PROBE_PATH), path)
            || chmod(QFile::encodeName(path).constData(), 0755) != 0)
            return QString();
        return path;
    }();
    return copy;
}

inline QProcess *startProbe(const QProcessEnvironment &env, const ProbeUser &user, QObject *parent,
                            const QString &workingFolder = QString())
{
    auto *p = new QProcess(parent);
    p->setProcessEnvironment(env);
    p->setWorkingDirectory(workingFolder);
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    if (user.dropsRoot) {
        const uid_t uid = user.uid;
        const gid_t gid = user.gid;
        p->setChildProcessModifier([uid, gid] {
            if (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0)
                _exit(3);
        });
    }
    p->start(probeExecutable(user), {});
    return p;
}

// What the probe printed until it said that its main window is shown or
// that it ended, however long that takes (twenty copies started at once
// under the sanitizers on a busy machine are slow): only a start-up that
// hangs for a minute fails here rather than at the suite's time limit.
inline QString waitForVerdict(QProcess *p)
{
    QString out;
    const QDeadlineTimer hang(60000);
    while (!out.contains(QLatin1String("main window shown")) && !out.contains(QLatin1String("process ended"))
           && p->state() != QProcess::NotRunning && !hang.hasExpired()) {
        p->waitForReadyRead(int(hang.remainingTime()));
        out += QString::fromLocal8Bit(p->readAllStandardOutput());
    }
    return out + QString::fromLocal8Bit(p->readAllStandardOutput());
}

inline bool runs(const QString &verdict) { return verdict.contains(QLatin1String("main window shown")); }

} // namespace tzk::test
