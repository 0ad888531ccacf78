// The settings store seen through ReadSetting/WriteSetting, and the update
// reminder that keeps its date there.
#include "fakeplatform.h"
#include "links.h"
#include "fixeddayplatform.h"
#include "scramble.h"
#include "settings.h"
#include "updatereminder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tzk;
using tzk::test::FakePlatform;
using tzk::test::FixedDayPlatform;
using tzk::test::kFixedToday;

namespace {

// Where the reminder's date sits in the double's store, in scrambled form.
QString durationSlot()
{
    return QStringLiteral("Settings/") + ScrambleText(QStringLiteral("Duration"));
}

void storeDate(FakePlatform &platform, const QString &text)
{
    platform.store.insert(durationSlot(), ScrambleText(text));
}

QString storedText(FakePlatform &platform)
{
    return UnscrambleText(platform.store.value(durationSlot()));
}

const QString kQuestion = QStringLiteral(
    "There maybe an update to this software available\rDo you want to check for an update?");

// Records what the store held at the moment a page was opened.
class OrderRecordingPlatform : public FakePlatform
{
public:
    QStringList storedWhenOpened;
    bool openUrl(const QUrl &url) override
    {
        storedWhenOpened << storedText(*this);
        return FakePlatform::openUrl(url);
    }
};

} // namespace

class TestSettingsReminder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void settingsAreScrambledInTheStore();
    void realStoreRoundTrip();

    void firstRunStoresTodayQuietly();
    void questionDependsOnDistance_data();
    void questionDependsOnDistance();
    void yesStoresTodayBeforeOpeningUpdatePage();
    void noStoresTodayAndOpensNothing();
    void valueThatIsNotADateIsLeftAlone_data();
    void valueThatIsNotADateIsLeftAlone();
    void unreadableStoreChangesNothing();
    void unwritableStoreNeverOpensThePage();

private:
    QTemporaryDir m_configDir;
};

void TestSettingsReminder::initTestCase()
{
    QVERIFY(m_configDir.isValid());
    // The real store of this test lives in a folder of its own.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configDir.path()));
}

void TestSettingsReminder::settingsAreScrambledInTheStore()
{
    FakePlatform platform;
    QVERIFY(WriteSetting(platform, QStringLiteral("Colour"), QStringLiteral("deep blue")));
    QCOMPARE(platform.store.keys(), QStringList{QStringLiteral("Settings/") + ScrambleText(QStringLiteral("Colour"))});
    QCOMPARE(platform.store.first(), ScrambleText(QStringLiteral("deep blue")));
    QCOMPARE(ReadSetting(platform, QStringLiteral("Colour")), std::optional<QString>(QStringLiteral("deep blue")));

    // An absent key reads as empty; a store that cannot be read, as nothing.
    QCOMPARE(ReadSetting(platform, QStringLiteral("Absent")), std::optional<QString>(QString()));
    platform.settingsReadable = false;
    QCOMPARE(ReadSetting(platform, QStringLiteral("Colour")), std::nullopt);
    platform.settingsWritable = false;
    QVERIFY(!WriteSetting(platform, QStringLiteral("Colour"), QStringLiteral("red")));
}

void TestSettingsReminder::realStoreRoundTrip()
{
    // Every character a stored date can hold, through the native store.
    FixedDayPlatform platform;
    const QString digits = QStringLiteral("0123456789-");
    QVERIFY(WriteSetting(platform, QStringLiteral("Probe"), digits));
    QCOMPARE(ReadSetting(platform, QStringLiteral("Probe")), std::optional<QString>(digits));

    QCOMPARE(CheckUpdateReminder(platform), ReminderOutcome::FirstRun);
    QVERIFY(storeReminderDate(platform));
    QCOMPARE(ReadSetting(platform, QStringLiteral("Duration")),
             std::optional<QString>(kFixedToday.toString(Qt::ISODate)));
    QCOMPARE(CheckUpdateReminder(platform), ReminderOutcome::Quiet);

    QFile file(m_configDir.filePath(QStringLiteral("Tessaly Softwares/%1.conf").arg(QCoreApplication::applicationName())));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray raw = file.readAll();
    QVERIFY(!raw.isEmpty());
    QVERIFY(!raw.contains("Duration"));
    QVERIFY(!raw.contains("Probe"));
    QVERIFY(!raw.contains(kFixedToday.toString(Qt::ISODate).toLatin1()));
    QVERIFY(!raw.contains("0123456789"));
}

void TestSettingsReminder::firstRunStoresTodayQuietly()
{
    FakePlatform platform;
    platform.date = QDate(2026, 12, 8);
    QCOMPARE(CheckUpdateReminder(platform), ReminderOutcome::FirstRun);
    QVERIFY(platform.messages.isEmpty());
    QVERIFY(platform.store.isEmpty()); // left to the caller
    QVERIFY(storeReminderDate(platform));
    QCOMPARE(platform.store.keys(), QStringList{durationSlot()});
    QCOMPARE(storedText(platform), QStringLiteral("2026-12-08"));
    QVERIFY(!platform.store.first().contains(QStringLiteral("2026")));
    QVERIFY(!platform.store.firstKey().contains(QStringLiteral("Duration")));
}

void TestSettingsReminder::questionDependsOnDistance_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("stored");
    QTest::addColumn<bool>("asked");

    const QDate today(2026, 12, 8);
    QTest::newRow("same day") << today << today << false;
    QTest::newRow("14 days ago") << today << today.addDays(-14) << false;
    QTest::newRow("15 days ago") << today << today.addDays(-15) << true;
    QTest::newRow("14 days ahead") << today << today.addDays(14) << false;
    QTest::newRow("15 days ahead") << today << today.addDays(15) << true;
    QTest::newRow("20 days ahead") << today << today.addDays(20) << true;
    // Calendar days, not a date's digits: across a leap day and a new year.
    QTest::newRow("leap February, 14 days") << QDate(2024, 3, 1) << QDate(2024, 2, 16) << false;
    QTest::newRow("leap February, 15 days") << QDate(2024, 3, 1) << QDate(2024, 2, 15) << true;
    QTest::newRow("over new year, 14 days") << QDate(2027, 1, 4) << QDate(2026, 12, 21) << false;
    QTest::newRow("over new year, 15 days") << QDate(2027, 1, 4) << QDate(2026, 12, 20) << true;
}

void TestSettingsReminder::questionDependsOnDistance()
{
    QFETCH(QDate, today);
    QFETCH(QDate, stored);
    QFETCH(bool, asked);

    FakePlatform platform;
    platform.date = today;
    storeDate(platform, stored.toString(Qt::ISODate));
    const ReminderOutcome outcome = CheckUpdateReminder(platform);

    if (!asked) {
        QCOMPARE(outcome, ReminderOutcome::Quiet);
        QVERIFY(platform.messages.isEmpty());
        QCOMPARE(storedText(platform), stored.toString(Qt::ISODate));
        return;
    }
    QCOMPARE(outcome, ReminderOutcome::Declined); // the double answers No
    QCOMPARE(platform.messages.size(), 1);
    const test::ShownMessage &question = platform.messages.first();
    QCOMPARE(question.text, kQuestion);
    QCOMPARE(question.icon, MessageIcon::Information);
    QCOMPARE(question.buttons, MessageButtons::YesNo);
    QCOMPARE(storedText(platform), today.toString(Qt::ISODate));
}

void TestSettingsReminder::yesStoresTodayBeforeOpeningUpdatePage()
{
    OrderRecordingPlatform platform;
    platform.date = QDate(2026, 12, 8);
    storeDate(platform, QStringLiteral("2026-11-01"));
    platform.answers.enqueue(MessageAnswer::Yes);

    QCOMPARE(CheckUpdateReminder(platform), ReminderOutcome::Accepted);
    QCOMPARE(platform.urls, QList<QUrl>{QUrl(webPageAddress(WebPage::UpdatePage))});
    QCOMPARE(platform.storedWhenOpened, QStringList{QStringLiteral("2026-12-08")});

    // Answered today: quiet for the next fortnight.
    platform.date = platform.date.addDays(14);
    QCOMPARE(CheckUpdateReminder(platform), ReminderOutcome::Quiet);
    QCOMPARE(platform.messages.size(), 1);
}

void TestSettingsReminder::noStoresTodayAndOpensNothing()
{
    FakePlatform platform;
    platform.date = QDate(2026, 12, 8);
    storeDate(platform, QStringLiteral("2026-11-01"));
    platform.answers.enqueue(MessageAnswer::No);

    QCOMPARE(CheckUpdateReminder(platform), ReminderOutcome::Declined);
    QVERIFY(platform.urls.isEmpty());
    QCOMPARE(storedText(platform), QStringLiteral("2026-12-08"));
}

void TestSettingsReminder::valueThatIsNotADateIsLeftAlone_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("a locale's short date") << QStringLiteral("12/8/2026");
    QTest::newRow("no such month") << QStringLiteral("2026-13-01");
    QTest::newRow("missing zeros") << QStringLiteral("2026-1-8");
    QTest::newRow("with a time of day") << QStringLiteral("2026-12-08T10:00:00");
    QTest::newRow("spaces") << QStringLiteral(" 2026-12-08 ");
}

void TestSettingsReminder::valueThatIsNotADateIsLeftAlone()
{
    QFETCH(QString, value);
    FakePlatform platform;
    storeDate(platform, value);
    const QMap<QString, QString> before = platform.store;

    QCOMPARE(CheckUpdateReminder(platform), ReminderOutcome::NotADate);
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(platform.store, before);
}

void TestSettingsReminder::unreadableStoreChangesNothing()
{
    FakePlatform platform;
    storeDate(platform, QStringLiteral("2001-01-01")); // long due, but out of reach
    const QMap<QString, QString> before = platform.store;
    platform.settingsReadable = false;

    QCOMPARE(CheckUpdateReminder(platform), ReminderOutcome::StoreUnreadable);
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(platform.store, before);
}

void TestSettingsReminder::unwritableStoreNeverOpensThePage()
{
    FakePlatform empty;
    empty.settingsWritable = false;
    QCOMPARE(CheckUpdateReminder(empty), ReminderOutcome::FirstRun);
    QVERIFY(!storeReminderDate(empty));
    QVERIFY(empty.messages.isEmpty());
    QVERIFY(empty.store.isEmpty());

    FakePlatform due;
    storeDate(due, QStringLiteral("2001-01-01"));
    due.settingsWritable = false;
    due.answers.enqueue(MessageAnswer::Yes);
    QCOMPARE(CheckUpdateReminder(due), ReminderOutcome::WriteFailed);
    QCOMPARE(due.messages.size(), 1); // still asked: reading worked
    QVERIFY(due.urls.isEmpty());
    QCOMPARE(storedText(due), QStringLiteral("2001-01-01"));
}

QTEST_GUILESS_MAIN(TestSettingsReminder)
#include "tst_settings_reminder.moc"
