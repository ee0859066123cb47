// The command-line tool killed at random moments while it saves a day or appends a personal food
// leaves each file as it was before or after that command, and two tools adding to one day lose
// nothing. The tool runs as a child process of the test.
#include "core/reliability/child_process.h"

#include "format/day_file.h"
#include "format/userfood_line.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <vector>

namespace mw {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kMaxKills = 40;
constexpr auto kTimeBudget = 4s;

const fs::path kCli = MEALWRIGHT_CLI_PATH;

class CliCrashSafety : public ::testing::Test
{
protected:
    std::vector<std::string> command(std::vector<std::string> arguments) const
    {
        arguments.insert(arguments.begin(),
                         {"--data-dir", m_dir.path().string(), "--settings", m_dir.file("profile.ini").string()});
        return arguments;
    }

    // Runs the tool to its end; its exit code.
    int run(const std::vector<std::string>& arguments) const
    {
        return test::waitForChild(test::startProgram(kCli, command(arguments))).code;
    }

    // How long one run of the command takes here, to spread the kills over it.
    std::chrono::microseconds timeOf(const std::vector<std::string>& arguments) const
    {
        const auto start = Clock::now();
        EXPECT_EQ(run(arguments), 0);
        return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
    }

    std::chrono::microseconds randomMoment(std::chrono::microseconds runTime)
    {
        return std::chrono::microseconds(m_random() % (runTime.count() * 5 / 4 + 1));
    }

    test::TempDir m_dir;
    std::mt19937 m_random{std::random_device{}()};
};

std::vector<std::string> addBreakfast(const fs::path& day, int grams)
{
    return {"add", day.string(), "--meal", "0", "--food", "1", "--grams", std::to_string(grams)};
}

// A big lunch makes every save long enough for kills to land inside it.
DayMeals startingDay()
{
    DayMeals day;
    for (int k = 0; k < 50000; ++k) {
        day[kLunch].append(CFood(static_cast<FoodId>(k % 643), static_cast<Grams>(1 + k % 500)));
    }
    return day;
}

TEST_F(CliCrashSafety, KilledDaySaveLeavesTheOldOrTheNewDay)
{
    const fs::path day = m_dir.file("day.ypd");
    const DayMeals start = startingDay();
    test::writeFile(day, encodeDayFile(start));
    // Breakfast gets 1 g, 2 g, 3 g ... one entry per finished command.
    int entries = 1;
    const auto runTime = timeOf(addBreakfast(day, entries));

    const auto stop = Clock::now() + kTimeBudget;
    int kills = 0;
    int interrupted = 0;
    for (; kills < kMaxKills && Clock::now() < stop; ++kills) {
        const test::ChildExit exit =
            test::killAfter(test::startProgram(kCli, command(addBreakfast(day, entries + 1))), randomMoment(runTime));
        interrupted += exit.killed ? 1 : 0;

        DayMeals read;
        const DayFileResult result = decodeDayFile(test::readFile(day), read);
        ASSERT_TRUE(result.ok()) << describeDayFileError(result) << " after kill " << kills;
        const std::size_t breakfast = read[kBreakfast].size();
        ASSERT_TRUE(breakfast == static_cast<std::size_t>(entries) ||
                    breakfast == static_cast<std::size_t>(entries) + 1)
            << breakfast << " entries where " << entries << " or one more were expected";
        for (std::size_t k = 0; k < breakfast; ++k) {
            ASSERT_EQ(read[kBreakfast].entry(k), CFood(1, static_cast<Grams>(k + 1)));
        }
        ASSERT_EQ(read[kLunch], start[kLunch]);
        ASSERT_FALSE(exit.killed == false && exit.code == 0 && breakfast == static_cast<std::size_t>(entries))
            << "the command reported success but the day is the old one";
        entries = static_cast<int>(breakfast);
    }
    EXPECT_GT(interrupted, 0) << "no kill landed while the command ran";
    RecordProperty("kills", kills);
    RecordProperty("interrupted", interrupted);
}

const PersonalFoodValues& foodValues()
{
    static const PersonalFoodValues values = [] {
        PersonalFoodValues v{};
        v[kWeight] = 150.0f;
        v[kCalories] = 210.0f;
        v[kProtein] = 12.5f;
        return v;
    }();
    return values;
}

std::string valuesArgument()
{
    std::string text;
    for (const float value : foodValues()) {
        text += (text.empty() ? "" : ",") + std::to_string(value);
    }
    return text;
}

std::vector<std::string> addFood(const std::string& name)
{
    return {"personal", "add", "--name", name, "--unit", "1 bowl", "--values", valuesArgument()};
}

std::string lineOf(const std::string& name)
{
    return buildUserfoodLine(name, "1 bowl", foodValues()) + std::string(kUserfoodLineEnd);
}

TEST_F(CliCrashSafety, KilledAppendLeavesWholeLinesOnly)
{
    const fs::path file = m_dir.file("userfood.txt");
    std::string expected = lineOf("Food 0");
    const auto runTime = timeOf(addFood("Food 0"));
    ASSERT_EQ(test::readFile(file), expected);

    const auto stop = Clock::now() + kTimeBudget;
    int kills = 0;
    int foods = 1;
    for (; kills < kMaxKills && Clock::now() < stop; ++kills) {
        const std::string name = "Food " + std::to_string(foods);
        test::killAfter(test::startProgram(kCli, command(addFood(name))), randomMoment(runTime));
        const std::string bytes = test::readFile(file);
        if (bytes == expected + lineOf(name)) {
            expected = bytes;
            ++foods;
        } else {
            ASSERT_EQ(bytes, expected) << "after kill " << kills;
        }
    }
    RecordProperty("kills", kills);
    RecordProperty("foods", foods);
}

TEST_F(CliCrashSafety, TwoToolsAddingToOneDayLoseNoEntry)
{
    constexpr int kAddsEach = 40;
    const fs::path day = m_dir.file("day.ypd");
    ASSERT_EQ(run({"new", day.string()}), 0);
    const auto addMany = [&](int grams) {
        return test::forkChild([&, grams] {
            int failed = 0;
            for (int i = 0; i < kAddsEach; ++i) {
                failed += run(addBreakfast(day, grams)) != 0 ? 1 : 0;
            }
            return failed;
        });
    };
    const pid_t first = addMany(1);
    const pid_t second = addMany(2);
    EXPECT_EQ(test::waitForChild(first).code, 0);
    EXPECT_EQ(test::waitForChild(second).code, 0);
    DayMeals meals;
    ASSERT_TRUE(decodeDayFile(test::readFile(day), meals).ok());
    EXPECT_EQ(meals[kBreakfast].size(), std::size_t{2 * kAddsEach});
}

} // namespace
} // namespace mw
