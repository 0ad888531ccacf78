// The start-up reminder to look for a newer version: the date of the last
// reminder (at first the date of the first run) is kept in the settings
// store, and the user is asked again once it lies 15 or more days away.
#pragma once

#include <QDate>
#include <QString>

class QWidget;

namespace tzk {

class Platform;

// What one check did. Start-up ignores it; tests read it.
enum class ReminderOutcome {
    FirstRun,        // nothing stored: nothing asked; the caller stores today
    Quiet,           // stored date within 14 days of today
    Declined,        // asked; No; today stored
    Accepted,        // asked; Yes; today stored, then the update page opened
    NotADate,        // stored value unreadable as a date: nothing asked or written
    StoreUnreadable, // nothing asked or written
    WriteFailed,     // today could not be stored; the update page is not opened
};

// The stored form of a date: ISO 8601, so that no change of locale can make it
// unreadable. fromReminderText gives an invalid date for any other text.
QString toReminderText(const QDate &date);
QDate fromReminderText(const QString &text);

// Never stops start-up: every failure ends the check quietly. A first run's
// date is left to the caller (storeReminderDate): start-up stores it once
// the main window is painted, so that nobody waits on the settings store to
// see the program.
ReminderOutcome CheckUpdateReminder(Platform &platform, QWidget *parent = nullptr);

// Stores today as the date of the last reminder; false when it did not
// reach the store.
bool storeReminderDate(Platform &platform);

} // namespace tzk
