#include "calc/weight_trend.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace mw {
namespace {

using namespace std::chrono;

constexpr DiaryDate kStart{year{2026}, November, day{1}};

// Weigh-ins as (day after kStart, tenths of a pound).
std::vector<WeightEntry> weighIns(std::initializer_list<std::pair<int, int>> list)
{
    std::vector<WeightEntry> entries;
    for (const auto& [offset, tenths] : list) {
        entries.push_back({addDays(kStart, offset), tenths});
    }
    return entries;
}

// The same days eating the same calories, from day first to day last after kStart.
std::vector<DayCalories> eaten(int first, int last, double calories)
{
    std::vector<DayCalories> days;
    for (int d = first; d <= last; ++d) {
        days.push_back({addDays(kStart, d), calories});
    }
    return days;
}

TEST(WeightTrend, InterpolationTrendRateBalanceAndEstimate)
{
    struct Case
    {
        const char* what;
        std::vector<WeightEntry> entries;
        std::vector<DayCalories> diary;
        std::size_t days;
        int probeDay; // a day whose weight and trend are checked
        double probeWeight;
        bool probeMeasured;
        double probeTrend;
        std::optional<double> ratePerDay;
        std::optional<double> balance;
        std::optional<MaintenanceEstimate> estimate;
    };
    // Expected figures worked out apart from the program, in double precision.
    const Case cases[] = {
        {"no weigh-in", {}, {}, 0, -1, 0, false, 0, std::nullopt, std::nullopt, std::nullopt},
        {"one weigh-in: a trend, no rate", weighIns({{0, 1600}}), eaten(0, 0, 2000), 1, 0, 160.0, true, 160.0,
         std::nullopt, std::nullopt, std::nullopt},
        {"a gap of one day",
         weighIns({{0, 1700}, {2, 1680}}),
         {},
         3,
         1,
         169.0,
         false,
         169.9,
         -0.14499999999999602,
         std::nullopt,
         std::nullopt},
        {"gaps of 10 and 30 days",
         weighIns({{0, 1800}, {10, 1750}, {40, 1720}}),
         {},
         41,
         5,
         177.5,
         false,
         179.34279499999997,
         -0.1464335739176668,
         -512.5175087118338,
         std::nullopt},
        {"steady for 30 days, 14 days eaten in the last 28", weighIns({{0, 1500}, {29, 1500}}), eaten(16, 29, 2100), 30,
         20, 150.0, false, 150.0, 0.0, 0.0, MaintenanceEstimate{2100.0, 14}},
        {"13 days eaten in the window are too few", weighIns({{0, 1500}, {29, 1500}}), eaten(1, 14, 2100), 30, 29,
         150.0, true, 150.0, 0.0, 0.0, std::nullopt},
        {"13 days of trend have no balance", weighIns({{0, 1500}, {12, 1488}}), eaten(0, 12, 2000), 13, 12, 148.8, true,
         149.4458134171671, -0.047236989406936776, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const WeightTrend trend = weightTrend(c.entries);
        ASSERT_EQ(trend.days.size(), c.days);
        if (c.probeDay >= 0) {
            const WeightTrendDay& day = trend.days[static_cast<std::size_t>(c.probeDay)];
            EXPECT_EQ(day.date, addDays(kStart, c.probeDay));
            EXPECT_DOUBLE_EQ(day.weight, c.probeWeight);
            EXPECT_EQ(day.measured, c.probeMeasured);
            EXPECT_NEAR(day.trend, c.probeTrend, 1e-9);
        }
        ASSERT_EQ(trend.ratePerDay.has_value(), c.ratePerDay.has_value());
        if (c.ratePerDay) {
            EXPECT_NEAR(*trend.ratePerDay, *c.ratePerDay, 1e-9);
        }
        ASSERT_EQ(trend.dailyBalance.has_value(), c.balance.has_value());
        if (c.balance) {
            EXPECT_NEAR(*trend.dailyBalance, *c.balance, 1e-6);
        }
        const std::optional<MaintenanceEstimate> estimate = maintenanceEstimate(trend, c.diary);
        ASSERT_EQ(estimate.has_value(), c.estimate.has_value());
        if (c.estimate) {
            EXPECT_DOUBLE_EQ(estimate->calories, c.estimate->calories);
            EXPECT_EQ(estimate->days, c.estimate->days);
        }
    }
}

TEST(WeightTrend, TheRateFollowsTheLast28DaysAndTheEstimateAddsTheDeficit)
{
    // 101 days down 0.2 lb a day: the rate is taken over the last 28 of them.
    std::vector<WeightEntry> entries;
    for (int d = 0; d <= 100; ++d) {
        entries.push_back({addDays(kStart, d), 2000 - 2 * d});
    }
    WeightTrend trend = weightTrend(entries);
    ASSERT_TRUE(trend.ratePerDay);
    EXPECT_NEAR(*trend.ratePerDay, -0.2, 0.01); // the smoothed line runs parallel to the weights
    ASSERT_TRUE(trend.rateWindow());
    EXPECT_EQ(trend.rateWindow()->first, addDays(kStart, 73));
    // Losing about 700 kcal a day on 1,800 kcal: about 2,500 would hold the weight.
    const std::optional<MaintenanceEstimate> estimate = maintenanceEstimate(trend, eaten(60, 100, 1800));
    ASSERT_TRUE(estimate);
    EXPECT_EQ(estimate->days, 28);
    EXPECT_NEAR(estimate->calories, 1800 - *trend.dailyBalance, 1e-9);
    EXPECT_GT(estimate->calories, 2450);
    EXPECT_EQ(rateSentence(trend, false), "You are losing 1.4 lb a week.");
    EXPECT_EQ(rateSentence(trend, true), "You are losing 0.6 kg a week.");
    EXPECT_EQ(balanceSentence(trend), "That is a daily deficit of about 700 kcal.");
    EXPECT_EQ(maintenanceSentence(trend, MaintenanceEstimate{2453.0, 20}, 20),
              "You would keep your weight at about 2,450 kcal a day (from 20 recorded diary days).");
    EXPECT_EQ(groupedInteger(1234567), "1,234,567");
}

} // namespace
} // namespace mw
