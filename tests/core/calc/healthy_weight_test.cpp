#include "calc/healthy_weight.h"

#include "model/settings.h"
#include "model/settings_keys.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace mw {
namespace {

HealthyWeightInputs person(int height, bool female, bool young)
{
    HealthyWeightInputs inputs;
    inputs.heightInches = height;
    inputs.female = female;
    inputs.ageGroup19To34 = young;
    return inputs;
}

constexpr bool kFemale = true;
constexpr bool kMale = false;
constexpr bool kYoung = true; // "19 - 34"
constexpr bool kOlder = false;

TEST(HealthyWeight, LinesOfBothGuidelines)
{
    const struct
    {
        HealthyWeightInputs person;
        const char* line1989;
        const char* line1996;
    } cases[] = {
        {person(70, kMale, kOlder), "156 - 190 lbs  or  70 - 86 kg", "140 - 175 lbs  or  63 - 79 kg"},
        // 19 to 34: one range for both guidelines
        {person(64, kFemale, kYoung), "112 - 138 lbs  or  50 - 62 kg", "112 - 138 lbs  or  50 - 62 kg"},
        // the ends of the height range
        {person(57, kFemale, kOlder), "96 - 115 lbs  or  43 - 52 kg", "86 - 106 lbs  or  39 - 48 kg"},
        {person(84, kMale, kOlder), "216 - 263 lbs  or  97 - 119 kg", "195 - 243 lbs  or  88 - 110 kg"},
    };
    for (const auto& c : cases) {
        const auto lines = healthyWeightLines(c.person);
        EXPECT_EQ(lines[0].guideline, WeightGuideline::k1989);
        EXPECT_EQ(lines[0].label, "U.S. Guidelines 1989:");
        EXPECT_EQ(lines[0].text, c.line1989);
        EXPECT_EQ(lines[1].guideline, WeightGuideline::k1996);
        EXPECT_EQ(lines[1].label, "U.S. Guidelines 1996:");
        EXPECT_EQ(lines[1].text, c.line1996);
    }
    EXPECT_EQ(healthyWeightRange(person(70, kMale, kOlder), WeightGuideline::k1989),
              (HealthyWeightRange{156, 190, 70, 86}));
    EXPECT_EQ(heightText(70), "5'10\"  or  177 cm");
    EXPECT_EQ(heightText(57), "4'9\"  or  144 cm");
    EXPECT_EQ(heightText(84), "7'0\"  or  213 cm");
    EXPECT_EQ(heightText(60), "5'0\"  or  152 cm");
}

TEST(HealthyWeight, The1996LineIgnoresTheAgeGroup)
{
    for (int height = kMinHeightInches; height <= kMaxHeightInches; ++height) {
        for (const bool female : {kMale, kFemale}) {
            EXPECT_EQ(healthyWeightRange(person(height, female, kYoung), WeightGuideline::k1996),
                      healthyWeightRange(person(height, female, kOlder), WeightGuideline::k1996))
                << height;
            // The 1989 line of the younger group is the 1996 line.
            EXPECT_EQ(healthyWeightRange(person(height, female, kYoung), WeightGuideline::k1989),
                      healthyWeightRange(person(height, female, kYoung), WeightGuideline::k1996))
                << height;
        }
    }
}

TEST(HealthyWeight, RangesGrowWithHeightAndKilogramsFollowPounds)
{
    for (const WeightGuideline guideline : kWeightGuidelines) {
        for (const bool female : {kMale, kFemale}) {
            for (const bool young : {kYoung, kOlder}) {
                HealthyWeightRange previous;
                for (int height = kMinHeightInches; height <= kMaxHeightInches; ++height) {
                    const HealthyWeightRange r = healthyWeightRange(person(height, female, young), guideline);
                    EXPECT_LT(r.lowPounds, r.highPounds) << height;
                    EXPECT_GE(r.lowPounds, previous.lowPounds) << height;
                    EXPECT_GE(r.highPounds, previous.highPounds) << height;
                    EXPECT_EQ(r.lowKilograms, static_cast<int>(PoundsToKilograms(r.lowPounds)));
                    EXPECT_EQ(r.highKilograms, static_cast<int>(PoundsToKilograms(r.highPounds)));
                    previous = r;
                }
            }
        }
    }
}

TEST(HealthyWeight, HeightsOutsideTheRangeCountAsTheNearerEnd)
{
    for (const int tall : {85, 90, INT_MAX}) {
        EXPECT_EQ(heightText(tall), heightText(84));
        EXPECT_EQ(heightCentimetres(tall), 213);
        EXPECT_EQ(healthyWeightLines(person(tall, kMale, kOlder))[0].text, "216 - 263 lbs  or  97 - 119 kg");
    }
    for (const int small : {56, 0, -5, INT_MIN}) {
        EXPECT_EQ(heightText(small), heightText(57));
        EXPECT_EQ(healthyWeightLines(person(small, kFemale, kOlder))[1].text, "86 - 106 lbs  or  39 - 48 kg");
    }
}

TEST(HealthyWeightForm, OpensWithTheStoredValuesInRange)
{
    MemorySettings settings;
    const HealthyWeightForm fresh = HealthyWeightForm::fromSettings(settings);
    EXPECT_EQ(fresh.inputs(), person(70, kMale, kOlder));
    EXPECT_EQ(fresh.heightText(), "5'10\"  or  177 cm");

    ASSERT_FALSE(settings.writeInt(setting::kHeightInches.section, setting::kHeightInches.key, 90));
    ASSERT_FALSE(settings.writeInt(setting::kHealthyWeightSex.section, setting::kHealthyWeightSex.key, 2));
    ASSERT_FALSE(settings.writeInt(setting::kHealthyWeightAgeGroup.section, setting::kHealthyWeightAgeGroup.key, 2));
    const HealthyWeightForm stored = HealthyWeightForm::fromSettings(settings);
    EXPECT_EQ(stored.heightInches(), 84);
    EXPECT_FALSE(stored.female()) << "only 1 is female";
    EXPECT_FALSE(stored.inputs().ageGroup19To34) << "only 1 is 19 to 34";
    EXPECT_EQ(stored.lines()[0].text, "216 - 263 lbs  or  97 - 119 kg");

    ASSERT_FALSE(settings.writeInt(setting::kHeightInches.section, setting::kHeightInches.key, 12));
    EXPECT_EQ(HealthyWeightForm::fromSettings(settings).heightInches(), 57);
    EXPECT_EQ(HealthyWeightForm(person(-1, kMale, kOlder)).heightInches(), 57);
}

TEST(HealthyWeightForm, StepsStopAtTheEndsOfTheRange)
{
    HealthyWeightForm form(person(83, kMale, kOlder));
    form.stepHeight(+1);
    EXPECT_EQ(form.heightInches(), 84);
    form.stepHeight(+1);
    EXPECT_EQ(form.heightInches(), 84);
    EXPECT_EQ(form.heightText(), "7'0\"  or  213 cm");

    HealthyWeightForm low(person(58, kFemale, kOlder));
    low.stepHeight(-1);
    low.stepHeight(-1);
    EXPECT_EQ(low.heightInches(), 57);
    low.stepHeight(+1);
    EXPECT_EQ(low.heightInches(), 58);
}

TEST(HealthyWeightForm, RadioChoicesChangeTheLines)
{
    HealthyWeightForm form(person(64, kMale, kOlder));
    const auto maleOlder = form.lines();
    form.setFemale(true);
    form.setAgeGroup19To34(true);
    EXPECT_EQ(form.lines()[0].text, "112 - 138 lbs  or  50 - 62 kg");
    EXPECT_NE(form.lines()[0].text, maleOlder[0].text);
    form.setAgeGroup19To34(false);
    EXPECT_EQ(form.lines()[1].text, "112 - 138 lbs  or  50 - 62 kg");
    EXPECT_NE(form.lines()[0].text, "112 - 138 lbs  or  50 - 62 kg");
}

TEST(HealthyWeightForm, OkStoresAllThreeValuesOrNone)
{
    MemorySettings settings;
    HealthyWeightForm form(person(66, kFemale, kYoung));
    ASSERT_FALSE(form.store(settings));
    EXPECT_EQ(settings.readInt(setting::kHeightInches.section, setting::kHeightInches.key, 0), 66);
    EXPECT_EQ(settings.readInt(setting::kHealthyWeightSex.section, setting::kHealthyWeightSex.key, 0), 1);
    EXPECT_EQ(settings.readInt(setting::kHealthyWeightAgeGroup.section, setting::kHealthyWeightAgeGroup.key, 0), 1);
    EXPECT_EQ(HealthyWeightForm::fromSettings(settings).inputs(), form.inputs());
    // The caloric-need keys of the same names are another section.
    EXPECT_EQ(settings.readInt(setting::kSexCategory.section, setting::kSexCategory.key, -1), -1);

    MemorySettings failing;
    failing.failWritesWith(std::make_error_code(std::errc::io_error));
    EXPECT_EQ(form.store(failing), std::make_error_code(std::errc::io_error));
    EXPECT_TRUE(failing.empty());
}

} // namespace
} // namespace mw
