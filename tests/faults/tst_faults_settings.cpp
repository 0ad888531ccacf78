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
#include "filesizelimit.h"
#include "probe.h"
#include "qtplatform.h"
#include "scramble.h"
#include "settings.h"
#include "updatereminder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

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

} // namespace

class TestFaultsSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void garbageInTheStore_data();
    void garbageInTheStore();
    void storeFolderIsAFile();
    void storeFileIsAFolder();
    void fullDiskKeepsTheReminderDue();

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
        QCOMPARE(storedDate(m_scratch.path(), probeStore()), QDate::currentDate().toString(Qt::ISODate));
    }
    const QByteArray afterFirst = fileBytes(probeStore());

    const StartUp second = startProgram();
    QVERIFY(second.mainWindowShown);
    QCOMPARE(second.messages, QStringList());
    QCOMPARE(fileBytes(probeStore()), afterFirst);
}

void TestFaultsSettings::storeFolderIsAFile()
{
    // Nothing can be stored, so not even the first-run date is kept: every
    // start is quietly a first run.
    QVERIFY(putFile(storeFolder(), "not a folder"));
    for (int start = 1; start <= 2; ++start) {
        const StartUp seen = startProgram();
        QVERIFY(seen.mainWindowShown);
        QCOMPARE(seen.messages, QStringList());
    }
    QCOMPARE(fileBytes(storeFolder()), QByteArray("not a folder"));
}

void TestFaultsSettings::storeFileIsAFolder()
{
    QVERIFY(QDir().mkpath(probeStore()));
    QVERIFY(putFile(probeStore() + QStringLiteral("/kept"), "kept"));
    for (int start = 1; start <= 2; ++start) {
        const StartUp seen = startProgram();
        QVERIFY(seen.mainWindowShown);
        QCOMPARE(seen.messages, QStringList());
    }
    QVERIFY(QFileInfo(probeStore()).isDir());
    QCOMPARE(fileBytes(probeStore() + QStringLiteral("/kept")), QByteArray("kept"));
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
        QVERIFY(limit.active());
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
