#pragma once

#include "calc/analysis.h"
#include "calc/days_summary.h"
#include "calc/weight_trend.h"
#include "format/day_file.h"
#include "format/diary_folder.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace mw {

class FoodOperations;

// One recorded date as the diary lists it and the calendar marks it.
struct DiaryDayFigures
{
    DiaryDate date;
    std::size_t entries = 0;
    float calories = 0.0f;
    std::optional<int> percentGoal;     // of the calorie goal, as the panel's percent column shows it
    std::optional<IntakeLevel> level;   // the calories against the preferred range; none without a table
    std::optional<DayFileResult> error; // why the file cannot be read; the figures are then empty

    bool readable() const { return !error.has_value(); }
};

// The figures of one date's day file (which must exist to be readable).
DiaryDayFigures diaryDayFigures(const DiaryFolder& diary, const DiaryDate& date, const FoodOperations& foods,
                                const AnalysisGoals& goals);
// The figures of every recorded date of the range, ascending; each file is read once and the folder is not
// listed for each day. The calendar's marks of a month are diaryDays(diary, monthOf(date), ...).
std::vector<DiaryDayFigures> diaryDays(const DiaryFolder& diary, const DateRange& range, const FoodOperations& foods,
                                       const AnalysisGoals& goals);

// The recorded days of the range summed and averaged as several day files are; the days are named by their
// files, and the dates without a file are left out.
DaysSummary summarizeDiary(const DiaryFolder& diary, const DateRange& range, const FoodOperations& foods);

// The calories of every readable recorded day of the range, for the maintenance estimate.
std::vector<DayCalories> recordedCalories(const DiaryFolder& diary, const DateRange& range,
                                          const FoodOperations& foods);

// A log's trend with its maintenance estimate from the diary's days in the trend's rate window.
struct WeightOutlook
{
    WeightTrend trend;
    std::optional<MaintenanceEstimate> maintenance;
    int recordedDays = 0; // recorded diary days in the rate window
};
WeightOutlook weightOutlook(const WeightLog& log, const DiaryFolder& diary, const FoodOperations& foods);

} // namespace mw
