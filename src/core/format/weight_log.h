#pragma once

#include "model/diary_date.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace mw {

// Weights are kept in pounds with one decimal, as whole tenths of a pound.
using WeightTenths = int;

inline constexpr WeightTenths kMaxWeightTenths = 15000; // 1,500 lb
inline constexpr double kMaxWeightKilograms = 680.0;

inline double poundsOf(WeightTenths tenths)
{
    return static_cast<double>(tenths) / 10.0;
}
// "162.4".
std::string weightText(WeightTenths tenths);

// Why a typed weight was refused.
enum class WeightInputError
{
    kNone,
    kNotANumber,
    kNotAboveZero,
    kTooHeavy, // above 1,500 lb or 680 kg
};

struct WeightInput
{
    WeightTenths tenths = 0;
    WeightInputError error = WeightInputError::kNone;
};

// A typed weight in pounds, or in kilograms when asked, rounded to a tenth of a pound.
WeightInput parseWeightInput(std::string_view text, bool kilograms);
// The pounds in kilograms (the program's pounds × 453.592 × 0.001).
double kilogramsOf(WeightTenths tenths);

struct WeightEntry
{
    DiaryDate date;
    WeightTenths tenths = 0;
    double pounds() const { return poundsOf(tenths); }
    friend bool operator==(const WeightEntry&, const WeightEntry&) = default;
};

// A line the log could not read: kept as it is and written back after the entry it followed.
struct UnreadWeightLine
{
    int line = 0;                   // counted from 1 in the file as read
    std::string text;               // without its line end
    std::optional<DiaryDate> after; // the date of the last readable line before it
};

// The weight log, weight.csv of the diary folder: the header "date,weight_lb" and one line per date
// ("2026-12-07,162.4"), ascending. Reading never fails on a line: one it cannot read is listed and kept.
class WeightLog
{
public:
    static WeightLog parse(std::string_view text);
    // The file's text: the header, the entries ascending and the unread lines where they stood.
    std::string text() const;

    const std::vector<WeightEntry>& entries() const { return m_entries; }
    const std::vector<UnreadWeightLine>& unreadLines() const { return m_unread; }
    std::optional<WeightTenths> weightOn(const DiaryDate& date) const;

    // Adds the date's weight or replaces the one it had.
    void set(const DiaryDate& date, WeightTenths tenths);
    // False when the date had no weight.
    bool remove(const DiaryDate& date);

private:
    std::vector<WeightEntry> m_entries;
    std::vector<UnreadWeightLine> m_unread;
};

// "line 4: 2026-13-01,160".
std::string unreadWeightLineText(const UnreadWeightLine& line);

struct WeightLogRead
{
    WeightLog log;
    // A missing file is an empty log, not an error.
    std::error_code error;
};

// The largest log the program reads: decades of daily weigh-ins with room to spare.
inline constexpr std::size_t kMaxWeightLogSize = 16u << 20;

WeightLogRead readWeightLog(const std::filesystem::path& path);
// Writes the log atomically, with the save rules of day files.
std::error_code saveWeightLog(const std::filesystem::path& path, const WeightLog& log);

// Reads the log, lets the change alter it and saves it, all in one turn of the log's lock, so that changes
// of other programs in between are never lost. The folder is created when missing. Nothing is written
// when the log cannot be read or the change returns false. The log as it stands afterwards goes to result.
std::error_code changeWeightLog(const std::filesystem::path& path, const std::function<bool(WeightLog&)>& change,
                                WeightLog* result = nullptr);

} // namespace mw
