#include "cli/cli_test_support.h"

#include "format/day_file.h"
#include "model/meal.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mw::test {
namespace {

const std::vector<std::string> kMan = {"--age", "40", "--weight", "160", "--activity", "5", "--sex", "0"};

class DaysCommandsTest : public ::testing::Test
{
protected:
    DaysCommandsTest()
    {
        // A cup of milk, and two cups.
        for (const auto& [name, grams] : {std::pair{"mon.ypd", 244}, std::pair{"tue.ypd", 488}}) {
            DayMeals meals;
            meals[kBreakfast].append(CFood(0, static_cast<Grams>(grams)));
            writeFile(m_cli.dir().file(name), encodeDayFile(meals));
        }
    }

    CliResult run(std::vector<std::string> arguments) const
    {
        arguments.insert(arguments.end(), kMan.begin(), kMan.end());
        return m_cli.run(arguments);
    }

    CliSandbox m_cli;
};

TEST_F(DaysCommandsTest, AnalyzeOfSeveralDaysGivesEachDayAndTheirAverage)
{
    const CliResult r = run({"analyze", m_cli.path("mon.ypd"), m_cli.path("tue.ypd"), "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(
        r.out.rfind("{\"days\": [{\"file\": \"" + m_cli.path("mon.ypd") + "\", \"nutrients\": [244.0, 149.816", 0), 0u);
    // 366 g of milk on average, the mean taken in double precision: 8 % of 2604 kcal; no goal for weight.
    EXPECT_NE(r.out.find("\"average\": {\"days\": 2, \"nutrients\": [366.0, 224.72399139404297, "), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("\"percent_goal\": [null, 8, 20, "), std::string::npos) << r.out;

    const CliResult text = run({"analyze", m_cli.path("mon.ypd"), m_cli.path("tue.ypd")});
    ASSERT_EQ(text.code, 0) << text.err;
    EXPECT_NE(text.out.find("Average of 2 days\n"), std::string::npos);
    EXPECT_NE(text.out.find("Calories            150     300      225      8%  kcal\n"), std::string::npos) << text.out;
    // One file is the day's analysis as before.
    EXPECT_NE(run({"analyze", m_cli.path("mon.ypd"), "--json"}).out.find("\"fat_warning_level\""), std::string::npos);
}

TEST_F(DaysCommandsTest, ExportOfSeveralDaysWritesOneRowPerDayAndTheAverage)
{
    const CliResult r = m_cli.run({"export", m_cli.path("mon.ypd"), m_cli.path("tue.ypd"), "-o", "-"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("File,Weight (g),Calories (kcal),Protein (g)", 0), 0u);
    EXPECT_NE(r.out.find("\r\nmon.ypd,244,149.816,"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\r\nAverage of 2 days,366,224.724,"), std::string::npos) << r.out;
}

TEST_F(DaysCommandsTest, EveryUnreadableDayIsNamedAndFailsTheWholeCommand)
{
    std::filesystem::create_directory(m_cli.path("folder.ypd"));
    for (const std::string command : {"analyze", "export"}) {
        const std::vector<std::string> args = {command, m_cli.path("none.ypd"), m_cli.path("mon.ypd"),
                                               m_cli.path("folder.ypd")};
        const CliResult r = command == "export"
                                ? m_cli.run({command, args[1], args[2], args[3], "-o", m_cli.path("week.csv")})
                                : run(args);
        EXPECT_EQ(r.code, 2) << command;
        EXPECT_NE(r.err.find("none.ypd: the file cannot be read"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("folder.ypd: it is a folder, not a day file"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("2 of 3 day files cannot be read"), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(m_cli.path("week.csv")));
}

TEST_F(DaysCommandsTest, ColumnsOfTextKeepABlankBetweenThemHoweverLargeTheNumbers)
{
    // 9999 kcal a gram, 10000 g of it: eight digits of calories in columns eight wide.
    ASSERT_EQ(m_cli
                  .run({"personal", "add", "--name", "Dense", "--unit", "g", "--values",
                        "1,9999,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0"})
                  .code,
              0);
    ASSERT_EQ(m_cli.run({"add", m_cli.path("mon.ypd"), "--meal", "1", "--food", "643", "--grams", "10000"}).code, 0);
    const std::string day = run({"analyze", m_cli.path("mon.ypd")}).out;
    EXPECT_NE(day.find("\nCalories        99990152    2604 3839867% "), std::string::npos) << day;
    const std::string days = run({"analyze", m_cli.path("mon.ypd"), m_cli.path("mon.ypd")}).out;
    EXPECT_NE(days.find("\nCalories        99990152 99990152 99990152 3839867%"), std::string::npos) << days;
}

TEST(FoodsPerBasis, SortsCalciumPer100kcalWithTheBoiledLeafyGreensFirst)
{
    const CliResult r = runCli({"foods", "--group", "23", "--sort", "19", "--per", "100kcal", "--descending"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("518;Bok choy, boiled [1 cup shredded]\n556;Turnip greens, boiled [1 cup chopped]\n"
                          "550;Spinach, boiled [1 cup]\n",
                          0),
              0u)
        << r.out;
    EXPECT_EQ(runCli({"foods", "--sort", "19", "--per", "kcal", "--ascending"}).code, 1);
    EXPECT_EQ(runCli({"foods", "--per", "100g"}).code, 1);
}

} // namespace
} // namespace mw::test
