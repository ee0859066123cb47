#include "model/settings.h"

#include "model/text_trim.h"

#include "model/number_text.h"

#include <algorithm>
#include <limits>

namespace mw {
namespace {

char lowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowerAscii(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) { return lowerAscii(c); });
    return lower;
}

bool isControl(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

bool allDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A number too long for an int still says which way it went: keep its sign, saturate its size.
int saturatedInt(std::string_view text)
{
    const bool negative = text.front() == '-';
    if (text.front() == '-' || text.front() == '+') {
        text.remove_prefix(1);
    }
    if (!allDigits(text)) {
        return 0;
    }
    return negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
}

} // namespace

bool sameSettingName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

bool isValidSectionName(std::string_view name)
{
    return !name.empty() && std::none_of(name.begin(), name.end(), isControl) && trimBlanks(name).size() == name.size();
}

bool isValidKeyName(std::string_view name)
{
    return isValidSectionName(name) && name.find('=') == std::string_view::npos && name.front() != '[' &&
           name.front() != ';' && name.front() != '#';
}

std::error_code checkSettingChanges(std::span<const SettingChange> changes)
{
    for (const SettingChange& change : changes) {
        if (!isValidSectionName(change.section) || !isValidKeyName(change.key)) {
            return std::make_error_code(std::errc::invalid_argument);
        }
    }
    return {};
}

int settingTextToInt(std::string_view text)
{
    text = trimBlanks(text);
    if (text.empty()) {
        return 0;
    }
    const std::optional<long long> value = parseInteger(text);
    if (!value) {
        return saturatedInt(text);
    }
    return static_cast<int>(
        std::clamp<long long>(*value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int Settings::readInt(std::string_view section, std::string_view key, int defaultValue) const
{
    const std::optional<std::string> text = readValue(section, key);
    return text ? settingTextToInt(*text) : defaultValue;
}

std::string Settings::readText(std::string_view section, std::string_view key, std::string_view defaultText) const
{
    std::optional<std::string> text = readValue(section, key);
    return text ? std::move(*text) : std::string(defaultText);
}

std::error_code Settings::writeInt(std::string_view section, std::string_view key, int value)
{
    return writeText(section, key, std::to_string(value));
}

std::error_code Settings::writeText(std::string_view section, std::string_view key, std::string_view text)
{
    const SettingChange change{std::string(section), std::string(key), std::string(text)};
    return writeValues(std::span<const SettingChange>(&change, 1));
}

std::optional<std::string> MemorySettings::readValue(std::string_view section, std::string_view key) const
{
    const auto found = m_values.find({lowerAscii(section), lowerAscii(key)});
    if (found == m_values.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::error_code MemorySettings::writeValues(std::span<const SettingChange> changes)
{
    if (m_writeError) {
        return m_writeError;
    }
    if (const std::error_code invalid = checkSettingChanges(changes)) {
        return invalid;
    }
    for (const SettingChange& change : changes) {
        m_values[{lowerAscii(change.section), lowerAscii(change.key)}] = change.value;
    }
    ++m_writeCount;
    return {};
}

} // namespace mw
