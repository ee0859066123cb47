#include "cli_app.h"
#include "report_command.h"
#include "support/temp_dir.h"

#include "format/day_file.h"
#include "model/day_document.h"
#include "model/food_operations.h"

#include "cli/command_runner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace mw::test {
namespace {

int pdfPageCount(const std::string& pdf)
{
    static const std::regex page(R"(/Type\s*/Page[^s\w])");
    return static_cast<int>(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

class ReportCommandTest : public ::testing::Test
{
protected:
    // Runs the command as the tool would, with a data folder and a profile of the test's own.
    CliResult report(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), {"--data-dir", m_dir.path().string(), "--settings", path("profile.ini")});
        const std::unique_ptr<cli::Command> command = cli::makeReportCommand();
        return runCommand(*command, arguments);
    }

    // A day of 60 standard foods: two pages or more.
    std::string longDay()
    {
        const FoodOperations foods;
        CFofDoc document(foods);
        for (int k = 0; k < 60; ++k) {
            document.appendEntry(static_cast<MealIndex>(k % kMealCount), static_cast<FoodId>(k * 10 % 643), 0);
        }
        EXPECT_FALSE(saveDayFile(path("long.ypd"), document));
        return path("long.ypd");
    }

    std::string path(const std::string& name) const { return m_dir.file(name).string(); }

    TempDir m_dir;
};

TEST_F(ReportCommandTest, WritesThePrintedAnalysisAsAPdf)
{
    const CliResult r = report({longDay(), "-o", path("day.pdf")});
    ASSERT_EQ(r.code, 0) << r.err;
    const std::string pdf = readFile(path("day.pdf"));
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    const int pages = pdfPageCount(pdf);
    EXPECT_GE(pages, 2);
    EXPECT_EQ(r.out, path("day.pdf") + ": " + std::to_string(pages) + " pages\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(ReportCommandTest, AnEmptyDayIsOnePage)
{
    writeFile(path("empty.ypd"), std::string(12, '\0'));
    const CliResult r = report({path("empty.ypd"), "-o", path("empty.pdf"), "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "{\"file\": \"" + path("empty.pdf") + "\", \"pages\": 1}\n");
    EXPECT_EQ(pdfPageCount(readFile(path("empty.pdf"))), 1);
}

TEST_F(ReportCommandTest, ADashWritesThePdfToStandardOutput)
{
    const CliResult r = report({longDay(), "-o", "-"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("%PDF-", 0), 0u);
    EXPECT_GE(pdfPageCount(r.out), 2);
    EXPECT_EQ(report({longDay(), "-o", "-", "--json"}).code, cli::kExitUsage);
}

TEST_F(ReportCommandTest, UsageErrorsWriteNothing)
{
    EXPECT_EQ(report({longDay()}).code, cli::kExitUsage);
    EXPECT_EQ(report({"-o", path("x.pdf")}).code, cli::kExitUsage);
    EXPECT_EQ(report({longDay(), path("other.ypd"), "-o", path("x.pdf")}).code, cli::kExitUsage);
    EXPECT_FALSE(std::filesystem::exists(path("x.pdf")));
}

TEST_F(ReportCommandTest, FilesThatCannotBeReadOrWrittenAreNamed)
{
    const CliResult missing = report({path("missing.ypd"), "-o", path("x.pdf")});
    EXPECT_EQ(missing.code, cli::kExitFile);
    EXPECT_EQ(missing.err.rfind(path("missing.ypd") + ": ", 0), 0u) << missing.err;

    writeFile(path("broken.ypd"), "garbage");
    EXPECT_EQ(report({path("broken.ypd"), "-o", path("x.pdf")}).code, cli::kExitFile);
    EXPECT_FALSE(std::filesystem::exists(path("x.pdf")));

    const std::string unwritable = (m_dir.path() / "no-folder" / "x.pdf").string();
    const CliResult blocked = report({longDay(), "-o", unwritable});
    EXPECT_EQ(blocked.code, cli::kExitFile);
    EXPECT_EQ(blocked.err.rfind(unwritable + ": cannot be written: ", 0), 0u) << blocked.err;
}

TEST_F(ReportCommandTest, AFailedRunLeavesAnOldPdfAlone)
{
    writeFile(path("old.pdf"), "old");
    writeFile(path("broken.ypd"), "garbage");
    EXPECT_EQ(report({path("broken.ypd"), "-o", path("old.pdf")}).code, cli::kExitFile);
    EXPECT_EQ(readFile(path("old.pdf")), "old");
}

TEST_F(ReportCommandTest, ThePrintSelectionComesFromTheProfile)
{
    const std::string day = longDay();
    ASSERT_EQ(report({day, "-o", path("all.pdf")}).code, 0);
    // Without printed nutrients the pages hold no columns of numbers; the profile is read, never written.
    const std::string profile = "[Options]\nPrint nutrients=0000000000000000000000000000\n";
    writeFile(path("profile.ini"), profile);
    const CliResult r = report({day, "-o", path("none.pdf")});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(readFile(path("profile.ini")), profile);
    EXPECT_LT(readFile(path("none.pdf")).size(), readFile(path("all.pdf")).size());
}

} // namespace
} // namespace mw::test
