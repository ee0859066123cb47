#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace mw {

// A day of the local calendar, as the diary names its files.
using DiaryDate = std::chrono::year_month_day;

// The dates a diary can hold.
inline constexpr DiaryDate kFirstDiaryDate{std::chrono::year{1900}, std::chrono::January, std::chrono::day{1}};
inline constexpr DiaryDate kLastDiaryDate{std::chrono::year{9999}, std::chrono::December, std::chrono::day{31}};

// A real date within kFirstDiaryDate..kLastDiaryDate.
bool isDiaryDate(const DiaryDate& date);

// "2026-12-07" as a date; nullopt for any other form, an impossible date (2027-02-29, 2026-13-01) or one
// outside the diary's dates.
std::optional<DiaryDate> parseIsoDate(std::string_view text);
// "2026-12-07".
std::string isoDateText(const DiaryDate& date);

// What a date word on the command line stands for: "YYYY-MM-DD", "today", "yesterday" or "-N" (N days
// before today). nullopt when the text is none of them or the date falls outside the diary's dates.
std::optional<DiaryDate> parseDateWord(std::string_view text, const DiaryDate& today);

// The local calendar's date at this moment.
DiaryDate localToday();

// The date days later (earlier when negative); no check of the diary's range.
DiaryDate addDays(const DiaryDate& date, long long days);
// Days from a to b (negative when b comes first).
long long daysBetween(const DiaryDate& a, const DiaryDate& b);

} // namespace mw
