#pragma once

#include "format/diary_folder.h"
#include "format/weight_log.h"
#include "model/diary_date.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace mw {

// One day from the first weigh-in to the last.
struct WeightTrendDay
{
    DiaryDate date;
    double weight = 0.0; // pounds: weighed that day, else interpolated between the weigh-ins around it
    bool measured = false;
    double trend = 0.0; // pounds
};

// The calories a day that would hold the weight, and how many recorded diary days it rests on.
struct MaintenanceEstimate
{
    double calories = 0.0;
    int days = 0;
};

inline constexpr double kTrendSmoothing = 0.1;
inline constexpr int kRateWindowDays = 28;
inline constexpr int kMinTrendDaysForBalance = 14;
inline constexpr int kMinRecordedDaysForMaintenance = 14;
inline constexpr double kCaloriesPerPound = 3500.0;

struct WeightTrend
{
    std::vector<WeightTrendDay> days;
    // The least-squares slope of the trend over the last 28 days (fewer when there are fewer), pounds a day;
    // none with fewer than two days.
    std::optional<double> ratePerDay;
    // ratePerDay × 3,500 kcal; none with fewer than 14 days of trend.
    std::optional<double> dailyBalance;

    std::optional<double> ratePerWeek() const { return ratePerDay ? std::optional(*ratePerDay * 7.0) : std::nullopt; }
    // The dates the rate is taken over; none without days.
    std::optional<DateRange> rateWindow() const;
};

// The trend of a log's weigh-ins (ascending, one per date), in double precision: each day's weight, the
// trend (the first weight, then trend + 0.1 × (weight − trend) day by day), the rate and the balance.
WeightTrend weightTrend(std::span<const WeightEntry> entries);

// One recorded diary day's calories.
struct DayCalories
{
    DiaryDate date;
    double calories = 0.0;
};

// With a daily balance and at least 14 recorded days in the rate's window: their mean calories minus the
// balance. Days outside the window are ignored.
std::optional<MaintenanceEstimate> maintenanceEstimate(const WeightTrend& trend, std::span<const DayCalories> days);
// How many of the days lie in the rate's window.
int recordedDaysInWindow(const WeightTrend& trend, std::span<const DayCalories> days);

// The sentences under the chart, in pounds or kilograms: "losing 0.8 lb a week", "a daily deficit of about
// 400 kcal", "you would keep your weight at about 2,450 kcal a day (from 20 recorded days)".
std::string rateSentence(const WeightTrend& trend, bool kilograms);
std::string balanceSentence(const WeightTrend& trend);
std::string maintenanceSentence(const WeightTrend& trend, const std::optional<MaintenanceEstimate>& estimate,
                                int recordedDays);
// "1,234": a whole number with thousands separators.
std::string groupedInteger(long long value);

} // namespace mw
