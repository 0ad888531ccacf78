// The single-instance lock through the real start-up path, in processes of
// their own (the probe) and in folder trees of the test's own: what a
// crash, a careless administrator or a second copy leaves behind must
// never keep the program from starting, and of copies started together
// exactly one runs. POSIX only: users, modes, flock and mount tables.
#include "probe.h"
#include "testfiles.h"
#include "tinydisk.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <vector>

using namespace tzk::test;

class TestInstanceLock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lockedOutByNothing_data();
    void lockedOutByNothing();
    void onlyOneCopyRuns();
    void killedCopyDoesNotBlock();
};

namespace {

// Where each place's lock file lies in a probe tree; %u stands for the
// probe's user id, %n for its name.
const QString kRuntimeLock = QStringLiteral("run/tzolkara.lock");
const QString kCacheLock = QStringLiteral("home/.cache/tzolkara/instance.lock");
const QString kTempLock = QStringLiteral("tmp/tzolkara-%u.lock");
// The places of the user's id, whatever the environment says.
const QString kUserRunLock = QStringLiteral("sys/run/user/%u/tzolkara.lock");
const QString kSystemTempLock = QStringLiteral("sys/tmp/tzolkara-%u.lock");

// Whether a running process holds the lock on the file.
bool lockIsHeld(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool held = flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

// One fault "kind:path" in the tree, made as a careless administrator or a
// crash leaves it ("env1:NAME=value", "env2:NAME" and "cwd2:folder" set or
// unset what one copy is started with instead). "Owned by root" is, for a user other than root, a mode
// that refuses them the same.
bool makeFault(const QString &tree, const QString &fault, const ProbeUser &user)
{
    const QString kind = fault.section(QLatin1Char(':'), 0, 0);
    QString relative = fault.section(QLatin1Char(':'), 1);
    relative.replace(QStringLiteral("%u"), QString::number(user.uid));
    const QString path = tree + QLatin1Char('/') + relative;
    const QByteArray name = QFile::encodeName(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    const auto ownedByUser = [&] { return chown(name.constData(), user.uid, user.gid) == 0; };
    const auto ownedByRoot = [&](mode_t mode, mode_t otherwise) {
        return user.dropsRoot ? chown(name.constData(), 0, 0) == 0 && chmod(name.constData(), mode) == 0
                              : chmod(name.constData(), otherwise) == 0;
    };
    QByteArray garbage(512, Qt::Uninitialized);
    QRandomGenerator(5).fillRange(reinterpret_cast<quint32 *>(garbage.data()), garbage.size() / 4);
    if (kind == QLatin1String("empty"))
        return putFile(path, {}) && ownedByUser();
    if (kind == QLatin1String("garbage"))
        return putFile(path, garbage) && ownedByUser();
    if (kind == QLatin1String("mode0444"))
        return putFile(path, "4242\n") && ownedByUser() && chmod(name.constData(), 0444) == 0;
    if (kind == QLatin1String("otherhost")) // as QLockFile writes it
        return putFile(path, "4242\ntzolkara\nsomewhere-else.example\n") && ownedByUser();
    if (kind == QLatin1String("foreign"))
        return putFile(path, "4242\n") && ownedByRoot(0600, 0);
    if (kind == QLatin1String("folder"))
        return QDir().mkpath(path) && ownedByUser();
    if (kind == QLatin1String("closed"))
        return QDir().mkpath(path) && ownedByRoot(0755, 0555);
    if (kind == QLatin1String("file"))
        return putFile(path, "not a folder") && ownedByUser();
    if (kind == QLatin1String("link")) // "link:name=target"
        return QFile::link(tree + QLatin1Char('/') + relative.section(QLatin1Char('='), 1),
                           tree + QLatin1Char('/') + relative.section(QLatin1Char('='), 0, 0));
    return false;
}

} // namespace

void TestInstanceLock::lockedOutByNothing_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QString>("lockedAt"); // empty: no place can hold a lock

    // Each fault of a lock file lies in the runtime and the cache folder
    // alike: a later place is tried only when an earlier one cannot be used.
    const auto both = [](const char *kind) {
        return QStringList{QLatin1String(kind) + kRuntimeLock, QLatin1String(kind) + kCacheLock};
    };
    const QString noRuntime = QStringLiteral("folder:") + kRuntimeLock;
    QTest::newRow("empty lock file") << both("empty:") << kRuntimeLock;
    QTest::newRow("lock file of garbage") << both("garbage:") << kRuntimeLock;
    QTest::newRow("lock file of mode 0444") << both("mode0444:") << kRuntimeLock;
    QTest::newRow("lock file of another host") << QStringList{noRuntime, "otherhost:" + kCacheLock} << kCacheLock;
    QTest::newRow("lock file of another user") << both("foreign:") << kTempLock;
    QTest::newRow("lock path is a folder") << both("folder:") << kTempLock;
    QTest::newRow("~/.cache owned by root") << QStringList{noRuntime, "closed:home/.cache"} << kTempLock;
    QTest::newRow("~/.cache/tzolkara owned by root") << QStringList{noRuntime, "closed:home/.cache/tzolkara"}
                                                     << kTempLock;
    QTest::newRow("a file where the lock folder is") << QStringList{noRuntime, "file:home/.cache/tzolkara"}
                                                     << kTempLock;
    QTest::newRow("read-only disks") << QStringList{"readonly:run", "readonly:home/.cache"} << kTempLock;
    QTest::newRow("lock files on read-only disks")
        << QStringList{"readonly:run", "readonly:home/.cache"} + both("empty:") << kRuntimeLock;
    QTest::newRow("no place at all") << QStringList{noRuntime, "closed:home/.cache", "closed:tmp", "closed:sys/tmp",
                                                    "closed:sys/run/user/%u"}
                                     << QString();
    // The runtime folder is then the one Qt makes in the temporary folder.
    QTest::newRow("HOME and XDG unset") << QStringList{"unset:"} << QStringLiteral("tmp/runtime-%n/tzolkara.lock");

    // Copies of one user started from different environments (a desktop
    // session, an ssh login, a terminal with its own TMPDIR) meet.
    const QStringList elsewhere{"folder:run2", "folder:tmp2", "env2:XDG_RUNTIME_DIR=%t/run2", "env2:TMPDIR=%t/tmp2"};
    QTest::newRow("second copy without XDG_RUNTIME_DIR") << QStringList{"env2:XDG_RUNTIME_DIR"} << kRuntimeLock;
    QTest::newRow("first copy without XDG_RUNTIME_DIR") << QStringList{"env1:XDG_RUNTIME_DIR"}
                                                        << QStringLiteral("tmp/runtime-%n/tzolkara.lock");
    QTest::newRow("second copy with another TMPDIR, no XDG_RUNTIME_DIR")
        << QStringList{"folder:tmp2", "env2:XDG_RUNTIME_DIR", "env2:TMPDIR=%t/tmp2"} << kTempLock;
    QTest::newRow("HOME through a link") << QStringList{"link:home2=home", "env2:HOME=%t/home2"} + elsewhere
                                         << kCacheLock;
    QTest::newRow("relative TMPDIR from other working folders")
        << QStringList{"folder:home/tmp", "env1:TMPDIR=tmp", "env2:TMPDIR=tmp", "cwd1:.", "cwd2:home",
                       "env1:XDG_RUNTIME_DIR", "env2:XDG_RUNTIME_DIR"}
        << kUserRunLock;
    QTest::newRow("nothing shared but the user's id") << QStringList{"closed:home/.cache"} + elsewhere << kUserRunLock;
    QTest::newRow("only /tmp shared") << QStringList{"closed:home/.cache", "closed:sys/run/user/%u"} + elsewhere
                                      << kSystemTempLock;
    QTest::newRow("only /run/user shared, /tmp taken by another user")
        << QStringList{"closed:home/.cache", "foreign:sys/tmp/tzolkara-%u.lock"} + elsewhere << kUserRunLock;
}

void TestInstanceLock::lockedOutByNothing()
{
    QFETCH(QStringList, faults);
    QFETCH(QString, lockedAt);

    const std::optional<ProbeUser> user = probeUser();
    if (!user)
        QSKIP("Root runs these starts as the user nobody, and there is none");
    QTemporaryDir dir;
    const QString tree = dir.path();
    QVERIFY(makeProbeTree(tree, *user));
    QProcessEnvironment env[2] = {probeEnvironment(tree), probeEnvironment(tree)};
    QString workingFolder[2];
    std::vector<std::unique_ptr<TinyDisk>> disks;
    for (const QString &fault : std::as_const(faults)) {
        if (fault.startsWith(QLatin1String("readonly:"))) {
            const QString where = tree + QLatin1Char('/') + fault.section(QLatin1Char(':'), 1);
            QVERIFY(QDir().mkpath(where));
            const QByteArray access = "mode=0700,uid=" + QByteArray::number(user->uid);
            disks.push_back(std::make_unique<TinyDisk>(where, 64, access));
            if (!disks.back()->mounted())
                QSKIP("Read-only disks need root and a private mount table");
        } else if (fault == QLatin1String("unset:")) {
            for (QProcessEnvironment &e : env) {
                e.remove(QStringLiteral("HOME"));
                e.remove(QStringLiteral("XDG_RUNTIME_DIR"));
            }
        } else if (fault.startsWith(QLatin1String("env"))) {
            QProcessEnvironment &e = env[fault.at(3) == QLatin1Char('1') ? 0 : 1];
            const QString setting = fault.mid(5);
            if (setting.contains(QLatin1Char('=')))
                e.insert(setting.section(QLatin1Char('='), 0, 0),
                         setting.section(QLatin1Char('='), 1).replace(QStringLiteral("%t"), tree));
            else
                e.remove(setting);
        } else if (fault.startsWith(QLatin1String("cwd"))) {
            workingFolder[fault.at(3) == QLatin1Char('1') ? 0 : 1] = tree + QLatin1Char('/') + fault.mid(5);
        } else {
            QVERIFY2(makeFault(tree, fault, *user), qPrintable(fault));
        }
    }
    for (const auto &disk : disks)
        QVERIFY(disk->makeReadOnly());

    QObject owner;
    QProcess *first = startProbe(env[0], *user, &owner, workingFolder[0]);
    QVERIFY(runs(waitForVerdict(first)));
    QProcess *second = startProbe(env[1], *user, &owner, workingFolder[1]);
    const QString verdict = waitForVerdict(second);
    if (lockedAt.isEmpty()) {
        // Nothing proves that the first copy runs: the second runs too.
        QVERIFY(runs(verdict));
    } else {
        QVERIFY2(verdict.contains(QLatin1String("message: Application is already running"))
                     && verdict.contains(QLatin1String("process ended")),
                 qPrintable(verdict));
        lockedAt.replace(QStringLiteral("%u"), QString::number(user->uid)).replace(QStringLiteral("%n"), user->name);
        QVERIFY2(lockIsHeld(tree + QLatin1Char('/') + lockedAt), qPrintable(lockedAt));
    }
    for (QProcess *p : {first, second}) {
        p->kill();
        p->waitForFinished(5000);
    }
}

void TestInstanceLock::onlyOneCopyRuns()
{
    // Without the user nobody root runs them as itself: no permission counts here.
    const std::optional<ProbeUser> user = probeUser().value_or(ProbeUser());
    QTemporaryDir dir;
    QVERIFY(makeProbeTree(dir.path(), *user));
    QObject owner;
    QList<QProcess *> probes;
    for (int i = 0; i < 20; ++i)
        probes << startProbe(probeEnvironment(dir.path()), *user, &owner); // all at once
    int running = 0;
    int refused = 0;
    for (QProcess *p : probes) {
        const QString out = waitForVerdict(p);
        if (runs(out))
            ++running;
        else if (out.contains(QLatin1String("message: Application is already running")) && out.contains(QLatin1String("process ended"))) {
            QVERIFY(p->waitForFinished(60000)); // its exit checks take their time
            QCOMPARE(p->exitCode(), 0);
            ++refused;
        }
    }
    QCOMPARE(running, 1);
    QCOMPARE(refused, 19);
    for (QProcess *p : probes) {
        p->kill();
        p->waitForFinished(5000);
    }
}

void TestInstanceLock::killedCopyDoesNotBlock()
{
    // Without the user nobody root runs them as itself: no permission counts here.
    const std::optional<ProbeUser> user = probeUser().value_or(ProbeUser());
    QTemporaryDir dir;
    QVERIFY(makeProbeTree(dir.path(), *user));
    const QProcessEnvironment env = probeEnvironment(dir.path());
    QObject owner;
    QProcess *first = startProbe(env, *user, &owner);
    QVERIFY(runs(waitForVerdict(first)));

    QProcess *second = startProbe(env, *user, &owner);
    QVERIFY(waitForVerdict(second).contains(QLatin1String("Application is already running")));
    QVERIFY(second->waitForFinished(60000));
    QCOMPARE(first->state(), QProcess::Running); // the first copy is not touched

    ::kill(pid_t(first->processId()), SIGKILL);
    QVERIFY(first->waitForFinished(5000));
    QProcess *third = startProbe(env, *user, &owner);
    QVERIFY(runs(waitForVerdict(third)));
    third->kill();
    third->waitForFinished(5000);
}

int main(int argc, char *argv[])
{
    // Before Qt starts a thread: the read-only runtime folder is mounted in
    // a mount table of this process's own.
    tzk::test::enterPrivateMountTable();
    QApplication app(argc, argv);
    TestInstanceLock test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_instancelock.moc"
