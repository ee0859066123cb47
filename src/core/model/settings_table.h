#pragma once

// Every key of the settings profile: its section, key, type, default and the values the program stores. The
// typed reads and writes below are the only way the program reads and writes a key; the accessors of
// settings_keys.h build on them.

#include "model/settings.h"

#include <climits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

namespace mw {

// A whole number. A missing key reads as fallback; a stored value outside low..high reads as outside when
// there is one, else as the nearer end. Writes are brought into low..high.
struct IntSetting
{
    constexpr IntSetting(std::string_view section_, std::string_view key_, int fallback_, int low_ = INT_MIN,
                         int high_ = INT_MAX, std::optional<int> outside_ = std::nullopt)
        : section(section_), key(key_), fallback(fallback_), low(low_), high(high_), outside(outside_)
    {
    }

    std::string_view section;
    std::string_view key;
    int fallback;
    int low;
    int high;
    std::optional<int> outside;
};

// A switch stored as a whole number: any value but 0 is on.
struct BoolSetting
{
    constexpr BoolSetting(std::string_view section_, std::string_view key_, bool fallback_ = false)
        : section(section_), key(key_), fallback(fallback_)
    {
    }

    std::string_view section;
    std::string_view key;
    bool fallback;
};

// Text; a missing key reads as fallback.
struct TextSetting
{
    std::string_view section;
    std::string_view key;
    std::string_view fallback;
};

// Keys made of a prefix and a number or a name ("F1".."F27", "File1".."File4", "600x16").
struct SettingFamily
{
    std::string_view section;
    std::string_view prefix;
    std::string key(std::string_view suffix) const;
    std::string key(int number) const;
};

namespace setting {

inline constexpr std::string_view kOptions = "Options";
inline constexpr std::string_view kMouseOption = "Mouse Option";
inline constexpr std::string_view kColor = "Color";
inline constexpr std::string_view kCaloricNeed = "Caloric Need";
inline constexpr std::string_view kRecommendedWeight = "Recommended Weight";
inline constexpr std::string_view kNip = "NIP";
inline constexpr std::string_view kFoodGroups = "FoodGroups";
inline constexpr std::string_view kMealwright = "Mealwright";
inline constexpr std::string_view kPrinterFont = "Printer Font";
inline constexpr std::string_view kRecentFileList = "Recent File List";

// clang-format off
// The analysis panel, the printed report and the food list.
inline constexpr BoolSetting kOneColumn{kOptions, "One Column"}; // default: one column below 600 pixels
inline constexpr SettingFamily kDisplayedNutrients{kOptions, ""}; // "600x16": one selection per screen mode
inline constexpr TextSetting kPrintedNutrients{kOptions, "Print nutrients", ""};
inline constexpr IntSetting kFatWarningPercent{kOptions, "Fat Warning Percent", 30, 0, 99};
inline constexpr BoolSetting kUsePersonalGoal{kOptions, "Use PDA"};
inline constexpr IntSetting kSortBasis{kOptions, "Sort basis", 0, 0, 2, 0};
// The diary's folder when the user chose one, and whether weights are typed and shown in kilograms.
inline constexpr TextSetting kDiaryFolder{kOptions, "Diary Folder", ""};
inline constexpr BoolSetting kWeightsInKilograms{kOptions, "Weights in Kilograms"};
// The desktop program starts on today's diary day instead of an untitled one.
inline constexpr BoolSetting kOpenTodayAtStart{kOptions, "Open Today at Start"};
// The menu generator's target: 0 for a random menu, else 800..3000 kcal.
inline constexpr IntSetting kMenuTargetCalories{kOptions, "Wright calories", 0};
// Mouse-button quick input: 0 off, 1 serving portions, 2 ounces, 3 grams; anything else is off.
inline constexpr IntSetting kMouseLeft{kMouseOption, "Left", 1, 0, 3, 0};
inline constexpr IntSetting kMouseRight{kMouseOption, "Right", 2, 0, 3, 0};
// The day view's background: green x 256 + red, and blue.
inline constexpr IntSetting kViewColorGreenRed{kColor, "View LW", 0xC0C0};
inline constexpr IntSetting kViewColorBlue{kColor, "View HW", 0x00C0};
// The caloric-need inputs; "Weight" is what the dialog shows, "Ideal Weight" what requirements use.
inline constexpr IntSetting kAge{kCaloricNeed, "Age", 0};
inline constexpr IntSetting kDialogWeight{kCaloricNeed, "Weight", 0};
inline constexpr IntSetting kIdealWeight{kCaloricNeed, "Ideal Weight", 0};
inline constexpr IntSetting kActivity{kCaloricNeed, "Activity", 0};
inline constexpr IntSetting kSexCategory{kCaloricNeed, "Sex", 0};
// The healthy-weight inputs: height in inches, "Age" 1 for 19 to 34, "Sex" 1 for female.
inline constexpr IntSetting kHeightInches{kRecommendedWeight, "Height", 70, 57, 84};
inline constexpr IntSetting kHealthyWeightAgeGroup{kRecommendedWeight, "Age", 0};
inline constexpr IntSetting kHealthyWeightSex{kRecommendedWeight, "Sex", 0};
// The intake preference of nutrient k: "F" and k (From), "T" and k (To), each 0..9999.
inline constexpr SettingFamily kPreferenceFrom{kNip, "F"};
inline constexpr SettingFamily kPreferenceTo{kNip, "T"};
// The user's names of food lists 1..7.
inline constexpr SettingFamily kFoodListName{kFoodGroups, ""};
// Which of lists 1..7 mark their foods, and whether with bullets or "@".
inline constexpr TextSetting kFoodColorCode{kMealwright, "Food Color Code", "0000000"};
inline constexpr BoolSetting kBulletListMarkers{kMealwright, "AltSymbol", true};
// The printer font: 0 height is 0.6 x the printer's text height, a negative one a character height.
inline constexpr IntSetting kPrinterFontHeight{kPrinterFont, "Height", 0, -10000, 10000};
inline constexpr IntSetting kPrinterFontWeight{kPrinterFont, "Weight", 400, 0, 1000};
inline constexpr IntSetting kPrinterFontPitchAndFamily{kPrinterFont, "PitchAndFamily", 32, 0, 255};
inline constexpr TextSetting kPrinterFontFace{kPrinterFont, "FaceName", "Arial"};
// The recent files, "File1" newest.
inline constexpr SettingFamily kRecentFile{kRecentFileList, "File"};
// clang-format on

} // namespace setting

int readSetting(const Settings& settings, const IntSetting& setting);
bool readSetting(const Settings& settings, const BoolSetting& setting);
std::string readSetting(const Settings& settings, const TextSetting& setting);

// The change that stores the value (an int brought into the setting's range), for writing several at once.
SettingChange settingChange(const IntSetting& setting, int value);
SettingChange settingChange(const BoolSetting& setting, bool value);
SettingChange settingChange(const TextSetting& setting, std::string_view value);

template <typename Setting, typename Value>
std::error_code storeSetting(Settings& settings, const Setting& setting, const Value& value)
{
    const SettingChange change = settingChange(setting, value);
    return settings.writeValues(std::span<const SettingChange>(&change, 1));
}

} // namespace mw
