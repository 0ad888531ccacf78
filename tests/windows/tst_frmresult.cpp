#include "readings.h"
#include "design.h"
#include "drive.h"
#include "fakenavigator.h"
#include "fakeplatform.h"
#include "faketranslator.h"
#include "frmmayanresult.h"
#include "mayan.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTimer>

using namespace tzk;
using namespace tzk::test;

class TestFrmResult : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void showsTheReading_data();
    void showsTheReading();
    void valueLabelsSizeToOneLine();
    void controls_data();
    void controls();
    void noMatchKeepsThePreloadPictures();
    void translationReachesTheTextsButNotTheKeys();
    void backAndExitFollowTheNavigationRules();
    void saveOpensTheReportModally();
    void layoutAndKeyboardOrder();

private:
    FrmMayanResult *open(int year, const char *month, int day);

    FakePlatform *m_platform = nullptr;
    FakeNavigator *m_navigator = nullptr;
    QPointer<FrmMayanResult> m_window;
};

void TestFrmResult::init()
{
    m_platform = new FakePlatform;
    m_navigator = new FakeNavigator;
}

void TestFrmResult::cleanup()
{
    delete m_window;
    settle();
    delete m_navigator;
    delete m_platform;
}

FrmMayanResult *TestFrmResult::open(int year, const char *month, int day)
{
    MayanReading = birthRecord(QStringLiteral("Ann"), year, QLatin1String(month), day); // the window calculates
    m_window = new FrmMayanResult(*m_platform, *m_navigator);
    m_window->show();
    return m_window;
}

void TestFrmResult::showsTheReading_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("tone");
    QTest::addColumn<QString>("mayanName");
    QTest::addColumn<QString>("englishName");
    QTest::addColumn<int>("signPicture");
    QTest::addColumn<QSize>("tonePictureSize");

    QTest::newRow("1 Jan 1900") << 1900 << "January" << 1 << "4" << "TIJASH - (ETZNAB)" << "Flint" << 8 << QSize(109, 57);
    QTest::newRow("14 Mar 1975") << 1975 << "March" << 14 << "13" << "AKABAL - (AKBAL)" << "Night" << 13 << QSize(114, 69);
    QTest::newRow("1 Jan 2016: Transformer") << 2016 << "January" << 1 << "5" << "KAME - (CIMI)" << "Transformer" << 16 << QSize(109, 57);
    QTest::newRow("31 Dec 2016: Monkey") << 2016 << "December" << 31 << "6" << "BATZ - (CHUEN)" << "Monkey" << 1 << QSize(103, 61);
    QTest::newRow("9 Mar 1901: Dog, tone 7") << 1901 << "March" << 9 << "7" << "TZI - (OC)" << "Dog" << 20 << QSize(106, 61);
    QTest::newRow("12 Mar 1901: gemstone blank") << 1901 << "March" << 12 << "10" << "AJ - (BEN)" << "Reed" << 3 << QSize(110, 60);
    QTest::newRow("tone 1, no leading zero") << 1900 << "March" << 4 << "1" << "AJPU - (AHUA)" << "Sun" << 10 << QSize(88, 55);
}

void TestFrmResult::showsTheReading()
{
    QFETCH(int, year);
    QFETCH(QString, month);
    QFETCH(int, day);
    QFETCH(QString, tone);
    QFETCH(QString, mayanName);
    QFETCH(QString, englishName);
    QFETCH(int, signPicture);
    QFETCH(QSize, tonePictureSize);

    open(year, qPrintable(month), day);
    QCOMPARE(labelText(m_window, "lblMayanDayNumber"), tone);
    QCOMPARE(labelText(m_window, "lblMayanDaySign"), mayanName);
    QCOMPARE(labelText(m_window, "lblMayanEnglishName"), englishName);
    const ReadingRecord &r = MayanReading;
    QCOMPARE(labelText(m_window, "lblMayanNoDesc"), r.toneDescription);
    QCOMPARE(labelText(m_window, "lblMayanGemstone"), r.gemstone); // trailing blank kept
    QCOMPARE(labelText(m_window, "lblKeywords"), r.keywords);
    QCOMPARE(labelText(m_window, "lblSignificance"), r.significance);
    QCOMPARE(labelText(m_window, "lblMayanDesc"), r.signDescription);
    QCOMPARE(labelText(m_window, "lblFamousPersons"), r.famousPersons);

    QCOMPARE(m_window->shownSignPicture(), signPicture);
    QCOMPARE(m_window->shownTonePicture(), tone.toInt());
    // Pictures at their own size, from the top-left, unscaled (on a scaled
    // screen in layout pixels: tst_highdpi checks their sharpness there).
    auto *signBox = child<QLabel>(m_window, "picDaySign");
    auto *toneBox = child<QLabel>(m_window, "picGalacticTone");
    QCOMPARE(signBox->pixmap().deviceIndependentSize().toSize(), QSize(150, 150));
    QCOMPARE(toneBox->pixmap().deviceIndependentSize().toSize(), tonePictureSize);
    QVERIFY(!toneBox->hasScaledContents());
    QCOMPARE(toneBox->alignment(), Qt::AlignLeft | Qt::AlignTop);
    // The picture shown is the one stored under that key: compare pixels.
    const QString signFile =
        QStringLiteral(":/signs/%1-%2.jpg").arg(signPicture, 2, 10, QLatin1Char('0')).arg(englishName);
    QCOMPARE(signBox->pixmap().toImage(), PictureList({englishName}, {signFile}).picture(1, signBox->devicePixelRatio()).toImage());
}

void TestFrmResult::valueLabelsSizeToOneLine()
{
    open(1901, "March", 12);
    for (const char *name : {"lblMayanDaySign", "lblKeywords", "lblFamousPersons", "lblMayanGemstone"}) {
        auto *label = child<QLabel>(m_window, name);
        QVERIFY(!label->wordWrap());
        QCOMPARE(label->width(), label->sizeHint().width());
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
    }
    // Descriptions wrap inside fixed boxes.
    QVERIFY(child<QLabel>(m_window, "lblMayanDesc")->wordWrap());
    QVERIFY(child<QLabel>(m_window, "lblMayanNoDesc")->wordWrap());
}

void TestFrmResult::controls_data()
{
    addDesignColumns();
    const QPalette system = QApplication::palette();
    const QColor buttonText = system.color(QPalette::ButtonText);
    const QColor buttonFace = system.color(QPalette::Button);
    const QColor blue(0, 0, 255);
    const QColor green(0, 128, 0);
    const QColor lightGreen(192, 255, 192);
    const QColor olive(128, 128, 0);
    const QColor lightYellow(255, 255, 192);
    const QColor yellow(255, 255, 0);
    const QColor pink(255, 192, 255);
    const QFont regular = designFont("Verdana", 8.25);
    const QFont bold = designFont("Verdana", 8.25, Bold);
    const QFont link = designFont("Verdana", 8.25, Bold | Underline);
    const QFont frameCaption = designFont("Verdana", 9, Bold);
    const QSize ownSize; // one-line values size themselves to their text

    QTest::newRow("Label14") << "centralWidget" << QRect(9, 0, 631, 13) << link << blue << QColor(192, 255, 255);
    QTest::newRow("Frame1") << "centralWidget" << QRect(1, 19, 647, 133) << frameCaption << lightGreen << green;
    QTest::newRow("picGalacticTone") << "Frame1" << QRect(8, 19, 114, 69) << frameCaption << lightGreen << green;
    QTest::newRow("lblMayanDayNumber") << "Frame1" << QRect(168, 16, 87, 23) << designFont("Verdana", 14.25, Bold)
                                       << QColor(0, 255, 255) << green;
    QTest::newRow("lblMayanNoDesc") << "Frame1" << QRect(168, 37, 473, 97) << regular << QColor(128, 255, 128)
                                    << green;
    QTest::newRow("Frame2") << "centralWidget" << QRect(1, 152, 647, 307) << frameCaption << lightYellow << olive;
    QTest::newRow("picDaySign") << "Frame2" << QRect(8, 19, 150, 150) << frameCaption << lightYellow << olive;
    QTest::newRow("Label1_0") << "Frame2" << QRect(168, 26, 160, 13) << bold << lightYellow << olive;
    QTest::newRow("lblMayanDaySign") << "Frame2" << QRect(QPoint(168, 39), ownSize) << regular << yellow << olive;
    QTest::newRow("Label1_4") << "Frame2" << QRect(168, 60, 160, 13) << bold << lightYellow << olive;
    QTest::newRow("lblKeywords") << "Frame2" << QRect(QPoint(168, 73), ownSize) << regular << yellow << olive;
    QTest::newRow("Label1_3") << "Frame2" << QRect(168, 94, 160, 13) << bold << lightYellow << olive;
    QTest::newRow("lblMayanGemstone") << "Frame2" << QRect(QPoint(168, 107), ownSize) << regular << yellow << olive;
    QTest::newRow("Label1_5") << "Frame2" << QRect(168, 128, 160, 13) << bold << lightYellow << olive;
    QTest::newRow("lblSignificance") << "Frame2" << QRect(QPoint(168, 141), ownSize) << regular << yellow << olive;
    QTest::newRow("Label1_2") << "Frame2" << QRect(432, 24, 160, 13) << bold << lightYellow << olive;
    QTest::newRow("lblMayanEnglishName") << "Frame2" << QRect(QPoint(432, 37), ownSize) << regular << yellow << olive;
    QTest::newRow("Label1_6") << "Frame2" << QRect(432, 56, 160, 13) << bold << lightYellow << olive;
    QTest::newRow("lblFamousPersons") << "Frame2" << QRect(QPoint(432, 69), ownSize) << regular << yellow << olive;
    QTest::newRow("lblMayanDesc") << "Frame2" << QRect(8, 169, 633, 133) << regular << lightYellow << olive;
    QTest::newRow("Frame5") << "centralWidget" << QRect(1, 459, 647, 53) << regular
                            << system.color(QPalette::WindowText) << pink;
    QTest::newRow("lblFullBrand") << "Frame5" << QRect(8, 8, 463, 41) << link << blue << pink;
    QTest::newRow("lblCobrand") << "Frame5" << QRect(8, 8, 463, 41) << link << blue << pink;
    QTest::newRow("cmdSave") << "Frame5" << QRect(488, 14, 73, 25) << regular << buttonText << buttonFace;
    QTest::newRow("cmdBack") << "Frame5" << QRect(568, 14, 73, 25) << regular << buttonText << buttonFace;
}

void TestFrmResult::controls()
{
    // Tone 13: the widest day number.
    checkDesign(open(1975, "March", 14));
}

void TestFrmResult::noMatchKeepsThePreloadPictures()
{
    // A date the engine cannot place leaves no sign key and tone 0.
    open(1899, "March", 1);
    QCOMPARE(m_window->shownSignPicture(), 11); // Crocodile
    QCOMPARE(m_window->shownTonePicture(), 13); // 13-Cosmic
    QCOMPARE(child<QLabel>(m_window, "picDaySign")->pixmap().deviceIndependentSize().toSize(), QSize(150, 150));
    QCOMPARE(child<QLabel>(m_window, "picGalacticTone")->pixmap().deviceIndependentSize().toSize(), QSize(114, 69));
}

void TestFrmResult::translationReachesTheTextsButNotTheKeys()
{
    const FakeTranslator spanish({{"Catalogue|Night", "Noche"},
                                  {"Catalogue|Snowflake Obsidian", "Obsidiana nevada"},
                                  {"tzk::ReadingWindow|The Most Popular Online Tessaly Discussion Forum. Click Here "
                                   "To Visit %1 Now.",
                                   "Visite %1."},
                                  {"tzk::FrmMayanResult|Day sign: %1", "Signo: %1"}});
    open(1975, "March", 14); // Night
    QCOMPARE(labelText(m_window, "lblMayanEnglishName"), QStringLiteral("Noche"));
    QCOMPARE(labelText(m_window, "lblMayanGemstone"), QStringLiteral("Obsidiana nevada"));
    QCOMPARE(labelText(m_window, "Label14"), QStringLiteral("Visite www.tessalyforum.com."));
    QCOMPARE(child(m_window, "picDaySign")->accessibleName(), QStringLiteral("Signo: Noche"));
    // The record and the picture's key keep the catalogue's own text.
    QCOMPARE(MayanReading.englishName, QStringLiteral("Night"));
    QCOMPARE(m_window->shownSignPicture(), 13);
}

void TestFrmResult::backAndExitFollowTheNavigationRules()
{
    open(1975, "March", 14);
    click(m_window, "cmdBack");
    QCOMPARE(m_navigator->calls, QStringList({"showMain", "showExit", "hideExit"}));
    settle();
    QVERIFY(m_window.isNull());

    open(1975, "March", 14);
    m_navigator->calls.clear();
    child<QAction>(m_window, "mnuBack")->trigger();
    QCOMPARE(m_navigator->calls, QStringList({"showMain", "showExit", "hideExit"}));
    settle();

    open(1975, "March", 14);
    m_navigator->calls.clear();
    child<QAction>(m_window, "mnuExit")->trigger();
    QCOMPARE(m_navigator->calls, QStringList{"showExit"});
    settle();
    QVERIFY(m_window.isNull());
}

void TestFrmResult::saveOpensTheReportModally()
{
    open(1990, "March", 5);
    QString modalName;
    bool blocksResultWindow = false;
    QTimer::singleShot(0, m_window, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        modalName = modal ? modal->objectName() : QString();
        // While the report is open the result window, its buttons and its
        // menus take no input.
        blocksResultWindow = modal && modal->isModal() && modal->parentWidget() == m_window.data();
        if (modal)
            modal->close();
    });
    click(m_window, "cmdSave");
    QCOMPARE(modalName, QStringLiteral("frmSave"));
    QVERIFY(blocksResultWindow);
    QVERIFY(m_navigator->calls.isEmpty());
    QVERIFY(m_window->isVisible());
    QCOMPARE(labelText(m_window, "lblMayanEnglishName"), MayanReading.englishName);
}

void TestFrmResult::layoutAndKeyboardOrder()
{
    open(1975, "March", 14);
    QCOMPARE(m_window->objectName(), QStringLiteral("frmMayanResult"));
    QCOMPARE(m_window->windowTitle(), designCaption());
    QCOMPARE(m_window->centralWidget()->size(), QSize(648, 510));
    QVERIFY(m_window->centralWidget()->autoFillBackground());
    QCOMPARE(m_window->centralWidget()->palette().color(QPalette::Window), QColor(192, 255, 255));
    QCOMPARE(m_window->focusWidget(), child(m_window, "cmdBack"));
    // The keyboard order begins with the buttons, from the window itself
    // (where Tab goes when nothing has the focus), and comes round again.
    QWidget *w = m_window;
    for (const char *next : {"cmdBack", "cmdSave", "picGalacticTone", "picDaySign", "cmdBack"}) {
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
        QCOMPARE(w->objectName(), QLatin1String(next));
    }
    // A picture with the focus shows it by a mark over its edge.
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QTest::keyClick(m_window->focusWidget(), Qt::Key_Tab); // cmdSave
    for (const char *picture : {"picGalacticTone", "picDaySign"}) {
        QWidget *box = child(m_window, picture);
        const QImage plain = box->grab().toImage();
        QTest::keyClick(m_window->focusWidget(), Qt::Key_Tab);
        QCOMPARE(m_window->focusWidget(), box);
        const QImage marked = box->grab().toImage();
        QVERIFY2(marked != plain, picture);
        QCOMPARE(marked.pixel(marked.rect().center()), plain.pixel(plain.rect().center()));
    }
    // The full-brand banner lies in front on this window.
    QCOMPARE(child(m_window, "Frame5")->childAt(QPoint(50, 30))->objectName(), QStringLiteral("lblFullBrand"));
    QVERIFY(!child<QAction>(m_window, "mnuMakeMoney")->isEnabled());
}

QTEST_MAIN(TestFrmResult)
#include "tst_frmresult.moc"
