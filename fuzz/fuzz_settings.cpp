// The settings store is a file the user (or another program) can edit, so
// the stored value of the update reminder may be anything. Fed through a
// platform whose store holds the fuzz input: reading it never fails, a
// date read back is one the program wrote, and CheckUpdateReminder writes
// nothing and asks nothing when the value is not a date (nor on a first
// run, whose date its caller stores).
//
// Input: two bytes for today (days after 1 January 2000), then the stored,
// scrambled value as UTF-16 units.
#include "check.h"
#include "links.h"
#include "platform.h"
#include "settings.h"
#include "text.h"
#include "updatereminder.h"

#include <QList>

#include <cstdint>

using namespace tzk;

namespace {

class StorePlatform : public Platform
{
public:
    QString stored;
    QDate day;
    QStringList writes;
    int questions = 0;
    QList<QUrl> urls;

    MessageAnswer message(QWidget *, const QString &, MessageIcon, MessageButtons buttons) override
    {
        ++questions;
        return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    std::optional<QString> openFileName(QWidget *, const FileDialogOptions &) override { return std::nullopt; }
    std::optional<QString> saveFileName(QWidget *, const FileDialogOptions &) override { return std::nullopt; }
    bool openUrl(const QUrl &url) override
    {
        urls << url;
        return true;
    }
    bool hasDefaultPrinter() override { return false; }
    QString printOnDefaultPrinter(const QTextDocument &) override { return QStringLiteral("no printer"); }
    QString writePdf(const QTextDocument &, const QString &) override { return QStringLiteral("no file"); }
    void clearOwnClipboard() override {}
    std::optional<QString> readSetting(const QString &section, const QString &key) override
    {
        const bool reminderSlot = section == QLatin1String(kSettingsSection)
                                  && key == ScrambleText(QLatin1String(kDurationKey));
        return reminderSlot ? stored : QString();
    }
    bool writeSetting(const QString &, const QString &, const QString &value) override
    {
        writes << value;
        return true;
    }
    bool acquireSingleInstance() override { return true; }
    QDate today() override { return day; }
    void seedRandom() override {}
    double random() override { return 0.0; }
    void endProcess() override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    StorePlatform platform;
    platform.day = QDate(2000, 1, 1).addDays(data[0] | data[1] << 8);
    platform.stored = fuzz::utf16Text(data + 2, size - 2);

    const std::optional<QString> value = ReadSetting(platform, QLatin1String(kDurationKey));
    FUZZ_CHECK(value.has_value());
    FUZZ_CHECK(fuzz::onlyPlainCodes(*value));
    const QDate date = fromReminderText(*value);
    if (date.isValid())
        FUZZ_CHECK(toReminderText(date) == *value);

    const ReminderOutcome outcome = CheckUpdateReminder(platform);
    const QString today = ScrambleText(toReminderText(platform.day));
    if (value->isEmpty()) {
        // Nothing asked or written: the caller stores today, as start-up does.
        FUZZ_CHECK(outcome == ReminderOutcome::FirstRun && platform.writes.isEmpty());
        FUZZ_CHECK(storeReminderDate(platform));
        FUZZ_CHECK(platform.writes == QStringList{today} && platform.questions == 0);
    } else if (!date.isValid()) {
        FUZZ_CHECK(outcome == ReminderOutcome::NotADate);
        FUZZ_CHECK(platform.writes.isEmpty() && platform.questions == 0 && platform.urls.isEmpty());
    } else if (outcome == ReminderOutcome::Quiet) {
        FUZZ_CHECK(qAbs(platform.day.daysTo(date)) <= 14);
        FUZZ_CHECK(platform.writes.isEmpty() && platform.questions == 0);
    } else {
        FUZZ_CHECK(outcome == ReminderOutcome::Accepted);
        FUZZ_CHECK(qAbs(platform.day.daysTo(date)) > 14);
        FUZZ_CHECK(platform.writes == QStringList{today} && platform.questions == 1);
        FUZZ_CHECK(platform.urls == QList<QUrl>{QUrl(webPageAddress(WebPage::UpdatePage))});
    }
    return 0;
}
