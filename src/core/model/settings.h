#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

namespace mw {

// Section and key names match whatever their ASCII case ("FoodGroups" and "foodgroups" are one section).
bool sameSettingName(std::string_view a, std::string_view b);

// A name a profile can hold: not empty, no line break or other control character, no space at either end;
// a key also has no "=" and does not begin with "[", ";" or "#".
bool isValidSectionName(std::string_view name);
bool isValidKeyName(std::string_view name);

struct SettingChange
{
    std::string section;
    std::string key;
    std::string value;
};

// invalid_argument when a change names a section or key the profile cannot hold, else no error.
std::error_code checkSettingChanges(std::span<const SettingChange> changes);

// The user's profile: named sections of named keys holding text. Whole numbers are stored as decimal text.
// Nothing is mirrored: every read asks the store, so a value one window writes is what the next one reads.
class Settings
{
public:
    virtual ~Settings() = default;

    // The stored text, or nullopt when the section or key is missing (or the store cannot be read).
    virtual std::optional<std::string> readValue(std::string_view section, std::string_view key) const = 0;
    // Stores every change or, on failure, none of them.
    virtual std::error_code writeValues(std::span<const SettingChange> changes) = 0;

    // The default when the key is missing; 0 when its text is not a whole number; clamped to the int range.
    int readInt(std::string_view section, std::string_view key, int defaultValue) const;
    std::string readText(std::string_view section, std::string_view key, std::string_view defaultText) const;
    std::error_code writeInt(std::string_view section, std::string_view key, int value);
    std::error_code writeText(std::string_view section, std::string_view key, std::string_view text);
};

// The int a stored text stands for: 0 when it is not a whole number (surrounding blanks allowed).
int settingTextToInt(std::string_view text);

// A profile held in memory, for tests and for callers that want no file.
class MemorySettings final : public Settings
{
public:
    std::optional<std::string> readValue(std::string_view section, std::string_view key) const override;
    std::error_code writeValues(std::span<const SettingChange> changes) override;

    // Every later write fails with this error (an empty code makes writes succeed again).
    void failWritesWith(std::error_code error) { m_writeError = error; }
    void clear() { m_values.clear(); }
    bool empty() const { return m_values.empty(); }
    // How many writeValues calls stored something.
    int writeCount() const { return m_writeCount; }

private:
    // Keyed by the lower-case section and key names.
    std::map<std::pair<std::string, std::string>, std::string> m_values;
    std::error_code m_writeError;
    int m_writeCount = 0;
};

} // namespace mw
