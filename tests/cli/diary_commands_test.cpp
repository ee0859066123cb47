#include "cli/cli_test_support.h"

#include "format/day_file.h"
#include "format/diary_folder.h"
#include "model/diary_date.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mw::test {
namespace {

const std::vector<std::string> kMan = {"--age", "40", "--weight", "160", "--activity", "5", "--sex", "0"};

class DiaryCommandsTest : public ::testing::Test
{
protected:
    CliResult run(std::vector<std::string> arguments) const
    {
        arguments.insert(arguments.begin(), {"--diary", m_diary.path().string()});
        return m_cli.run(arguments);
    }
    std::string day(const std::string& date) const { return readFile(m_diary.dayFile(*parseIsoDate(date))); }
    bool hasDay(const std::string& date) const { return std::filesystem::exists(m_diary.dayFile(*parseIsoDate(date))); }

    CliSandbox m_cli;
    DiaryFolder m_diary{m_cli.dir().path() / "sync" / "diary"};
};

TEST_F(DiaryCommandsTest, DatedDaysAreWrittenReadAndSummarised)
{
    // The first save creates the diary folder.
    ASSERT_EQ(run({"add", "--date", "2026-12-01", "--meal", "0", "--food", "0"}).code, 0);
    ASSERT_EQ(run({"add", "--date", "2026-12-01", "--meal", "2", "--food", "0", "--grams", "488"}).code, 0);
    ASSERT_EQ(run({"generate", "--calories", "2000", "--seed", "7", "--date", "2026-12-03"}).code, 0);
    ASSERT_EQ(run({"set-amount", "--date", "2026-12-01", "--meal", "2", "--entry", "0", "--grams", "244"}).code, 0);
    EXPECT_NE(run({"show", "--date", "2026-12-01"}).out.find("LUNCH\n  0: 0;Milk [1 cup], 244 g\n"), std::string::npos);
    // A date without a file is an empty day to read, and leaves no file.
    const CliResult empty = run({"show", "--date", "2026-12-02", "--json"});
    EXPECT_EQ(empty.code, 0);
    EXPECT_EQ(empty.out.find("\"entries\": [{"), std::string::npos);
    EXPECT_FALSE(hasDay("2026-12-02"));

    const CliResult list = run({"diary", "list", "--json", "--from", "2026-11-30", "--to", "2026-12-02"});
    ASSERT_EQ(list.code, 0) << list.err;
    EXPECT_EQ(list.out, "{\"days\": [{\"date\": \"2026-12-01\", \"entries\": 2, \"calories\": 299.632, "
                        "\"percent_goal\": null, \"error\": null}]}\n");

    std::vector<std::string> analyze = {"analyze", "--from", "2026-11-01", "--to", "2026-12-31", "--json"};
    analyze.insert(analyze.end(), kMan.begin(), kMan.end());
    const CliResult summary = run(analyze);
    ASSERT_EQ(summary.code, 0) << summary.err;
    EXPECT_NE(summary.out.find("2026-12-01.ypd\", \"nutrients\": [488.0, 299.632"), std::string::npos) << summary.out;
    EXPECT_NE(summary.out.find("\"average\": {\"days\": 2,"), std::string::npos);

    const CliResult csv = run({"export", "--from", "2026-12-01", "--to", "2026-12-01", "-o", "-"});
    EXPECT_NE(csv.out.find("\r\n2026-12-01.ypd,488,299.632,"), std::string::npos) << csv.out;

    // A range without a recorded day says so and has no average.
    analyze[2] = "2020-01-01";
    analyze[4] = "2020-01-31";
    const CliResult none = run(analyze);
    EXPECT_EQ(none.code, 0);
    EXPECT_EQ(none.out, "{\"days\": [], \"average\": null}\n");
    EXPECT_NE(none.err.find("no day is recorded from 2020-01-01 to 2020-01-31"), std::string::npos);
}

TEST_F(DiaryCommandsTest, DateWordsCountFromToday)
{
    const DiaryDate today = localToday();
    ASSERT_EQ(run({"add", "--date", "today", "--meal", "0", "--food", "0"}).code, 0);
    ASSERT_EQ(run({"add", "--date", "-2", "--meal", "0", "--food", "0"}).code, 0);
    EXPECT_TRUE(hasDay(isoDateText(today)));
    EXPECT_TRUE(hasDay(isoDateText(addDays(today, -2))));
    std::vector<std::string> last = {"analyze", "--last", "2"};
    last.insert(last.end(), kMan.begin(), kMan.end());
    EXPECT_NE(run(last).out.find("1 of 2 days recorded"), std::string::npos);
}

TEST_F(DiaryCommandsTest, BadDatesAndRangesAreUsageErrorsThatWriteNothing)
{
    const std::vector<std::vector<std::string>> commands = {
        {"add", "--date", "2027-02-29", "--meal", "0", "--food", "0"},
        {"new", "--date", "2026-13-01"},
        {"generate", "--calories", "0", "--date", "1899-12-31"},
        {"add", "--date", "10000-01-01", "--meal", "0", "--food", "0"},
        {"show", "--date", "tomorrow"},
        {"add", "day.ypd", "--date", "today", "--meal", "0", "--food", "0"},
        {"analyze", "--from", "2026-12-07", "--to", "2026-12-01"},
        {"analyze", "--last", "0"},
        {"analyze", "--last", "7", "--date", "today"},
        {"export", "--from", "2026-12-01", "-o", "x.csv"},
        {"diary", "list", "--from", "2026-02-30"},
        {"diary", "show"},
    };
    for (const std::vector<std::string>& command : commands) {
        const CliResult r = run(command);
        EXPECT_EQ(r.code, 1) << command[0] << ' ' << command[1] << ": " << r.err;
        EXPECT_NE(r.err.find("--help"), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists(m_diary.path()));
}

TEST_F(DiaryCommandsTest, AnUnreadableDateIsAFileErrorAndNeverWrittenOver)
{
    ASSERT_FALSE(m_diary.ensureExists());
    const std::string cut("\x01\x00\xff", 3);
    writeFile(m_diary.dayFile(*parseIsoDate("2026-12-01")), cut);
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"add", "--date", "2026-12-01", "--meal", "0", "--food", "0"},
          {"new", "--date", "2026-12-01"},
          {"generate", "--calories", "0", "--date", "2026-12-01"},
          {"show", "--date", "2026-12-01"},
          {"export", "--from", "2026-11-01", "--to", "2026-12-31", "-o", "-"}}) {
        const CliResult r = run(command);
        EXPECT_EQ(r.code, 2) << command[0];
        EXPECT_NE(r.err.find("2026-12-01.ypd"), std::string::npos) << r.err;
    }
    EXPECT_EQ(day("2026-12-01"), cut);
    const CliResult list = run({"diary", "list"});
    EXPECT_EQ(list.code, 0);
    EXPECT_EQ(list.out.rfind("2026-12-01  cannot be read: the meal claims", 0), 0u) << list.out;
}

TEST_F(DiaryCommandsTest, WeightsAreLoggedReplacedRemovedAndTrended)
{
    ASSERT_EQ(run({"weight", "add", "--date", "2026-11-01", "170"}).code, 0);
    ASSERT_EQ(run({"weight", "add", "--date", "2026-11-03", "168.44"}).code, 0);
    const CliResult replaced = run({"weight", "add", "--date", "2026-11-03", "76.5", "--kg", "--json"});
    EXPECT_EQ(replaced.out, "{\"date\": \"2026-11-03\", \"weight_lb\": 168.7, \"replaced_lb\": 168.4}\n");
    ASSERT_EQ(run({"weight", "add", "--date", "2026-11-05", "160"}).code, 0);
    ASSERT_EQ(run({"weight", "remove", "--date", "2026-11-05"}).code, 0);
    EXPECT_EQ(readFile(m_diary.weightLogFile()), "date,weight_lb\n2026-11-01,170.0\n2026-11-03,168.7\n");
    EXPECT_EQ(run({"weight", "list", "--from", "2026-11-02", "--json"}).out,
              "{\"weights\": [{\"date\": \"2026-11-03\", \"weight_lb\": 168.7}]}\n");
    EXPECT_EQ(run({"weight", "trend", "--json"}).out,
              "{\"days\": [{\"date\": \"2026-11-01\", \"weight_lb\": 170.0, \"measured\": true, \"trend_lb\": 170.0}, "
              "{\"date\": \"2026-11-02\", \"weight_lb\": 169.35, \"measured\": false, \"trend_lb\": 169.935}, "
              "{\"date\": \"2026-11-03\", \"weight_lb\": 168.7, \"measured\": true, \"trend_lb\": 169.8115}], "
              "\"rate_lb_per_week\": -0.6597500000000167, \"daily_balance_kcal\": null, \"maintenance\": null}\n");
    EXPECT_NE(run({"weight", "trend"}).out.find("You are losing 0.7 lb a week."), std::string::npos);
}

TEST_F(DiaryCommandsTest, BadWeightsAreUsageErrorsThatWriteNothing)
{
    for (const std::vector<std::string>& command : {std::vector<std::string>{"weight", "add", "abc"},
                                                    {"weight", "add", "0"},
                                                    {"weight", "add", "-3"},
                                                    {"weight", "add", "1500.1"},
                                                    {"weight", "add", "681", "--kg"},
                                                    {"weight", "add", "160", "--date", "9999-12-31"},
                                                    {"weight", "add", "160", "--date", "2026-02-30"},
                                                    {"weight", "add"},
                                                    {"weight", "remove"},
                                                    {"weight", "remove", "--date", "2026-11-01"},
                                                    {"weight", "weigh"}}) {
        const CliResult r = run(command);
        EXPECT_EQ(r.code, 1) << command.back() << ": " << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(m_diary.weightLogFile()));
    // A line the log cannot read is reported and kept.
    ASSERT_FALSE(m_diary.ensureExists());
    writeFile(m_diary.weightLogFile(), "date,weight_lb\n2026-11-01,x\n");
    const CliResult r = run({"weight", "add", "--date", "2026-11-02", "150"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.err.find("cannot read line 2: 2026-11-01,x (kept as it is)"), std::string::npos) << r.err;
    EXPECT_EQ(readFile(m_diary.weightLogFile()), "date,weight_lb\n2026-11-01,x\n2026-11-02,150.0\n");
}

} // namespace
} // namespace mw::test
