#include "model/settings_keys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mw {
namespace {

std::vector<NutrientIndex> indexRange(int first, int last)
{
    std::vector<NutrientIndex> indices;
    for (int i = first; i <= last; ++i) {
        indices.push_back(static_cast<NutrientIndex>(i));
    }
    return indices;
}

NutrientSelection selectionOf(std::initializer_list<int> on)
{
    NutrientSelection selection{};
    for (const int i : on) {
        selection[static_cast<std::size_t>(i)] = true;
    }
    return selection;
}

constexpr ScreenMetrics kXga{768, 16};
constexpr ScreenMetrics kVga{480, 16};

TEST(SettingsKeys, FreshProfileGivesTheDocumentedStart)
{
    const MemorySettings fresh;
    EXPECT_EQ(panelLayout(fresh, 480), PanelLayout::kOneColumn);
    EXPECT_EQ(panelLayout(fresh, 599), PanelLayout::kOneColumn);
    EXPECT_EQ(panelLayout(fresh, 600), PanelLayout::kTwoColumns);
    EXPECT_EQ(displayedNutrients(fresh, kXga, PanelLayout::kOneColumn), indexRange(0, 23));
    EXPECT_EQ(displayedNutrients(fresh, kXga, PanelLayout::kTwoColumns), indexRange(0, 27));
    NutrientSelection all{};
    all.fill(true);
    EXPECT_EQ(printedNutrients(fresh), all);
    EXPECT_EQ(displaySelection(fresh, kXga), all);
    EXPECT_EQ(fatWarningPercent(fresh), 30);
    EXPECT_EQ(viewBackgroundColor(fresh), (RgbColor{192, 192, 192}));
    EXPECT_FALSE(hasStoredPreferences(fresh));
    EXPECT_FALSE(usePersonalPreference(fresh));
    EXPECT_EQ(menuTargetCalories(fresh), 0);
    EXPECT_EQ(mouseOptions(fresh), (MouseOptions{MouseChoice::kServingPortion, MouseChoice::kOunce}));
    EXPECT_EQ(storedCaloricNeed(fresh), std::nullopt);
    EXPECT_EQ(caloricNeedDialogInputs(fresh), (CaloricNeedInputs{40, 160, 5, 0}));
    EXPECT_EQ(healthyWeightInputs(fresh), (HealthyWeightInputs{70, false, false}));
    EXPECT_EQ(foodListName(fresh, 1), "Good Carbohydrates");
    EXPECT_EQ(foodListName(fresh, 7), "Omega-3 Foods");
    EXPECT_EQ(foodColorCode(fresh), FoodListFlags{});
    EXPECT_TRUE(useBulletListMarkers(fresh));
    EXPECT_EQ(printerFont(fresh), PrinterFontSetting{});
    EXPECT_EQ(printerFont(fresh).faceName, "Arial");
}

TEST(SettingsKeys, PanelCapacityTable)
{
    struct Case
    {
        int screenHeight;
        int fontHeight;
        int oneColumn;
        int twoColumnRoom;
    };
    const Case cases[] = {
        {200, 16, 5, 5},   {459, 30, 5, 5},   {460, 16, 10, 10},  {480, 17, 8, 8},    {480, 21, 8, 8},
        {481, 16, 15, 30}, {600, 20, 11, 22}, {600, 21, 8, 16},   {601, 16, 24, 48},  {768, 17, 19, 38},
        {768, 24, 16, 32}, {769, 16, 28, 56}, {1200, 20, 24, 48}, {1200, 40, 20, 40},
    };
    for (const Case& c : cases) {
        const ScreenMetrics screen{c.screenHeight, c.fontHeight};
        EXPECT_EQ(panelCapacity(screen, PanelLayout::kOneColumn), c.oneColumn) << c.screenHeight << 'x' << c.fontHeight;
        EXPECT_EQ(panelRoomCapacity(screen, PanelLayout::kTwoColumns), c.twoColumnRoom)
            << c.screenHeight << 'x' << c.fontHeight;
        EXPECT_EQ(panelCapacity(screen, PanelLayout::kTwoColumns), std::min(c.twoColumnRoom, 28));
    }
}

TEST(SettingsKeys, DisplayedNutrientsFollowTheStoredSelection)
{
    struct Case
    {
        const char* stored;
        ScreenMetrics screen;
        PanelLayout layout;
        std::vector<int> expected;
    };
    const Case cases[] = {
        // positions 0..4 are shown whatever the text says
        {"0000010000000000000000000001", kXga, PanelLayout::kOneColumn, {0, 1, 2, 3, 4, 5, 27}},
        // positions beyond a short text are off
        {"111110001", kXga, PanelLayout::kOneColumn, {0, 1, 2, 3, 4, 8}},
        // the scan stops at the capacity (10 on a 480-pixel screen)
        {"1111111111111111111111111111", kVga, PanelLayout::kOneColumn, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"1111100000111111111111111111", kVga, PanelLayout::kOneColumn, {0, 1, 2, 3, 4, 10, 11, 12, 13, 14}},
        // only '1' selects
        {"11111x1 1", kXga, PanelLayout::kTwoColumns, {0, 1, 2, 3, 4, 6, 8}},
        // an empty text selects all, as the display dialog shows it
        {"", kVga, PanelLayout::kOneColumn, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
    };
    for (const Case& c : cases) {
        MemorySettings settings;
        ASSERT_FALSE(settings.writeText("options", screenModeKey(c.screen), c.stored));
        std::vector<NutrientIndex> expected;
        for (const int i : c.expected) {
            expected.push_back(static_cast<NutrientIndex>(i));
        }
        EXPECT_EQ(displayedNutrients(settings, c.screen, c.layout), expected) << '"' << c.stored << '"';
    }
}

TEST(SettingsKeys, EachScreenModeKeepsItsOwnSelection)
{
    MemorySettings settings;
    ASSERT_FALSE(storeDisplaySelection(settings, kXga, selectionOf({9, 27})));
    EXPECT_EQ(settings.readText("Options", "768x16", ""), "1111100001000000000000000001");
    EXPECT_EQ(displaySelection(settings, kXga), selectionOf({0, 1, 2, 3, 4, 9, 27}));
    EXPECT_EQ(displayedNutrients(settings, {768, 20}, PanelLayout::kOneColumn), indexRange(0, 18));
}

TEST(SettingsKeys, PrintedNutrientsCountMissingPositionsAsPrinted)
{
    MemorySettings settings;
    ASSERT_FALSE(settings.writeText("Options", "Print nutrients", "0000011"));
    NutrientSelection expected{};
    expected.fill(true);
    for (int i = 0; i < 5; ++i) {
        expected[static_cast<std::size_t>(i)] = false;
    }
    EXPECT_EQ(printedNutrients(settings), expected);

    ASSERT_FALSE(storePrintedNutrients(settings, selectionOf({1, 26})));
    EXPECT_EQ(settings.readText("Options", "Print nutrients", ""), "0100000000000000000000000010");
    EXPECT_EQ(printedNutrients(settings), selectionOf({1, 26}));
}

TEST(SettingsKeys, HandEditedNumbersAreBroughtIntoRange)
{
    struct Case
    {
        const char* section;
        const char* key;
        const char* stored;
        int (*read)(const Settings&);
        int expected;
    };
    const auto fat = [](const Settings& s) { return fatWarningPercent(s); };
    const auto wright = [](const Settings& s) { return menuTargetCalories(s); };
    const auto left = [](const Settings& s) { return static_cast<int>(mouseOptions(s).left); };
    const auto right = [](const Settings& s) { return static_cast<int>(mouseOptions(s).right); };
    const auto height = [](const Settings& s) { return healthyWeightInputs(s).heightInches; };
    const auto fontWeight = [](const Settings& s) { return printerFont(s).weight; };
    const auto fontHeight = [](const Settings& s) { return printerFont(s).height; };
    const auto pitch = [](const Settings& s) { return printerFont(s).pitchAndFamily; };
    const Case cases[] = {
        {"Options", "Fat Warning Percent", "150", fat, 99},
        {"Options", "Fat Warning Percent", "-4", fat, 0},
        {"Options", "Fat Warning Percent", "forty", fat, 0},
        {"Options", "Wright calories", "500", wright, 800},
        {"Options", "Wright calories", "5000", wright, 3000},
        {"Options", "Wright calories", "-20", wright, 800},
        {"Options", "Wright calories", "1750", wright, 1750},
        {"Mouse Option", "Left", "3", left, 3},
        {"Mouse Option", "Left", "7", left, 0},
        {"Mouse Option", "Right", "-1", right, 0},
        {"Mouse Option", "Right", "0", right, 0},
        {"Recommended Weight", "Height", "20", height, 57},
        {"Recommended Weight", "Height", "100", height, 84},
        {"Printer Font", "Weight", "5000", fontWeight, 1000},
        {"Printer Font", "Height", "-20000", fontHeight, -10000},
        {"Printer Font", "Height", "-83", fontHeight, -83},
        {"Printer Font", "PitchAndFamily", "300", pitch, 255},
    };
    for (const Case& c : cases) {
        MemorySettings settings;
        ASSERT_FALSE(settings.writeText(c.section, c.key, c.stored));
        EXPECT_EQ(c.read(settings), c.expected) << c.section << '/' << c.key << '=' << c.stored;
    }
}

TEST(SettingsKeys, StoredCaloricNeedIsBroughtIntoTheDialogRanges)
{
    struct Case
    {
        const char* age;
        const char* idealWeight;
        const char* activity;
        const char* sex;
        std::optional<CaloricNeedInputs> expected;
    };
    const Case cases[] = {
        {"40", "160", "5", "0", CaloricNeedInputs{40, 160, 5, 0}},
        {"0", "160", "5", "0", std::nullopt},
        {"40", "0", "5", "0", std::nullopt},
        {"-5", "160", "5", "0", std::nullopt},
        {"150", "900", "0", "9", CaloricNeedInputs{99, 300, 1, 0}},
        {"30", "20", "11", "-1", CaloricNeedInputs{30, 70, 10, 0}},
        {"5", "400", "10", "4", CaloricNeedInputs{5, 150, 7, 4}},
        {"11", "50", "9", "1", CaloricNeedInputs{11, 70, 7, 1}},
        {"12", "120", "9", "2", CaloricNeedInputs{12, 120, 9, 2}},
        {"3", "5", "1", "3", CaloricNeedInputs{3, 10, 4, 3}},
    };
    for (const Case& c : cases) {
        MemorySettings settings;
        ASSERT_FALSE(settings.writeText("Caloric Need", "Age", c.age));
        ASSERT_FALSE(settings.writeText("Caloric Need", "Ideal Weight", c.idealWeight));
        ASSERT_FALSE(settings.writeText("Caloric Need", "Activity", c.activity));
        ASSERT_FALSE(settings.writeText("Caloric Need", "Sex", c.sex));
        EXPECT_EQ(storedCaloricNeed(settings), c.expected) << c.age << ' ' << c.idealWeight << ' ' << c.activity;
    }
}

TEST(SettingsKeys, CaloricNeedDialogReadsWeightAndStoresBothWeightKeys)
{
    MemorySettings settings;
    ASSERT_FALSE(settings.writeInt("Caloric Need", "Age", 8));
    EXPECT_EQ(caloricNeedDialogInputs(settings), (CaloricNeedInputs{8, 60, 5, 0}));
    ASSERT_FALSE(settings.writeInt("Caloric Need", "Activity", 0));
    EXPECT_EQ(caloricNeedDialogInputs(settings).activity, 4);

    ASSERT_FALSE(storeCaloricNeed(settings, {28, 140, 4, 2}));
    EXPECT_EQ(settings.readInt("Caloric Need", "Weight", 0), 140);
    EXPECT_EQ(settings.readInt("Caloric Need", "Ideal Weight", 0), 140);
    EXPECT_EQ(storedCaloricNeed(settings), (CaloricNeedInputs{28, 140, 4, 2}));
    EXPECT_EQ(caloricNeedDialogInputs(settings), (CaloricNeedInputs{28, 140, 4, 2}));
    EXPECT_EQ(settings.writeCount(), 3) << "one write for the five keys";
}

TEST(SettingsKeys, ViewColourIsSplitIntoTwoWords)
{
    MemorySettings settings;
    ASSERT_FALSE(storeViewBackgroundColor(settings, {0, 128, 255}));
    EXPECT_EQ(settings.readInt("Color", "View HW", -1), 255);
    EXPECT_EQ(settings.readInt("Color", "View LW", -1), 32768);
    EXPECT_EQ(viewBackgroundColor(settings), (RgbColor{0, 128, 255}));

    ASSERT_FALSE(settings.writeInt("Color", "View LW", 0x1FF34));
    ASSERT_FALSE(settings.writeInt("Color", "View HW", -1));
    EXPECT_EQ(viewBackgroundColor(settings), (RgbColor{0x34, 0xFF, 0xFF}));
}

TEST(SettingsKeys, PreferenceTableLoadsWithViewDefaults)
{
    MemorySettings settings;
    ASSERT_FALSE(settings.writeText("NIP", "F1", "2343"));
    ASSERT_FALSE(settings.writeText("NIP", "T1", "2864"));
    ASSERT_FALSE(settings.writeText("NIP", "F4", "90")); // From above To: swapped
    ASSERT_FALSE(settings.writeText("NIP", "T4", "60"));
    ASSERT_FALSE(settings.writeText("NIP", "F5", "10")); // saturated fat above total fat
    ASSERT_FALSE(settings.writeText("NIP", "T5", "120"));
    ASSERT_FALSE(settings.writeText("NIP", "F9", "-5"));
    ASSERT_FALSE(settings.writeText("NIP", "T9", "12000"));
    ASSERT_FALSE(settings.writeText("NIP", "F12", ""));
    EXPECT_TRUE(hasStoredPreferences(settings));

    const PreferenceTable table = storedPreferences(settings);
    EXPECT_EQ(table[kWeight], (PreferenceRange{0, 0}));
    EXPECT_EQ(table[kCalories], (PreferenceRange{2343, 2864}));
    EXPECT_EQ(table[kTotalFat], (PreferenceRange{60, 90}));
    EXPECT_EQ(table[kSaturatedFat], (PreferenceRange{10, 90}));
    EXPECT_EQ(table[kFiber], (PreferenceRange{0, 9999}));
    EXPECT_EQ(table[kProtein], (PreferenceRange{1, 9999})) << "missing keys";
    EXPECT_EQ(table[kVitaminC], (PreferenceRange{0, 9999})) << "an empty From holds no number";

    EXPECT_EQ(storedPreferenceFrom(settings, 1), 2343);
    EXPECT_EQ(storedPreferenceTo(settings, 9), 9999);
    EXPECT_EQ(storedPreferenceFrom(settings, 2), std::nullopt);
    EXPECT_EQ(storedPreferenceFrom(settings, 12), std::nullopt) << "the dialog shows its default for empty keys";
    EXPECT_EQ(storedPreferenceFrom(settings, 0), std::nullopt);
    EXPECT_EQ(storedPreferenceFrom(settings, 28), std::nullopt);
}

TEST(SettingsKeys, EmptyFirstPreferenceMeansNoTable)
{
    MemorySettings settings;
    ASSERT_FALSE(settings.writeText("NIP", "F1", ""));
    ASSERT_FALSE(settings.writeText("NIP", "T1", "2000"));
    EXPECT_FALSE(hasStoredPreferences(settings));
}

TEST(SettingsKeys, PreferenceTableIsStoredInOneWrite)
{
    MemorySettings settings;
    PreferenceTable table{};
    for (int k = 1; k < kNutrientCount; ++k) {
        table[static_cast<std::size_t>(k)] = {k * 10, k * 100};
    }
    table[kSaturatedFat] = {30, 300};
    table[kAlcohol] = {0, 0};
    table[kSodium] = {-3, 20000};
    ASSERT_FALSE(storePreferences(settings, table));
    EXPECT_EQ(settings.writeCount(), 1);
    EXPECT_EQ(settings.readText("NIP", "F27", "?"), "0");
    EXPECT_EQ(settings.readText("NIP", "T26", "?"), "2600");
    table[kSodium] = {0, 9999};
    EXPECT_EQ(storedPreferences(settings), table);
}

TEST(SettingsKeys, NormalisingSwapsAndBoundsSaturatedFat)
{
    PreferenceTable table{};
    table[kTotalFat] = {86, 43};
    table[kSaturatedFat] = {50, 120};
    table[kAlcohol] = {5, 1};
    normalizePreferences(table);
    EXPECT_EQ(table[kTotalFat], (PreferenceRange{43, 86}));
    EXPECT_EQ(table[kSaturatedFat], (PreferenceRange{43, 86}));
    EXPECT_EQ(table[kAlcohol], (PreferenceRange{1, 5}));
}

TEST(SettingsKeys, FoodListNamesShareTheSectionWhateverItsCase)
{
    MemorySettings settings;
    FoodListNames names;
    for (int list = 1; list <= kNamedFoodListCount; ++list) {
        names[static_cast<std::size_t>(list - 1)] = std::string(defaultFoodListName(list));
    }
    names[2] = "Berries and greens";
    names[4] = "";
    ASSERT_FALSE(storeFoodListNames(settings, names));
    EXPECT_EQ(settings.readText("foodgroups", "3", ""), "Berries and greens");
    EXPECT_EQ(foodListName(settings, 3), "Berries and greens");
    EXPECT_EQ(foodListName(settings, 5), "Dry Skin Foods") << "an empty name brings back the default";
    EXPECT_EQ(foodListName(settings, 0), "");
    EXPECT_EQ(foodListName(settings, 8), "");
    EXPECT_EQ(defaultFoodListName(3), "Antioxidant Best Bets");
}

TEST(SettingsKeys, FoodColorCodeCountsMissingPositionsAsOff)
{
    MemorySettings settings;
    ASSERT_FALSE(settings.writeText("Mealwright", "Food Color Code", "101"));
    EXPECT_EQ(foodColorCode(settings), (FoodListFlags{true, false, true, false, false, false, false}));
    ASSERT_FALSE(settings.writeText("Mealwright", "Food Color Code", "1111111111"));
    EXPECT_EQ(foodColorCode(settings), (FoodListFlags{true, true, true, true, true, true, true}));
    ASSERT_FALSE(settings.writeInt("Mealwright", "AltSymbol", 0));
    EXPECT_FALSE(useBulletListMarkers(settings));
}

TEST(SettingsKeys, PrinterFontRoundTrip)
{
    MemorySettings settings;
    const PrinterFontSetting chosen{-83, 700, 18, "Times New Roman"};
    ASSERT_FALSE(storePrinterFont(settings, chosen));
    EXPECT_EQ(printerFont(settings), chosen);
    ASSERT_FALSE(settings.writeText("Printer Font", "FaceName", ""));
    EXPECT_EQ(printerFont(settings).faceName, "Arial");
}

TEST(SettingsKeys, SmallOptionsRoundTrip)
{
    MemorySettings settings;
    ASSERT_FALSE(storeFatWarningPercent(settings, 120));
    EXPECT_EQ(settings.readInt("Options", "Fat Warning Percent", 0), 99);
    ASSERT_FALSE(storeMenuTargetCalories(settings, 1800));
    EXPECT_EQ(menuTargetCalories(settings), 1800);
    ASSERT_FALSE(storeUsePersonalPreference(settings, true));
    EXPECT_TRUE(usePersonalPreference(settings));
    ASSERT_FALSE(storeMouseOptions(settings, {MouseChoice::kGram, MouseChoice::kOff}));
    EXPECT_EQ(mouseOptions(settings), (MouseOptions{MouseChoice::kGram, MouseChoice::kOff}));
    ASSERT_FALSE(storePanelLayout(settings, PanelLayout::kOneColumn));
    EXPECT_EQ(panelLayout(settings, 1024), PanelLayout::kOneColumn);
    ASSERT_FALSE(settings.writeInt("Options", "One Column", 0));
    EXPECT_EQ(panelLayout(settings, 480), PanelLayout::kTwoColumns);
}

TEST(SettingsKeys, FailedStoresAreReported)
{
    MemorySettings settings;
    settings.failWritesWith(std::make_error_code(std::errc::read_only_file_system));
    EXPECT_TRUE(storePreferences(settings, PreferenceTable{}));
    EXPECT_TRUE(storeCaloricNeed(settings, {40, 160, 5, 0}));
    EXPECT_TRUE(storeDisplaySelection(settings, kXga, NutrientSelection{}));
    EXPECT_TRUE(storeViewBackgroundColor(settings, {}));
    EXPECT_TRUE(settings.empty());
}

} // namespace
} // namespace mw
