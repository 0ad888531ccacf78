#include "updatereminder.h"

#include "links.h"
#include "platform.h"
#include "settings.h"

#include <QCoreApplication>
#include <QDate>

namespace tzk {

namespace {

// Days either side of the stored date on which nothing is asked.
constexpr qint64 kQuietDays = 14;

} // namespace

QString toReminderText(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

QDate fromReminderText(const QString &text)
{
    const QDate date = QDate::fromString(text, Qt::ISODate);
    // Only the exact form we write: no time of day, no missing zeros.
    return date.isValid() && toReminderText(date) == text ? date : QDate();
}

bool storeReminderDate(Platform &platform)
{
    return WriteSetting(platform, QLatin1String(kDurationKey), toReminderText(platform.today()));
}

ReminderOutcome CheckUpdateReminder(Platform &platform, QWidget *parent)
{
    const QString key = QLatin1String(kDurationKey);
    const std::optional<QString> last = ReadSetting(platform, key);
    // A store we cannot read may still hold a date: writing today over it
    // would hide the reminder that is due.
    if (!last)
        return ReminderOutcome::StoreUnreadable;

    if (last->isEmpty())
        return ReminderOutcome::FirstRun;

    const QDate stored = fromReminderText(*last);
    if (!stored.isValid())
        return ReminderOutcome::NotADate;

    // Negative when the stored date lies in the past. A date far in the
    // future (the clock was set back) is due as well.
    const qint64 days = platform.today().daysTo(stored);
    if (days >= -kQuietDays && days <= kQuietDays)
        return ReminderOutcome::Quiet;

    const MessageAnswer answer = platform.message(
        parent,
        QCoreApplication::translate("tzk::UpdateReminder", "There maybe an update to this software available\r"
                                                            "Do you want to check for an update?"),
        MessageIcon::Information, MessageButtons::YesNo);

    // Today is recorded before anything else can happen, and like every
    // step of the check a failed write ends it.
    if (!storeReminderDate(platform))
        return ReminderOutcome::WriteFailed;
    if (answer != MessageAnswer::Yes)
        return ReminderOutcome::Declined;
    OpenUpdatePage(platform);
    return ReminderOutcome::Accepted;
}

} // namespace tzk
