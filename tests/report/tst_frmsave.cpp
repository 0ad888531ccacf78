#include "design.h"
#include "drive.h"
#include "fakeplatform.h"
#include "filesizelimit.h"
#include "frmsave.h"
#include "linklabel.h"
#include "links.h"
#include "pdfpages.h"
#include "readingfile.h"
#include "readings.h"
#include "testfiles.h"

#include <QFile>
#include <QFrame>
#include <QLocale>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

using namespace tzk;
using tzk::test::FakePlatform;
using tzk::test::child;
using tzk::test::click;
using tzk::test::colourAt;
using tzk::test::fileBytes;
using tzk::test::moveMouse;

namespace {

void setReading(const QString &name)
{
    test::setCurrentReading(name, 1990, QStringLiteral("March"), 5);
}

// The one message shown, checked whole.
void checkMessage(const FakePlatform &p, const QString &text, MessageIcon icon, MessageButtons buttons)
{
    QCOMPARE(p.messages.size(), 1);
    QCOMPARE(p.messages[0].text, text);
    QCOMPARE(p.messages[0].icon, icon);
    QCOMPARE(p.messages[0].buttons, buttons);
}

} // namespace

class TestFrmSave : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { setReading(QStringLiteral("Reader")); }
    void controls_data();
    void controls();
    void captionsColoursAndOrder();
    void reportIsBuiltFromTheReading();
    void printOnTheDefaultPrinter();
    void noPrinterOffersAPdf();
    void noPrinterDeclinedOrFailing();
    void saveWritesTheReadingFile();
    void nameWithUnsavableCharacters_data();
    void nameWithUnsavableCharacters();
    void failedSaveIsReportedAndKeepsTheOldFile();
    void reportCannotBeCopiedOut();
    void linksOpenTheirPages();
    void printedPagesKeepTheirEdges_data();
    void printedPagesKeepTheirEdges();

private:
    QTemporaryDir m_dir;
};

void TestFrmSave::controls_data()
{
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");

    QTest::newRow("Label14") << QRect(116, 0, 282, 13) << "Verdana" << 8.25 << false << true;
    QTest::newRow("Label1") << QRect(124, 12, 266, 13) << "Verdana" << 8.25 << false << true;
    QTest::newRow("RTB") << QRect(2, 26, 511, 409) << "Verdana" << 9.75 << false << false;
    QTest::newRow("cmdSave") << QRect(360, 438, 75, 23) << "MS Sans Serif" << 8.25 << false << false;
    QTest::newRow("cmdPrint") << QRect(437, 438, 75, 23) << "Verdana" << 8.25 << false << false;
    QTest::newRow("fraFullBrand") << QRect(2, 463, 511, 57) << "Verdana" << 8.25 << false << false;
    QTest::newRow("lblFullBrand") << QRect(8, 11, 495, 41) << "Verdana" << 8.25 << true << true;
    QTest::newRow("lblCobrand") << QRect(8, 11, 495, 41) << "Verdana" << 8.25 << true << true;
}

void TestFrmSave::controls()
{
    QFETCH(QRect, geometry);
    QFETCH(QString, family);
    QFETCH(qreal, points);
    QFETCH(bool, bold);
    QFETCH(bool, underline);

    FakePlatform platform;
    FrmSave w(platform);
    const QWidget *control = child(&w, QTest::currentDataTag());
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(control->font().family(), family);
    QCOMPARE(control->font().pointSizeF(), points);
    QCOMPARE(control->font().bold(), bold);
    QCOMPARE(control->font().underline(), underline);
    if (const auto *link = qobject_cast<const LinkLabel *>(control)) {
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(link->alignment() & Qt::AlignHCenter);
        // A one-line caption fits its label, even in the wider stand-in font
        // where Verdana is missing.
        QVERIFY(link->wordWrap() || link->fontMetrics().horizontalAdvance(link->text()) <= link->width());
    }
}

void TestFrmSave::captionsColoursAndOrder()
{
    FakePlatform platform;
    FrmSave w(platform);
    QCOMPARE(w.objectName(), "frmSave");
    QCOMPARE(w.windowTitle(), test::designCaption());
    QCOMPARE(w.minimumSize(), QSize(515, 520));
    QCOMPARE(w.maximumSize(), QSize(515, 520));
    QVERIFY(!w.testAttribute(Qt::WA_DeleteOnClose));

    const QStringList captions{
        "The Most Popular Online Tessaly Discussion Forum", QString("Click Here To Visit %1 Now").arg(kWebSiteHost),
        "&Save", "&Print",
        "Home Business Opportunity. Start your own Internet business and make money online. Get this software fully "
        "branded for your website. Click here for more details.",
        // One ampersand shown; double and quadruple blanks kept.
        "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's name &  "
        "link here. See \"Help\" for details.    Click Here for more info on co-branding."};
    const QStringList names{"Label14", "Label1", "cmdSave", "cmdPrint", "lblFullBrand", "lblCobrand"};
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(child(&w, names[i])->property("text").toString(), captions[i]);
    QCOMPARE(child<QLabel>(&w, "lblCobrand")->textFormat(), Qt::PlainText);

    // The full-branding banner lies on top and takes the clicks.
    const QWidget *full = child(&w, "lblFullBrand");
    QCOMPARE(child(&w, "fraFullBrand")->childAt(full->geometry().center()), full);

    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QImage image = w.grab().toImage();
    QCOMPARE(colourAt(image, QPoint(5, 5)), QColor(128, 0, 128));      // window
    QCOMPARE(colourAt(image, QPoint(11, 475)), QColor(255, 192, 255)); // banner
    QCOMPARE(child(&w, "Label1")->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    QCOMPARE(full->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

void TestFrmSave::reportIsBuiltFromTheReading()
{
    setReading(QStringLiteral("Ann"));
    FakePlatform platform;
    FrmSave w(platform);
    const QString text = child<QTextEdit>(&w, "RTB")->toPlainText();
    QVERIFY(text.startsWith("Name: Ann\nReport Generated By " + homePageAddress() + "\n\nDate of Birth: March 5, 1990\n"));
    QCOMPARE(text.count("Report Generated By "), 12);
    QVERIFY(text.endsWith(MayanReading.famousPersons + "\nReport Generated By " + homePageAddress()));
}

void TestFrmSave::printOnTheDefaultPrinter()
{
    FakePlatform platform;
    FrmSave w(platform);
    const QString report = child<QTextEdit>(&w, "RTB")->toPlainText();
    click(&w, "cmdPrint");
    click(&w, "cmdPrint");
    QCOMPARE(platform.printedJobs, QStringList({report, report}));
    QVERIFY(platform.messages.isEmpty() && platform.dialogs.isEmpty());
    QCOMPARE(child<QTextEdit>(&w, "RTB")->toPlainText(), report);

    platform.printFailure = QStringLiteral("Out of paper.");
    click(&w, "cmdPrint");
    checkMessage(platform, "The Report Could Not Be Printed.\nOut of paper.", MessageIcon::Critical,
                 MessageButtons::Ok);
}

void TestFrmSave::noPrinterOffersAPdf()
{
    if (test::pdftotextPath().isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");

    FakePlatform platform;
    platform.printerAvailable = false;
    platform.answers << MessageAnswer::Yes;
    const QString path = m_dir.filePath(QStringLiteral("report.pdf"));
    platform.fileNames << path;
    FrmSave w(platform);
    click(&w, "cmdPrint");

    checkMessage(platform, "No Printer Is Available.\nSave The Report As A PDF File Instead?",
                 MessageIcon::Information, MessageButtons::YesNo);
    QCOMPARE(platform.dialogs.size(), 1);
    QVERIFY(platform.dialogs[0].save);
    QCOMPARE(platform.dialogs[0].options.title, "Tzolkara");
    QCOMPARE(platform.dialogs[0].options.filter, "PDF Files (*.pdf)");
    QCOMPARE(platform.dialogs[0].options.defaultSuffix, "pdf");
    QVERIFY(fileBytes(path).startsWith("%PDF"));

    // The words as read back, without the white space between them.
    const QString text = test::joinedWords(test::pdfPages(path));
    QVERIFY(!text.isEmpty());
    for (const QString &expected : {QString("Name: Reader"), QString("Date of Birth: March 5, 1990"),
                                    QString("Mayan Day Number / Galactic Tone"),
                                    "Mayan Day Sign: " + MayanReading.mayanName})
        QVERIFY2(text.contains(test::withoutWhiteSpace(expected)), qPrintable(expected));
    QCOMPARE(text.count(test::withoutWhiteSpace("Report Generated By " + homePageAddress())), 12);
}

void TestFrmSave::noPrinterDeclinedOrFailing()
{
    FakePlatform platform;
    platform.printerAvailable = false;
    FrmSave w(platform);

    platform.answers << MessageAnswer::No;
    click(&w, "cmdPrint");
    QVERIFY(platform.dialogs.isEmpty());

    platform.answers << MessageAnswer::Yes; // and the dialog is cancelled
    click(&w, "cmdPrint");
    QCOMPARE(platform.dialogs.size(), 1);
    QCOMPARE(platform.messages.size(), 2);

    platform.answers << MessageAnswer::Yes;
    platform.fileNames << m_dir.filePath(QStringLiteral("no/such/folder/report.pdf"));
    click(&w, "cmdPrint");
    QCOMPARE(platform.messages.size(), 4);
    QCOMPARE(platform.messages[2].text, platform.messages[0].text);
    const QStringList failure = platform.messages[3].text.split('\n');
    QCOMPARE(failure.size(), 2);
    QCOMPARE(failure[0], "The Report Could Not Be Printed.");
    QVERIFY(!failure[1].trimmed().isEmpty()); // the system's reason
    QCOMPARE(platform.messages.last().icon, MessageIcon::Critical);
    QVERIFY(platform.pdfPaths.isEmpty());
}

void TestFrmSave::saveWritesTheReadingFile()
{
    FakePlatform platform;
    FrmSave w(platform);
    const QString path = m_dir.filePath(QStringLiteral("reader.man"));
    const QStringList before = QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    click(&w, "cmdSave"); // cancelled
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);

    platform.fileNames << path;
    click(&w, "cmdSave");
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(platform.dialogs.size(), 2);
    QVERIFY(platform.dialogs[1].save);
    QCOMPARE(platform.dialogs[1].options.title, "Tzolkara");
    QCOMPARE(platform.dialogs[1].options.filter, "Rich Text Format (*.man)");
    QCOMPARE(platform.dialogs[1].options.defaultSuffix, "man");
    QCOMPARE(fileBytes(path), QByteArray::fromHex("A7BAB6B9BAC70D0A868E8E850D0AA2B6C7B8BD0D0A8A0D0A"));
}

void TestFrmSave::nameWithUnsavableCharacters_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("listed");
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<QString>("stored");

    const QString accents = QStringLiteral("Zo\u00e9 B\u00e9a \u00c9");
    QTest::newRow("accents, yes") << accents << "\u00e9 \u00c9" << MessageAnswer::Yes << "Zo Ba ";
    QTest::newRow("accents, no") << accents << "\u00e9 \u00c9" << MessageAnswer::No << QString();
    // Outside the code page: once listed, and left out rather than stored
    // as "?".
    QTest::newRow("emoji, accent mark, joiner") << QStringLiteral("Ann \U0001F642 Jose\u0301 A\u200Dn")
                                                << "\U0001F642 e\u0301 U+200D" << MessageAnswer::Yes << "Ann  Jos An";
    QTest::newRow("Chinese") << QStringLiteral("\u738B\u82B3 Li") << "\u738B \u82B3" << MessageAnswer::Yes << " Li";
    // Pasted text: the first 40 stand for the rest.
    QString pasted;
    for (char16_t c = 0x4E00; c < 0x4E00 + 2000; ++c)
        pasted += QChar(c);
    QTest::newRow("2,000 distinct characters") << "Li " + pasted
        << pasted.left(40).split(QString(), Qt::SkipEmptyParts).join(' ') + " And " + QLocale().toString(1960) + " More"
        << MessageAnswer::Yes << "Li ";
    // Nothing but blanks and punctuation would remain: no question, no file.
    QTest::newRow("Chinese only") << QStringLiteral("\u738B\u82B3") << QString() << MessageAnswer::Yes << QString();
    QTest::newRow("Greek with a hyphen") << QStringLiteral("\u039C\u03B1\u03C1\u03AF\u03B1-\u0395\u03BB\u03AD\u03BD\u03B7")
                                         << QString() << MessageAnswer::Yes << QString();
}

void TestFrmSave::nameWithUnsavableCharacters()
{
    QFETCH(QString, name);
    QFETCH(QString, listed);
    QFETCH(MessageAnswer, answer);
    QFETCH(QString, stored);
    setReading(name);
    FakePlatform platform;
    platform.answers << answer;
    const QString path = m_dir.filePath(QStringLiteral("name-%1.man").arg(QTest::currentDataTag()));
    platform.fileNames << path;
    FrmSave w(platform);
    click(&w, "cmdSave");

    checkMessage(platform,
                 listed.isEmpty()
                     ? "None Of The Letters Of The Name Can Be Kept In A Reading File.\nThe Reading Was Not Saved."
                     : "Some Characters Of The Name Cannot Be Saved: " + listed + "\nSave The Reading Without Them?",
                 MessageIcon::Information, listed.isEmpty() ? MessageButtons::Ok : MessageButtons::YesNo);
    if (listed.isEmpty() || answer == MessageAnswer::No) {
        QVERIFY(platform.dialogs.isEmpty());
        QVERIFY(!QFileInfo::exists(path));
    } else {
        QCOMPARE(readReadingFile(path), std::optional(ReadingFileLines{stored, "1990", "March", "5"}));
    }
}

void TestFrmSave::failedSaveIsReportedAndKeepsTheOldFile()
{
    const QByteArray old = QByteArray::fromHex("B6B6B60D0A868E8E850D0AA2B6C7B8BD0D0A8A0D0A");
    const QString path = m_dir.filePath(QStringLiteral("old.man"));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(old) == old.size());
    }
    FakePlatform platform;
    platform.fileNames << path << path + QStringLiteral("/under-a-file.man");
    FrmSave w(platform);
    {
        test::FileSizeLimit limit(4); // the disk fills up while writing
        if (!limit.active())
            QSKIP("no file-size limit on this system");
        click(&w, "cmdSave");
    }
    click(&w, "cmdSave");

    QCOMPARE(platform.messages.size(), 2);
    for (const test::ShownMessage &m : std::as_const(platform.messages)) {
        const QStringList lines = m.text.split('\n');
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], "The Reading Could Not Be Saved.");
        QVERIFY(!lines[1].trimmed().isEmpty()); // the system's reason
        QCOMPARE(m.icon, MessageIcon::Critical);
        QCOMPARE(m.buttons, MessageButtons::Ok);
    }
    QCOMPARE(fileBytes(path), old);
}

void TestFrmSave::reportCannotBeCopiedOut()
{
    FakePlatform platform;
    FrmSave w(platform);
    QCOMPARE(platform.clipboardClears, 1); // loading the report changed the box, once
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    auto *box = child<QTextEdit>(&w, "RTB");
    QWidget *area = box->viewport();
    QVERIFY(box->isReadOnly() && !box->acceptDrops());
    QCOMPARE(box->contextMenuPolicy(), Qt::NoContextMenu);

    platform.clipboardClears = 0;
    moveMouse(area, QPoint(20, 20));
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(20, 20));
    moveMouse(area, QPoint(300, 200), Qt::LeftButton);
    QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(300, 200));
    QCOMPARE(platform.clipboardClears, 5); // move, down, move, up, click

    // Neither a drag, a double click nor the keyboard selects anything.
    QTest::mouseDClick(area, Qt::LeftButton, {}, QPoint(20, 10));
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier);
    QVERIFY(!box->textCursor().hasSelection());
}

void TestFrmSave::linksOpenTheirPages()
{
    FakePlatform platform;
    FrmSave w(platform);
    for (const char *name : {"Label14", "Label1", "lblFullBrand", "lblCobrand"})
        click(&w, name);
    QCOMPARE(platform.urls, QList<QUrl>({QUrl(homePageAddress()), QUrl(homePageAddress()),
                                         QUrl(webPageAddress(WebPage::FullBrandPage)),
                                         QUrl(webPageAddress(WebPage::CoBrandPage))}));
}

void TestFrmSave::printedPagesKeepTheirEdges_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSizeF>("paper"); // points
    QTest::addColumn<bool>("severalPages");

    const QSizeF a4(595.28, 841.89);
    QTest::newRow("A4") << "de_DE" << "Reader" << a4 << false;
    QTest::newRow("Letter, several pages") << "en_US" << QString("Ann Bea Cy ").repeated(900) << QSizeF(612, 792)
                                           << true;
    QTest::newRow("name without spaces") << "en_GB" << QString(5000, QLatin1Char('W')) << a4 << true;
}

// Through the PDF, which is painted as a printer page is: margins of
// 15 mm, of which at least 10 must show in the words' boxes; the paper of
// the locale; and lines that are neither cut at the page break nor
// painted on two pages.
void TestFrmSave::printedPagesKeepTheirEdges()
{
    QFETCH(QString, locale);
    QFETCH(QString, name);
    QFETCH(QSizeF, paper);
    QFETCH(bool, severalPages);
    if (test::pdftotextPath().isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");

    QLocale::setDefault(QLocale(locale));
    const auto restoreLocale = qScopeGuard([] { QLocale::setDefault(QLocale::system()); });
    setReading(name);
    FakePlatform platform;
    platform.printerAvailable = false;
    platform.answers << MessageAnswer::Yes;
    const QString path = m_dir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()));
    platform.fileNames << path;
    FrmSave w(platform);
    click(&w, "cmdPrint");
    QCOMPARE(platform.pdfPaths, QStringList{path});

    const QList<test::PdfPage> pages = test::pdfPages(path);
    QVERIFY(!pages.isEmpty());
    QCOMPARE(pages.size() > 1, severalPages);
    for (const test::PdfPage &page : pages)
        QVERIFY(qAbs(page.size.width() - paper.width()) < 0.5 && qAbs(page.size.height() - paper.height()) < 0.5);
    QCOMPARE(test::wordsNearEdges(pages, 10), QStringList());
    QCOMPARE(test::joinedWords(pages), test::withoutWhiteSpace(child<QTextEdit>(&w, "RTB")->toPlainText()));
}

QTEST_MAIN(TestFrmSave)
#include "tst_frmsave.moc"
