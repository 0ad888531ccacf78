// The program's own settings, on top of the platform's per-user store.
// Every key and value is scrambled on its way in, so the store never holds
// the plain texts.
#pragma once

#include <QString>

#include <optional>

namespace tzk {

class Platform;

// The one section the program writes to.
inline constexpr char kSettingsSection[] = "Settings";

// Logical keys.
inline constexpr char kDurationKey[] = "Duration"; // date of the last update reminder

// The logical value stored under `key`: the empty text when the key is
// absent, nothing when the store cannot be read at all. The two are kept
// apart so that a caller never mistakes an unreadable store for a first
// run and writes over values it could not see.
std::optional<QString> ReadSetting(Platform &platform, const QString &key);

// Stores `value` under `key`; false when it did not reach the store.
bool WriteSetting(Platform &platform, const QString &key, const QString &value);

} // namespace tzk
