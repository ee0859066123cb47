#include "calc/days_summary.h"

#include "calc/days_csv.h"
#include "model/day_document.h"
#include "model/food_operations.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace mw {
namespace {

// Milk (0) in grams per day; a negative amount writes a file that is cut inside its first entry.
struct DayCase
{
    const char* name;
    int grams;
};

std::vector<std::filesystem::path> writeDays(const test::TempDir& dir, const FoodOperations& foods,
                                             std::initializer_list<DayCase> days)
{
    std::vector<std::filesystem::path> files;
    for (const DayCase& day : days) {
        files.push_back(dir.file(day.name));
        if (day.grams < 0) {
            test::writeFile(files.back(), std::string("\x01\x00\xff", 3));
            continue;
        }
        CFofDoc document(foods);
        document.appendEntry(kBreakfast, 0, static_cast<Grams>(day.grams));
        document.appendEntry(kDinner, 1, 100);
        EXPECT_FALSE(saveDayFile(files.back(), document));
    }
    return files;
}

TEST(DaysSummary, AveragesTheReadableDaysAndListsTheOthers)
{
    const test::TempDir dir;
    const FoodOperations foods;
    std::vector<std::filesystem::path> files =
        writeDays(dir, foods, {{"mon.ypd", 244}, {"cut.ypd", -1}, {"tue.ypd", 100}, {"wed.ypd", 1}});
    files.push_back(dir.file("missing.ypd"));
    const DaysSummary summary = summarizeDays(files, foods);

    ASSERT_EQ(summary.dayCount(), 3u);
    EXPECT_EQ(summaryDayName(summary.days[1]), "tue.ypd");
    ASSERT_EQ(summary.unreadable.size(), 2u);
    EXPECT_EQ(summary.unreadable[0].result.error, DayFileError::kCountTooLarge);
    EXPECT_EQ(summary.unreadable[1].result.error, DayFileError::kCannotRead);
    EXPECT_EQ(unreadableDayText(summary.unreadable[0]).rfind("cut.ypd: ", 0), 0u);
    for (std::size_t n = 0; n < NutrientVector::size(); ++n) {
        const double sum =
            static_cast<double>(summary.days[0].totals[n]) + summary.days[1].totals[n] + summary.days[2].totals[n];
        EXPECT_DOUBLE_EQ(summary.average[n], sum / 3.0) << n;
    }
    EXPECT_DOUBLE_EQ(summary.average[kWeight], (344.0 + 200.0 + 101.0) / 3.0);
    EXPECT_EQ(averageTitle(summary.dayCount()), "Average of 3 days");

    const std::string csv = daysSummaryCsv(summary);
    EXPECT_EQ(csv.rfind("File,Weight (g),Calories (kcal),", 0), 0u);
    EXPECT_NE(csv.find("\r\ntue.ypd,200,"), std::string::npos);
    EXPECT_NE(csv.find("\r\nAverage of 3 days,215,"), std::string::npos);
}

TEST(DaysSummary, DaysAreNamedByTheirPathBelowTheFolderTheyShareAndSpreadsheetsGetNoFormulas)
{
    using Names = std::vector<std::string>;
    const std::pair<std::vector<std::filesystem::path>, Names> cases[] = {
        {{"/d/a,b.ypd", "/d/sub/a,b.ypd"}, {"a,b.ypd", "sub/a,b.ypd"}},
        {{"x/mon.ypd", "x/./tue.ypd"}, {"mon.ypd", "tue.ypd"}},
        {{"/d/mon.ypd", "mon.ypd"}, {"/d/mon.ypd", "mon.ypd"}},
        {{"../w1/mon.ypd", "../w2/mon.ypd"}, {"w1/mon.ypd", "w2/mon.ypd"}},
    };
    for (const auto& [files, names] : cases) {
        EXPECT_EQ(dayNames(files), names) << files[0];
    }

    const test::TempDir dir;
    std::filesystem::create_directory(dir.file("sub"));
    const FoodOperations foods;
    const DaysSummary summary =
        summarizeDays(writeDays(dir, foods, {{"=HYPERLINK(x).ypd", 244}, {"sub/=HYPERLINK(x).ypd", 100}}), foods);
    const std::string csv = daysSummaryCsv(summary);
    EXPECT_NE(csv.find("\r\n'=HYPERLINK(x).ypd,344,"), std::string::npos) << csv;
    EXPECT_NE(csv.find("\r\nsub/=HYPERLINK(x).ypd,200,"), std::string::npos) << csv;
}

TEST(DaysSummary, OneDayIsItsOwnAverageAndNoDayAveragesToZero)
{
    const test::TempDir dir;
    const FoodOperations foods;
    const DaysSummary one = summarizeDays(writeDays(dir, foods, {{"only.ypd", 244}}), foods);
    ASSERT_EQ(one.dayCount(), 1u);
    for (std::size_t n = 0; n < NutrientVector::size(); ++n) {
        EXPECT_EQ(one.average[n], static_cast<double>(one.days[0].totals[n]));
    }
    EXPECT_EQ(averageTitle(1), "Average of 1 day");
    const DaysSummary none = summarizeDays({}, foods);
    EXPECT_EQ(none.average, AverageNutrients{});
}

TEST(DaysSummary, TheAverageIsMeasuredAgainstTheGoalsAsThePanelMeasuresADay)
{
    AnalysisGoals goals;
    goals.requirements[kCalories] = 2000.0f;
    goals.requirements[kProtein] = 0.0f;
    goals.requirements[kAlcohol] = 10.0f;
    AverageNutrients average{};
    average[kCalories] = 1999.98;
    average[kAlcohol] = 5.0;
    GoalComparison rda = compareWithGoals(average, goals);
    EXPECT_EQ(rda.percent[kCalories], 99);          // truncated, as the panel does
    EXPECT_EQ(rda.percent[kProtein], std::nullopt); // a zero goal
    EXPECT_EQ(rda.percent[kAlcohol], std::nullopt); // the percent column draws none against the RDA
    EXPECT_EQ(rda.level[kCalories], std::nullopt);  // no preference table

    PreferenceTable table{};
    table[kCalories] = {1800, 2200};
    table[kAlcohol] = {0, 5};
    goals.preferences = IntakePreferences(table);
    goals.usePersonalGoal = true;
    const GoalComparison personal = compareWithGoals(average, goals);
    EXPECT_EQ(personal.percent[kCalories], 90);
    EXPECT_EQ(personal.level[kCalories], IntakeLevel::kIn);
    EXPECT_EQ(personal.percent[kAlcohol], 100);
    EXPECT_EQ(personal.level[kAlcohol], IntakeLevel::kAbove);
    EXPECT_EQ(calorieTarget(goals).from, 1800.0f);
    EXPECT_EQ(calorieTarget(goals).to, 2200.0f);
}

} // namespace
} // namespace mw
