#pragma once

#include "model/food_types.h"
#include "model/settings.h"
#include "model/settings_table.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace mw {

// The program's settings as it uses them: each accessor reads or writes its keys of the settings table with
// their defaults and ranges.

// One flag per NutrientIndex.
using NutrientSelection = std::array<bool, kNutrientCount>;

// ---- Analysis panel ---------------------------------------------------------------------------------------

struct ScreenMetrics
{
    int height = 0;     // screen height in pixels
    int fontHeight = 0; // height of the system font in pixels
};

enum class PanelLayout
{
    kOneColumn,
    kTwoColumns,
};

// Weight, Calories, Protein, Carbohydrate and Total Fat are always displayed.
inline constexpr int kAlwaysDisplayedNutrients = 5;
// Below this screen height the panel starts in one column and the layout cannot be chosen.
inline constexpr int kMinScreenHeightForLayoutChoice = 600;

// "600x16": each screen height and font size keeps its own displayed-nutrient selection.
std::string screenModeKey(const ScreenMetrics& screen);
// The rows the panel has room for, from the capacity table (up to 56 in two columns).
int panelRoomCapacity(const ScreenMetrics& screen, PanelLayout layout);
// The most nutrients the panel can show: the room capacity capped at 28.
int panelCapacity(const ScreenMetrics& screen, PanelLayout layout);

// The layout at start-up: "One Column", by default one column on screens below 600 pixels.
PanelLayout panelLayout(const Settings& settings, int screenHeight);
std::error_code storePanelLayout(Settings& settings, PanelLayout layout);

// The stored selection of this screen mode as the display dialog shows it: positions 0..4 always on, positions
// beyond the stored text off; an empty or missing text selects all.
NutrientSelection displaySelection(const Settings& settings, const ScreenMetrics& screen);
// Written as 28 characters, positions 0..4 always "1".
std::error_code storeDisplaySelection(Settings& settings, const ScreenMetrics& screen,
                                      const NutrientSelection& selection);
// The panel's rows in NutrientIndex order: 0..4, then each selected nutrient until the capacity is reached.
std::vector<NutrientIndex> displayedNutrients(const Settings& settings, const ScreenMetrics& screen,
                                              PanelLayout layout);

// ---- Printed report ---------------------------------------------------------------------------------------

// All 28 on, then each position the "Print nutrients" text has: "1" printed, anything else not.
NutrientSelection printedNutrients(const Settings& settings);
std::error_code storePrintedNutrients(Settings& settings, const NutrientSelection& selection);

// ---- Analysis options -------------------------------------------------------------------------------------

inline constexpr int kMaxFatWarningPercent = setting::kFatWarningPercent.high;

// Percent of calories from fat above which the fat bar changes colour, 0..99 (default 30).
int fatWarningPercent(const Settings& settings);
std::error_code storeFatWarningPercent(Settings& settings, int percent);

// "Use PDA": the percent column measures against the personal intake preference instead of the RDA.
bool usePersonalPreference(const Settings& settings);
std::error_code storeUsePersonalPreference(Settings& settings, bool use);

// ---- Menu generator ---------------------------------------------------------------------------------------

inline constexpr int kMinMenuTargetCalories = 800;
inline constexpr int kMaxMenuTargetCalories = 3000;

// The menu generator's target: 0 for a random well-balanced menu, else 800..3000 kcal (any other value moves
// to the nearer bound).
int menuTargetCalories(const Settings& settings);
std::error_code storeMenuTargetCalories(Settings& settings, int calories);

// ---- Mouse-button quick input -----------------------------------------------------------------------------

enum class MouseChoice : int
{
    kOff = 0,
    kServingPortion = 1,
    kOunce = 2,
    kGram = 3,
};

struct MouseOptions
{
    MouseChoice left = static_cast<MouseChoice>(setting::kMouseLeft.fallback);
    MouseChoice right = static_cast<MouseChoice>(setting::kMouseRight.fallback);
    friend bool operator==(const MouseOptions&, const MouseOptions&) = default;
};

// A missing value reads as that button's default; one outside the four choices switches its menu off.
MouseOptions mouseOptions(const Settings& settings);
std::error_code storeMouseOptions(Settings& settings, const MouseOptions& options);

// ---- Food list sort basis --------------------------------------------------------------------------------

// What the food list's sort compares: a nutrient in 100 g of each food, in 100 kcal of it, or in one serving.
enum class SortBasis : int
{
    kPer100g = 0,
    kPer100kcal = 1,
    kPerServing = 2,
};

// "Options" / "Sort basis"; anything but the three choices reads as per 100 g.
SortBasis sortBasis(const Settings& settings);
std::error_code storeSortBasis(Settings& settings, SortBasis basis);

// ---- Diary and weight log --------------------------------------------------------------------------------

// "Options" / "Diary Folder": the folder the user chose for the diary; empty when none was chosen.
std::string storedDiaryFolder(const Settings& settings);
std::error_code storeDiaryFolder(Settings& settings, std::string_view folder);
// "Options" / "Weights in Kilograms": weights are typed and shown in kilograms (they are kept in pounds).
bool weightsInKilograms(const Settings& settings);
std::error_code storeWeightsInKilograms(Settings& settings, bool kilograms);

// ---- View background --------------------------------------------------------------------------------------

struct RgbColor
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const RgbColor&, const RgbColor&) = default;
};

// Kept as "View HW" (blue) and "View LW" (green × 256 + red); light grey by default.
RgbColor viewBackgroundColor(const Settings& settings);
std::error_code storeViewBackgroundColor(Settings& settings, RgbColor color);

// ---- Caloric need -----------------------------------------------------------------------------------------

inline constexpr int kMinAge = 1;
inline constexpr int kMaxAge = 99;
inline constexpr int kSexCategoryCount = 5; // male, female, pregnant, lactating 1st and 2nd 6 months

struct CaloricNeedInputs
{
    int age = 0;
    int idealWeight = 0; // pounds
    int activity = 0;
    int sexCategory = 0;
    friend bool operator==(const CaloricNeedInputs&, const CaloricNeedInputs&) = default;
};

// The inputs the requirements are computed from ("Age", "Ideal Weight", "Activity", "Sex"); nullopt while age or
// ideal weight was never stored (0 or less). Values are brought into the ranges the caloric-need dialog allows
// for the age: age 1..99, ideal weight 10..150 lbs under 11 and 70..300 from 11, activity 4..7 up to 11 and
// 1..10 from 12, category 0..4 (else 0).
std::optional<CaloricNeedInputs> storedCaloricNeed(const Settings& settings);
// What the caloric-need dialog opens with ("Weight", not "Ideal Weight"; defaults age 40, 160 lbs or 60 lbs
// under 11, activity 5), in the same ranges.
CaloricNeedInputs caloricNeedDialogInputs(const Settings& settings);
// Stores "Age", "Weight", "Ideal Weight", "Activity" and "Sex" together, in the same ranges.
std::error_code storeCaloricNeed(Settings& settings, const CaloricNeedInputs& inputs);

// ---- Healthy weight ---------------------------------------------------------------------------------------

inline constexpr int kMinHeightInches = setting::kHeightInches.low;
inline constexpr int kMaxHeightInches = setting::kHeightInches.high;

struct HealthyWeightInputs
{
    int heightInches = 70;       // 57..84
    bool ageGroup19To34 = false; // "Age" 1; anything else is "over 34"
    bool female = false;         // "Sex" 1; anything else is male
    friend bool operator==(const HealthyWeightInputs&, const HealthyWeightInputs&) = default;
};

HealthyWeightInputs healthyWeightInputs(const Settings& settings);
std::error_code storeHealthyWeightInputs(Settings& settings, const HealthyWeightInputs& inputs);

// ---- Nutrient intake preference ---------------------------------------------------------------------------

inline constexpr int kMaxPreferenceValue = 9999;

// The preferred daily intake of one nutrient, in its own unit.
struct PreferenceRange
{
    int from = 0;
    int to = 0;
    friend bool operator==(const PreferenceRange&, const PreferenceRange&) = default;
};

// By NutrientIndex; slot 0 (weight) is not used.
using PreferenceTable = std::array<PreferenceRange, kNutrientCount>;

// "F1" holds a value: the user has stored a preference table.
bool hasStoredPreferences(const Settings& settings);
// The stored From ("F" and k) or To ("T" and k) of nutrient k (1..27), in 0..9999; nullopt when missing or
// empty (the dialog then shows the requirement-derived default).
std::optional<int> storedPreferenceFrom(const Settings& settings, int nutrient);
std::optional<int> storedPreferenceTo(const Settings& settings, int nutrient);
// The table as a view loads it: a missing From reads 1, a missing To 9999; values in 0..9999, then normalised.
PreferenceTable storedPreferences(const Settings& settings);
// From becomes the smaller and To the larger of each pair; saturated fat is then kept within total fat.
void normalizePreferences(PreferenceTable& table);
// Stores all 54 keys together, each value brought into 0..9999.
std::error_code storePreferences(Settings& settings, const PreferenceTable& table);

// ---- Food lists -------------------------------------------------------------------------------------------

inline constexpr int kNamedFoodListCount = 7;
inline constexpr int kMaxFoodListNameLength = 40;

using FoodListNames = std::array<std::string, kNamedFoodListCount>;
using FoodListFlags = std::array<bool, kNamedFoodListCount>;

// The built-in name of list 1..7 ("Good Carbohydrates" ...); empty for any other number.
std::string_view defaultFoodListName(int list);
// The user's name for list 1..7; an empty or missing name gives the default name.
std::string foodListName(const Settings& settings, int list);
// Stores the names of lists 1..7 under "FoodGroups" keys "1".."7".
std::error_code storeFoodListNames(Settings& settings, const FoodListNames& names);
// "Food Color Code": which of lists 1..7 mark their foods in the food lists; missing positions count as off.
FoodListFlags foodColorCode(const Settings& settings);
// "AltSymbol" not 0: the list markers are bullets, else "@" characters.
bool useBulletListMarkers(const Settings& settings);

// ---- Printer font -----------------------------------------------------------------------------------------

inline constexpr int kMaxPrinterFontHeight = setting::kPrinterFontHeight.high;
inline constexpr int kMaxPrinterFontWeight = setting::kPrinterFontWeight.high;

struct PrinterFontSetting
{
    int height = setting::kPrinterFontHeight.fallback; // 0: 0.6 × the printer's text height; negative: a character
                                                       // height, as a logical font has it
    int weight = setting::kPrinterFontWeight.fallback;
    int pitchAndFamily = setting::kPrinterFontPitchAndFamily.fallback;
    std::string faceName = std::string(setting::kPrinterFontFace.fallback);
    friend bool operator==(const PrinterFontSetting&, const PrinterFontSetting&) = default;
};

// Height within ±10000, weight 0..1000, pitch and family 0..255; an empty face name reads as "Arial".
PrinterFontSetting printerFont(const Settings& settings);
std::error_code storePrinterFont(Settings& settings, const PrinterFontSetting& font);

} // namespace mw
