// Print pressed in the report window with the production platform, onto the
// default printer of a print scheduler that this test starts and stops: the
// job that arrives is checked as the paper would be.

#include "drive.h"
#include "frmsave.h"
#include "mayan.h"
#include "pdfpages.h"
#include "qtplatform.h"
#include "readings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

using namespace tzk;

namespace {

// The PDF printer driver of Debian's cups-filters: the job arrives as PDF
// after the usual filters, which also make the copies.
const QString kDriver = "/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd";

QString tool(const QString &name)
{
    return QStandardPaths::findExecutable(name, {"/usr/sbin", "/usr/bin", "/usr/local/sbin", "/usr/local/bin"});
}

// Runs a tool to its end: its output, or nothing when it failed.
QString run(const QString &name, const QStringList &arguments, bool *ok = nullptr)
{
    QProcess p;
    p.start(tool(name), arguments);
    const bool done = p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (ok)
        *ok = done;
    return done ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

// The production platform, with message boxes recorded instead of shown:
// a failure says what it would have shown.
class RecordingPlatform : public QtPlatform
{
public:
    QStringList shown;
    MessageAnswer message(QWidget *, const QString &text, MessageIcon, MessageButtons) override
    {
        shown << text;
        return MessageAnswer::No;
    }
};

} // namespace

class TestPrintQueue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void printArrivesAsOneWholeJob();

private:
    QString schedulerLog() const;

    QTemporaryDir m_dir;
    QProcess m_scheduler;
};

void TestPrintQueue::initTestCase()
{
    for (const char *name : {"cupsd", "lpadmin", "lpstat"})
        if (tool(name).isEmpty())
            QSKIP("cups is not installed (cupsd, lpadmin and lpstat are needed: apt-get install cups)");
    if (!QFile::exists(kDriver))
        QSKIP("the PDF printer driver of cups-filters is not installed (apt-get install cups-filters)");
    for (const char *name : {"pdftotext", "pdfinfo", "pdffonts", "pdftoppm"})
        if (tool(name).isEmpty())
            QSKIP("poppler-utils is not installed");

    // The scheduler's own folders, socket and settings. It listens on no
    // network port, so it never meets the system's scheduler or another
    // run. Run as root it hands the filters to the "lp" user, who must be
    // able to reach these folders.
    QVERIFY(m_dir.isValid());
    const QDir dir(m_dir.path());
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                          | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    for (const char *sub : {"etc", "spool", "cache", "state", "tmp", "log", "out"})
        QVERIFY(dir.mkpath(sub));
    const QString socket = dir.filePath("cups.sock");
    const QString conf[][2] = {
        {"etc/cupsd.conf", QString("Listen %1\nBrowsing No\nWebInterface No\nDefaultAuthType None\n"
                                   "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                   "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n")
                                   .arg(socket)},
        {"etc/cups-files.conf", QString("FileDevice Yes\nServerRoot %1/etc\nRequestRoot %1/spool\nCacheDir %1/cache\n"
                                        "StateDir %1/state\nTempDir %1/tmp\nErrorLog %1/log/ErrorLog\n"
                                        "AccessLog %1/log/AccessLog\nPageLog %1/log/PageLog\n")
                                    .arg(dir.path())}};
    for (const auto &[name, text] : conf) {
        QFile f(dir.filePath(name));
        const QByteArray bytes = text.toUtf8();
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }

    // Every cups tool, and the program's printing, talk to this scheduler
    // only and read its printers' drivers from its folder; no user's or
    // system's default printer takes its place.
    qputenv("CUPS_SERVER", socket.toLocal8Bit());
    qputenv("CUPS_SERVERROOT", dir.filePath("etc").toLocal8Bit());
    qputenv("HOME", dir.path().toLocal8Bit());
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");

#ifdef Q_OS_LINUX
    // The scheduler ends with this test, even when the test is killed.
    m_scheduler.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
    m_scheduler.setProcessChannelMode(QProcess::ForwardedChannels);
    m_scheduler.start(tool("cupsd"),
                      {"-f", "-c", dir.filePath("etc/cupsd.conf"), "-s", dir.filePath("etc/cups-files.conf")});
    QVERIFY2(QTest::qWaitFor([this] { return m_scheduler.state() == QProcess::Running
                                             && run("lpstat", {"-r"}).startsWith("scheduler is running"); }, 20000),
             qPrintable("the print scheduler did not start\n" + schedulerLog()));

    // A PDF printer on Letter paper, the default destination; it writes
    // its jobs to one file.
    bool ok = false;
    run("lpadmin", {"-p", "TzolkaraTest", "-E", "-v", QUrl::fromLocalFile(dir.filePath("out/job.pdf")).toString(),
                    "-P", kDriver, "-o", "PageSize=Letter"}, &ok);
    QVERIFY(ok);
    run("lpadmin", {"-d", "TzolkaraTest"}, &ok);
    QVERIFY(ok);
}

void TestPrintQueue::cleanupTestCase()
{
    if (m_scheduler.state() == QProcess::NotRunning)
        return;
    m_scheduler.terminate();
    if (!m_scheduler.waitForFinished(10000))
        m_scheduler.kill();
}

// The scheduler's errors, for a failure message.
QString TestPrintQueue::schedulerLog() const
{
    QFile f(QDir(m_dir.path()).filePath("log/ErrorLog"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll().right(2000)) : QString();
}

// One job, one copy of the whole report on the printer's Letter paper (not
// the locale's A4), margins kept, bold and colours there.
void TestPrintQueue::printArrivesAsOneWholeJob()
{
    QLocale::setDefault(QLocale("de_DE"));
    MayanReading = test::birthRecord("Ann", 1975, "March", 14);
    CalculateReading();
    RecordingPlatform platform;
    QVERIFY(platform.hasDefaultPrinter());
    FrmSave w(platform);
    test::click(&w, "cmdPrint");
    QVERIFY2(platform.shown.isEmpty(), qPrintable(platform.shown.join(QLatin1Char('\n'))));

    QVERIFY2(QTest::qWaitFor([] { return !run("lpstat", {"-W", "completed", "-o"}).isEmpty()
                                         && run("lpstat", {"-o"}).isEmpty(); }, 60000),
             qPrintable("the job did not complete\n" + schedulerLog()));
    QCOMPARE(run("lpstat", {"-W", "all", "-o"}).count('\n'), 1);

    const QString output = QDir(m_dir.path()).filePath("out/job.pdf");
    QVERIFY2(run("pdfinfo", {output}).contains(QRegularExpression("Page size: +612 x 792 pts")), "no Letter PDF");
    const QList<test::PdfPage> pages = test::pdfPages(output);
    QVERIFY(!pages.isEmpty());
    QCOMPARE(test::wordsNearEdges(pages, 10), QStringList());
    const QString report = w.findChild<QTextEdit *>("RTB")->toPlainText();
    QCOMPARE(test::joinedWords(pages), test::withoutWhiteSpace(report)); // once: one copy
    QVERIFY(run("pdffonts", {output}).contains("Bold"));

    // The labels' purple and the headings' green, where whole pixels of a
    // letter's stroke are covered.
    const QString image = QDir(m_dir.path()).filePath("page");
    run("pdftoppm", {"-png", "-r", "150", "-singlefile", output, image});
    const QImage page(image + ".png");
    QVERIFY(!page.isNull());
    bool purple = false;
    bool green = false;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            purple = purple || (qAbs(c.red() - 128) < 8 && c.green() < 8 && qAbs(c.blue() - 128) < 8);
            green = green || (c.red() < 8 && qAbs(c.green() - 128) < 8 && c.blue() < 8);
        }
    QVERIFY(purple && green);
}

QTEST_MAIN(TestPrintQueue)
#include "tst_printqueue.moc"
