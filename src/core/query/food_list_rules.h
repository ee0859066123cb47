#pragma once

#include "format/food_attribute_database.h"
#include "model/food_operations.h"
#include "model/settings.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mw {

// What the menu update rules of the hide and food-list commands look at.
struct FoodListView
{
    // Lines of the food list and the selected line's item text, if any (viewed, not copied).
    std::size_t foodLines = 0;
    std::optional<std::string_view> selectedFoodItem;
    // Lines of the meal list.
    std::size_t mealLines = 0;
};

struct MenuItemState
{
    std::string caption;
    bool enabled = false;
    friend bool operator==(const MenuItemState&, const MenuItemState&) = default;
};

// ---- Captions ---------------------------------------------------------------------------------------------

// A food name of this many characters or more is cut to kCaptionNameKeptLength and "...".
inline constexpr std::size_t kCaptionNameCutLength = 36;
inline constexpr std::size_t kCaptionNameKeptLength = 32;
inline constexpr std::string_view kCaptionEllipsis = "...";

// The name cut for a menu caption; counts characters, not bytes.
std::string cutCaptionName(std::string_view name);
// Every "&" doubled, so that a menu shows it instead of underlining the next letter.
std::string escapeMenuAmpersands(std::string_view text);
// name + " (1 item)" or name + " (n items)".
std::string itemCountCaption(std::string_view name, int count);

// ---- Hidden foods -----------------------------------------------------------------------------------------

enum class HideCommand
{
    kHide,   // hide the selected food
    kUnhide, // unhide the selected food
};

inline constexpr std::string_view kHideVerb = "&Hide";
inline constexpr std::string_view kUnhideVerb = "&Unhide";
inline constexpr std::string_view kNoFoodSelectedSuffix = ": No food selected!";
inline constexpr std::string_view kCannotPrefix = "Cannot ";
inline constexpr std::string_view kShowHiddenFoodsName = "Show all hi&dden foods";

// "&Hide: Name [portion]" for the selected food; enabled when it is visible (hide) or hidden (unhide).
MenuItemState hideMenuItem(HideCommand command, const FoodListView& view, const CFoodAttributeDatabase& attributes);
// "Show all hi&dden foods (n items)", enabled when a food is hidden.
MenuItemState showHiddenFoodsMenuItem(const CFoodAttributeDatabase& attributes);
bool canHideFoodListFoods(const FoodListView& view);
bool canHideMealFoods(const FoodListView& view);

// Hides (unhides) the food of an item; false when the item names no food. Other flags stay.
bool hideItemFood(CFoodAttributeDatabase& attributes, std::string_view item);
bool unhideItemFood(CFoodAttributeDatabase& attributes, std::string_view item);
// Hides the food of every item that names one; returns how many items did.
std::size_t hideItemFoods(CFoodAttributeDatabase& attributes, std::span<const std::string> items);
// Every hidden food: standard foods in FoodId order, then the listed personal ones.
std::vector<std::string> hiddenFoodItems(const CFoodAttributeDatabase& attributes, const FoodOperations& foods);

// ---- Food lists -------------------------------------------------------------------------------------------

enum class FoodListOperation
{
    kAddSelected,
    kAddAll,
    kAddMealFoods,
    kShow,
    kRemove,
};

struct FoodListCommand
{
    int list = 1; // 1..14
    FoodListOperation operation = FoodListOperation::kAddSelected;
    friend bool operator==(const FoodListCommand&, const FoodListCommand&) = default;
};

// Command ids: base + list.
inline constexpr int kAddSelectedToListBase = 33000;
inline constexpr int kAddMealFoodsToListBase = 33020;
inline constexpr int kShowListBase = 33040;
inline constexpr int kRemoveFromListBase = 33060;
inline constexpr int kAddAllToListBase = 33100;

std::optional<FoodListCommand> foodListCommandOf(int commandId);
int foodListCommandId(const FoodListCommand& command);

// Lists 8..10 have fixed names; 11..14 are handled but offered by no menu.
inline constexpr std::array<std::string_view, 3> kGlycemicListNames = {
    "High (rapid insulin inducer) list", "Medium (moderate inducer) list", "Low (reduced insulin secretion) list"};
inline constexpr std::array<std::string_view, 4> kSpareListNames = {"Food List 11", "Food List 12", "Food List 13",
                                                                    "Food List 14"};

// The name of list 1..14: the user's name (or the default) for 1..7, else the fixed one.
std::string foodListDisplayName(const Settings& settings, int list);
// The caption and enabled state of a list command's menu item.
MenuItemState foodListMenuItem(const FoodListCommand& command, const FoodListView& view, const Settings& settings,
                               const CFoodAttributeDatabase& attributes);

// Puts the food of an item into list k (takes it out); false when the item names no food.
bool addItemFoodToList(CFoodAttributeDatabase& attributes, std::string_view item, int list);
bool removeItemFoodFromList(CFoodAttributeDatabase& attributes, std::string_view item, int list);
// Puts the food of every item that names one into list k (add all, add meal foods); returns how many.
std::size_t addItemFoodsToList(CFoodAttributeDatabase& attributes, std::span<const std::string> items, int list);
// The foods of list k: standard foods in FoodId order, then the listed personal ones.
std::vector<std::string> foodListItems(int list, const CFoodAttributeDatabase& attributes, const FoodOperations& foods);

} // namespace mw
