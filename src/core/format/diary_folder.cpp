#include "format/diary_folder.h"

#include "format/file_lock.h"
#include "model/settings_keys.h"

#include <algorithm>
#include <cstdlib>

namespace mw {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kDayExtension = ".ypd";
// Up to this many dates a range asks for each date's file; beyond it one listing of the folder is cheaper.
constexpr long long kMostDatesLookedUpOneByOne = 400;

std::optional<fs::path> absoluteVariable(const EnvironmentLookup& environment, const char* name)
{
    const std::optional<std::string> value = environment(name);
    if (!value || value->empty() || !fs::path(*value).is_absolute()) {
        return std::nullopt;
    }
    return fs::path(*value);
}

std::optional<std::string> processEnvironment(const char* name)
{
    const char* value = std::getenv(name);
    return value == nullptr ? std::nullopt : std::optional<std::string>(value);
}

} // namespace

std::string diaryFileName(const DiaryDate& date)
{
    return isoDateText(date) + std::string(kDayExtension);
}

std::optional<DiaryDate> dateOfDiaryFile(const std::filesystem::path& path)
{
    const std::string name = path.filename().string();
    if (name.size() != 10 + kDayExtension.size() || !name.ends_with(kDayExtension)) {
        return std::nullopt;
    }
    return parseIsoDate(std::string_view(name).substr(0, 10));
}

std::filesystem::path defaultDiaryFolder(const EnvironmentLookup& environment)
{
    if (const std::optional<fs::path> data = absoluteVariable(environment, "XDG_DATA_HOME")) {
        return *data / "Mealwright" / "diary";
    }
    if (const std::optional<fs::path> home = absoluteVariable(environment, "HOME")) {
        return *home / ".local" / "share" / "Mealwright" / "diary";
    }
    return {};
}

std::filesystem::path defaultDiaryFolder()
{
    return defaultDiaryFolder(processEnvironment);
}

std::filesystem::path diaryFolder(const Settings& settings)
{
    const std::string chosen = storedDiaryFolder(settings);
    return chosen.empty() ? defaultDiaryFolder() : fs::path(chosen);
}

DateRange lastDays(const DiaryDate& today, int count)
{
    return {addDays(today, 1 - static_cast<long long>(std::max(count, 1))), today};
}

DateRange monthOf(const DiaryDate& date)
{
    using namespace std::chrono;
    const year_month_day_last last{date.year(), month_day_last{date.month()}};
    return {DiaryDate{date.year(), date.month(), day{1}}, DiaryDate{last}};
}

std::vector<DiaryDate> DiaryFolder::recordedDates(const DateRange& range) const
{
    std::vector<DiaryDate> dates;
    std::error_code error;
    if (range.dayCount() <= kMostDatesLookedUpOneByOne) {
        for (DiaryDate date = range.first; date <= range.last; date = addDays(date, 1)) {
            if (fs::exists(dayFile(date), error)) {
                dates.push_back(date);
            }
        }
        return dates;
    }
    for (fs::directory_iterator it(m_folder, error), end; !error && it != end; it.increment(error)) {
        const std::optional<DiaryDate> date = dateOfDiaryFile(it->path());
        if (date && range.contains(*date)) {
            dates.push_back(*date);
        }
    }
    std::sort(dates.begin(), dates.end());
    return dates;
}

std::error_code DiaryFolder::ensureExists() const
{
    std::error_code error;
    fs::create_directories(m_folder, error);
    return error;
}

RewriteTurn::RewriteTurn(const std::filesystem::path& file)
{
    std::error_code error;
    if (!fs::exists(file, error)) {
        m_folder = std::make_unique<FileLock>(file.parent_path().empty() ? fs::path(".") : file.parent_path());
    }
    // Whoever held the folder may have made the file meanwhile; from then on the file's lock is the turn.
    if (fs::exists(file, error)) {
        m_file = FileLock::lockReplacedFile(file);
    }
}

RewriteTurn::~RewriteTurn() = default;

} // namespace mw
