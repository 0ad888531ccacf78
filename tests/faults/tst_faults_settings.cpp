// The settings store as the production platform finds it, in a folder of
// this test's own (XDG_CONFIG_HOME): holding garbage, unwritable, or with a
// file where its folder should be. The person sees the main window and no
// question at each start; a value the program cannot read is not written
// over, and a reminder that was due stays due.
//
// Each start is a process of its own (the single-instance probe: the real
// start-up path with message boxes answered No and reported on stdout):
// Qt caches a store within a process, and reports a damaged one only to
// the first reader there, so repeated starts in one process would not be
// what the person gets.
#include "testfiles.h"
#include "drive.h"
#include "filesizelimit.h"
#include "fixeddayplatform.h"
#include "probe.h"
#include "scramble.h"
#include "settings.h"
#include "updatereminder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <sys/stat.h>

using namespace tzk;
using namespace tzk::test;

namespace {

const QString kQuestion =
    QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?");

// The production platform, with message boxes answered Yes at once and web
// pages recorded instead of opened.
class RecordingPlatform : public QtPlatform
{
public:
    QStringList messages;
    QList<QUrl> urls;

    MessageAnswer message(QWidget *, const QString &text, MessageIcon, MessageButtons buttons) override
    {
        messages << text;
        return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    bool openUrl(const QUrl &url) override
    {
        urls << url;
        return true;
    }
};

QString storeFolder()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Tessaly Softwares");
}

// The store of a program: it is named after the executable.
QString storeOf(const QString &executable)
{
    return storeFolder() + QLatin1Char('/') + QFileInfo(executable).completeBaseName() + QStringLiteral(".conf");
}

QString ownStore() { return storeOf(QCoreApplication::applicationFilePath()); }
QString probeStore() { return storeOf(QStringLiteral(TZK_PROBE_PATH)); }

// A fresh name each time, so that Qt's cache of this process never answers.
QString scratchName(const QString &dir)
{
    static int n = 0;
    return dir + QStringLiteral("/scratch-%1.conf").arg(++n);
}

// What a store holding `value` under the reminder's key looks like on disk,
// written by Qt itself.
QByteArray storeHolding(const QString &scratchDir, const QVariant &value)
{
    const QString path = scratchName(scratchDir);
    {
        QSettings s(path, QSettings::IniFormat);
        s.setValue(QStringLiteral("Settings/") + ScrambleText(QLatin1String(kDurationKey)), value);
    }
    return fileBytes(path);
}

// The reminder's date as a store file holds it, read from a copy.
QString storedDate(const QString &scratchDir, const QString &store)
{
    const QString copy = scratchName(scratchDir);
    if (!QFile::copy(store, copy))
        return QStringLiteral("<no store>");
    QSettings s(copy, QSettings::IniFormat);
    return UnscrambleText(s.value(QStringLiteral("Settings/") + ScrambleText(QLatin1String(kDurationKey))).toString());
}

struct StartUp {
    QStringList messages;
    bool mainWindowShown = false;
};

// One start of the program in a process of its own, up to its main window,
// in a tree of its own: with the store of this test unless `tree` holds
// one, as `user`.
StartUp startProgram(const QString &tree = QString(), const ProbeUser &user = ProbeUser())
{
    QTemporaryDir fresh;
    QProcessEnvironment env = probeEnvironment(tree.isEmpty() ? fresh.path() : tree);
    if (tree.isEmpty()) {
        makeProbeTree(fresh.path(), user);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), qEnvironmentVariable("XDG_CONFIG_HOME"));
    }
    QObject owner;
    QProcess *probe = startProbe(env, user, &owner);
    const QString out = waitForVerdict(probe);
    probe->kill();
    probe->waitForFinished(5000);

    StartUp seen;
    for (const QString &line : out.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("message: ")))
            seen.messages << line.mid(9);
    }
    seen.mainWindowShown = runs(out);
    return seen;
}

// What lies at `path`, for comparing before and after: the bytes of a
// file, the kind of anything else, and a folder's entries in turn.
QString snapshot(const QString &path)
{
    const QFileInfo info(path);
    if (info.isFile())
        return QString::fromLatin1(fileBytes(path).toHex());
    if (!info.isDir())
        return info.exists() ? QStringLiteral("<not a file or folder>") : QStringLiteral("<missing>");
    QStringList entries;
    for (const QString &name : QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden, QDir::Name))
        entries << name + QLatin1Char('=') + snapshot(path + QLatin1Char('/') + name);
    return QLatin1Char('{') + entries.join(QLatin1Char(',')) + QLatin1Char('}');
}

// Answers each file dialog as it is shown, from the dialog's own event
// loop, the way a person would: never on a clock.
class DialogAnswerer : public QObject
{
public:
    explicit DialogAnswerer(std::function<void(QFileDialog *)> answer)
        : m_answer(std::move(answer))
    {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = qobject_cast<QFileDialog *>(watched);
        if (dialog && event->type() == QEvent::Show)
            QMetaObject::invokeMethod(dialog, [this, dialog] { m_answer(dialog); }, Qt::QueuedConnection);
        return false;
    }

private:
    std::function<void(QFileDialog *)> m_answer;
};

} // namespace

class TestFaultsSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void garbageInTheStore_data();
    void garbageInTheStore();
    void storeThatCannotBeWrittenAtOnce_data();
    void storeThatCannotBeWrittenAtOnce();
    void newStoreHoldsWhatQtWrites_data();
    void newStoreHoldsWhatQtWrites();
    void fullDiskKeepsTheReminderDue();
    void fileDialogsWriteNothing();
    void fileDialogsStartInDocumentsThenTheLastFolder();

private:
    QTemporaryDir m_scratch;
};

void TestFaultsSettings::initTestCase()
{
    QVERIFY(qEnvironmentVariable("XDG_CONFIG_HOME").startsWith(QDir::tempPath()));
    QVERIFY(m_scratch.isValid());
    // The path computed here is the one the platform uses.
    QSettings native(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tessaly Softwares"),
                     QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    QCOMPARE(native.fileName(), ownStore());
}

void TestFaultsSettings::init()
{
    QFile::remove(storeFolder());
    QDir(storeFolder()).removeRecursively();
}

void TestFaultsSettings::garbageInTheStore_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("leftAlone");

    // Qt reads what it can of most files; where the reminder's key is not
    // among it, the start counts as the first and stores today's date.
    QByteArray random(4096, Qt::Uninitialized);
    QRandomGenerator(17).fillRange(reinterpret_cast<quint32 *>(random.data()), random.size() / 4);
    QTest::newRow("random bytes") << random << false;
    QTest::newRow("zero bytes") << QByteArray(1000, '\0') << false;
    // A file Qt cannot parse is not written over.
    QTest::newRow("broken lines") << QByteArray("[Settings\n=\n%%%\n\\\n[\n=x\n[Settings]\n\\u=\"\n") << true;
    // Where the key holds something that is not a date, nothing is written:
    // it may be a date in a form a later copy of the program writes.
    QTest::newRow("bytes instead of text") << storeHolding(m_scratch.path(), QByteArray("2001-01-01")) << true;
    QTest::newRow("a list instead of text") << storeHolding(m_scratch.path(), QStringList{"2001", "01-01"}) << true;
    QTest::newRow("a text that is no date") << storeHolding(m_scratch.path(), ScrambleText("12/8/2026")) << true;
    // Qt decodes a stored picture before the program sees that it is no
    // text: one with damaged image data.
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::darkMagenta);
    QByteArray damaged = storeHolding(m_scratch.path(), picture);
    const qsizetype data = damaged.indexOf("IDAT");
    QVERIFY(data > 0);
    damaged.replace(data + 4, 24, QByteArray(24, 'Z'));
    QTest::newRow("a damaged picture instead of text") << damaged << true;
}

void TestFaultsSettings::garbageInTheStore()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, leftAlone);
    QVERIFY(QDir().mkpath(storeFolder()));
    QVERIFY(putFile(probeStore(), content));

    const StartUp first = startProgram();
    QVERIFY(first.mainWindowShown);
    QCOMPARE(first.messages, QStringList());
    if (leftAlone) {
        QCOMPARE(fileBytes(probeStore()), content);
    } else {
        QCOMPARE(storedDate(m_scratch.path(), probeStore()), kFixedToday.toString(Qt::ISODate));
    }
    const QByteArray afterFirst = fileBytes(probeStore());

    const StartUp second = startProgram();
    QVERIFY(second.mainWindowShown);
    QCOMPARE(second.messages, QStringList());
    QCOMPARE(fileBytes(probeStore()), afterFirst);
}

void TestFaultsSettings::storeThatCannotBeWrittenAtOnce_data()
{
    QTest::addColumn<QString>("fault");
    // Nothing can be stored, so not even the first-run date is kept: every
    // start is quietly a first run.
    QTest::newRow("store folder is a file") << "folder is a file";
    QTest::newRow("store file is a folder") << "store is a folder";
    QTest::newRow("store file is a named pipe") << "store is a pipe";
    // QSettings would wait for ever on its lock file.
    QTest::newRow("stale lock in a folder the user cannot write") << "stale lock, closed folder";
    QTest::newRow("lock file is a folder") << "lock is a folder";
}

void TestFaultsSettings::storeThatCannotBeWrittenAtOnce()
{
    QFETCH(QString, fault);
    const std::optional<ProbeUser> user = probeUser();
    if (!user)
        QSKIP("Root runs these starts as the user nobody, and there is none");
    QTemporaryDir tree;
    QVERIFY(makeProbeTree(tree.path(), *user));
    const QString folder = tree.filePath(QStringLiteral("home/.config/Tessaly Softwares"));
    const QString store = folder + QLatin1Char('/') + QFileInfo(QStringLiteral(TZK_PROBE_PATH)).completeBaseName()
                          + QStringLiteral(".conf");
    QVERIFY(QDir().mkpath(folder));
    const QByteArray folderName = QFile::encodeName(folder);
    const auto give = [&](const QString &path) {
        return chown(QFile::encodeName(path).constData(), user->uid, user->gid) == 0;
    };
    QVERIFY(give(tree.filePath(QStringLiteral("home/.config"))) && give(folder));
    if (fault == QLatin1String("folder is a file")) {
        QVERIFY(QDir(folder).removeRecursively() && putFile(folder, "not a folder"));
    } else if (fault == QLatin1String("store is a folder")) {
        QVERIFY(QDir().mkpath(store) && putFile(store + QStringLiteral("/kept"), "kept"));
    } else if (fault == QLatin1String("store is a pipe")) {
        QCOMPARE(mkfifo(QFile::encodeName(store).constData(), 0644), 0);
    } else if (fault == QLatin1String("stale lock, closed folder")) {
        // A store the user may write, and the lock of a copy that died, in a
        // folder of root's (or without write permission).
        QVERIFY(putFile(store, "[General]\n") && give(store));
        QVERIFY(putFile(store + QStringLiteral(".lock"),
                        "999999\ntzk_instanceprobe\n" + QSysInfo::machineHostName().toUtf8() + '\n'));
        QVERIFY(user->dropsRoot ? chown(folderName.constData(), 0, 0) == 0 : chmod(folderName.constData(), 0555) == 0);
    } else {
        QVERIFY(QDir().mkpath(store + QStringLiteral(".lock")));
    }
    const QString before = snapshot(folder);

    for (int start = 1; start <= 2; ++start) {
        const StartUp seen = startProgram(tree.path(), *user);
        QVERIFY(seen.mainWindowShown);
        QCOMPARE(seen.messages, QStringList());
    }
    QCOMPARE(snapshot(folder), before);
    chmod(folderName.constData(), 0755);
}

void TestFaultsSettings::newStoreHoldsWhatQtWrites_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    // Every character a scrambled text can hold, as key and as value; then
    // texts the program never stores, which QSettings itself writes.
    QByteArray codes;
    for (int c = kScrambleShift; c < 256; ++c)
        codes += char(c);
    QTest::newRow("a scrambled date") << ScrambleText(QLatin1String(kDurationKey)) << ScrambleText("2026-12-08");
    QTest::newRow("every scrambled character") << fromCodePage(codes) << fromCodePage(codes);
    QTest::newRow("quotes, separators, blanks") << "General" << " x;y,\"z\"= ";
    QTest::newRow("sub-key, typed, control") << "a/b" << "@t\x01";
}

void TestFaultsSettings::newStoreHoldsWhatQtWrites()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    const QString path = scratchName(m_scratch.path());
    {
        QSettings s(path, QSettings::IniFormat);
        s.setValue(QStringLiteral("Settings/") + key, value);
    }
    RecordingPlatform platform;
    QVERIFY(platform.writeSetting(QStringLiteral("Settings"), key, value));
    QCOMPARE(fileBytes(ownStore()), fileBytes(path)); // and nothing left beside it:
    QCOMPARE(QDir(storeFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QFileInfo(ownStore()).fileName()});
}

void TestFaultsSettings::fullDiskKeepsTheReminderDue()
{
    {
        RecordingPlatform platform;
        QVERIFY(WriteSetting(platform, QLatin1String(kDurationKey), QStringLiteral("2001-01-01")));
    }
    const QByteArray due = fileBytes(ownStore());
    QVERIFY(due.contains("[Settings]"));

    {
        // The disk fills up while today's date is stored: the person was
        // asked and said Yes, but the page is not opened (it would be asked
        // for again at every start), and the old date stays on disk.
        RecordingPlatform platform;
        FileSizeLimit limit(0);
        if (!limit.active())
            QSKIP("no file-size limit on this system");
        QCOMPARE(CheckUpdateReminder(platform), ReminderOutcome::WriteFailed);
        QCOMPARE(platform.messages, QStringList{kQuestion});
        QVERIFY(platform.urls.isEmpty());
    }
    QCOMPARE(fileBytes(ownStore()), due);

    // Qt keeps the date it could not write in this process's memory; what
    // counts is the next start, on the store as the disk holds it.
    QVERIFY(QFile::copy(ownStore(), probeStore()));
    const StartUp next = startProgram();
    QVERIFY(next.mainWindowShown);
    QCOMPARE(next.messages, QStringList{kQuestion});
}

void TestFaultsSettings::fileDialogsWriteNothing()
{
    // Qt's dialogs keep their recent folders in a store of their own, and
    // would wait for ever on its lock as they close when that lock is a
    // folder. The program writes nothing there.
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    QVERIFY(QDir().mkpath(config + QStringLiteral("/QtProject.conf.lock")));
    const QString before = snapshot(config);
    QtPlatform platform;
    int closed = 0;
    const DialogAnswerer cancel([&closed](QFileDialog *dialog) {
        dialog->reject();
        ++closed;
    });
    const FileDialogOptions options{QStringLiteral("Tzolkara"), QStringLiteral("Mayan Astrology (*.man)"),
                                    QStringLiteral("man")};
    QCOMPARE(platform.openFileName(nullptr, options), std::nullopt);
    QCOMPARE(platform.saveFileName(nullptr, options), std::nullopt);
    QCOMPARE(closed, 2);
    QCOMPARE(snapshot(config), before);
}

void TestFaultsSettings::fileDialogsStartInDocumentsThenTheLastFolder()
{
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    QVERIFY(QDir().mkpath(m_scratch.filePath(QStringLiteral("docs"))));
    QVERIFY(QDir().mkpath(m_scratch.filePath(QStringLiteral("elsewhere"))));
    QVERIFY(QDir().mkpath(config));
    QVERIFY(putFile(config + QStringLiteral("/user-dirs.dirs"),
                    "XDG_DOCUMENTS_DIR=\"" + QFile::encodeName(m_scratch.filePath(QStringLiteral("docs"))) + "\"\n"));
    const QString chosen = m_scratch.filePath(QStringLiteral("elsewhere/report.pdf"));

    // Each dialog says where it starts; in the first the person picks a
    // file elsewhere and then saves, the second is cancelled.
    QStringList startedIn;
    const DialogAnswerer answer([&](QFileDialog *dialog) {
        startedIn << dialog->directory().absolutePath();
        if (startedIn.size() == 1) {
            dialog->setDirectory(QFileInfo(chosen).absolutePath());
            QTest::keyClicks(child<QLineEdit>(dialog, "fileNameEdit"), QFileInfo(chosen).fileName());
            static_cast<QDialog *>(dialog)->accept(); // protected in QFileDialog
        }
        if (dialog->isVisible())
            dialog->reject(); // the second, or a first that would not save
    });
    QtPlatform platform;
    const FileDialogOptions options{QStringLiteral("Tzolkara"), QStringLiteral("PDF Files (*.pdf)"),
                                    QStringLiteral("pdf")};
    QCOMPARE(platform.saveFileName(nullptr, options), std::optional<QString>(chosen));
    QCOMPARE(platform.openFileName(nullptr, options), std::nullopt);
    QCOMPARE(startedIn, QStringList({m_scratch.filePath(QStringLiteral("docs")),
                                     m_scratch.filePath(QStringLiteral("elsewhere"))}));
    QFile::remove(config + QStringLiteral("/user-dirs.dirs"));
}

int main(int argc, char *argv[])
{
    // Before Qt first looks for a store: it places them once per process.
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home.filePath(QStringLiteral("cache"))));
    QApplication app(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    TestFaultsSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_faults_settings.moc"
