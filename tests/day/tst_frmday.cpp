// The day window driven through the platform double: the date it opens on,
// what it shows for a day, the keyboard, the calendar export, and every
// text inside its box at the scale CTest gives (1, 1.5 or 2).
#include "drive.h"
#include "fakeplatform.h"
#include "faketranslator.h"
#include "frmday.h"
#include "testfiles.h"

#include <QDateEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

using namespace tzk;
using namespace tzk::test;

class TestFrmDay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_platform = std::make_unique<FakePlatform>(); }
    void cleanup() { m_window.reset(); settle(); }
    void opensOn_data();
    void opensOn();
    void showsTheDay_data();
    void showsTheDay();
    void keysStepOneDay_data();
    void keysStepOneDay();
    void exportsReturns_data();
    void exportsReturns();
    void everyTextFitsItsBox();

private:
    FrmDay *open(const QStringList &arguments)
    {
        m_window = std::make_unique<FrmDay>(*m_platform, arguments);
        m_window->show();
        return m_window.get();
    }
    QDate shown() const { return child<QDateEdit>(m_window.get(), "dateDay")->date(); }

    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<FrmDay> m_window;
};

void TestFrmDay::opensOn_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("complaint"); // empty: the usual status

    const QDate today(2026, 12, 8); // the double's today
    QTest::newRow("today") << QStringList{} << today << QString();
    QTest::newRow("ISO date") << QStringList{"2012-12-21"} << QDate(2012, 12, 21) << QString();
    QTest::newRow("earliest") << QStringList{"0100-01-01"} << QDate(100, 1, 1) << QString();
    QTest::newRow("latest") << QStringList{"9999-12-31"} << QDate(9999, 12, 31) << QString();
    QTest::newRow("no such day") << QStringList{"2023-02-29"} << today << "no day 2023-02-29";
    QTest::newRow("before 100") << QStringList{"0099-12-31"} << today << "before the year 100";
    QTest::newRow("year 0") << QStringList{"0000-01-01"} << today << "no day";
    QTest::newRow("not ISO") << QStringList{"21/12/2012"} << today << "\"21/12/2012\" is not a date";
    QTest::newRow("two dates") << QStringList{"2012-12-21", "2013-01-01"} << today << "one date";
    QTest::newRow("long text is cut") << QStringList{QString(5000, 'x')} << today << "xxxxxxxxxxxxxxxxxxxxxxxx\u2026\"";
}

void TestFrmDay::opensOn()
{
    QFETCH(QStringList, arguments);
    QFETCH(QDate, date);
    QFETCH(QString, complaint);
    open(arguments);
    QCOMPARE(shown(), date);
    const QString status = labelText(m_window.get(), "lblStatus");
    QVERIFY2(complaint.isEmpty() ? status.contains("584283") : status.contains(complaint), qPrintable(status));
    QVERIFY(m_platform->messages.isEmpty()); // said in the window, never in a box
}

void TestFrmDay::showsTheDay_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QStringList>("texts"); // sign, tone, kin, trecena, Haab', Long Count, round, lord, bearer
    QTest::addColumn<int>("signPicture");   // catalogue row

    QTest::newRow("end of baktun 13") << QDate(2012, 12, 21)
        << QStringList{"Ajaw (Sun)", "4 Self-Existing", "160 of 260", "1 Kaban (kin 157), day 4 of 13",
                       "3 K'ank'in", "13.0.0.0.0", "4 Ajaw 3 K'ank'in", "G9", "Kaban (Earth)"} << 10;
    QTest::newRow("1 Imix, in Wayeb'") << QDate(2013, 4, 1) // 13.0.0.5.1
        << QStringList{"Imix (Crocodile)", "1 Magnetic", "1 of 260", "1 Imix (kin 1), day 1 of 13",
                       "4 Wayeb'", "13.0.0.5.1", "1 Imix 4 Wayeb'", "G2", "Kaban (Earth)"} << 11;
}

void TestFrmDay::showsTheDay()
{
    QFETCH(QDate, date);
    QFETCH(QStringList, texts);
    QFETCH(int, signPicture);
    open({});
    child<QDateEdit>(m_window.get(), "dateDay")->setDate(date); // updates without any button
    const char *labels[] = {"lblSignName", "lblToneName", "lblKin", "lblTrecena", "lblHaab",
                            "lblLongCount", "lblCalendarRound", "lblNightLord", "lblYearBearer"};
    for (int i = 0; i < texts.size(); ++i) {
        auto *label = child<QLabel>(m_window.get(), labels[i]);
        QCOMPARE(label->text(), texts[i]);
        QVERIFY2(label->accessibleName().endsWith(texts[i]) && label->accessibleName() != texts[i], labels[i]);
    }
    const qreal ratio = m_window->devicePixelRatio();
    QCOMPARE(child<QLabel>(m_window.get(), "picSign")->pixmap().toImage(),
             PictureList::daySigns().picture(signPicture, ratio).toImage());
    const int tone = texts[1].section(' ', 0, 0).toInt();
    QCOMPARE(child<QLabel>(m_window.get(), "picTone")->pixmap().toImage(),
             PictureList::galacticTones().picture(tone, ratio).toImage());
    QVERIFY(child(m_window.get(), "picSign")->accessibleName().contains(texts[0]));
    QVERIFY(child(m_window.get(), "picTone")->accessibleName().contains(texts[1]));
    QVERIFY(child<QPlainTextEdit>(m_window.get(), "txtSignDesc")->isReadOnly());
    QVERIFY(!child<QPlainTextEdit>(m_window.get(), "txtToneDesc")->toPlainText().isEmpty());

    // Every return is the shown kin again, from today on, 260 days apart.
    const QList<CivilDate> returns = m_window->shownReturns();
    QCOMPARE(returns.size(), FrmDay::kReturnCount);
    QCOMPARE(child<QListWidget>(m_window.get(), "lstReturns")->count(), FrmDay::kReturnCount);
    QVERIFY(toQDate(returns[0]) >= m_platform->date && m_platform->date.daysTo(toQDate(returns[0])) < 260);
    for (const CivilDate &d : returns)
        QCOMPARE(mayaDay(d)->kin, texts[2].section(' ', 0, 0).toInt());

    // What a person reads is translated; the Maya names are not.
    FakeTranslator translation({{"Catalogue|Sun", "Sol"}, {"Catalogue|Crocodile", "Cocodrilo"}});
    child<QDateEdit>(m_window.get(), "dateDay")->setDate(date.addDays(1));
    child<QDateEdit>(m_window.get(), "dateDay")->setDate(date);
    QCOMPARE(labelText(m_window.get(), "lblSignName"), QString(texts[0]).replace("Sun", "Sol").replace("Crocodile", "Cocodrilo"));
}

void TestFrmDay::keysStepOneDay_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<int>("section"); // where the cursor is
    QTest::addColumn<int>("key");
    QTest::addColumn<QDate>("to");

    QTest::newRow("Up in the year") << QDate(2012, 12, 31) << int(QDateTimeEdit::YearSection) << int(Qt::Key_Up)
                                    << QDate(2013, 1, 1);
    QTest::newRow("Down in the month") << QDate(2013, 3, 1) << int(QDateTimeEdit::MonthSection)
                                       << int(Qt::Key_Down) << QDate(2013, 2, 28);
    QTest::newRow("Page Up") << QDate(2012, 12, 21) << int(QDateTimeEdit::DaySection) << int(Qt::Key_PageUp)
                             << QDate(2012, 12, 31);
    QTest::newRow("Up at the end") << QDate(9999, 12, 31) << int(QDateTimeEdit::DaySection) << int(Qt::Key_Up)
                                   << QDate(9999, 12, 31);
    QTest::newRow("Page Down at the start") << QDate(100, 1, 5) << int(QDateTimeEdit::YearSection)
                                            << int(Qt::Key_PageDown) << QDate(100, 1, 1);
}

void TestFrmDay::keysStepOneDay()
{
    QFETCH(QDate, from);
    QFETCH(int, section);
    QFETCH(int, key);
    QFETCH(QDate, to);
    open({from.toString(Qt::ISODate)});
    auto *date = child<QDateEdit>(m_window.get(), "dateDay");
    QVERIFY(date->hasFocus() || !QApplication::focusWidget()); // it opens in the date field
    date->setCurrentSection(QDateTimeEdit::Section(section));
    const QString kin = labelText(m_window.get(), "lblKin");
    QTest::keyClick(date, Qt::Key(key));
    QCOMPARE(date->date(), to);
    QCOMPARE(labelText(m_window.get(), "lblKin") == kin, from == to);

    click(m_window.get(), "cmdToday");
    QCOMPARE(date->date(), m_platform->date);
}

void TestFrmDay::exportsReturns_data()
{
    QTest::addColumn<QString>("file"); // in a scratch folder; empty: cancelled
    QTest::addColumn<bool>("saved");

    QTest::newRow("saved") << "kin.ics" << true;
    QTest::newRow("cancelled") << QString() << false;
    QTest::newRow("no such folder") << "missing/kin.ics" << false;
}

void TestFrmDay::exportsReturns()
{
    QFETCH(QString, file);
    QFETCH(bool, saved);
    QTemporaryDir dir;
    if (!file.isEmpty())
        m_platform->fileNames.enqueue(dir.filePath(file));
    open({"2012-12-21"});
    click(m_window.get(), "cmdExportReturns");

    QCOMPARE(m_platform->dialogs.size(), 1);
    QVERIFY(m_platform->dialogs[0].save && m_platform->dialogs[0].options.filter.contains("*.ics"));
    QCOMPARE(!file.isEmpty() && QFileInfo::exists(dir.filePath(file)), saved);
    if (saved) {
        const QByteArray bytes = fileBytes(dir.filePath(file));
        QVERIFY(bytes.startsWith("BEGIN:VCALENDAR\r\n"));
        for (const CivilDate &d : m_window->shownReturns())
            QVERIFY(bytes.contains("DTSTART;VALUE=DATE:" + toQDate(d).toString("yyyyMMdd").toLatin1()));
    }
    // A failure is told in a box with its reason; a cancel says nothing.
    const bool failed = !file.isEmpty() && !saved;
    QCOMPARE(m_platform->messages.size(), failed ? 1 : 0);
    if (failed)
        QVERIFY(m_platform->messages[0].icon == MessageIcon::Critical
                && m_platform->messages[0].text.count('\n') == 1);
}

void TestFrmDay::everyTextFitsItsBox()
{
    const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
    m_platform->date = QDate(9999, 12, 20); // fewer returns than asked for are left, then none
    open({"9999-12-20"});
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    auto *date = child<QDateEdit>(m_window.get(), "dateDay");
    QCOMPARE(child(m_window.get(), "picSign")->devicePixelRatio(), scale);
    QCOMPARE(child<QLabel>(m_window.get(), "picSign")->pixmap().devicePixelRatio(), scale); // sharp
    QVERIFY(!m_window->shownReturns().isEmpty() && m_window->shownReturns().size() < FrmDay::kReturnCount);
    // Every sign with every tone: one whole round of 260 days.
    for (int step = 0; step < 260; ++step) {
        date->setDate(QDate(2012, 12, 21).addDays(step));
        QCoreApplication::processEvents(); // the layout's turn
        for (QLabel *label : m_window->findChildren<QLabel *>()) {
            if (label->text().isEmpty() || !label->pixmap().isNull())
                continue;
            const QFontMetrics metrics(label->font());
            const QRect box = label->contentsRect();
            const QString text = QString(label->text()).remove('&');
            const QSize need = label->wordWrap() ? metrics.boundingRect(box, Qt::TextWordWrap, text).size()
                                                 : QSize(metrics.horizontalAdvance(text), metrics.height());
            QVERIFY2(need.width() <= box.width() && need.height() <= box.height(),
                     qPrintable(label->objectName() + ": " + label->text()));
        }
    }
    date->setDate(QDate(9999, 12, 19)); // its kin comes round again only after 9999
    QVERIFY(!child(m_window.get(), "cmdExportReturns")->isEnabled());
}

QTEST_MAIN(TestFrmDay)
#include "tst_frmday.moc"
