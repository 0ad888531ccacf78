#include "settings.h"

#include "platform.h"
#include "scramble.h"

namespace tzk {

std::optional<QString> ReadSetting(Platform &platform, const QString &key)
{
    const std::optional<QString> stored =
        platform.readSetting(QLatin1String(kSettingsSection), ScrambleText(key));
    if (!stored)
        return std::nullopt;
    return UnscrambleText(*stored);
}

bool WriteSetting(Platform &platform, const QString &key, const QString &value)
{
    return platform.writeSetting(QLatin1String(kSettingsSection), ScrambleText(key), ScrambleText(value));
}

} // namespace tzk
