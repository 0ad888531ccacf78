#include "readings.h"
#include "testfiles.h"
#include "design.h"
#include "drive.h"
#include "fakenavigator.h"
#include "fakeplatform.h"
#include "faketranslator.h"
#include "frmmain.h"
#include "mayan.h"
#include "readingfile.h"
#include "scramble.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>

using namespace tzk;
using namespace tzk::test;

class TestFrmMain : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void opensWithFirstEntriesAndEmptyName();
    void controls_data();
    void controls();
    void validation_data();
    void validation();
    void calculateStoresTrimmedEntryAndNavigates();
    void translatedMonthsStoreTheirEnglishNames();
    void menuEntryCalculatesLikeTheButton();
    void closingBringsUpTheExitScreen();
    void openingAReadingFile_data();
    void openingAReadingFile();
    void openingAnUnreadableFileChangesNothing_data();
    void openingAnUnreadableFileChangesNothing();
    void menusAndBanners();

private:
    FakePlatform *m_platform = nullptr;
    FakeNavigator *m_navigator = nullptr;
    QPointer<FrmMain> m_window;
    QTemporaryDir m_dir;
};

void TestFrmMain::init()
{
    m_platform = new FakePlatform;
    m_navigator = new FakeNavigator;
    m_window = new FrmMain(*m_platform, *m_navigator);
    m_window->show();
    MayanReading = ReadingRecord();
}

void TestFrmMain::cleanup()
{
    delete m_window;
    settle();
    delete m_navigator;
    delete m_platform;
}

void TestFrmMain::opensWithFirstEntriesAndEmptyName()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("frmMain"));
    QCOMPARE(m_window->windowTitle(), designCaption());
    QCOMPARE(m_window->centralWidget()->size(), QSize(479, 225));
    QVERIFY(m_window->centralWidget()->autoFillBackground());
    QCOMPARE(m_window->centralWidget()->palette().color(QPalette::Window), QColor(128, 0, 128));
    auto *month = child<QComboBox>(m_window, "cboMonth");
    auto *day = child<QComboBox>(m_window, "cboDate");
    auto *year = child<QComboBox>(m_window, "cboYear");
    QCOMPARE(month->count(), 12);
    QCOMPARE(month->itemText(11), QStringLiteral("December"));
    QCOMPARE(day->count(), 31);
    QCOMPARE(day->itemText(8), QStringLiteral("9"));
    QCOMPARE(year->count(), 117);
    QCOMPARE(year->itemText(116), QStringLiteral("2016"));
    QCOMPARE(month->currentText() + day->currentText() + year->currentText(), QStringLiteral("January11900"));
    QVERIFY(!month->isEditable() && !day->isEditable() && !year->isEditable());
    QVERIFY(child<QLineEdit>(m_window, "txtName")->text().isEmpty());
    // As designed, the co-brand banner lies in front of the full-brand one.
    QCOMPARE(child(m_window, "fraFullBrand")->childAt(QPoint(50, 30))->objectName(), QStringLiteral("lblCobrand"));

    // Keyboard order: name, month, day, year, Calculate.
    QWidget *w = child(m_window, "txtName");
    for (const char *next : {"cboMonth", "cboDate", "cboYear", "cmdCalculate"}) {
        w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus))
            w = w->nextInFocusChain();
        QCOMPARE(w->objectName(), QLatin1String(next));
    }
}

void TestFrmMain::controls_data()
{
    addDesignColumns();
    const QPalette system = QApplication::palette();
    const QColor text = system.color(QPalette::Text);
    const QColor base = system.color(QPalette::Base);
    const QColor buttonText = system.color(QPalette::ButtonText);
    const QColor buttonFace = system.color(QPalette::Button);
    const QColor purple(128, 0, 128);
    const QColor white(255, 255, 255);
    const QColor blue(0, 0, 255);

    QTest::newRow("Label14") << "centralWidget" << QRect(62, 0, 355, 29) << designFont("Verdana", 8.25, Bold | Underline)
                             << white << purple;
    QTest::newRow("cmdOpen") << "centralWidget" << QRect(8, 48, 133, 113) << designFont("Verdana", 9, Bold)
                             << buttonText << buttonFace;
    QTest::newRow("Frame1") << "centralWidget" << QRect(144, 40, 329, 121) << designFont("Verdana", 9.75, Bold)
                            << white << purple;
    QTest::newRow("Label1_0") << "Frame1" << QRect(8, 30, 37, 13) << designFont("Verdana", 8.25, Bold) << white
                              << purple;
    QTest::newRow("txtName") << "Frame1" << QRect(102, 24, 220, 19) << designFont("Verdana", 8.25) << text << base;
    QTest::newRow("Label1_1") << "Frame1" << QRect(8, 57, 82, 13) << designFont("Verdana", 8.25, Bold) << white
                              << purple;
    QTest::newRow("cboMonth") << "Frame1" << QRect(102, 51, 93, 21) << designFont("Verdana", 8.25) << buttonText
                              << buttonFace;
    QTest::newRow("cboDate") << "Frame1" << QRect(202, 51, 47, 21) << designFont("Verdana", 8.25) << buttonText
                             << buttonFace;
    QTest::newRow("cboYear") << "Frame1" << QRect(255, 51, 67, 21) << designFont("Verdana", 8.25) << buttonText
                             << buttonFace;
    QTest::newRow("cmdCalculate") << "Frame1" << QRect(7, 84, 316, 25) << designFont("Verdana", 8.25) << buttonText
                                  << buttonFace;
    QTest::newRow("fraFullBrand") << "centralWidget" << QRect(0, 168, 479, 57) << designFont("Verdana", 8.25)
                                  << system.color(QPalette::WindowText) << buttonFace;
    QTest::newRow("lblCobrand") << "fraFullBrand" << QRect(8, 11, 463, 41)
                                << designFont("Verdana", 8.25, Bold | Underline) << blue << buttonFace;
    QTest::newRow("lblFullBrand") << "fraFullBrand" << QRect(8, 11, 463, 41)
                                  << designFont("Verdana", 8.25, Bold | Underline) << blue << buttonFace;
}

void TestFrmMain::controls()
{
    checkDesign(m_window);
}

void TestFrmMain::validation_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::addColumn<int>("icon");

    const QString name = QStringLiteral("Please Enter Your Name");
    const QString feb = QStringLiteral("Please Enter Correct Date Or Month!");
    const QString thirty = QStringLiteral("Please Enter Correct Date Or Month !");
    const int critical = int(MessageIcon::Critical);
    const int info = int(MessageIcon::Information);

    QTest::newRow("empty name") << "" << "March" << 14 << 1975 << name << critical;
    QTest::newRow("spaces only") << "   " << "March" << 14 << 1975 << name << critical;
    QTest::newRow("empty name wins over bad date") << "" << "April" << 31 << 2000 << name << critical;
    QTest::newRow("29 Feb 1900: not a leap year") << "Ann" << "February" << 29 << 1900 << feb << info;
    QTest::newRow("29 Feb 1901") << "Ann" << "February" << 29 << 1901 << feb << info;
    QTest::newRow("30 Feb 2000") << "Ann" << "February" << 30 << 2000 << feb << info;
    QTest::newRow("31 Feb 1904") << "Ann" << "February" << 31 << 1904 << feb << info;
    QTest::newRow("31 Apr") << "Ann" << "April" << 31 << 2000 << thirty << info;
    QTest::newRow("31 Jun") << "Ann" << "June" << 31 << 1950 << thirty << info;
    QTest::newRow("31 Sep") << "Ann" << "September" << 31 << 1950 << thirty << info;
    QTest::newRow("31 Nov") << "Ann" << "November" << 31 << 1950 << thirty << info;
    QTest::newRow("29 Feb 2000") << "Ann" << "February" << 29 << 2000 << "" << 0;
    QTest::newRow("29 Feb 1904") << "Ann" << "February" << 29 << 1904 << "" << 0;
    QTest::newRow("28 Feb 1900") << "Ann" << "February" << 28 << 1900 << "" << 0;
    for (const char *m : {"January", "March", "May", "July", "August", "October", "December"})
        QTest::newRow(qPrintable(QStringLiteral("31 %1").arg(QLatin1String(m)))) << "Ann" << m << 31 << 1901 << "" << 0;
    QTest::newRow("30 Apr") << "Ann" << "April" << 30 << 2016 << "" << 0;
}

void TestFrmMain::validation()
{
    QFETCH(QString, name);
    QFETCH(QString, month);
    QFETCH(int, day);
    QFETCH(int, year);
    QFETCH(QString, message);
    QFETCH(int, icon);

    fillEntry(m_window, name, month, day, year);
    child(m_window, "cboYear")->setFocus();
    click(m_window, "cmdCalculate");

    if (message.isEmpty()) {
        QVERIFY(m_platform->messages.isEmpty());
        QCOMPARE(m_navigator->calls, QStringList({"showResult", "showExit", "hideExit"}));
        return;
    }
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].text, message);
    QCOMPARE(int(m_platform->messages[0].icon), icon);
    QCOMPARE(m_platform->messages[0].buttons, MessageButtons::Ok);
    QVERIFY(m_navigator->calls.isEmpty());
    QVERIFY(m_window->isVisible());
    QCOMPARE(MayanReading, ReadingRecord()); // untouched
    // Only the name message moves the focus; the lists keep their selection.
    QCOMPARE(m_window->focusWidget() == child(m_window, "txtName"), icon == int(MessageIcon::Critical));
    QCOMPARE(child<QComboBox>(m_window, "cboMonth")->currentText(), month);
    QCOMPARE(child<QComboBox>(m_window, "cboDate")->currentText(), QString::number(day));
}

void TestFrmMain::calculateStoresTrimmedEntryAndNavigates()
{
    fillEntry(m_window, QStringLiteral("  Ann Lee  "), QStringLiteral("March"), 14, 1975);
    click(m_window, "cmdCalculate");
    QCOMPARE(MayanReading.personName, QStringLiteral("Ann Lee"));
    QCOMPARE(MayanReading.birthYear, qint16(1975));
    QCOMPARE(MayanReading.birthMonth, QStringLiteral("March"));
    QCOMPARE(MayanReading.birthDay, qint16(14));
    QCOMPARE(MayanReading.mayanName, QStringLiteral("AKABAL - (AKBAL)"));
    QCOMPARE(MayanReading.galacticTone, qint16(13));
    // Result window first, then the close (which brings up the exit
    // screen), then the exit screen hidden again.
    QCOMPARE(m_navigator->calls, QStringList({"showResult", "showExit", "hideExit"}));
    settle();
    QVERIFY(m_window.isNull()); // closed and destroyed
}

void TestFrmMain::translatedMonthsStoreTheirEnglishNames()
{
    const FakeTranslator spanish({{"Month|March", "Marzo"}, {"tzk::FrmMain|Please Enter Your Name", "Su nombre"}});
    FrmMain window(*m_platform, *m_navigator);
    click(&window, "cmdCalculate");
    QCOMPARE(m_platform->messageTexts(), QStringList{"Su nombre"});
    fillEntry(&window, QStringLiteral("Ann"), QStringLiteral("Marzo"), 14, 1975);
    click(&window, "cmdCalculate");
    // What the reading and its file hold stays the English name.
    QCOMPARE(MayanReading.birthMonth, QStringLiteral("March"));
    QCOMPARE(MayanReading.mayanName, QStringLiteral("AKABAL - (AKBAL)"));
}

void TestFrmMain::menuEntryCalculatesLikeTheButton()
{
    auto *menu = child<QAction>(m_window, "mnuMayan");
    QCOMPARE(menu->text(), QStringLiteral("Get My &Mayan Astrology Sign"));
    fillEntry(m_window, QStringLiteral("Ann"), QStringLiteral("June"), 31, 1990);
    menu->trigger();
    QCOMPARE(m_platform->messageTexts(), QStringList{"Please Enter Correct Date Or Month !"});
    pick(m_window, "cboDate", QStringLiteral("1"));
    menu->trigger();
    QCOMPARE(MayanReading.birthDay, qint16(1));
    ReadingRecord expected = MayanReading;
    QVERIFY(CalculateReading(expected));
    QCOMPARE(MayanReading, expected);
    QCOMPARE(m_navigator->calls.first(), QStringLiteral("showResult"));
}

void TestFrmMain::closingBringsUpTheExitScreen()
{
    child<QAction>(m_window, "mnuExit")->trigger();
    QCOMPARE(m_navigator->calls, QStringList{"showExit"});
    QVERIFY(m_platform->messages.isEmpty()); // no question asked
}

void TestFrmMain::openingAReadingFile_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("reading.man") << "reading.man" << true;
    QTest::newRow("ends in man without a dot") << "readingman" << true;
    QTest::newRow("upper-case MAN refused") << "reading.MAN" << false;
    QTest::newRow("other extension refused") << "reading.txt" << false;
}

void TestFrmMain::openingAReadingFile()
{
    QFETCH(QString, fileName);
    QFETCH(bool, accepted);

    const QString path = m_dir.filePath(fileName);
    QVERIFY(putFile(path, encodeReadingFile(birthRecord(QStringLiteral("Reader"), 1990, QStringLiteral("March"), 5))));

    m_platform->fileNames.enqueue(path);
    click(m_window, "cmdOpen");
    QCOMPARE(m_platform->dialogs.size(), 1);
    QCOMPARE(m_platform->dialogs[0].save, false);
    QCOMPARE(m_platform->dialogs[0].options.title, QStringLiteral("Select the source file"));
    QCOMPARE(m_platform->dialogs[0].options.filter, QStringLiteral("Mayan Astrology (*.man)"));
    QCOMPARE(m_platform->dialogs[0].options.defaultSuffix, QStringLiteral("man"));

    if (!accepted) {
        QCOMPARE(m_platform->messageTexts(), QStringList{"Please Check The File."});
        QCOMPARE(m_platform->messages[0].icon, MessageIcon::Critical);
        QVERIFY(m_navigator->calls.isEmpty());
        return;
    }
    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(child<QLineEdit>(m_window, "txtName")->text(), QStringLiteral("Reader"));
    QCOMPARE(child<QComboBox>(m_window, "cboYear")->currentText(), QStringLiteral("1990"));
    QCOMPARE(child<QComboBox>(m_window, "cboMonth")->currentText(), QStringLiteral("March"));
    QCOMPARE(child<QComboBox>(m_window, "cboDate")->currentText(), QStringLiteral("5"));
    QCOMPARE(MayanReading, calculatedRecord(QStringLiteral("Reader"), 1990, QStringLiteral("March"), 5));
    QCOMPARE(m_navigator->calls.first(), QStringLiteral("showResult"));
}

void TestFrmMain::openingAnUnreadableFileChangesNothing_data()
{
    QTest::addColumn<QByteArray>("bytes"); // null: no file at all
    auto lines = [](const QList<QByteArray> &plain) {
        QByteArray out;
        for (const QByteArray &l : plain)
            out += scrambleBytes(l) + "\r\n";
        return out;
    };
    QTest::newRow("missing file") << QByteArray();
    QTest::newRow("empty file") << QByteArray("");
    QTest::newRow("three lines") << lines({"Ann", "1990", "March"});
    QTest::newRow("year the list lacks") << lines({"Ann", "2017", "March", "5"});
    QTest::newRow("month in lower case") << lines({"Ann", "1990", "march", "5"});
    QTest::newRow("day with leading zero") << lines({"Ann", "1990", "March", "05"});
    QTest::newRow("binary garbage") << QByteArray("\x00\x01\x02\xff\xfe\r\n\x10\x20", 9);
}

void TestFrmMain::openingAnUnreadableFileChangesNothing()
{
    QFETCH(QByteArray, bytes);
    const QString path = m_dir.filePath(QStringLiteral("damaged.man"));
    QFile::remove(path);
    if (!bytes.isNull()) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    fillEntry(m_window, QStringLiteral("Kept"), QStringLiteral("July"), 20, 1970);
    m_platform->fileNames.enqueue(path);
    click(m_window, "cmdOpen");
    QCOMPARE(m_platform->messageTexts(), QStringList{"Please Check The File."});
    QVERIFY(m_navigator->calls.isEmpty());
    QCOMPARE(child<QLineEdit>(m_window, "txtName")->text(), QStringLiteral("Kept"));
    QCOMPARE(child<QComboBox>(m_window, "cboMonth")->currentText(), QStringLiteral("July"));
    QCOMPARE(child<QComboBox>(m_window, "cboDate")->currentText(), QStringLiteral("20"));
    QCOMPARE(child<QComboBox>(m_window, "cboYear")->currentText(), QStringLiteral("1970"));
    QCOMPARE(MayanReading, ReadingRecord());
}

void TestFrmMain::menusAndBanners()
{
    // Cancel in the open dialog changes nothing and shows nothing.
    click(m_window, "cmdOpen");
    QVERIFY(m_platform->messages.isEmpty() && m_navigator->calls.isEmpty());

    struct Entry {
        const char *name;
        const char *url;
    };
    const Entry menus[] = {
        {"mnuOnline", "http://www.tessalyforum.com/tzolkara/tzolkara-help.html"},
        {"mnuVisit", "http://www.tessalyforum.com"},
        {"mnuUpdate", "http://www.tessalyforum.com/tzolkara/download-tzolkara.html"},
        {"mnuDonate", "http://www.tessalyhelp.com/donate.html"},
    };
    for (const Entry &e : menus) {
        m_platform->urls.clear();
        child<QAction>(m_window, e.name)->trigger();
        QCOMPARE(m_platform->urls, QList<QUrl>{QUrl(QLatin1String(e.url))});
    }
    auto *makeMoney = child<QAction>(m_window, "mnuMakeMoney");
    QVERIFY(!makeMoney->isEnabled());
    QCOMPARE(makeMoney->text(), QStringLiteral("Make Money &Online"));

    const Entry banners[] = {
        {"Label14", "http://www.tessalyforum.com"},
        {"lblFullBrand", "http://www.tessalyhelp.com/fully-branded.html"},
        {"lblCobrand", "http://www.tessalyhelp.com/co-brand.html"},
    };
    for (const Entry &e : banners) {
        m_platform->urls.clear();
        auto *label = child<QLabel>(m_window, e.name);
        // Only the banner in front is seen and takes the click.
        if (QLatin1String(e.name) != QLatin1String("Label14"))
            m_window->bringBannerToFront(QLatin1String(e.name) == QLatin1String("lblCobrand"));
        QVERIFY(label->isVisible());
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(m_platform->urls, QList<QUrl>{QUrl(QLatin1String(e.url))});
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(label->font().underline());
    }
    QCOMPARE(labelText(m_window, "Label14"),
             QStringLiteral("The Most Popular Online Tessaly Discussion Forum. Click Here To Visit www.tessalyforum.com Now."));
}

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
