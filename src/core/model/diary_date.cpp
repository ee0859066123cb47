#include "model/diary_date.h"

#include <cstdio>
#include <ctime>

namespace mw {
namespace {

using namespace std::chrono;

std::optional<int> digits(std::string_view text)
{
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

bool isDiaryDate(const DiaryDate& date)
{
    return date.ok() && date >= kFirstDiaryDate && date <= kLastDiaryDate;
}

std::optional<DiaryDate> parseIsoDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const std::optional<int> y = digits(text.substr(0, 4));
    const std::optional<int> m = digits(text.substr(5, 2));
    const std::optional<int> d = digits(text.substr(8, 2));
    if (!y || !m || !d) {
        return std::nullopt;
    }
    const DiaryDate date{year{*y}, month{static_cast<unsigned>(*m)}, day{static_cast<unsigned>(*d)}};
    return isDiaryDate(date) ? std::optional(date) : std::nullopt;
}

std::string isoDateText(const DiaryDate& date)
{
    char text[16] = {};
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::optional<DiaryDate> parseDateWord(std::string_view text, const DiaryDate& today)
{
    std::optional<DiaryDate> date;
    if (text == "today") {
        date = today;
    } else if (text == "yesterday") {
        date = addDays(today, -1);
    } else if (text.size() >= 2 && text.size() <= 8 && text.front() == '-') {
        // Eight characters hold every count of days back to the first diary date.
        if (const std::optional<int> back = digits(text.substr(1))) {
            date = addDays(today, -*back);
        }
    } else {
        return parseIsoDate(text);
    }
    return date && isDiaryDate(*date) ? date : std::nullopt;
}

DiaryDate localToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm local = {};
    if (::localtime_r(&now, &local) == nullptr) {
        return DiaryDate{floor<days>(system_clock::now())};
    }
    return DiaryDate{year{local.tm_year + 1900}, month{static_cast<unsigned>(local.tm_mon + 1)},
                     day{static_cast<unsigned>(local.tm_mday)}};
}

DiaryDate addDays(const DiaryDate& date, long long count)
{
    return DiaryDate{sys_days{date} + days{count}};
}

long long daysBetween(const DiaryDate& a, const DiaryDate& b)
{
    return (sys_days{b} - sys_days{a}).count();
}

} // namespace mw
