#include "model/settings.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace mw {
namespace {

TEST(Settings, StoredTextReadsAsAWholeNumberOrZero)
{
    struct Case
    {
        const char* text;
        int expected;
    };
    const Case cases[] = {
        {"42", 42},
        {" 7\t", 7},
        {"+5", 5},
        {"-3", -3},
        {"", 0},
        {"abc", 0},
        {"12abc", 0},
        {"1.5", 0},
        {"99999999999999999999999", std::numeric_limits<int>::max()},
        {"-99999999999999999999999", std::numeric_limits<int>::min()},
        {"4294967296", std::numeric_limits<int>::max()},
    };
    MemorySettings settings;
    EXPECT_EQ(settings.readInt("Options", "Value", 77), 77) << "a missing key reads as its default";
    EXPECT_EQ(settings.readText("Options", "Value", "Arial"), "Arial");
    for (const Case& c : cases) {
        ASSERT_FALSE(settings.writeText("Options", "Value", c.text));
        EXPECT_EQ(settings.readInt("Options", "Value", 77), c.expected) << '"' << c.text << '"';
    }
}

TEST(Settings, NamesMatchWhateverTheirCase)
{
    MemorySettings settings;
    ASSERT_FALSE(settings.writeText("FoodGroups", "3", "Berries"));
    EXPECT_EQ(settings.readText("foodgroups", "3", ""), "Berries");
    ASSERT_FALSE(settings.writeInt("Options", "Use PDA", 1));
    EXPECT_EQ(settings.readInt("OPTIONS", "use pda", 0), 1);
    EXPECT_TRUE(sameSettingName("Mouse Option", "mouse OPTION"));
    EXPECT_FALSE(sameSettingName("Mouse Option", "Mouse Options"));
}

TEST(Settings, NamesAProfileCannotHoldAreRefused)
{
    const std::vector<SettingChange> refused = {
        {"", "Key", "1"},         {"Options", "", "1"},         {"Opt\nions", "Key", "1"},
        {"Options", "A=B", "1"},  {"Options", " Lead", "1"},    {"Options", "Trail ", "1"},
        {"Options", "[Key", "1"}, {"Options", ";Comment", "1"}, {"Options", "Line\rBreak", "1"},
    };
    for (const SettingChange& change : refused) {
        MemorySettings settings;
        const SettingChange batch[] = {{"Options", "Good", "1"}, change};
        EXPECT_EQ(settings.writeValues(batch), std::make_error_code(std::errc::invalid_argument))
            << change.section << '/' << change.key;
        EXPECT_TRUE(settings.empty()) << "a refused batch stores nothing";
    }
    EXPECT_TRUE(isValidKeyName("Fat Warning Percent"));
    EXPECT_TRUE(isValidKeyName("600x16"));
}

TEST(Settings, FailedWritesAreReportedAndStoreNothing)
{
    MemorySettings settings;
    const std::error_code diskFull = std::make_error_code(std::errc::no_space_on_device);
    settings.failWritesWith(diskFull);
    EXPECT_EQ(settings.writeInt("Options", "Wright calories", 1800), diskFull);
    EXPECT_EQ(settings.readInt("Options", "Wright calories", 0), 0);
    EXPECT_EQ(settings.writeCount(), 0);

    settings.failWritesWith({});
    EXPECT_FALSE(settings.writeInt("Options", "Wright calories", 1800));
    EXPECT_EQ(settings.readInt("Options", "Wright calories", 0), 1800);
    EXPECT_EQ(settings.writeCount(), 1);
}

} // namespace
} // namespace mw
