#include "model/settings_keys.h"

#include <algorithm>
#include <cstddef>
#include <limits>

namespace mw {
namespace {

using setting::kNip;

constexpr int kDefaultDialogAge = 40;
constexpr int kDefaultDialogActivity = 5;
constexpr int kDefaultFromValue = 1;
constexpr int kDefaultToValue = kMaxPreferenceValue;
constexpr int kChildAgeLimit = 11; // below it the child weight range applies

constexpr std::array<std::string_view, kNamedFoodListCount> kDefaultFoodListNames = {
    "Good Carbohydrates", "Bad Carbohydrates", "Antioxidant Best Bets", "Acne Foods",
    "Dry Skin Foods",     "Rosacea Foods",     "Omega-3 Foods",
};

// Rows of the capacity table by screen height, columns by font height (<= 16, 17..20, > 20).
struct CapacityRow
{
    int maxScreenHeight;
    std::array<int, 3> oneColumn;
    std::array<int, 3> twoColumns;
};

constexpr std::array<CapacityRow, 5> kCapacityTable = {{
    {459, {5, 5, 5}, {5, 5, 5}},
    {480, {10, 8, 8}, {10, 8, 8}},
    {600, {15, 11, 8}, {30, 22, 16}},
    {768, {24, 19, 16}, {48, 38, 32}},
    {std::numeric_limits<int>::max(), {28, 24, 20}, {56, 48, 40}},
}};

struct AllowedRange
{
    int low;
    int high;
    int clamp(int value) const { return std::clamp(value, low, high); }
};

AllowedRange idealWeightRange(int age)
{
    return age < kChildAgeLimit ? AllowedRange{10, 150} : AllowedRange{70, 300};
}

AllowedRange activityRange(int age)
{
    return age <= kChildAgeLimit ? AllowedRange{4, 7} : AllowedRange{1, 10};
}

int clampAge(int age)
{
    return std::clamp(age, kMinAge, kMaxAge);
}

int validSexCategory(int category)
{
    return (category >= 0 && category < kSexCategoryCount) ? category : 0;
}

// A stored selection text: position i is on when its character is '1'; positions the text does not reach
// keep the value they had.
template <std::size_t N>
void applyFlagText(std::array<bool, N>& flags, std::string_view text)
{
    const std::size_t count = std::min(N, text.size());
    for (std::size_t i = 0; i < count; ++i) {
        flags[i] = text[i] == '1';
    }
}

template <std::size_t N>
std::string flagText(const std::array<bool, N>& flags)
{
    std::string text;
    for (const bool on : flags) {
        text += on ? '1' : '0';
    }
    return text;
}

bool isPreferenceNutrient(int nutrient)
{
    return nutrient >= 1 && nutrient < kNutrientCount;
}

std::optional<int> storedPreferenceValue(const Settings& settings, const SettingFamily& family, int nutrient)
{
    if (!isPreferenceNutrient(nutrient)) {
        return std::nullopt;
    }
    const std::optional<std::string> text = settings.readValue(family.section, family.key(nutrient));
    if (!text || text->empty()) {
        return std::nullopt;
    }
    return std::clamp(settingTextToInt(*text), 0, kMaxPreferenceValue);
}

int clampPreference(int value)
{
    return std::clamp(value, 0, kMaxPreferenceValue);
}

CaloricNeedInputs clampedCaloricNeed(CaloricNeedInputs inputs)
{
    inputs.age = clampAge(inputs.age);
    inputs.idealWeight = idealWeightRange(inputs.age).clamp(inputs.idealWeight);
    inputs.activity = activityRange(inputs.age).clamp(inputs.activity);
    inputs.sexCategory = validSexCategory(inputs.sexCategory);
    return inputs;
}

int clampMenuTargetCalories(int calories)
{
    return calories == 0 ? 0 : std::clamp(calories, kMinMenuTargetCalories, kMaxMenuTargetCalories);
}

} // namespace

std::string screenModeKey(const ScreenMetrics& screen)
{
    return std::to_string(screen.height) + "x" + std::to_string(screen.fontHeight);
}

int panelRoomCapacity(const ScreenMetrics& screen, PanelLayout layout)
{
    const std::size_t fontClass = screen.fontHeight <= 16 ? 0 : (screen.fontHeight <= 20 ? 1 : 2);
    const auto row = std::find_if(kCapacityTable.begin(), kCapacityTable.end(),
                                  [&](const CapacityRow& r) { return screen.height <= r.maxScreenHeight; });
    return layout == PanelLayout::kOneColumn ? row->oneColumn[fontClass] : row->twoColumns[fontClass];
}

int panelCapacity(const ScreenMetrics& screen, PanelLayout layout)
{
    return std::min(panelRoomCapacity(screen, layout), kNutrientCount);
}

PanelLayout panelLayout(const Settings& settings, int screenHeight)
{
    BoolSetting oneColumn = setting::kOneColumn;
    oneColumn.fallback = screenHeight < kMinScreenHeightForLayoutChoice;
    return readSetting(settings, oneColumn) ? PanelLayout::kOneColumn : PanelLayout::kTwoColumns;
}

std::error_code storePanelLayout(Settings& settings, PanelLayout layout)
{
    return storeSetting(settings, setting::kOneColumn, layout == PanelLayout::kOneColumn);
}

NutrientSelection displaySelection(const Settings& settings, const ScreenMetrics& screen)
{
    NutrientSelection selection{};
    selection.fill(true);
    const std::string text = settings.readText(setting::kDisplayedNutrients.section,
                                               setting::kDisplayedNutrients.key(screenModeKey(screen)), "");
    if (!text.empty()) {
        selection.fill(false);
        applyFlagText(selection, text);
    }
    std::fill_n(selection.begin(), kAlwaysDisplayedNutrients, true);
    return selection;
}

std::error_code storeDisplaySelection(Settings& settings, const ScreenMetrics& screen,
                                      const NutrientSelection& selection)
{
    NutrientSelection stored = selection;
    std::fill_n(stored.begin(), kAlwaysDisplayedNutrients, true);
    return settings.writeText(setting::kDisplayedNutrients.section,
                              setting::kDisplayedNutrients.key(screenModeKey(screen)), flagText(stored));
}

std::vector<NutrientIndex> displayedNutrients(const Settings& settings, const ScreenMetrics& screen, PanelLayout layout)
{
    const NutrientSelection selection = displaySelection(settings, screen);
    const std::size_t capacity = static_cast<std::size_t>(panelCapacity(screen, layout));
    std::vector<NutrientIndex> shown;
    for (int i = 0; i < kNutrientCount && shown.size() < capacity; ++i) {
        if (selection[static_cast<std::size_t>(i)]) {
            shown.push_back(static_cast<NutrientIndex>(i));
        }
    }
    return shown;
}

NutrientSelection printedNutrients(const Settings& settings)
{
    NutrientSelection selection{};
    selection.fill(true);
    applyFlagText(selection, readSetting(settings, setting::kPrintedNutrients));
    return selection;
}

std::error_code storePrintedNutrients(Settings& settings, const NutrientSelection& selection)
{
    return storeSetting(settings, setting::kPrintedNutrients, flagText(selection));
}

int fatWarningPercent(const Settings& settings)
{
    return readSetting(settings, setting::kFatWarningPercent);
}

std::error_code storeFatWarningPercent(Settings& settings, int percent)
{
    return storeSetting(settings, setting::kFatWarningPercent, percent);
}

bool usePersonalPreference(const Settings& settings)
{
    return readSetting(settings, setting::kUsePersonalGoal);
}

std::error_code storeUsePersonalPreference(Settings& settings, bool use)
{
    return storeSetting(settings, setting::kUsePersonalGoal, use);
}

int menuTargetCalories(const Settings& settings)
{
    return clampMenuTargetCalories(readSetting(settings, setting::kMenuTargetCalories));
}

std::error_code storeMenuTargetCalories(Settings& settings, int calories)
{
    return storeSetting(settings, setting::kMenuTargetCalories, clampMenuTargetCalories(calories));
}

MouseOptions mouseOptions(const Settings& settings)
{
    // A hand-edited option outside 0..3 switches the button's menu off rather than guessing one.
    return MouseOptions{static_cast<MouseChoice>(readSetting(settings, setting::kMouseLeft)),
                        static_cast<MouseChoice>(readSetting(settings, setting::kMouseRight))};
}

std::error_code storeMouseOptions(Settings& settings, const MouseOptions& options)
{
    const SettingChange changes[] = {
        settingChange(setting::kMouseLeft, static_cast<int>(options.left)),
        settingChange(setting::kMouseRight, static_cast<int>(options.right)),
    };
    return settings.writeValues(changes);
}

SortBasis sortBasis(const Settings& settings)
{
    return static_cast<SortBasis>(readSetting(settings, setting::kSortBasis));
}

std::error_code storeSortBasis(Settings& settings, SortBasis basis)
{
    return storeSetting(settings, setting::kSortBasis, static_cast<int>(basis));
}

std::string storedDiaryFolder(const Settings& settings)
{
    return readSetting(settings, setting::kDiaryFolder);
}

std::error_code storeDiaryFolder(Settings& settings, std::string_view folder)
{
    return storeSetting(settings, setting::kDiaryFolder, folder);
}

bool weightsInKilograms(const Settings& settings)
{
    return readSetting(settings, setting::kWeightsInKilograms);
}

std::error_code storeWeightsInKilograms(Settings& settings, bool kilograms)
{
    return storeSetting(settings, setting::kWeightsInKilograms, kilograms);
}

RgbColor viewBackgroundColor(const Settings& settings)
{
    const auto low = static_cast<unsigned>(readSetting(settings, setting::kViewColorGreenRed));
    const auto high = static_cast<unsigned>(readSetting(settings, setting::kViewColorBlue));
    return RgbColor{static_cast<std::uint8_t>(low & 0xFFu), static_cast<std::uint8_t>((low >> 8) & 0xFFu),
                    static_cast<std::uint8_t>(high & 0xFFu)};
}

std::error_code storeViewBackgroundColor(Settings& settings, RgbColor color)
{
    const int low = color.green * 256 + color.red;
    const SettingChange changes[] = {
        settingChange(setting::kViewColorBlue, color.blue),
        settingChange(setting::kViewColorGreenRed, low),
    };
    return settings.writeValues(changes);
}

std::optional<CaloricNeedInputs> storedCaloricNeed(const Settings& settings)
{
    CaloricNeedInputs stored;
    stored.age = readSetting(settings, setting::kAge);
    stored.idealWeight = readSetting(settings, setting::kIdealWeight);
    if (stored.age <= 0 || stored.idealWeight <= 0) {
        return std::nullopt;
    }
    stored.activity = readSetting(settings, setting::kActivity);
    stored.sexCategory = readSetting(settings, setting::kSexCategory);
    return clampedCaloricNeed(stored);
}

CaloricNeedInputs caloricNeedDialogInputs(const Settings& settings)
{
    CaloricNeedInputs inputs;
    // The dialog's own defaults where nothing is stored: a man of 40 (160 lbs; 60 lbs under 11), activity 5.
    IntSetting age = setting::kAge;
    age.fallback = kDefaultDialogAge;
    inputs.age = clampAge(readSetting(settings, age));
    IntSetting weight = setting::kDialogWeight;
    weight.fallback = inputs.age < kChildAgeLimit ? 60 : 160;
    inputs.idealWeight = readSetting(settings, weight);
    IntSetting activity = setting::kActivity;
    activity.fallback = kDefaultDialogActivity;
    inputs.activity = readSetting(settings, activity);
    inputs.sexCategory = readSetting(settings, setting::kSexCategory);
    return clampedCaloricNeed(inputs);
}

std::error_code storeCaloricNeed(Settings& settings, const CaloricNeedInputs& inputs)
{
    const CaloricNeedInputs stored = clampedCaloricNeed(inputs);
    const SettingChange changes[] = {
        settingChange(setting::kAge, stored.age),
        settingChange(setting::kDialogWeight, stored.idealWeight),
        settingChange(setting::kIdealWeight, stored.idealWeight),
        settingChange(setting::kActivity, stored.activity),
        settingChange(setting::kSexCategory, stored.sexCategory),
    };
    return settings.writeValues(changes);
}

HealthyWeightInputs healthyWeightInputs(const Settings& settings)
{
    HealthyWeightInputs inputs;
    inputs.heightInches = readSetting(settings, setting::kHeightInches);
    inputs.ageGroup19To34 = readSetting(settings, setting::kHealthyWeightAgeGroup) == 1;
    inputs.female = readSetting(settings, setting::kHealthyWeightSex) == 1;
    return inputs;
}

std::error_code storeHealthyWeightInputs(Settings& settings, const HealthyWeightInputs& inputs)
{
    const SettingChange changes[] = {
        settingChange(setting::kHeightInches, inputs.heightInches),
        settingChange(setting::kHealthyWeightAgeGroup, inputs.ageGroup19To34 ? 1 : 0),
        settingChange(setting::kHealthyWeightSex, inputs.female ? 1 : 0),
    };
    return settings.writeValues(changes);
}

bool hasStoredPreferences(const Settings& settings)
{
    return !settings.readText(setting::kPreferenceFrom.section, setting::kPreferenceFrom.key(1), "").empty();
}

std::optional<int> storedPreferenceFrom(const Settings& settings, int nutrient)
{
    return storedPreferenceValue(settings, setting::kPreferenceFrom, nutrient);
}

std::optional<int> storedPreferenceTo(const Settings& settings, int nutrient)
{
    return storedPreferenceValue(settings, setting::kPreferenceTo, nutrient);
}

PreferenceTable storedPreferences(const Settings& settings)
{
    PreferenceTable table{};
    for (int k = 1; k < kNutrientCount; ++k) {
        PreferenceRange& range = table[static_cast<std::size_t>(k)];
        range.from = clampPreference(settings.readInt(kNip, setting::kPreferenceFrom.key(k), kDefaultFromValue));
        range.to = clampPreference(settings.readInt(kNip, setting::kPreferenceTo.key(k), kDefaultToValue));
    }
    normalizePreferences(table);
    return table;
}

void normalizePreferences(PreferenceTable& table)
{
    for (std::size_t k = 1; k < table.size(); ++k) {
        if (table[k].from > table[k].to) {
            std::swap(table[k].from, table[k].to);
        }
    }
    PreferenceRange& saturated = table[kSaturatedFat];
    const PreferenceRange& total = table[kTotalFat];
    saturated.from = std::min(saturated.from, total.from);
    saturated.to = std::min(saturated.to, total.to);
}

std::error_code storePreferences(Settings& settings, const PreferenceTable& table)
{
    std::vector<SettingChange> changes;
    changes.reserve(2 * (kNutrientCount - 1));
    for (int k = 1; k < kNutrientCount; ++k) {
        const PreferenceRange& range = table[static_cast<std::size_t>(k)];
        changes.push_back(
            {std::string(kNip), setting::kPreferenceFrom.key(k), std::to_string(clampPreference(range.from))});
        changes.push_back(
            {std::string(kNip), setting::kPreferenceTo.key(k), std::to_string(clampPreference(range.to))});
    }
    return settings.writeValues(changes);
}

std::string_view defaultFoodListName(int list)
{
    if (list < 1 || list > kNamedFoodListCount) {
        return {};
    }
    return kDefaultFoodListNames[static_cast<std::size_t>(list - 1)];
}

std::string foodListName(const Settings& settings, int list)
{
    if (list < 1 || list > kNamedFoodListCount) {
        return {};
    }
    std::string name = settings.readText(setting::kFoodListName.section, setting::kFoodListName.key(list), "");
    return name.empty() ? std::string(defaultFoodListName(list)) : name;
}

std::error_code storeFoodListNames(Settings& settings, const FoodListNames& names)
{
    std::vector<SettingChange> changes;
    for (int list = 1; list <= kNamedFoodListCount; ++list) {
        changes.push_back({std::string(setting::kFoodListName.section), setting::kFoodListName.key(list),
                           names[static_cast<std::size_t>(list - 1)]});
    }
    return settings.writeValues(changes);
}

FoodListFlags foodColorCode(const Settings& settings)
{
    FoodListFlags flags{};
    applyFlagText(flags, readSetting(settings, setting::kFoodColorCode));
    return flags;
}

bool useBulletListMarkers(const Settings& settings)
{
    return readSetting(settings, setting::kBulletListMarkers);
}

PrinterFontSetting printerFont(const Settings& settings)
{
    PrinterFontSetting font;
    font.height = readSetting(settings, setting::kPrinterFontHeight);
    font.weight = readSetting(settings, setting::kPrinterFontWeight);
    font.pitchAndFamily = readSetting(settings, setting::kPrinterFontPitchAndFamily);
    font.faceName = readSetting(settings, setting::kPrinterFontFace);
    if (font.faceName.empty()) {
        font.faceName = std::string(setting::kPrinterFontFace.fallback);
    }
    return font;
}

std::error_code storePrinterFont(Settings& settings, const PrinterFontSetting& font)
{
    const SettingChange changes[] = {
        settingChange(setting::kPrinterFontHeight, font.height),
        settingChange(setting::kPrinterFontWeight, font.weight),
        settingChange(setting::kPrinterFontPitchAndFamily, font.pitchAndFamily),
        settingChange(setting::kPrinterFontFace,
                      font.faceName.empty() ? setting::kPrinterFontFace.fallback : font.faceName),
    };
    return settings.writeValues(changes);
}

} // namespace mw
