// Print pressed in the report window with the production platform, onto a
// print queue of a private print scheduler that this test starts and stops:
// the job that arrives is checked as the paper would be.

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
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <optional>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

using namespace tzk;

namespace {

const char kQueue[] = "TzolkaraTest";
// The PDF printer driver of Debian's cups-filters: the job arrives as PDF
// after the usual filters (copies made by the filters, not the printer).
const char kDriver[] = "/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd";

QString tool(const QString &name)
{
    return QStandardPaths::findExecutable(name, {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"),
                                                 QStringLiteral("/usr/local/sbin"), QStringLiteral("/usr/local/bin")});
}

// Runs a tool to its end; its output, or nothing when it failed.
std::optional<QString> run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(p.readAllStandardOutput());
}

bool writeText(const QString &path, const QString &text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text.toUtf8()) > 0;
}

} // namespace

class TestPrintQueue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void printArrivesAsOneWholeJob();

private:
    QString lpstat(const QString &which) const;
    QString schedulerLog() const;

    QTemporaryDir m_dir;
    QProcess m_scheduler;
    QString m_output;
};

void TestPrintQueue::initTestCase()
{
    for (const char *name : {"cupsd", "lpadmin", "lpstat"})
        if (tool(QString::fromLatin1(name)).isEmpty())
            QSKIP("cups is not installed (cupsd, lpadmin and lpstat are needed: apt-get install cups)");
    if (!QFile::exists(QString::fromLatin1(kDriver)))
        QSKIP("the PDF printer driver of cups-filters is not installed (apt-get install cups-filters)");
    for (const char *name : {"pdftotext", "pdfinfo", "pdffonts", "pdftoppm"})
        if (tool(QString::fromLatin1(name)).isEmpty())
            QSKIP("poppler-utils is not installed");

    // The scheduler's own folders, socket and settings. It listens on no
    // network port, so it never meets the system's scheduler or another run.
    // Run as root it hands the filters to the "lp" user, who must be able
    // to reach these folders.
    QVERIFY(m_dir.isValid());
    const QDir dir(m_dir.path());
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                          | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    for (const char *sub : {"etc", "spool", "cache", "state", "tmp", "log", "out"})
        QVERIFY(dir.mkpath(QString::fromLatin1(sub)));
    const QString socket = dir.filePath(QStringLiteral("cups.sock"));
    QVERIFY(writeText(dir.filePath(QStringLiteral("etc/cupsd.conf")),
                      QStringLiteral("Listen %1\nBrowsing No\nWebInterface No\nDefaultAuthType None\n"
                                     "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                     "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n")
                          .arg(socket)));
    QString files = QStringLiteral("FileDevice Yes\n");
    for (const auto &[key, sub] : {std::pair("ServerRoot", "etc"), std::pair("RequestRoot", "spool"),
                                   std::pair("CacheDir", "cache"), std::pair("StateDir", "state"),
                                   std::pair("TempDir", "tmp")})
        files += QStringLiteral("%1 %2\n").arg(QString::fromLatin1(key), dir.filePath(QString::fromLatin1(sub)));
    for (const char *log : {"ErrorLog", "AccessLog", "PageLog"})
        files += QStringLiteral("%1 %2\n").arg(QString::fromLatin1(log), dir.filePath(QStringLiteral("log/") + log));
    QVERIFY(writeText(dir.filePath(QStringLiteral("etc/cups-files.conf")), files));

    // Every cups tool, and the program's printing, talk to this scheduler
    // only and read its printers' drivers from its folder; no user's or
    // system's default printer takes its place.
    qputenv("CUPS_SERVER", socket.toLocal8Bit());
    qputenv("CUPS_SERVERROOT", dir.filePath(QStringLiteral("etc")).toLocal8Bit());
    qputenv("HOME", dir.path().toLocal8Bit());
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");

#ifdef Q_OS_LINUX
    // The scheduler ends with this test, even when the test is killed.
    m_scheduler.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
    m_scheduler.setProcessChannelMode(QProcess::ForwardedChannels);
    m_scheduler.start(tool(QStringLiteral("cupsd")),
                      {QStringLiteral("-f"), QStringLiteral("-c"), dir.filePath(QStringLiteral("etc/cupsd.conf")),
                       QStringLiteral("-s"), dir.filePath(QStringLiteral("etc/cups-files.conf"))});
    QVERIFY(m_scheduler.waitForStarted());
    QVERIFY2(QTest::qWaitFor([this] { return lpstat(QStringLiteral("-r")).startsWith("scheduler is running")
                                             && m_scheduler.state() == QProcess::Running; }, 20000),
             qPrintable("the private print scheduler did not start\n" + schedulerLog()));

    // A PDF printer set to Letter paper, the default destination; its jobs
    // are written to one file.
    m_output = dir.filePath(QStringLiteral("out/job.pdf"));
    const QString lpadmin = tool(QStringLiteral("lpadmin"));
    QVERIFY(run(lpadmin, {QStringLiteral("-p"), QString::fromLatin1(kQueue), QStringLiteral("-E"), QStringLiteral("-v"),
                          QUrl::fromLocalFile(m_output).toString(), QStringLiteral("-P"), QString::fromLatin1(kDriver),
                          QStringLiteral("-o"), QStringLiteral("PageSize=Letter")}));
    QVERIFY(run(lpadmin, {QStringLiteral("-d"), QString::fromLatin1(kQueue)}));
}

void TestPrintQueue::cleanupTestCase()
{
    if (m_scheduler.state() == QProcess::NotRunning)
        return;
    m_scheduler.terminate();
    if (!m_scheduler.waitForFinished(10000))
        m_scheduler.kill();
}

QString TestPrintQueue::lpstat(const QString &which) const
{
    return run(tool(QStringLiteral("lpstat")), which.split(QLatin1Char(' '))).value_or(QString());
}

// The scheduler's errors, for a failure message.
QString TestPrintQueue::schedulerLog() const
{
    QFile f(QDir(m_dir.path()).filePath(QStringLiteral("log/ErrorLog")));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll().right(2000)) : QString();
}

// One job, one copy of the whole report on the printer's Letter paper (not
// the locale's A4), margins kept, bold and colours there.
void TestPrintQueue::printArrivesAsOneWholeJob()
{
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    MayanReading = test::birthRecord(QStringLiteral("Ann"), 1975, QStringLiteral("March"), 14);
    CalculateReading();
    QtPlatform platform;
    QVERIFY(platform.hasDefaultPrinter());

    // A failure would open a real message box; close it and say what it said.
    QString shown;
    QTimer boxes;
    connect(&boxes, &QTimer::timeout, [&shown] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->reject();
        }
    });
    boxes.start(50);
    FrmSave w(platform);
    test::click(&w, "cmdPrint");
    QVERIFY2(shown.isEmpty(), qPrintable(shown));

    QVERIFY2(QTest::qWaitFor([this] { return !lpstat(QStringLiteral("-W completed -o")).isEmpty()
                                             && lpstat(QStringLiteral("-o")).isEmpty(); }, 60000),
             qPrintable("the job did not complete\n" + schedulerLog()));
    QCOMPARE(lpstat(QStringLiteral("-W all -o")).count(QLatin1Char('\n')), 1);

    const std::optional<QString> info = run(tool(QStringLiteral("pdfinfo")), {m_output});
    QVERIFY2(info, "no PDF arrived");
    QVERIFY2(info->contains(QRegularExpression(QStringLiteral("Page size: +612 x 792 pts"))), qPrintable(*info));

    // The whole report, once, every word at least 10 mm inside the edges.
    const QList<test::PdfPage> pages = test::pdfPages(m_output);
    QVERIFY(!pages.isEmpty());
    QCOMPARE(test::wordsNearEdges(pages, 10), QStringList());
    const auto *report = w.findChild<QTextEdit *>(QStringLiteral("RTB"));
    QCOMPARE(test::joinedWords(pages), test::withoutWhiteSpace(report->toPlainText()));

    const std::optional<QString> fonts = run(tool(QStringLiteral("pdffonts")), {m_output});
    QVERIFY(fonts && fonts->contains(QStringLiteral("Bold")));

    // The labels' purple and the headings' green, where whole pixels of a
    // letter's stroke are covered.
    const QString prefix = QDir(m_dir.path()).filePath(QStringLiteral("page"));
    QVERIFY(run(tool(QStringLiteral("pdftoppm")), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("150"),
                                                  QStringLiteral("-singlefile"), m_output, prefix}));
    const QImage page(prefix + QStringLiteral(".png"));
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
