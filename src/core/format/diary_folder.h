#pragma once

#include "format/ini_file.h"
#include "model/diary_date.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace mw {

class FileLock;
class Settings;

// "2026-12-07.ypd": the day file of a date in the diary.
std::string diaryFileName(const DiaryDate& date);
// The date a file is named after ("…/2026-12-07.ypd"); nullopt for any other name.
std::optional<DiaryDate> dateOfDiaryFile(const std::filesystem::path& path);

// Where the diary lives by default: $XDG_DATA_HOME/Mealwright/diary, else ~/.local/share/Mealwright/diary;
// empty when neither variable names an absolute folder.
std::filesystem::path defaultDiaryFolder(const EnvironmentLookup& environment);
std::filesystem::path defaultDiaryFolder();
// The profile's "Diary Folder" when the user chose one, else the default.
std::filesystem::path diaryFolder(const Settings& settings);

// Dates first..last, both included.
struct DateRange
{
    DiaryDate first;
    DiaryDate last;
    long long dayCount() const { return daysBetween(first, last) + 1; }
    bool contains(const DiaryDate& date) const { return date >= first && date <= last; }
};

// today and the count - 1 days before it.
DateRange lastDays(const DiaryDate& today, int count);
// The month a date lies in.
DateRange monthOf(const DiaryDate& date);
// Every date a diary can hold.
inline constexpr DateRange kWholeDiary{kFirstDiaryDate, kLastDiaryDate};

// A folder of day files named by their dates. Nothing here creates the folder except ensureExists().
class DiaryFolder
{
public:
    explicit DiaryFolder(std::filesystem::path folder) : m_folder(std::move(folder)) {}

    const std::filesystem::path& path() const { return m_folder; }
    std::filesystem::path dayFile(const DiaryDate& date) const { return m_folder / diaryFileName(date); }
    std::filesystem::path weightLogFile() const { return m_folder / "weight.csv"; }

    // The dates of the range that have a day file, ascending. A short range looks for each date's file; a
    // long one lists the folder once. A missing folder has no dates.
    std::vector<DiaryDate> recordedDates(const DateRange& range) const;

    // Creates the folder (and its parents) when it is missing, as the first save needs.
    std::error_code ensureExists() const;

private:
    std::filesystem::path m_folder;
};

// The turn of one read-change-write of a file that may not exist yet. An existing file is locked as the day
// writers lock it; a missing one is covered by a lock on its folder, taken until the file exists (after that
// the file's own lock), so two programs creating the same file take turns as well.
class RewriteTurn
{
public:
    explicit RewriteTurn(const std::filesystem::path& file);
    ~RewriteTurn();
    RewriteTurn(const RewriteTurn&) = delete;
    RewriteTurn& operator=(const RewriteTurn&) = delete;

private:
    std::unique_ptr<FileLock> m_folder;
    std::unique_ptr<FileLock> m_file;
};

} // namespace mw
