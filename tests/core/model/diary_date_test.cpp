#include "format/diary_folder.h"
#include "model/diary_date.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace mw {
namespace {

using namespace std::chrono;

constexpr DiaryDate kToday{year{2026}, December, day{7}};

TEST(DiaryDate, WordsFileNamesAndRanges)
{
    struct Case
    {
        const char* text;
        const char* date; // nullptr: refused
    };
    const Case cases[] = {
        {"2026-12-07", "2026-12-07"},
        {"today", "2026-12-07"},
        {"yesterday", "2026-12-06"},
        {"-0", "2026-12-07"},
        {"-7", "2026-11-30"},
        {"-365", "2025-12-07"},
        {"2028-02-29", "2028-02-29"},
        {"1900-01-01", "1900-01-01"},
        {"9999-12-31", "9999-12-31"},
        {"2027-02-29", nullptr},
        {"2026-13-01", nullptr},
        {"2026-00-10", nullptr},
        {"2026-04-31", nullptr},
        {"1899-12-31", nullptr},
        {"10000-01-01", nullptr},
        {"2026-1-07", nullptr},
        {"2026/12/07", nullptr},
        {"-", nullptr},
        {"-1x", nullptr},
        {"-47000", nullptr},
        {"+1", nullptr},
        {"Today", nullptr},
        {"tomorrow", nullptr},
        {"", nullptr},
    };
    for (const Case& c : cases) {
        const std::optional<DiaryDate> date = parseDateWord(c.text, kToday);
        if (c.date == nullptr) {
            EXPECT_FALSE(date) << c.text;
            continue;
        }
        ASSERT_TRUE(date) << c.text;
        EXPECT_EQ(isoDateText(*date), c.date) << c.text;
        // The date's file name reads back as the same date.
        EXPECT_EQ(diaryFileName(*date), std::string(c.date) + ".ypd");
        EXPECT_EQ(dateOfDiaryFile("/any/folder/" + diaryFileName(*date)), date) << c.text;
    }
    for (const char* name :
         {"2026-12-07.ypd.tmp-12", "2026-12-07.YPD", "x2026-12-07.ypd", "2027-02-29.ypd", "weight.csv"}) {
        EXPECT_FALSE(dateOfDiaryFile(name)) << name;
    }

    EXPECT_EQ(isoDateText(lastDays(kToday, 7).first), "2026-12-01");
    EXPECT_EQ(lastDays(kToday, 7).dayCount(), 7);
    EXPECT_EQ(lastDays(kToday, 1).first, kToday);
    EXPECT_EQ(isoDateText(monthOf(DiaryDate{year{2028}, February, day{10}}).last), "2028-02-29");
    EXPECT_EQ(isoDateText(monthOf(kToday).first), "2026-12-01");
    EXPECT_EQ(kWholeDiary.dayCount(), 2958464);
}

TEST(DiaryFolder, RecordedDatesAlikeByLookupAndByListing)
{
    const test::TempDir dir;
    const DiaryFolder diary(dir.path() / "diary");
    EXPECT_TRUE(diary.recordedDates(kWholeDiary).empty()); // no folder yet
    ASSERT_FALSE(diary.ensureExists());
    for (const char* name : {"2026-11-30.ypd", "2026-12-01.ypd", "2026-12-07.ypd", "2027-01-01.ypd", "notes.ypd",
                             "2026-12-02.ypd.tmp-4", "2026-12-03.txt"}) {
        test::writeFile(diary.path() / name, std::string(12, '\0'));
    }
    // A month asks for each date; the whole diary lists the folder once.
    const std::vector<DiaryDate> month = diary.recordedDates(monthOf(kToday));
    ASSERT_EQ(month.size(), 2u);
    EXPECT_EQ(isoDateText(month[0]), "2026-12-01");
    EXPECT_EQ(isoDateText(month[1]), "2026-12-07");
    const std::vector<DiaryDate> all = diary.recordedDates(kWholeDiary);
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(isoDateText(all.front()), "2026-11-30");
    EXPECT_EQ(isoDateText(all.back()), "2027-01-01");
}

TEST(DiaryFolder, DefaultFolderFollowsTheDataHome)
{
    const auto environment = [](std::optional<std::string> data, std::optional<std::string> home) {
        return [=](const char* name) { return std::string(name) == "XDG_DATA_HOME" ? data : home; };
    };
    EXPECT_EQ(defaultDiaryFolder(environment("/d", "/h")), "/d/Mealwright/diary");
    EXPECT_EQ(defaultDiaryFolder(environment("relative", "/h")), "/h/.local/share/Mealwright/diary");
    EXPECT_EQ(defaultDiaryFolder(environment(std::nullopt, std::nullopt)), "");
}

} // namespace
} // namespace mw
