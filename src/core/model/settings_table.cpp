#include "model/settings_table.h"

#include <algorithm>

namespace mw {

std::string SettingFamily::key(std::string_view suffix) const
{
    return std::string(prefix) + std::string(suffix);
}

std::string SettingFamily::key(int number) const
{
    return key(std::to_string(number));
}

int readSetting(const Settings& settings, const IntSetting& setting)
{
    const int stored = settings.readInt(setting.section, setting.key, setting.fallback);
    if (stored >= setting.low && stored <= setting.high) {
        return stored;
    }
    return setting.outside.value_or(std::clamp(stored, setting.low, setting.high));
}

bool readSetting(const Settings& settings, const BoolSetting& setting)
{
    return settings.readInt(setting.section, setting.key, setting.fallback ? 1 : 0) != 0;
}

std::string readSetting(const Settings& settings, const TextSetting& setting)
{
    return settings.readText(setting.section, setting.key, setting.fallback);
}

SettingChange settingChange(const IntSetting& setting, int value)
{
    return {std::string(setting.section), std::string(setting.key),
            std::to_string(std::clamp(value, setting.low, setting.high))};
}

SettingChange settingChange(const BoolSetting& setting, bool value)
{
    return {std::string(setting.section), std::string(setting.key), value ? "1" : "0"};
}

SettingChange settingChange(const TextSetting& setting, std::string_view value)
{
    return {std::string(setting.section), std::string(setting.key), std::string(value)};
}

} // namespace mw
