// The day window through the platform double, at the scale CTest gives (1, 1.5 or 2).
#include "drive.h"
#include "fakeplatform.h"
#include "faketranslator.h"
#include "frmday.h"
#include "testfiles.h"

#include <QDateEdit>
#include <QTemporaryDir>
#include <QtTest>

using namespace tzk;
using namespace tzk::test;

class TestFrmDay : public QObject
{
    Q_OBJECT

    FakePlatform m_platform; // today is 2026-12-08
    std::unique_ptr<FrmDay> m_window;

    QDateEdit *open(const QStringList &arguments)
    {
        m_window = std::make_unique<FrmDay>(m_platform, arguments);
        m_window->show();
        return child<QDateEdit>(m_window.get(), "dateDay");
    }
    QString text(const char *label) const { return labelText(m_window.get(), label); }

private Q_SLOTS:
    void cleanup() { m_window.reset(), m_platform = {}; }

    void opensOn_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QDate>("date"); // null: today
        QTest::addColumn<QString>("status");
        QTest::newRow("none") << QStringList{} << QDate() << "584283"; // the usual status
        QTest::newRow("ISO date") << QStringList{"0100-01-01"} << QDate(100, 1, 1) << "584283";
        QTest::newRow("no such day") << QStringList{"2023-02-29"} << QDate() << "no day 2023-02-29";
        QTest::newRow("before 100") << QStringList{"0099-12-31"} << QDate() << "before the year 100";
        QTest::newRow("not ISO") << QStringList{"21/12/2012"} << QDate() << "\"21/12/2012\" is not a date";
        QTest::newRow("two dates") << QStringList{"2012-12-21", "2013-01-01"} << QDate() << "one date";
        QTest::newRow("long, cut") << QStringList{QString(5000, 'x')} << QDate() << QString(24, 'x') + "\u2026\"";
    }
    void opensOn()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QDate, date);
        QFETCH(QString, status);
        QCOMPARE(open(arguments)->date(), date.isValid() ? date : m_platform.date);
        QVERIFY2(text("lblStatus").contains(status), qPrintable(text("lblStatus")));
        QVERIFY(m_platform.messages.isEmpty()); // said in the window, never in a box
    }

    void showsTheDay_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QStringList>("texts"); // sign, tone, kin, trecena, Haab', Long Count, round, lord, bearer
        QTest::addColumn<int>("signRow");       // the catalogue's, which the pictures follow
        QTest::newRow("13.0.0.0.0") << QDate(2012, 12, 21) << QStringList{"Ajaw (Sun)", "4 Self-Existing",
            "160 of 260", "1 Kaban (kin 157), day 4 of 13", "3 K'ank'in", "13.0.0.0.0", "4 Ajaw 3 K'ank'in", "G9",
            "Kaban (Earth)"} << 10;
        QTest::newRow("1 Imix in Wayeb'") << QDate(2013, 4, 1) << QStringList{"Imix (Crocodile)", "1 Magnetic",
            "1 of 260", "1 Imix (kin 1), day 1 of 13", "4 Wayeb'", "13.0.0.5.1", "1 Imix 4 Wayeb'", "G2",
            "Kaban (Earth)"} << 11;
    }
    void showsTheDay()
    {
        QFETCH(QDate, date);
        QFETCH(QStringList, texts);
        QFETCH(int, signRow);
        QDateEdit *field = open({});
        field->setDate(date); // updates without any button
        const char *labels[] = {"lblSignName", "lblToneName", "lblKin", "lblTrecena", "lblHaab",
                                "lblLongCount", "lblCalendarRound", "lblNightLord", "lblYearBearer"};
        for (int i = 0; i < texts.size(); ++i) {
            const QString name = child(m_window.get(), labels[i])->accessibleName();
            QCOMPARE(text(labels[i]), texts[i]);
            QVERIFY2(name.endsWith(texts[i]) && name != texts[i], labels[i]); // with its caption
        }
        const std::pair<const char *, PictureList> pictures[] = {
            {"picSign", PictureList::daySigns()}, {"picTone", PictureList::galacticTones()}};
        for (const int i : {0, 1}) { // the picture and its name
            auto *box = child<QLabel>(m_window.get(), pictures[i].first);
            const int position = i == 0 ? signRow : texts[1].section(' ', 0, 0).toInt();
            QCOMPARE(box->pixmap().toImage(), pictures[i].second.picture(position, box->devicePixelRatio()).toImage());
            QVERIFY(box->accessibleName().contains(texts[i]));
        }
        const QList<CivilDate> returns = m_window->shownReturns(); // from today on
        QCOMPARE(returns.size(), FrmDay::kReturnCount);
        QVERIFY(m_platform.date.daysTo(toQDate(returns[0])) >= 0 && m_platform.date.daysTo(toQDate(returns[0])) < 260);
        for (const CivilDate &d : returns)
            QCOMPARE(mayaDay(d)->kin, texts[2].section(' ', 0, 0).toInt());

        // What a person reads is translated; the Maya names are not.
        FakeTranslator translation({{"Catalogue|Sun", "Sol"}, {"Catalogue|Crocodile", "Cocodrilo"}});
        field->setDate(date.addDays(1));
        field->setDate(date);
        QCOMPARE(text("lblSignName"), QString(texts[0]).replace("Sun", "Sol").replace("Crocodile", "Cocodrilo"));
    }

    void keysStepOneDayWhereverTheCursorIs()
    {
        QDateEdit *date = open({"2012-12-31"});
        date->setCurrentSection(QDateTimeEdit::YearSection);
        QTest::keyClick(date, Qt::Key_Up);
        QCOMPARE(date->date(), QDate(2013, 1, 1));
        date->setCurrentSection(QDateTimeEdit::MonthSection);
        QTest::keyClick(date, Qt::Key_PageDown);
        QCOMPARE(date->date(), QDate(2012, 12, 22));
        date->setDate(QDate(9999, 12, 31));
        QTest::keyClick(date, Qt::Key_Up);
        QCOMPARE(date->date(), QDate(9999, 12, 31));
        click(m_window.get(), "cmdToday");
        QCOMPARE(date->date(), m_platform.date);
    }

    void exportsReturns()
    {
        QTemporaryDir dir;
        open({"2012-12-21"});
        click(m_window.get(), "cmdExportReturns"); // cancelled: nothing said
        m_platform.fileNames << dir.filePath("missing/kin.ics") << dir.filePath("kin.ics");
        click(m_window.get(), "cmdExportReturns"); // a folder that is not there: the reason in a box
        click(m_window.get(), "cmdExportReturns");
        QCOMPARE(m_platform.dialogs.size(), 3);
        QVERIFY(m_platform.dialogs[0].save && m_platform.dialogs[0].options.filter.contains("*.ics"));
        QCOMPARE(m_platform.messages.size(), 1);
        QVERIFY(m_platform.messages[0].icon == MessageIcon::Critical && m_platform.messages[0].text.count('\n') == 1);
        const QDate last = toQDate(m_window->shownReturns().constLast()); // the whole list went in
        QVERIFY(fileBytes(dir.filePath("kin.ics")).contains("DTSTART;VALUE=DATE:" + last.toString("yyyyMMdd").toLatin1()));
    }

    void everyTextFitsItsBox()
    {
        m_platform.date = QDate(9999, 12, 20); // fewer returns than asked for are left
        QDateEdit *date = open({QString(5000, 'x')}); // today, and a complaint in the status
        QCOMPARE(child<QLabel>(m_window.get(), "picSign")->pixmap().devicePixelRatio(),
                 qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble()); // sharp
        QCOMPARE(m_window->shownReturns().size(), 1);
        for (int step = -1; step < 260; ++step) { // as opened, then every sign with every tone
            if (step >= 0)
                date->setDate(QDate(2012, 12, 21).addDays(step));
            QCoreApplication::processEvents(); // the layout's turn
            for (QLabel *label : m_window->findChildren<QLabel *>()) {
                const QFontMetrics metrics(label->font());
                const QRect box = label->contentsRect();
                const QString text = QString(label->text()).remove('&');
                const QSize need = label->wordWrap() ? metrics.boundingRect(box, Qt::TextWordWrap, text).size()
                                                     : QSize(metrics.horizontalAdvance(text), metrics.height());
                QVERIFY2(!label->pixmap().isNull() || (need.width() <= box.width() && need.height() <= box.height()),
                         qPrintable(label->objectName() + ": " + text));
            }
        }
        date->setDate(QDate(9999, 12, 19)); // its kin comes round again only after 9999
        QVERIFY(!child(m_window.get(), "cmdExportReturns")->isEnabled());
    }
};

QTEST_MAIN(TestFrmDay)
#include "tst_frmday.moc"
