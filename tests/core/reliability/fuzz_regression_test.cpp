// Every input the fuzzers ever failed on, and every seed they start from, goes through the same
// checks as in the fuzzers; plus the faults they found, spelled out.
#include "fuzz/day_file_checks.h"
#include "fuzz/food_attribute_checks.h"
#include "fuzz/ini_checks.h"
#include "fuzz/userfood_checks.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace mw {
namespace {

namespace fs = std::filesystem;

// The files of tests/fuzz/corpus/<reader> and tests/fuzz/regressions/<reader>, sorted.
std::vector<fs::path> inputsOf(const std::string& reader)
{
    std::vector<fs::path> files;
    for (const char* kind : {"corpus", "regressions"}) {
        const fs::path folder = test::sourcePath("tests/fuzz/" + std::string(kind) + "/" + reader);
        if (!fs::is_directory(folder)) {
            continue;
        }
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

void feedEvery(const std::string& reader, const std::function<void(std::string_view)>& check)
{
    const std::vector<fs::path> files = inputsOf(reader);
    ASSERT_FALSE(files.empty()) << "no seeds for " << reader;
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        check(test::readFile(file));
    }
}

TEST(FuzzInputs, DayFile)
{
    feedEvery("day_file", fuzz::checkDayFile);
}

TEST(FuzzInputs, UserfoodLine)
{
    feedEvery("userfood_line", fuzz::checkUserfoodLine);
}

TEST(FuzzInputs, PersonalFoodDatabase)
{
    test::TempDir dir;
    feedEvery("personal_food_database", [&](std::string_view bytes) {
        fuzz::checkPersonalFoodFile(dir.path(), bytes);
        fuzz::checkAppendAfterAnotherProgram(dir.path(), bytes);
    });
}

TEST(FuzzInputs, FoodAttributeFile)
{
    test::TempDir dir;
    feedEvery("food_attribute_file", [&](std::string_view bytes) { fuzz::checkFoodAttributeFile(dir.path(), bytes); });
}

TEST(FuzzInputs, IniFile)
{
    test::TempDir dir;
    feedEvery("ini_file", [&](std::string_view bytes) { fuzz::checkIniText(dir.path(), bytes); });
}

TEST(FuzzFindings, FileOfOnlyAByteOrderMarkGivesTheFirstFoodTheFirstId)
{
    test::TempDir dir;
    test::writeFile(dir.file("userfood.txt"), "\xEF\xBB\xBF");
    PersonalFoodDatabase database;
    ASSERT_EQ(database.open(dir.path()).status, PersonalFoodStatus::kOk);
    PersonalFoodValues values{};
    values[kWeight] = 20.0f;
    ASSERT_EQ(database.append("Nuts", "1 handful", values).id, 643);
    EXPECT_EQ(test::readFile(dir.file("userfood.txt")),
              "\xEF\xBB\xBF" + buildUserfoodLine("Nuts", "1 handful", values) + "\r\n");
    PersonalFoodDatabase reopened;
    reopened.open(dir.path());
    ASSERT_EQ(reopened.count(), 1u);
    EXPECT_EQ(reopened.record(0)->text, "Nuts [1 handful]");
}

TEST(FuzzFindings, ProfileReadsTheSameAfterItIsWrittenBack)
{
    // Two byte order marks and a stray carriage return before a line end, as editors leave them.
    const std::string text =
        "\xEF\xBB\xBF\xEF\xBB\xBFkey=1\r\n[Options]\r\nUse PDA=1\r\r\nFat Warning Percent=45\r\r\r\n";
    const IniDocument read = IniDocument::parse(text);
    EXPECT_EQ(read.value("Options", "Use PDA"), "1");
    EXPECT_EQ(read.value("Options", "Fat Warning Percent"), "45");
    const IniDocument reread = IniDocument::parse(read.text());
    EXPECT_EQ(reread.text(), read.text());
    EXPECT_EQ(reread.value("Options", "Use PDA"), "1");
    EXPECT_EQ(reread.skippedLines().size(), read.skippedLines().size());
}

} // namespace
} // namespace mw
