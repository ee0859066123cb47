#pragma once

// The captions and enabled states of the hide and food-list commands, which name the selected food, the
// lists and their counts.

#include "format/food_attribute_database.h"
#include "model/food_operations.h"
#include "model/settings.h"

#include <QString>

#include <cstddef>
#include <optional>

namespace mw::gui {

// What the rules look at of a day's lists.
struct FoodListsState
{
    std::size_t foodLines = 0;
    // The food selected in the food list, if any.
    std::optional<FoodId> selectedFood;
    std::size_t mealLines = 0;
    // How many foods are selected in the food list (the hidden foods' listing takes several).
    std::size_t selectedFoods = 0;
};

struct MenuItemState
{
    QString caption;
    bool enabled = false;
    friend bool operator==(const MenuItemState&, const MenuItemState&) = default;
};

// A food name of 36 characters or more is cut to 32 and "..." in a caption; "&" shows as itself.
QString captionName(std::string_view name);

enum class HideCommand
{
    kHide,   // hide the selected food
    kUnhide, // unhide the selected food
};

// "&Hide: Name [portion]" for the selected food; enabled when it is visible (hide) or hidden (unhide). Unhide
// counts several selected foods instead: "&Unhide 3 selected foods".
MenuItemState hideMenuItem(HideCommand command, const FoodListsState& lists, const CFoodAttributeDatabase& attributes,
                           const FoodOperations& foods);
// "Show all hi&dden foods (n items)", enabled when a food is hidden.
MenuItemState showHiddenFoodsMenuItem(const CFoodAttributeDatabase& attributes);

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

// The list command of a command id (base + list); none for any other id.
std::optional<FoodListCommand> foodListCommandOf(int commandId);

// The name of list 1..14: the user's name (or the default) for 1..7, else the fixed one.
QString foodListDisplayName(const Settings& settings, int list);
// The caption and enabled state of a list command's menu item.
MenuItemState foodListMenuItem(const FoodListCommand& command, const FoodListsState& lists, const Settings& settings,
                               const CFoodAttributeDatabase& attributes);

} // namespace mw::gui
