#pragma once

#include "model/settings.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace mw {

// Why a line of a profile was skipped.
enum class IniLineProblem
{
    kUnclosedSection,     // "[Options" without "]"
    kEmptySectionName,    // "[]"
    kMissingEquals,       // neither a section, an entry nor a comment
    kEmptyKey,            // "=value"
    kEntryOutsideSection, // an entry before the first section
    kBadQuotedValue,      // a value that opens a quote and does not close it properly
};

struct IniSkippedLine
{
    int line = 0; // counted from 1
    IniLineProblem problem = IniLineProblem::kMissingEquals;
};

// The text of a profile: "[Section]" lines, "key=value" lines, ";" or "#" comments. Names match without
// regard to ASCII case and keep the spelling they were first written with. Lines this class does not change
// are written back as they were read (with "\n" line ends), comments and skipped lines included.
//
// Values are written as they are, unless they begin or end with a blank, begin with a double quote or hold a
// control character (a line break, say): then they are written in double quotes with \\, \", \n, \r, \t and
// \xHH escapes.
class IniDocument
{
public:
    // Never fails: a malformed line is skipped and listed in skippedLines().
    static IniDocument parse(std::string_view text);

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // Replaces the first matching entry, else adds the key at the end of the section, else adds the section.
    void setValue(std::string_view section, std::string_view key, std::string_view value);
    std::string text() const;

    const std::vector<IniSkippedLine>& skippedLines() const { return m_skipped; }

private:
    enum class LineKind
    {
        kOther, // blank, comment or skipped entry
        kSection,
        kBrokenSection, // its entries belong to no section until the next good one
        kEntry,
    };
    struct Line
    {
        LineKind kind = LineKind::kOther;
        std::string text;
        std::string name; // section name or key
        std::string value;
    };

    std::optional<std::size_t> findEntry(std::string_view section, std::string_view key) const;
    // Where a new key of the section goes: after the last entry of its first block.
    std::optional<std::size_t> endOfSection(std::string_view section) const;
    void appendLine(std::string_view text, int lineNumber, bool& insideSection);
    void skip(Line& line, int lineNumber, IniLineProblem problem);

    std::vector<Line> m_lines;
    std::vector<IniSkippedLine> m_skipped;
};

// A value as it appears after "=" and back.
std::string escapeIniValue(std::string_view value);
std::optional<std::string> unescapeIniValue(std::string_view written);

// A profile larger than this is refused rather than read into memory.
inline constexpr std::uintmax_t kMaxProfileBytes = 1024 * 1024;

struct IniLoadResult
{
    IniDocument document;
    bool missing = false;  // no file yet: an empty document, not an error
    std::error_code error; // the file exists and cannot be read; the document is empty
};

IniLoadResult loadIniFile(const std::filesystem::path& path);

// Looks up an environment variable; nullopt when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

// Where the desktop program and the command-line tool keep their shared profile: on Linux
// $XDG_CONFIG_HOME/Mealwright/mealwright.ini, else ~/.config/Mealwright/mealwright.ini; on Windows under
// %APPDATA%; on macOS under ~/Library/Preferences. Empty when no such folder can be named.
std::filesystem::path defaultProfilePath();
std::filesystem::path defaultProfilePath(const EnvironmentLookup& environment);

// The settings profile as an INI file. Every read reads the file, so changes another process made are seen;
// every write re-reads the file just before writing and changes only the keys written, so two programs that
// write different keys keep each other's values. Files are replaced through writeFileAtomically.
class IniSettings final : public Settings
{
public:
    explicit IniSettings(std::filesystem::path path);

    const std::filesystem::path& path() const { return m_path; }

    // Missing or unreadable: nullopt, so the default applies.
    std::optional<std::string> readValue(std::string_view section, std::string_view key) const override;
    // Creates the profile's folder when needed. A profile that exists but cannot be read is not overwritten, and
    // none is written larger than kMaxProfileBytes (SaveError::kTooLargeToReadBack), which the reader would refuse.
    std::error_code writeValues(std::span<const SettingChange> changes) override;

    // The file as it is now, with the reason when it cannot be read (for a warning).
    IniLoadResult load() const { return loadIniFile(m_path); }

private:
    std::filesystem::path m_path;
};

} // namespace mw
