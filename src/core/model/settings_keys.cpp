#include "model/settings_keys.h"

#include <algorithm>
#include <cstddef>
#include <limits>

namespace mw {
namespace {

constexpr int kDefaultFatWarningPercent = 30;
constexpr int kDefaultViewLowWord = 0xC0C0;
constexpr int kDefaultViewHighWord = 0x00C0;
constexpr int kDefaultHeightInches = 70;
constexpr int kDefaultDialogAge = 40;
constexpr int kDefaultDialogActivity = 5;
constexpr int kDefaultFromValue = 1;
constexpr int kDefaultToValue = kMaxPreferenceValue;
constexpr int kChildAgeLimit = 11; // below it the child weight range applies
constexpr std::string_view kDefaultFaceName = "Arial";

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

std::string nipKey(char prefix, int nutrient)
{
    return prefix + std::to_string(nutrient);
}

bool isPreferenceNutrient(int nutrient)
{
    return nutrient >= 1 && nutrient < kNutrientCount;
}

std::optional<int> storedPreferenceValue(const Settings& settings, char prefix, int nutrient)
{
    if (!isPreferenceNutrient(nutrient)) {
        return std::nullopt;
    }
    const std::optional<std::string> text = settings.readValue(kNipSection, nipKey(prefix, nutrient));
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

int clampWrightCalories(int calories)
{
    return calories == 0 ? 0 : std::clamp(calories, kMinWrightCalories, kMaxWrightCalories);
}

// A hand-edited option outside 0..3 switches the button's menu off rather than guessing one.
MouseChoice mouseChoice(int stored)
{
    if (stored < static_cast<int>(MouseChoice::kOff) || stored > static_cast<int>(MouseChoice::kGram)) {
        return MouseChoice::kOff;
    }
    return static_cast<MouseChoice>(stored);
}

PrinterFontSetting clampedPrinterFont(PrinterFontSetting font)
{
    font.height = std::clamp(font.height, -kMaxPrinterFontHeight, kMaxPrinterFontHeight);
    font.weight = std::clamp(font.weight, 0, kMaxPrinterFontWeight);
    font.pitchAndFamily = std::clamp(font.pitchAndFamily, 0, 255);
    if (font.faceName.empty()) {
        font.faceName = std::string(kDefaultFaceName);
    }
    return font;
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
    const int fallback = screenHeight < kMinScreenHeightForLayoutChoice ? 1 : 0;
    return settings.readInt(kOptionsSection, kOneColumnKey, fallback) != 0 ? PanelLayout::kOneColumn
                                                                           : PanelLayout::kTwoColumns;
}

std::error_code storePanelLayout(Settings& settings, PanelLayout layout)
{
    return settings.writeInt(kOptionsSection, kOneColumnKey, layout == PanelLayout::kOneColumn ? 1 : 0);
}

NutrientSelection displaySelection(const Settings& settings, const ScreenMetrics& screen)
{
    NutrientSelection selection{};
    selection.fill(true);
    const std::string text = settings.readText(kOptionsSection, screenModeKey(screen), "");
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
    return settings.writeText(kOptionsSection, screenModeKey(screen), flagText(stored));
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
    applyFlagText(selection, settings.readText(kOptionsSection, kPrintNutrientsKey, ""));
    return selection;
}

std::error_code storePrintedNutrients(Settings& settings, const NutrientSelection& selection)
{
    return settings.writeText(kOptionsSection, kPrintNutrientsKey, flagText(selection));
}

int fatWarningPercent(const Settings& settings)
{
    const int stored = settings.readInt(kOptionsSection, kFatWarningPercentKey, kDefaultFatWarningPercent);
    return std::clamp(stored, 0, kMaxFatWarningPercent);
}

std::error_code storeFatWarningPercent(Settings& settings, int percent)
{
    return settings.writeInt(kOptionsSection, kFatWarningPercentKey, std::clamp(percent, 0, kMaxFatWarningPercent));
}

bool usePersonalPreference(const Settings& settings)
{
    return settings.readInt(kOptionsSection, kUsePdaKey, 0) != 0;
}

std::error_code storeUsePersonalPreference(Settings& settings, bool use)
{
    return settings.writeInt(kOptionsSection, kUsePdaKey, use ? 1 : 0);
}

int wrightCalories(const Settings& settings)
{
    return clampWrightCalories(settings.readInt(kOptionsSection, kWrightCaloriesKey, 0));
}

std::error_code storeWrightCalories(Settings& settings, int calories)
{
    return settings.writeInt(kOptionsSection, kWrightCaloriesKey, clampWrightCalories(calories));
}

MouseOptions mouseOptions(const Settings& settings)
{
    const MouseOptions defaults;
    return MouseOptions{
        mouseChoice(settings.readInt(kMouseOptionSection, kLeftKey, static_cast<int>(defaults.left))),
        mouseChoice(settings.readInt(kMouseOptionSection, kRightKey, static_cast<int>(defaults.right))),
    };
}

std::error_code storeMouseOptions(Settings& settings, const MouseOptions& options)
{
    const SettingChange changes[] = {
        {std::string(kMouseOptionSection), std::string(kLeftKey), std::to_string(static_cast<int>(options.left))},
        {std::string(kMouseOptionSection), std::string(kRightKey), std::to_string(static_cast<int>(options.right))},
    };
    return settings.writeValues(changes);
}

SortBasis sortBasis(const Settings& settings)
{
    const int stored = settings.readInt(kOptionsSection, kSortBasisKey, static_cast<int>(SortBasis::kPer100g));
    return stored == static_cast<int>(SortBasis::kPer100kcal)   ? SortBasis::kPer100kcal
           : stored == static_cast<int>(SortBasis::kPerServing) ? SortBasis::kPerServing
                                                                : SortBasis::kPer100g;
}

std::error_code storeSortBasis(Settings& settings, SortBasis basis)
{
    return settings.writeInt(kOptionsSection, kSortBasisKey, static_cast<int>(basis));
}

std::string storedDiaryFolder(const Settings& settings)
{
    return settings.readText(kOptionsSection, kDiaryFolderKey, "");
}

std::error_code storeDiaryFolder(Settings& settings, std::string_view folder)
{
    return settings.writeText(kOptionsSection, kDiaryFolderKey, folder);
}

bool weightsInKilograms(const Settings& settings)
{
    return settings.readInt(kOptionsSection, kWeightsInKilogramsKey, 0) != 0;
}

std::error_code storeWeightsInKilograms(Settings& settings, bool kilograms)
{
    return settings.writeInt(kOptionsSection, kWeightsInKilogramsKey, kilograms ? 1 : 0);
}

RgbColor viewBackgroundColor(const Settings& settings)
{
    const auto low = static_cast<unsigned>(settings.readInt(kColorSection, kViewLowWordKey, kDefaultViewLowWord));
    const auto high = static_cast<unsigned>(settings.readInt(kColorSection, kViewHighWordKey, kDefaultViewHighWord));
    return RgbColor{static_cast<std::uint8_t>(low & 0xFFu), static_cast<std::uint8_t>((low >> 8) & 0xFFu),
                    static_cast<std::uint8_t>(high & 0xFFu)};
}

std::error_code storeViewBackgroundColor(Settings& settings, RgbColor color)
{
    const int low = color.green * 256 + color.red;
    const SettingChange changes[] = {
        {std::string(kColorSection), std::string(kViewHighWordKey), std::to_string(color.blue)},
        {std::string(kColorSection), std::string(kViewLowWordKey), std::to_string(low)},
    };
    return settings.writeValues(changes);
}

std::optional<CaloricNeedInputs> storedCaloricNeed(const Settings& settings)
{
    CaloricNeedInputs stored;
    stored.age = settings.readInt(kCaloricNeedSection, kAgeKey, 0);
    stored.idealWeight = settings.readInt(kCaloricNeedSection, kIdealWeightKey, 0);
    if (stored.age <= 0 || stored.idealWeight <= 0) {
        return std::nullopt;
    }
    stored.activity = settings.readInt(kCaloricNeedSection, kActivityKey, 0);
    stored.sexCategory = settings.readInt(kCaloricNeedSection, kSexKey, 0);
    return clampedCaloricNeed(stored);
}

CaloricNeedInputs caloricNeedDialogInputs(const Settings& settings)
{
    CaloricNeedInputs inputs;
    inputs.age = clampAge(settings.readInt(kCaloricNeedSection, kAgeKey, kDefaultDialogAge));
    const int defaultWeight = inputs.age < kChildAgeLimit ? 60 : 160;
    inputs.idealWeight = settings.readInt(kCaloricNeedSection, kWeightKey, defaultWeight);
    inputs.activity = settings.readInt(kCaloricNeedSection, kActivityKey, kDefaultDialogActivity);
    inputs.sexCategory = settings.readInt(kCaloricNeedSection, kSexKey, 0);
    return clampedCaloricNeed(inputs);
}

std::error_code storeCaloricNeed(Settings& settings, const CaloricNeedInputs& inputs)
{
    const CaloricNeedInputs stored = clampedCaloricNeed(inputs);
    const std::string section(kCaloricNeedSection);
    const SettingChange changes[] = {
        {section, std::string(kAgeKey), std::to_string(stored.age)},
        {section, std::string(kWeightKey), std::to_string(stored.idealWeight)},
        {section, std::string(kIdealWeightKey), std::to_string(stored.idealWeight)},
        {section, std::string(kActivityKey), std::to_string(stored.activity)},
        {section, std::string(kSexKey), std::to_string(stored.sexCategory)},
    };
    return settings.writeValues(changes);
}

HealthyWeightInputs healthyWeightInputs(const Settings& settings)
{
    HealthyWeightInputs inputs;
    inputs.heightInches = std::clamp(settings.readInt(kRecommendedWeightSection, kHeightKey, kDefaultHeightInches),
                                     kMinHeightInches, kMaxHeightInches);
    inputs.ageGroup19To34 = settings.readInt(kRecommendedWeightSection, kAgeKey, 0) == 1;
    inputs.female = settings.readInt(kRecommendedWeightSection, kSexKey, 0) == 1;
    return inputs;
}

std::error_code storeHealthyWeightInputs(Settings& settings, const HealthyWeightInputs& inputs)
{
    const std::string section(kRecommendedWeightSection);
    const int height = std::clamp(inputs.heightInches, kMinHeightInches, kMaxHeightInches);
    const SettingChange changes[] = {
        {section, std::string(kHeightKey), std::to_string(height)},
        {section, std::string(kAgeKey), inputs.ageGroup19To34 ? "1" : "0"},
        {section, std::string(kSexKey), inputs.female ? "1" : "0"},
    };
    return settings.writeValues(changes);
}

bool hasStoredPreferences(const Settings& settings)
{
    return !settings.readText(kNipSection, nipKey('F', 1), "").empty();
}

std::optional<int> storedPreferenceFrom(const Settings& settings, int nutrient)
{
    return storedPreferenceValue(settings, 'F', nutrient);
}

std::optional<int> storedPreferenceTo(const Settings& settings, int nutrient)
{
    return storedPreferenceValue(settings, 'T', nutrient);
}

PreferenceTable storedPreferences(const Settings& settings)
{
    PreferenceTable table{};
    for (int k = 1; k < kNutrientCount; ++k) {
        PreferenceRange& range = table[static_cast<std::size_t>(k)];
        range.from = clampPreference(settings.readInt(kNipSection, nipKey('F', k), kDefaultFromValue));
        range.to = clampPreference(settings.readInt(kNipSection, nipKey('T', k), kDefaultToValue));
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
        changes.push_back({std::string(kNipSection), nipKey('F', k), std::to_string(clampPreference(range.from))});
        changes.push_back({std::string(kNipSection), nipKey('T', k), std::to_string(clampPreference(range.to))});
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
    std::string name = settings.readText(kFoodGroupsSection, std::to_string(list), "");
    return name.empty() ? std::string(defaultFoodListName(list)) : name;
}

std::error_code storeFoodListNames(Settings& settings, const FoodListNames& names)
{
    std::vector<SettingChange> changes;
    for (int list = 1; list <= kNamedFoodListCount; ++list) {
        changes.push_back(
            {std::string(kFoodGroupsSection), std::to_string(list), names[static_cast<std::size_t>(list - 1)]});
    }
    return settings.writeValues(changes);
}

FoodListFlags foodColorCode(const Settings& settings)
{
    FoodListFlags flags{};
    applyFlagText(flags, settings.readText(kMealwrightSection, kFoodColorCodeKey, "0000000"));
    return flags;
}

bool useBulletListMarkers(const Settings& settings)
{
    return settings.readInt(kMealwrightSection, kAltSymbolKey, 1) != 0;
}

PrinterFontSetting printerFont(const Settings& settings)
{
    const PrinterFontSetting defaults;
    PrinterFontSetting font;
    font.height = settings.readInt(kPrinterFontSection, kHeightKey, defaults.height);
    font.weight = settings.readInt(kPrinterFontSection, kWeightKey, defaults.weight);
    font.pitchAndFamily = settings.readInt(kPrinterFontSection, kPitchAndFamilyKey, defaults.pitchAndFamily);
    font.faceName = settings.readText(kPrinterFontSection, kFaceNameKey, defaults.faceName);
    return clampedPrinterFont(font);
}

std::error_code storePrinterFont(Settings& settings, const PrinterFontSetting& font)
{
    const PrinterFontSetting stored = clampedPrinterFont(font);
    const std::string section(kPrinterFontSection);
    const SettingChange changes[] = {
        {section, std::string(kHeightKey), std::to_string(stored.height)},
        {section, std::string(kWeightKey), std::to_string(stored.weight)},
        {section, std::string(kPitchAndFamilyKey), std::to_string(stored.pitchAndFamily)},
        {section, std::string(kFaceNameKey), stored.faceName},
    };
    return settings.writeValues(changes);
}

} // namespace mw
