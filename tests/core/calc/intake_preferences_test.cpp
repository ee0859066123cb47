#include "calc/intake_preferences.h"

#include "calc/requirements.h"
#include "model/settings.h"

#include <gtest/gtest.h>

#include <string>

namespace mw {
namespace {

const RequirementVector kManOfForty = ComputeRequirements(40, 160, 5, kMale);

PreferenceRange rangeOf(const PreferenceTable& table, int nutrient)
{
    return table[static_cast<std::size_t>(nutrient)];
}

TEST(PreferenceDefaults, ComeFromTheRequirements)
{
    const PreferenceTable table = defaultPreferences(kManOfForty);
    EXPECT_EQ(rangeOf(table, kCalories), (PreferenceRange{2343, 2864}));
    EXPECT_EQ(rangeOf(table, kProtein), (PreferenceRange{52, 69}));
    EXPECT_EQ(rangeOf(table, kCarbohydrate), (PreferenceRange{325, 487}));
    EXPECT_EQ(rangeOf(table, kTotalFat), (PreferenceRange{43, 86}));
    EXPECT_EQ(rangeOf(table, kSaturatedFat), (PreferenceRange{14, 28}));
    EXPECT_EQ(rangeOf(table, kMonounsaturatedFat), (PreferenceRange{13, 39}));
    EXPECT_EQ(rangeOf(table, kPolyunsaturatedFat), (PreferenceRange{13, 26}));
    EXPECT_EQ(rangeOf(table, kCholesterol), (PreferenceRange{0, 300}));
    EXPECT_EQ(rangeOf(table, kSodium), (PreferenceRange{1100, 2800}));
    EXPECT_EQ(rangeOf(table, kAlcohol), (PreferenceRange{0, 0}));
    EXPECT_EQ(rangeOf(table, kWeight), (PreferenceRange{0, 0}));
}

TEST(PreferenceDefaults, VitaminFactorsAreFormedInSinglePrecision)
{
    // 80 x 0.01f and 120 x 0.01f fall just short of 0.8 and 1.2, so round requirements lose one.
    const PreferenceTable table = defaultPreferences(kManOfForty);
    EXPECT_EQ(rangeOf(table, kFiber), (PreferenceRange{23, 35}));
    EXPECT_EQ(rangeOf(table, kVitaminA), (PreferenceRange{799, 1199}));
    EXPECT_EQ(rangeOf(table, kIron), (PreferenceRange{7, 11}));
    EXPECT_EQ(rangeOf(table, kVitaminB12), (PreferenceRange{1, 2}));
    EXPECT_EQ(rangeOf(table, kPotassium), (PreferenceRange{1999, 2999}));
    EXPECT_EQ(defaultPreference(kManOfForty, kCopper), (PreferenceRange{1, 2}));
}

TEST(PreferenceDefaults, StayWithinWhatTheDialogAccepts)
{
    RequirementVector r;
    r.fill(1e9f);
    r[kProtein] = -50.0f;
    const PreferenceTable table = defaultPreferences(r);
    EXPECT_EQ(rangeOf(table, kCalories), (PreferenceRange{9999, 9999}));
    EXPECT_EQ(rangeOf(table, kProtein), (PreferenceRange{0, 0}));
    EXPECT_EQ(rangeOf(table, kSodium), (PreferenceRange{1100, 2800}));
    EXPECT_EQ(defaultPreference(r, 28), PreferenceRange{});
    EXPECT_EQ(defaultPreference(r, -1), PreferenceRange{});
}

TEST(IntakePreferences, HoldTheTableAsSinglePrecisionValues)
{
    PreferenceTable table{};
    table[kCalories] = {2000, 2500};
    table[kAlcohol] = {0, 9999};
    const IntakePreferences preferences(table);
    EXPECT_EQ(preferences.from(kCalories), 2000.0f);
    EXPECT_EQ(preferences.to(kCalories), 2500.0f);
    EXPECT_EQ(preferences.to(kAlcohol), 9999.0f);
    EXPECT_EQ(preferences.from(kWeight), 0.0f);
    EXPECT_EQ(preferences.to(28), 0.0f);
    EXPECT_EQ(preferences.to(-5), 0.0f);
    EXPECT_EQ(IntakePreferences().to(kCalories), 0.0f);
}

TEST(IntakePreferences, ViewLoadNeedsAStoredFirstFrom)
{
    MemorySettings settings;
    EXPECT_FALSE(loadStoredIntakePreferences(settings));
    settings.writeText(setting::kNip, "T1", "2000");
    EXPECT_FALSE(loadStoredIntakePreferences(settings));
    settings.writeText(setting::kNip, "F1", "1800");
    settings.writeText(setting::kNip, "F4", "abc");
    EXPECT_EQ(loadStoredIntakePreferences(settings), IntakePreferences(storedPreferences(settings)));
    EXPECT_EQ(loadStoredIntakePreferences(settings)->from(kCalories), 1800.0f);
}

TEST(IntakePreferences, DialogShowsStoredValuesElseDefaults)
{
    MemorySettings settings;
    EXPECT_EQ(preferenceDialogTable(settings, kManOfForty), defaultPreferences(kManOfForty));
    settings.writeText(setting::kNip, "F1", "2000");
    settings.writeText(setting::kNip, "T2", "");
    settings.writeText(setting::kNip, "T3", "123456");
    const PreferenceTable table = preferenceDialogTable(settings, kManOfForty);
    EXPECT_EQ(rangeOf(table, kCalories), (PreferenceRange{2000, 2864}));
    EXPECT_EQ(rangeOf(table, kProtein), (PreferenceRange{52, 69}));
    EXPECT_EQ(rangeOf(table, kCarbohydrate), (PreferenceRange{325, 9999}));
}

TEST(PreferenceTexts, AcceptWholeNumbersFromZeroTo9999)
{
    const std::pair<std::string, int> good[] = {{"0", 0},  {"9999", 9999}, {" 42 ", 42},
                                                {"+7", 7}, {"-0", 0},      {"007", 7}};
    for (const auto& [text, value] : good) {
        const PreferenceValue parsed = parsePreferenceText(text);
        EXPECT_FALSE(parsed.error) << text;
        EXPECT_EQ(parsed.value, value) << text;
    }
    const std::pair<std::string, PreferenceTextError> bad[] = {
        {"", PreferenceTextError::kNotAnInteger},     {"  ", PreferenceTextError::kNotAnInteger},
        {"12a", PreferenceTextError::kNotAnInteger},  {"1.5", PreferenceTextError::kNotAnInteger},
        {"1 2", PreferenceTextError::kNotAnInteger},  {"-", PreferenceTextError::kNotAnInteger},
        {"0x10", PreferenceTextError::kNotAnInteger}, {"10000", PreferenceTextError::kOutOfRange},
        {"-1", PreferenceTextError::kOutOfRange},     {"99999999999999999999999", PreferenceTextError::kOutOfRange},
    };
    for (const auto& [text, error] : bad) {
        EXPECT_EQ(parsePreferenceText(text).error, error) << text;
    }
}

TEST(PreferenceTexts, FirstBadFieldIsNamedInDialogOrder)
{
    PreferenceTexts texts = preferenceTexts(defaultPreferences(kManOfForty));
    EXPECT_TRUE(readPreferenceTexts(texts).ok());
    EXPECT_EQ(readPreferenceTexts(texts).table, defaultPreferences(kManOfForty));

    texts.text({kIron, PreferenceBound::kTo}) = "many";
    texts.text({kIron, PreferenceBound::kFrom}) = "10000";
    texts.text({kZinc, PreferenceBound::kFrom}) = "";
    const PreferenceTextsResult result = readPreferenceTexts(texts);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error, (PreferenceFieldError{{kIron, PreferenceBound::kFrom}, PreferenceTextError::kOutOfRange}));
    texts.text({kIron, PreferenceBound::kFrom}) = "8";
    EXPECT_EQ(readPreferenceTexts(texts).error,
              (PreferenceFieldError{{kIron, PreferenceBound::kTo}, PreferenceTextError::kNotAnInteger}));
}

TEST(PreferenceApply, NormalisesStoresAndUpdatesTheAnalysis)
{
    MemorySettings settings;
    PreferenceTexts texts = preferenceTexts(defaultPreferences(kManOfForty));
    texts.from[kTotalFat] = "90";
    texts.to[kTotalFat] = "60";
    IntakePreferences analysis;
    PreferenceApplyResult result = applyPreferenceTexts(settings, texts, analysis);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(rangeOf(result.stored, kTotalFat), (PreferenceRange{60, 90}));
    EXPECT_EQ(settings.readText(setting::kNip, "F4", ""), "60");
    EXPECT_EQ(settings.readText(setting::kNip, "T4", ""), "90");
    EXPECT_EQ(analysis.from(kTotalFat), 60.0f);
    EXPECT_EQ(analysis.to(kTotalFat), 90.0f);
    EXPECT_EQ(loadStoredIntakePreferences(settings), analysis);

    // Saturated fat is kept within total fat.
    texts = preferenceTexts(defaultPreferences(kManOfForty));
    texts.from[kSaturatedFat] = "10";
    texts.to[kSaturatedFat] = "120";
    result = applyPreferenceTexts(settings, texts, analysis);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(rangeOf(result.stored, kSaturatedFat), (PreferenceRange{10, 86}));
    EXPECT_EQ(analysis.to(kSaturatedFat), 86.0f);
}

TEST(PreferenceApply, ABadFieldOrAFailedWriteChangesNothing)
{
    MemorySettings settings;
    IntakePreferences analysis;
    PreferenceTexts texts = preferenceTexts(defaultPreferences(kManOfForty));
    texts.to[kAlcohol] = "x";
    PreferenceApplyResult result = applyPreferenceTexts(settings, texts, analysis);
    EXPECT_EQ(result.fieldError,
              (PreferenceFieldError{{kAlcohol, PreferenceBound::kTo}, PreferenceTextError::kNotAnInteger}));
    EXPECT_TRUE(settings.empty());
    EXPECT_EQ(analysis, IntakePreferences());

    texts.to[kAlcohol] = "0";
    settings.failWritesWith(std::make_error_code(std::errc::no_space_on_device));
    result = applyPreferenceTexts(settings, texts, analysis);
    EXPECT_EQ(result.storeError, std::make_error_code(std::errc::no_space_on_device));
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(settings.empty());
    EXPECT_EQ(analysis, IntakePreferences());
}

} // namespace
} // namespace mw
