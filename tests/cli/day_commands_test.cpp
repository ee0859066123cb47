#include "cli_test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace mw::test {
namespace {

class DayCommands : public ::testing::Test
{
protected:
    CliResult run(std::vector<std::string> arguments) const { return m_sandbox.run(std::move(arguments)); }
    std::string day() const { return m_sandbox.path("day.ypd"); }

    CliSandbox m_sandbox;
};

TEST_F(DayCommands, NewAndThreeAddsWriteTheExampleDayByteForByte)
{
    ASSERT_EQ(run({"new", day()}).code, 0);
    EXPECT_EQ(readFile(day()), std::string(12, '\0'));
    ASSERT_EQ(run({"add", day(), "--meal", "0", "--food", "0"}).code, 0);
    ASSERT_EQ(run({"add", day(), "--meal", "2", "--food", "26", "--grams", "0"}).code, 0);
    ASSERT_EQ(run({"add", day(), "--meal", "2", "--food", "0", "--grams", "122"}).code, 0);
    EXPECT_EQ(readFile(day()), readFile(sourcePath("tests/data/golden/day_example.ypd")));

    const CliResult shown = run({"show", day(), "--json"});
    ASSERT_EQ(shown.code, 0);
    EXPECT_EQ(shown.out.rfind("{\"meals\": [{\"title\": \"BREAKFAST\", \"entries\": [{\"id\": 0, \"grams\": 244, "
                              "\"text\": \"0;Milk [1 cup]\"}]}, {\"title\": \"SNACK - Morning\", \"entries\": []}, "
                              "{\"title\": \"LUNCH\", \"entries\": [{\"id\": "
                              "26, \"grams\": 28, ",
                              0),
              0u)
        << shown.out;
}

TEST_F(DayCommands, EditingEntries)
{
    ASSERT_EQ(run({"new", day()}).code, 0);
    ASSERT_EQ(run({"add", day(), "--meal", "2", "--food", "0", "--grams", "100"}).code, 0);
    ASSERT_EQ(run({"add", day(), "--meal", "2", "--food", "642"}).code, 0);
    ASSERT_EQ(run({"set-amount", day(), "--meal", "2", "--entry", "1", "--grams", "20000"}).code, 0);
    const CliResult shown = run({"show", day()});
    EXPECT_NE(shown.out.find("LUNCH\n  0: 0;Milk [1 cup], 100 g\n  1: 642;Wine, table, dry [1 wine glass], 100 g\n"),
              std::string::npos)
        << shown.out;
    ASSERT_EQ(run({"set-amount", day(), "--meal", "2", "--entry", "0", "--grams", "0"}).code, 0);
    ASSERT_EQ(run({"remove", day(), "--meal", "2", "--entry", "1"}).code, 0);
    EXPECT_NE(run({"show", day()}).out.find("LUNCH\n  0: 0;Milk [1 cup], 100 g\nSNACK - Afternoon\n"),
              std::string::npos);
    ASSERT_EQ(run({"clear", day(), "--meal", "2"}).code, 0);
    EXPECT_EQ(readFile(day()), std::string(12, '\0'));

    ASSERT_EQ(run({"add", day(), "--meal", "0", "--food", "0", "--amount", "2 cups"}).code, 0);
    ASSERT_EQ(run({"add", day(), "--meal", "0", "--food", "0", "--amount", "1/2 serving"}).code, 0);
    ASSERT_EQ(run({"set-amount", day(), "--meal", "0", "--entry", "1", "--amount", "3 oz"}).code, 0);
    EXPECT_NE(run({"show", day()}).out.find("  0: 0;Milk [1 cup], 488 g\n  1: 0;Milk [1 cup], 85 g\n"),
              std::string::npos);
}

TEST_F(DayCommands, FailedCommandsLeaveTheFileAsItWas)
{
    ASSERT_EQ(run({"new", day()}).code, 0);
    ASSERT_EQ(run({"add", day(), "--meal", "0", "--food", "0"}).code, 0);
    const std::string before = readFile(day());
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"add", day(), "--meal", "6", "--food", "0"},
             {"add", day(), "--meal", "0", "--food", "643"},
             {"add", day(), "--meal", "0", "--food", "0", "--grams", "70000"},
             {"add", day(), "--meal", "0", "--food", "0", "--grams", "10001"},
             {"add", day(), "--meal", "0", "--food", "0", "--amount", "2 bowls"},
             {"add", day(), "--meal", "0", "--food", "0", "--amount", "12345"},
             {"add", day(), "--meal", "0", "--food", "0", "--amount", "1 cup", "--grams", "5"},
             {"set-amount", day(), "--meal", "0", "--entry", "0", "--amount", "50 cups"},
             {"new", ""},
             {"export", day(), "-o", ""},
             {"generate", "--calories", "0", "-o", ""},
             {"set-amount", day(), "--meal", "0", "--entry", "1", "--grams", "5"},
             {"remove", day(), "--meal", "1", "--entry", "0"},
             {"clear", day()},
             {"show"},
         }) {
        const CliResult r = run(args);
        EXPECT_EQ(r.code, 1) << args[0] << ": " << r.err;
        EXPECT_NE(r.err.find("--help"), std::string::npos);
    }
    EXPECT_EQ(readFile(day()), before);
}

TEST_F(DayCommands, BrokenFilesAreReportedByNameWithExitCode2)
{
    const std::string broken = m_sandbox.path("broken.ypd");
    writeFile(broken, std::string("\x01\x00\xff\xff", 4));
    for (const auto& args : std::vector<std::vector<std::string>>{{"show", broken},
                                                                  {"add", broken, "--meal", "0", "--food", "0"},
                                                                  {"show", m_sandbox.path("missing.ypd")},
                                                                  {"new", m_sandbox.path("no/such/folder/day.ypd")}}) {
        const CliResult r = run(args);
        EXPECT_EQ(r.code, 2) << r.err;
        EXPECT_NE(r.err.find(args[1]), std::string::npos) << r.err;
    }
    EXPECT_EQ(readFile(broken), std::string("\x01\x00\xff\xff", 4));
    const std::string notes = m_sandbox.path("notes.ypd");
    writeFile(notes, "Shopping list\n");
    EXPECT_EQ(run({"show", notes}).err, "mealwright-cli: " + notes + ": the file is not a day file\n");
}

TEST_F(DayCommands, WhatIsNotARegularFileIsNamedWithItsCauseAndKept)
{
    std::filesystem::create_directory(m_sandbox.path("d"));
    ASSERT_EQ(::mkfifo(m_sandbox.path("pipe.ypd").c_str(), 0644), 0);
    EXPECT_NE(run({"new", m_sandbox.path("d")}).err.find("d: it is a folder, not a file"), std::string::npos);
    EXPECT_NE(run({"new", m_sandbox.path("pipe.ypd")}).err.find("ypd: it is not a regular file"), std::string::npos);
    EXPECT_NE(run({"show", m_sandbox.path("d")}).err.find("d: it is a folder, not a day file"), std::string::npos);
    EXPECT_NE(run({"show", m_sandbox.path("pipe.ypd")}).err.find("ypd: it is a named pipe (FIFO), not a day file"),
              std::string::npos);
    EXPECT_TRUE(std::filesystem::is_fifo(m_sandbox.path("pipe.ypd")));
}

TEST_F(DayCommands, ControlCharactersInWhatIsEchoedAreShownEscaped)
{
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"\x1B[2J"}, "unknown command '\\x1B[2J'"},
        {{"show", "--\x07"}, "unknown option '--\\x07'"},
        {{"show", "no\nsuch.ypd"}, "no\\x0Asuch.ypd: "},
        {{"usda", "show", "\x1B]0;x\x07"}, "not '\\x1B]0;x\\x07'"},
    };
    for (const auto& [args, shown] : cases) {
        const std::string err = run(args).err;
        EXPECT_NE(err.find(shown), std::string::npos) << err;
        EXPECT_EQ(err.find_first_of("\x1B\x07"), std::string::npos);
    }
}

TEST_F(DayCommands, CommandsThatStoreNoFoodCreateNoFoodFiles)
{
    writeFile(day(), std::string(12, '\0'));
    for (const auto& args : std::vector<std::vector<std::string>>{{"new", day()}, {"show", day()}, {"food", "0"}}) {
        EXPECT_EQ(run(args).code, 0) << args[0];
    }
    EXPECT_FALSE(std::filesystem::exists(m_sandbox.path("userfood.txt")));
}

} // namespace
} // namespace mw::test
