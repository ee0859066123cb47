#include "format/weight_log.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace mw {
namespace {

TEST(WeightLog, KeepsUnreadLinesInPlaceAndEntriesAscending)
{
    const std::string text = "\xEF\xBB\xBF"
                             "Date,Weight_lb\r\n"
                             "not a weight\r\n"
                             "2026-12-05,162.46\n"
                             "2026-12-01,165\n"
                             "2026-13-01,160\n"
                             "2026-12-03,0\n"
                             "\n"
                             "2026-12-03,163.0\n";
    WeightLog log = WeightLog::parse(text);
    ASSERT_EQ(log.entries().size(), 3u);
    ASSERT_EQ(log.unreadLines().size(), 3u);
    EXPECT_EQ(unreadWeightLineText(log.unreadLines()[0]), "line 2: not a weight");
    EXPECT_EQ(unreadWeightLineText(log.unreadLines()[2]), "line 6: 2026-12-03,0");
    log.set(*parseIsoDate("2026-12-01"), 1651);
    log.set(*parseIsoDate("2026-12-07"), 1600);
    EXPECT_TRUE(log.remove(*parseIsoDate("2026-12-05")));
    EXPECT_FALSE(log.remove(*parseIsoDate("2026-12-06")));
    // Lines it cannot read stay after the entry they followed (or before the first), exactly as they were.
    EXPECT_EQ(log.text(), "date,weight_lb\n"
                          "not a weight\n"
                          "2026-12-01,165.1\n"
                          "2026-13-01,160\n"
                          "2026-12-03,0\n"
                          "2026-12-03,163.0\n"
                          "2026-12-07,160.0\n");
    EXPECT_EQ(WeightLog::parse(log.text()).text(), log.text());
}

TEST(WeightLog, TypedWeights)
{
    struct Case
    {
        const char* text;
        bool kilograms;
        WeightTenths tenths;
        WeightInputError error;
    };
    const Case cases[] = {
        {"162.4", false, 1624, WeightInputError::kNone},     {" 162.45 ", false, 1625, WeightInputError::kNone},
        {"1500", false, 15000, WeightInputError::kNone},     {"1500.01", false, 0, WeightInputError::kTooHeavy},
        {"75", true, 1653, WeightInputError::kNone},         {"680", true, 14991, WeightInputError::kNone},
        {"680.1", true, 0, WeightInputError::kTooHeavy},     {"0", false, 0, WeightInputError::kNotAboveZero},
        {"0.04", false, 0, WeightInputError::kNotAboveZero}, {"-5", false, 0, WeightInputError::kNotAboveZero},
        {"abc", false, 0, WeightInputError::kNotANumber},    {"nan", false, 0, WeightInputError::kNotANumber},
        {"inf", false, 0, WeightInputError::kNotANumber},    {"162,4", false, 0, WeightInputError::kNotANumber},
    };
    for (const Case& c : cases) {
        const WeightInput input = parseWeightInput(c.text, c.kilograms);
        EXPECT_EQ(input.error, c.error) << c.text;
        EXPECT_EQ(input.tenths, c.tenths) << c.text;
    }
}

TEST(WeightLog, ChangesAreSavedUnderTheLockAndAnUnreadableLogIsNotWrittenOver)
{
    const test::TempDir dir;
    const std::filesystem::path path = dir.path() / "new" / "diary" / "weight.csv";
    EXPECT_FALSE(readWeightLog(path).error); // missing: an empty log
    ASSERT_FALSE(changeWeightLog(path, [](WeightLog& log) {
        log.set(*parseIsoDate("2026-12-07"), 1624);
        return true;
    }));
    EXPECT_EQ(test::readFile(path), "date,weight_lb\n2026-12-07,162.4\n");

    std::filesystem::remove(path);
    std::filesystem::create_directory(path); // a folder in its place cannot be read
    EXPECT_TRUE(changeWeightLog(path, [](WeightLog&) { return true; }));
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

} // namespace
} // namespace mw
