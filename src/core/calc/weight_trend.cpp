#include "calc/weight_trend.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace mw {
namespace {

// The least-squares slope of values against 0, 1, 2, ...
double slope(std::span<const WeightTrendDay> days)
{
    const auto n = static_cast<double>(days.size());
    const double meanX = (n - 1.0) / 2.0;
    double meanY = 0.0;
    for (const WeightTrendDay& day : days) {
        meanY += day.trend;
    }
    meanY /= n;
    double covariance = 0.0;
    double variance = 0.0;
    for (std::size_t i = 0; i < days.size(); ++i) {
        const double dx = static_cast<double>(i) - meanX;
        covariance += dx * (days[i].trend - meanY);
        variance += dx * dx;
    }
    return covariance / variance;
}

std::span<const WeightTrendDay> rateDays(const WeightTrend& trend)
{
    const std::size_t count = std::min<std::size_t>(trend.days.size(), kRateWindowDays);
    return std::span<const WeightTrendDay>(trend.days).last(count);
}

std::string oneDecimal(double value)
{
    char text[32] = {};
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

long long roundedToTen(double value)
{
    return std::llround(value / 10.0) * 10;
}

} // namespace

std::optional<DateRange> WeightTrend::rateWindow() const
{
    const std::span<const WeightTrendDay> window = rateDays(*this);
    if (window.empty()) {
        return std::nullopt;
    }
    return DateRange{window.front().date, window.back().date};
}

WeightTrend weightTrend(std::span<const WeightEntry> entries)
{
    WeightTrend trend;
    if (entries.empty()) {
        return trend;
    }
    trend.days.reserve(static_cast<std::size_t>(daysBetween(entries.front().date, entries.back().date) + 1));
    double previousTrend = entries.front().pounds();
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const WeightEntry& from = entries[k];
        const WeightEntry& to = k + 1 < entries.size() ? entries[k + 1] : from;
        const long long gap = daysBetween(from.date, to.date);
        for (long long d = 0; d < std::max(gap, 1LL); ++d) {
            WeightTrendDay day;
            day.date = addDays(from.date, d);
            day.measured = d == 0;
            day.weight = d == 0 ? from.pounds()
                                : from.pounds() +
                                      (to.pounds() - from.pounds()) * static_cast<double>(d) / static_cast<double>(gap);
            day.trend =
                trend.days.empty() ? day.weight : previousTrend + kTrendSmoothing * (day.weight - previousTrend);
            previousTrend = day.trend;
            trend.days.push_back(day);
        }
    }
    const std::span<const WeightTrendDay> window = rateDays(trend);
    if (window.size() >= 2) {
        trend.ratePerDay = slope(window);
    }
    if (trend.ratePerDay && trend.days.size() >= static_cast<std::size_t>(kMinTrendDaysForBalance)) {
        trend.dailyBalance = *trend.ratePerDay * kCaloriesPerPound;
    }
    return trend;
}

int recordedDaysInWindow(const WeightTrend& trend, std::span<const DayCalories> days)
{
    const std::optional<DateRange> window = trend.rateWindow();
    if (!window) {
        return 0;
    }
    return static_cast<int>(
        std::count_if(days.begin(), days.end(), [&](const DayCalories& day) { return window->contains(day.date); }));
}

std::optional<MaintenanceEstimate> maintenanceEstimate(const WeightTrend& trend, std::span<const DayCalories> days)
{
    const std::optional<DateRange> window = trend.rateWindow();
    if (!trend.dailyBalance || !window) {
        return std::nullopt;
    }
    double sum = 0.0;
    int count = 0;
    for (const DayCalories& day : days) {
        if (window->contains(day.date)) {
            sum += day.calories;
            ++count;
        }
    }
    if (count < kMinRecordedDaysForMaintenance) {
        return std::nullopt;
    }
    return MaintenanceEstimate{sum / static_cast<double>(count) - *trend.dailyBalance, count};
}

std::string groupedInteger(long long value)
{
    std::string digits = std::to_string(value < 0 ? -value : value);
    for (auto i = static_cast<std::ptrdiff_t>(digits.size()) - 3; i > 0; i -= 3) {
        digits.insert(static_cast<std::size_t>(i), ",");
    }
    return value < 0 ? "-" + digits : digits;
}

std::string rateSentence(const WeightTrend& trend, bool kilograms)
{
    if (trend.days.empty()) {
        return "No weight is logged yet: log today's weight to start the chart and its trend.";
    }
    const std::optional<double> perWeek = trend.ratePerWeek();
    if (!perWeek) {
        return "One weigh-in so far: the trend's rate shows from the second day on.";
    }
    const double shown = kilograms ? *perWeek * 453.592 * 0.001 : *perWeek;
    const std::string amount = oneDecimal(std::fabs(shown));
    const char* unit = kilograms ? " kg" : " lb";
    if (amount == "0.0") {
        return std::string("Your weight holds steady (less than 0.1") + unit + " a week).";
    }
    return std::string("You are ") + (shown < 0 ? "losing " : "gaining ") + amount + unit + " a week.";
}

std::string balanceSentence(const WeightTrend& trend)
{
    if (!trend.dailyBalance) {
        return "The daily calorie balance shows after " + std::to_string(kMinTrendDaysForBalance) + " days of trend (" +
               std::to_string(trend.days.size()) + " so far).";
    }
    const long long about = roundedToTen(std::fabs(*trend.dailyBalance));
    if (about == 0) {
        return "Your calories about match what you use.";
    }
    return std::string("That is a daily ") + (*trend.dailyBalance < 0 ? "deficit" : "surplus") + " of about " +
           groupedInteger(about) + " kcal.";
}

std::string maintenanceSentence(const WeightTrend& trend, const std::optional<MaintenanceEstimate>& estimate,
                                int recordedDays)
{
    if (estimate) {
        return "You would keep your weight at about " + groupedInteger(roundedToTen(estimate->calories)) +
               " kcal a day (from " + std::to_string(estimate->days) + " recorded diary days).";
    }
    if (trend.days.empty()) {
        return {};
    }
    return "The calories that would keep your weight show with " + std::to_string(kMinRecordedDaysForMaintenance) +
           " recorded diary days in the last " + std::to_string(kRateWindowDays) + " days of the trend (" +
           std::to_string(recordedDays) + " so far).";
}

} // namespace mw
