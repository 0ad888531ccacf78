// Saving reading files and PDF reports, and opening reading files, when the
// disk, the path or the file is not what the person expects. Each case
// drives the real report and main windows through the platform double (its
// PDF is the production one), checks what the person is shown, and proves
// that nothing was lost: the file already there keeps its bytes, no
// temporary file is left behind, the reading can still be saved elsewhere,
// and a refused file leaves the main window as it was.
//
// Covered elsewhere and not repeated here: a full disk by file-size limit
// and a path under a file (tst_frmsave); missing, empty, cut-short and
// out-of-list files (tst_frmmain); the reader's own limits (tst_readingfile).
// Last, the production message box given texts of any length.
#include "readings.h"
#include "testfiles.h"
#include "drive.h"
#include "fakenavigator.h"
#include "fakeplatform.h"
#include "frmmain.h"
#include "frmsave.h"
#include "qtplatform.h"
#include "mayan.h"
#include "readingfile.h"
#include "tinydisk.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>
#include <fcntl.h>
#include <functional>
#include <tuple>
#include <memory>
#include <grp.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>

using namespace tzk;
using namespace tzk::test;

namespace {

const QString kFileMessage = QStringLiteral("Please Check The File.");
// "Ann", 1 January 1950: what the folders hold before each save (standing
// for an older PDF report too).
const QByteArray kOldReading = QByteArray::fromHex("96C3C30D0A868E8A850D0A9FB6C3CAB6C7CE0D0A860D0A");

ReadingRecord reading(const QString &name, int year, const QString &month, int day)
{
    return birthRecord(name, year, month, day);
}

void setCurrentReading(const ReadingRecord &r)
{
    MayanReading = r;
    CalculateReading();
}

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden, QDir::Name);
}

// The boxes shown after failed saves, each checked: the fixed first line,
// then the system's reason. The PDF's question before its dialog is left out.
void checkSaveFailures(const FakePlatform &p, int count, bool pdf)
{
    QList<ShownMessage> failures;
    for (const ShownMessage &m : p.messages) {
        if (m.buttons == MessageButtons::Ok)
            failures << m;
    }
    QCOMPARE(failures.size(), count);
    for (const ShownMessage &m : std::as_const(failures)) {
        const QStringList lines = m.text.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], pdf ? QStringLiteral("The Report Could Not Be Printed.")
                               : QStringLiteral("The Reading Could Not Be Saved."));
        QVERIFY2(!lines[1].trimmed().isEmpty(), qPrintable(m.text));
        QCOMPARE(m.icon, MessageIcon::Critical);
    }
}

// Rows for each kind of file the program saves.
void addSavedFileRows()
{
    QTest::addColumn<bool>("pdf");
    QTest::newRow("reading file") << false;
    QTest::newRow("PDF report") << true;
}

long peakMemoryKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Runs `step` as the user "nobody", for whom file permissions count, and
// returns what it reports. Root runs it in a child process that gives up
// its privileges; anyone else runs it in place. Nothing when that cannot
// be arranged; a child that crashed reports so, which no check expects.
std::optional<QByteArray> unprivileged(const std::function<QByteArray()> &step)
{
    if (geteuid() != 0)
        return step();
    const passwd *nobody = getpwnam("nobody");
    int channel[2];
    if (!nobody || pipe(channel) != 0)
        return std::nullopt;
    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;
    const pid_t child = fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        ::close(channel[0]);
        if (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0 || geteuid() == 0)
            _exit(3);
        const QByteArray report = step();
        const bool sent = ::write(channel[1], report.constData(), size_t(report.size())) == report.size();
        _exit(sent ? 0 : 4);
    }
    ::close(channel[1]);
    QByteArray report;
    char buffer[4096];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, qsizetype(n));
    ::close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 3)
        return std::nullopt;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "child ended with status " + QByteArray::number(status);
    return report;
}

// Removes the file the moment the open dialog hands over its name: the
// file existed when it was picked and is gone when it is read.
class VanishingFilePlatform : public FakePlatform
{
public:
    std::optional<QString> openFileName(QWidget *parent, const FileDialogOptions &dialog) override
    {
        const std::optional<QString> path = FakePlatform::openFileName(parent, dialog);
        if (path)
            removed = QFileInfo::exists(*path) && QFile::remove(*path);
        return path;
    }
    bool removed = false;
};

} // namespace

class TestFaultsFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    // Saving.
    void saveWhereTheFolderIsClosed_data();
    void saveWhereTheFolderIsClosed();
    void saveOntoFullDisk_data() { addSavedFileRows(); }
    void saveOntoFullDisk();
    void saveOntoAFolder_data() { addSavedFileRows(); }
    void saveOntoAFolder();
    void saveOntoAPipeOrDevice_data() { addSavedFileRows(); }
    void saveOntoAPipeOrDevice();
    void longestNameSavedAndOpenedAgain();

    // Opening.
    void openHundredMegabytes();
    void openRefused_data();
    void openRefused();
    void readNeverWaitsOnAPipeSwappedIn();
    void openWithoutReadPermission();
    void openFileDeletedAfterTheDialog();

    // What the person is shown.
    void messageBoxFitsTheScreen_data();
    void messageBoxFitsTheScreen();

private:
    // Saves the current reading (or, with `pdf`, its report, there being no
    // printer) through the report window; the messages shown land in
    // `platform`.
    void saveThroughReport(FakePlatform &platform, const QString &path, bool pdf = false);
    // Proves the reading in memory survived a failed save: it saves to a
    // good place and reads back.
    void saveStillWorksElsewhere(bool pdf);
    // Fills the main window, clicks Open and checks that the file is
    // refused with the window left as it was.
    void checkOpenRefused(FakePlatform &platform, const QString &path);

    QTemporaryDir m_dir;
    FakeNavigator *m_navigator = nullptr;
    QPointer<FrmMain> m_main;
};

void TestFaultsFiles::init()
{
    QVERIFY(m_dir.isValid());
    setCurrentReading(reading(QStringLiteral("Reader"), 1990, QStringLiteral("March"), 5));
    m_navigator = new FakeNavigator;
}

void TestFaultsFiles::cleanup()
{
    delete m_main;
    settle();
    delete m_navigator;
    m_navigator = nullptr;
}

void TestFaultsFiles::saveThroughReport(FakePlatform &platform, const QString &path, bool pdf)
{
    platform.fileNames << path;
    FrmSave report(platform);
    if (pdf) {
        platform.printerAvailable = false;
        platform.answers << MessageAnswer::Yes; // a PDF instead
        click(&report, "cmdPrint");
    } else {
        click(&report, "cmdSave");
    }
}

void TestFaultsFiles::saveStillWorksElsewhere(bool pdf)
{
    const ReadingRecord current = MayanReading;
    FakePlatform platform;
    const QString path = m_dir.filePath(QStringLiteral("elsewhere-%1-%2").arg(QTest::currentTestFunction()).arg(pdf));
    saveThroughReport(platform, path, pdf);
    checkSaveFailures(platform, 0, pdf);
    if (pdf) {
        QVERIFY(fileBytes(path).startsWith("%PDF-"));
        return;
    }
    QCOMPARE(readReadingFile(path),
             std::optional(ReadingFileLines{current.personName, QString::number(current.birthYear), current.birthMonth,
                                            QString::number(current.birthDay)}));
}

void TestFaultsFiles::saveWhereTheFolderIsClosed_data()
{
    QTest::addColumn<bool>("pdf");
    QTest::addColumn<bool>("readOnlyDisk"); // otherwise a folder the user may not write
    QTest::addColumn<bool>("fileWritable");
    QTest::addColumn<bool>("fullDisk"); // and the new content longer than a block
    QTest::addColumn<bool>("hugeFile"); // 300 MB (sparse): not taken into memory
    for (const bool pdf : {false, true}) {
        const char *what = pdf ? "PDF report" : "reading file";
        QTest::addRow("%s, read-only disk", what) << pdf << true << false << false << false;
        QTest::addRow("%s, closed folder, file the user may write", what) << pdf << false << true << false << false;
        QTest::addRow("%s, closed folder, read-only file", what) << pdf << false << false << false << false;
        QTest::addRow("%s, closed folder on a full disk, file the user may write", what)
            << pdf << false << true << true << false;
        QTest::addRow("%s, closed folder, 300 MB file the user may write", what) << pdf << false << true << false << true;
    }
}

void TestFaultsFiles::saveWhereTheFolderIsClosed()
{
    QFETCH(bool, pdf);
    QFETCH(bool, readOnlyDisk);
    QFETCH(bool, fileWritable);
    QFETCH(bool, fullDisk);
    QFETCH(bool, hugeFile);

    // For root only a read-only file system refuses a write: the folder is
    // then closed to the user nobody, who saves. Anyone else saves as
    // themselves, into a folder without write permission.
    QVERIFY(QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                    | QFileDevice::ReadOther | QFileDevice::ExeOther));
    static int n = 0;
    const QString folder = m_dir.filePath(QStringLiteral("closed-%1").arg(++n));
    QVERIFY(QDir().mkpath(folder));
    const QString old = folder + QStringLiteral("/ann.man");
    std::unique_ptr<TinyDisk> disk;
    if (readOnlyDisk || fullDisk) {
        disk = std::make_unique<TinyDisk>(folder, 64);
        if (!disk->mounted())
            QSKIP("A read-only or full disk needs root and a private mount table");
    }
    if (fullDisk) // a reading file longer than the block the old one holds
        setCurrentReading(reading(QString(6000, QLatin1Char('a')), 1990, QStringLiteral("March"), 5));
    QVERIFY(putFile(old, kOldReading));
    const QByteArray oldName = QFile::encodeName(old);
    const qint64 hugeSize = 300 * 1024 * 1024;
    QVERIFY(!hugeFile || truncate(oldName.constData(), hugeSize) == 0);
    if (readOnlyDisk) {
        QVERIFY(disk->makeReadOnly());
    } else if (geteuid() == 0) {
        const passwd *nobody = getpwnam("nobody");
        if (!nobody)
            QSKIP("Root saves as the user nobody here, and there is none");
        QVERIFY(!fileWritable || chown(oldName.constData(), nobody->pw_uid, nobody->pw_gid) == 0);
        QVERIFY(!fullDisk || disk->fillUp(QStringLiteral("filler")));
    } else {
        QVERIFY(chmod(oldName.constData(), fileWritable ? 0644 : 0444) == 0);
        QVERIFY(chmod(QFile::encodeName(folder).constData(), 0555) == 0);
    }
    const QStringList before = entries(folder);

    // Replacing the file there, then a new name; what the person is shown.
    const auto step = [&]() -> QByteArray {
        FakePlatform platform;
        saveThroughReport(platform, old, pdf);
        saveThroughReport(platform, folder + QStringLiteral("/reader.man"), pdf);
        QStringList shown;
        for (const ShownMessage &m : std::as_const(platform.messages)) {
            if (m.buttons == MessageButtons::Ok)
                shown << m.text.section(QLatin1Char('\n'), 0, 0) + (m.text.count(QLatin1Char('\n')) == 1 ? "+reason" : "")
                             + (m.text.endsWith(QLatin1String("The file still holds what it held before.")) ? "+kept" : "");
        }
        return shown.join(QLatin1Char('|')).toUtf8();
    };
    const std::optional<QByteArray> seen = readOnlyDisk ? step() : unprivileged(step);
    if (!seen)
        QSKIP("Could not save as the user nobody (no such user, or setuid refused)");
    const QString failed = (pdf ? QStringLiteral("The Report Could Not Be Printed.")
                                : QStringLiteral("The Reading Could Not Be Saved."))
                           + QStringLiteral("+reason");
    // Where the file may be written it is, in place; a new name cannot be.
    // On a full disk the file is left as it was, and the person told so.
    const QStringList expected = fullDisk                   ? QStringList{failed + "+kept", failed}
                                 : fileWritable && !hugeFile ? QStringList{failed}
                                                             : QStringList{failed, failed};
    QCOMPARE(QString::fromUtf8(*seen).split(QLatin1Char('|')), expected);
    if (hugeFile) {
        QFile kept(old);
        QVERIFY(kept.open(QIODevice::ReadOnly) && kept.size() == hugeSize);
        QCOMPARE(kept.read(kOldReading.size()), kOldReading);
    } else if (!fileWritable || fullDisk)
        QCOMPARE(fileBytes(old), kOldReading);
    else if (pdf)
        QVERIFY(fileBytes(old).startsWith("%PDF-") && fileBytes(old).trimmed().endsWith("%%EOF"));
    else
        QCOMPARE(fileBytes(old), encodeReadingFile(MayanReading));
    QCOMPARE(entries(folder), before); // nothing new, no temporary file left
    chmod(QFile::encodeName(folder).constData(), 0755);
    saveStillWorksElsewhere(pdf);
}

void TestFaultsFiles::saveOntoFullDisk()
{
    QFETCH(bool, pdf);
    // A disk that is really full (ENOSPC), not a file-size limit.
    const QString folder = m_dir.filePath(QStringLiteral("full-%1").arg(pdf));
    QVERIFY(QDir().mkpath(folder));
    TinyDisk disk(folder, 64);
    if (!disk.mounted())
        QSKIP("Needs root to mount a tiny tmpfs in a private mount table; tst_frmsave covers a full disk "
              "with a file-size limit");
    const QString old = folder + QStringLiteral("/ann.man");
    QVERIFY(putFile(old, kOldReading));
    QVERIFY(disk.fillUp(QStringLiteral("filler")));
    const QStringList before = entries(folder);

    FakePlatform platform;
    saveThroughReport(platform, old, pdf);
    saveThroughReport(platform, folder + QStringLiteral("/reader.man"), pdf);
    checkSaveFailures(platform, 2, pdf);

    QCOMPARE(fileBytes(old), kOldReading);
    QCOMPARE(entries(folder), before); // the temporary file is gone again
    saveStillWorksElsewhere(pdf);
}

void TestFaultsFiles::saveOntoAFolder()
{
    QFETCH(bool, pdf);
    // The name typed in the dialog is a folder's, with a reading inside.
    const QString folder = m_dir.filePath(QStringLiteral("readings-%1.man").arg(pdf));
    QVERIFY(QDir().mkpath(folder));
    const QString inside = folder + QStringLiteral("/ann.man");
    QVERIFY(putFile(inside, kOldReading));
    const QStringList around = entries(m_dir.path());

    FakePlatform platform;
    saveThroughReport(platform, folder, pdf);
    checkSaveFailures(platform, 1, pdf);

    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(entries(folder), QStringList{QStringLiteral("ann.man")});
    QCOMPARE(fileBytes(inside), kOldReading);
    QCOMPARE(entries(m_dir.path()), around);
    saveStillWorksElsewhere(pdf);
}

void TestFaultsFiles::saveOntoAPipeOrDevice()
{
    QFETCH(bool, pdf);
    // Replacing a named pipe (or, for root, a device) with a regular file
    // would break whatever uses it, and writing into it would wait for a
    // reader or fill nothing: the save is refused and it stays.
    const QString pipePath = m_dir.filePath(QStringLiteral("pipe-%1.man").arg(pdf));
    QCOMPARE(mkfifo(QFile::encodeName(pipePath).constData(), 0644), 0);
    FakePlatform platform;
    saveThroughReport(platform, pipePath, pdf);
    checkSaveFailures(platform, 1, pdf);
    struct stat info{};
    QVERIFY(stat(QFile::encodeName(pipePath).constData(), &info) == 0 && S_ISFIFO(info.st_mode));

    // A device node like /dev/full, made on a disk of our own so that a
    // failure here cannot cost the machine its real one.
    const QString folder = m_dir.filePath(QStringLiteral("devices-%1").arg(pdf));
    QVERIFY(QDir().mkpath(folder));
    TinyDisk disk(folder, 64);
    if (!disk.mounted())
        QSKIP("The device case needs root to mount a tmpfs in a private mount table; the pipe case passed");
    const QString device = folder + QStringLiteral("/full.man");
    QCOMPARE(mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 7)), 0);
    saveThroughReport(platform, device, pdf);
    checkSaveFailures(platform, 2, pdf);
    QVERIFY(stat(QFile::encodeName(device).constData(), &info) == 0 && S_ISCHR(info.st_mode));
    QCOMPARE(entries(folder), QStringList{QStringLiteral("full.man")});
}

void TestFaultsFiles::longestNameSavedAndOpenedAgain()
{
    // 32,767 characters, every one the file can hold, none at either end
    // that Calculate would trim.
    const QString alphabet = QStringLiteral("Ab Cd-Ef'Gh.Ij,Kl0123\u00A1\u00AA\u20AC\u2122");
    QString name;
    for (int i = 0; name.size() < kMaxNameLength; ++i)
        name += alphabet.at(i % alphabet.size());
    name.truncate(kMaxNameLength);
    name[0] = QLatin1Char('Z');
    name[name.size() - 1] = QLatin1Char('z');

    FakePlatform platform;
    m_main = new FrmMain(platform, *m_navigator);
    m_main->show();
    auto *entry = child<QLineEdit>(m_main, "txtName");
    entry->setText(name + QStringLiteral("beyond the limit")); // pasted: the field keeps what fits
    QCOMPARE(entry->text(), name);
    pick(m_main, "cboMonth", QStringLiteral("March"));
    pick(m_main, "cboDate", QStringLiteral("14"));
    pick(m_main, "cboYear", QStringLiteral("1975"));
    click(m_main, "cmdCalculate");
    QCOMPARE(MayanReading.personName, name);
    const ReadingRecord calculated = MayanReading;
    settle();

    const QString path = m_dir.filePath(QStringLiteral("longest.man"));
    saveThroughReport(platform, path);
    QVERIFY(platform.messages.isEmpty()); // nothing to drop, nothing failed
    QCOMPARE(QFileInfo(path).size(), qint64(kMaxNameLength + 4 + 5 + 2 + 8));

    MayanReading = ReadingRecord();
    m_navigator->calls.clear();
    m_main = new FrmMain(platform, *m_navigator);
    m_main->show();
    platform.fileNames << path;
    QPointer<QLineEdit> reopened = child<QLineEdit>(m_main, "txtName");
    click(m_main, "cmdOpen");
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(reopened->text(), name);
    QCOMPARE(MayanReading, calculated);
    QCOMPARE(m_navigator->calls.first(), QStringLiteral("showResult"));
}

void TestFaultsFiles::checkOpenRefused(FakePlatform &platform, const QString &path)
{
    MayanReading = ReadingRecord();
    m_main = new FrmMain(platform, *m_navigator);
    m_main->show();
    fillEntry(m_main, QStringLiteral("Kept"), QStringLiteral("July"), 20, 1970);
    platform.fileNames << path;
    click(m_main, "cmdOpen");

    QCOMPARE(platform.messageTexts(), QStringList{kFileMessage});
    QCOMPARE(platform.messages[0].icon, MessageIcon::Critical);
    QVERIFY(m_navigator->calls.isEmpty());
    QVERIFY(m_main->isVisible());
    QCOMPARE(child<QLineEdit>(m_main, "txtName")->text(), QStringLiteral("Kept"));
    QCOMPARE(child<QComboBox>(m_main, "cboMonth")->currentText(), QStringLiteral("July"));
    QCOMPARE(child<QComboBox>(m_main, "cboDate")->currentText(), QStringLiteral("20"));
    QCOMPARE(child<QComboBox>(m_main, "cboYear")->currentText(), QStringLiteral("1970"));
    QCOMPARE(MayanReading, ReadingRecord());
}

void TestFaultsFiles::openHundredMegabytes()
{
    // Sparse files: a good reading followed by 100 MB, and 100 MB of zeros.
    // Only the first few kilobytes are ever read, so neither takes time or
    // memory to speak of.
    const QString good = m_dir.filePath(QStringLiteral("big-good.man"));
    const QString zeros = m_dir.filePath(QStringLiteral("big-zeros.man"));
    QVERIFY(putFile(good, encodeReadingFile(reading(QStringLiteral("Big"), 1975, QStringLiteral("March"), 14))));
    QVERIFY(QFile::resize(good, 100 << 20));
    QVERIFY(putFile(zeros, {}) && QFile::resize(zeros, 100 << 20));

    const long peakBefore = peakMemoryKiB();
    QElapsedTimer clock;
    clock.start();
    FakePlatform refusing;
    checkOpenRefused(refusing, zeros);
    delete m_main;
    settle();

    FakePlatform opening;
    m_main = new FrmMain(opening, *m_navigator);
    m_main->show();
    opening.fileNames << good;
    QPointer<QLineEdit> entry = child<QLineEdit>(m_main, "txtName");
    click(m_main, "cmdOpen");
    QVERIFY(opening.messages.isEmpty());
    QCOMPARE(entry->text(), QStringLiteral("Big"));
    QCOMPARE(MayanReading.birthYear, qint16(1975));
    QCOMPARE(m_navigator->calls.first(), QStringLiteral("showResult"));

    QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
    const long grown = peakMemoryKiB() - peakBefore;
    QVERIFY2(grown < 32 * 1024, qPrintable(QStringLiteral("peak memory grew by %1 KiB").arg(grown)));
}

void TestFaultsFiles::openRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("random bytes, 1 KB") << "random:1024:7";
    QTest::newRow("random bytes, 64 KB") << "random:65536:8";
    QTest::newRow("random bytes, 1 MB") << "random:1048576:9";
    QTest::newRow("random bytes after a good first line") << "random-after-name:4096:10";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("a named pipe") << "pipe";
}

void TestFaultsFiles::openRefused()
{
    QFETCH(QString, kind);
    const QStringList parts = kind.split(QLatin1Char(':'));
    const QString path = m_dir.filePath(QStringLiteral("refused-%1.man").arg(QTest::currentDataTag()));
    if (parts[0].startsWith(QLatin1String("random"))) {
        QRandomGenerator random(parts[2].toUInt());
        QByteArray bytes(parts[1].toInt(), Qt::Uninitialized);
        random.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
        if (parts[0] == QLatin1String("random-after-name"))
            bytes.prepend(encodeReadingFile(reading(QStringLiteral("Ann"), 1990, QStringLiteral("March"), 5)).left(5));
        QVERIFY(putFile(path, bytes));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path));
        QVERIFY(putFile(path + QStringLiteral("/inside.man"), kOldReading));
    } else {
        // Opening a pipe would wait for a writer forever; it must be refused
        // without being opened.
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    }
    FakePlatform platform;
    checkOpenRefused(platform, path);
}

void TestFaultsFiles::readNeverWaitsOnAPipeSwappedIn()
{
    // The file and a named pipe change places over and over while it is
    // read: each read gives the reading or nothing, and none waits for a
    // writer to come to the pipe.
    const ReadingFileLines expected{QStringLiteral("Reader"), QStringLiteral("1990"), QStringLiteral("March"),
                                    QStringLiteral("5")};
    const QString path = m_dir.filePath(QStringLiteral("swapped.man"));
    const QString other = m_dir.filePath(QStringLiteral("swapped.fifo"));
    QVERIFY(putFile(path, encodeReadingFile(MayanReading)));
    QCOMPARE(mkfifo(QFile::encodeName(other).constData(), 0644), 0);
    const QByteArray a = QFile::encodeName(path), b = QFile::encodeName(other);
    if (renameat2(AT_FDCWD, a.constData(), AT_FDCWD, b.constData(), RENAME_EXCHANGE) != 0)
        QSKIP("This file system cannot exchange two names at once");

    std::atomic<bool> done = false;
    std::atomic<int> wrong = 0;
    std::unique_ptr<QThread> reader(QThread::create([&] {
        for (int i = 0; i < 3000; ++i) {
            const auto lines = readReadingFile(path);
            if (lines && *lines != expected)
                ++wrong;
        }
        done = true;
    }));
    reader->start();
    const QDeadlineTimer deadline(30000);
    while (!done && !deadline.hasExpired())
        renameat2(AT_FDCWD, a.constData(), AT_FDCWD, b.constData(), RENAME_EXCHANGE);
    const bool waited = !done;
    // A read stuck on the pipe is let go: a writer comes and leaves.
    while (!reader->wait(100)) {
        for (const QByteArray &name : {a, b}) {
            const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
        }
    }
    QVERIFY2(!waited, "a read waited on the pipe");
    QCOMPARE(wrong.load(), 0);
}

void TestFaultsFiles::openWithoutReadPermission()
{
    // A good reading file nobody may read, beside one anybody may: the
    // second opens, so the first is refused for its permissions alone.
    QVERIFY(QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                    | QFileDevice::ReadOther | QFileDevice::ExeOther));
    const QString locked = m_dir.filePath(QStringLiteral("locked.man"));
    const QString open = m_dir.filePath(QStringLiteral("open.man"));
    const QByteArray good = encodeReadingFile(reading(QStringLiteral("Ann"), 1990, QStringLiteral("March"), 5));
    QVERIFY(putFile(locked, good) && putFile(open, good));
    QVERIFY(QFile::setPermissions(locked, QFileDevice::Permissions()));
    QVERIFY(QFile::setPermissions(open, QFileDevice::ReadOwner | QFileDevice::ReadOther));

    FakePlatform platform;
    MayanReading = ReadingRecord();
    m_main = new FrmMain(platform, *m_navigator);
    m_main->show();
    fillEntry(m_main, QStringLiteral("Kept"), QStringLiteral("July"), 20, 1970);
    auto *entry = child<QLineEdit>(m_main, "txtName");
    const auto step = [&]() -> QByteArray {
        QStringList seen;
        platform.fileNames << locked;
        click(m_main, "cmdOpen");
        seen << platform.messageTexts().join(QLatin1Char('|')) << entry->text()
             << QString::number(m_navigator->calls.size());
        platform.fileNames << open;
        click(m_main, "cmdOpen");
        seen << platform.messageTexts().join(QLatin1Char('|')) << entry->text()
             << QString::number(m_navigator->calls.size());
        return seen.join(QLatin1Char('\n')).toUtf8();
    };
    const std::optional<QByteArray> seen = unprivileged(step);
    if (!seen)
        QSKIP("Could not run a step as the user nobody (no such user, or setuid refused)");
    QCOMPARE(QString::fromUtf8(*seen).split(QLatin1Char('\n')),
             QStringList({kFileMessage, QStringLiteral("Kept"), QStringLiteral("0"), // refused, window as it was
                          kFileMessage, QStringLiteral("Ann"), QStringLiteral("3")})); // the readable one opens
    QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QCOMPARE(fileBytes(locked), good); // refused, not damaged
}

void TestFaultsFiles::openFileDeletedAfterTheDialog()
{
    const QString path = m_dir.filePath(QStringLiteral("vanishing.man"));
    QVERIFY(putFile(path, encodeReadingFile(reading(QStringLiteral("Ann"), 1990, QStringLiteral("March"), 5))));
    VanishingFilePlatform platform;
    checkOpenRefused(platform, path);
    QVERIFY(platform.removed);
}

void TestFaultsFiles::messageBoxFitsTheScreen_data()
{
    // Names, paths and the system's reasons are shown whatever their length.
    QTest::addColumn<QString>("text");
    const QString question = QStringLiteral("\nSave The Reading Without Them?");
    QString listed;
    for (char16_t c = 0x4E00; c < 0x4E00 + 2000; ++c)
        listed += QChar(c) + QLatin1Char(' ');
    QTest::newRow("2,000 characters listed") << "Some Characters Of The Name Cannot Be Saved: " + listed + question;
    QTest::newRow("a path of 4,000 characters") << "/home/" + QString(4000, 'x') + "/ann.man" + question;
    QTest::newRow("20,000 letters without a break") << QString(20000, 'a') + question;
    QTest::newRow("3,000 letters outside the basic plane") << QStringLiteral("\U0001D400").repeated(3000) + question;
    QTest::newRow("300 lines") << QStringLiteral("No space left on device\n").repeated(300) + question.mid(1);
}

void TestFaultsFiles::messageBoxFitsTheScreen()
{
    QFETCH(QString, text);
    QtPlatform platform;
    QRect shown;
    QString shownText;
    QTimer::singleShot(0, this, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) {
                std::tie(shown, shownText) = std::pair(box->frameGeometry(), box->text());
                box->button(QMessageBox::No)->click();
            }
        }
    });
    QCOMPARE(platform.message(nullptr, text, MessageIcon::Information, MessageButtons::YesNo), MessageAnswer::No);
    QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(shown));
    QCOMPARE(shownText.section('\n', -1), text.section('\n', -1)); // the question stays
    QVERIFY(shownText.isValidUtf16()); // no character cut in half
}

int main(int argc, char *argv[])
{
    tzk::test::enterPrivateMountTable();
    QApplication app(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    TestFaultsFiles test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_faults_files.moc"
