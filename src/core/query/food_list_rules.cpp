#include "query/food_list_rules.h"

#include "model/food_item_text.h"
#include "model/settings_keys.h"
#include "query/food_listing.h"
#include "query/unicode_case.h"

#include <utility>

namespace mw {
namespace {

constexpr bool isFoodList(int list)
{
    return list >= 1 && list <= CFoodAttributeDatabase::kListCount;
}

std::optional<FoodId> selectedFood(const FoodListView& view)
{
    return view.selectedFoodItem ? foodOfItem(*view.selectedFoodItem) : std::nullopt;
}

bool setItemFlag(CFoodAttributeDatabase& attributes, std::string_view item, std::uint16_t mask)
{
    const std::optional<FoodId> id = foodOfItem(item);
    if (id) {
        attributes.set(*id, mask);
    }
    return id.has_value();
}

bool clearItemFlag(CFoodAttributeDatabase& attributes, std::string_view item, std::uint16_t mask)
{
    const std::optional<FoodId> id = foodOfItem(item);
    if (id) {
        attributes.clear(*id, mask);
    }
    return id.has_value();
}

std::size_t setItemsFlag(CFoodAttributeDatabase& attributes, std::span<const std::string> items, std::uint16_t mask)
{
    std::size_t named = 0;
    for (const std::string& item : items) {
        named += setItemFlag(attributes, item, mask) ? 1 : 0;
    }
    return named;
}

std::vector<std::string> flaggedFoodItems(std::uint16_t mask, const CFoodAttributeDatabase& attributes,
                                          const FoodOperations& foods)
{
    return foodItems(foodsWithFlag(mask, attributes, foods.personalCount()), foods);
}

bool canAddAll(const FoodListView& view)
{
    return view.foodLines >= 2 || (view.foodLines == 1 && selectedFood(view).has_value());
}

bool isListEnabled(FoodListOperation operation, std::uint16_t mask, int members, const FoodListView& view,
                   const CFoodAttributeDatabase& attributes)
{
    const std::optional<FoodId> food = selectedFood(view);
    switch (operation) {
    case FoodListOperation::kAddSelected:
        return food && attributes.test(*food, mask) == 0;
    case FoodListOperation::kAddAll:
        return canAddAll(view);
    case FoodListOperation::kAddMealFoods:
        return view.mealLines > 0;
    case FoodListOperation::kShow:
        return members > 0;
    case FoodListOperation::kRemove:
        return food && attributes.test(*food, mask) != 0;
    }
    return false;
}

} // namespace

std::string cutCaptionName(std::string_view name)
{
    if (utf8CharacterCount(name) < kCaptionNameCutLength) {
        return std::string(name);
    }
    return std::string(utf8Prefix(name, kCaptionNameKeptLength)) + std::string(kCaptionEllipsis);
}

std::string escapeMenuAmpersands(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        escaped.push_back(c);
        if (c == '&') {
            escaped.push_back('&');
        }
    }
    return escaped;
}

std::string itemCountCaption(std::string_view name, int count)
{
    return std::string(name) + " (" + std::to_string(count) + (count == 1 ? " item)" : " items)");
}

MenuItemState hideMenuItem(HideCommand command, const FoodListView& view, const CFoodAttributeDatabase& attributes)
{
    const std::string verb(command == HideCommand::kHide ? kHideVerb : kUnhideVerb);
    if (!view.selectedFoodItem) {
        return {verb + std::string(kNoFoodSelectedSuffix), false};
    }
    const std::optional<FoodId> food = foodOfItem(*view.selectedFoodItem);
    if (!food) {
        return {std::string(kCannotPrefix) + verb + ": ", false};
    }
    const std::string name = escapeMenuAmpersands(cutCaptionName(itemDisplayText(*view.selectedFoodItem)));
    const bool hidden = attributes.test(*food, CFoodAttributeDatabase::kHidden) != 0;
    return {verb + ": " + name, command == HideCommand::kHide ? !hidden : hidden};
}

MenuItemState showHiddenFoodsMenuItem(const CFoodAttributeDatabase& attributes)
{
    const int hidden = attributes.count(CFoodAttributeDatabase::kHidden);
    return {itemCountCaption(kShowHiddenFoodsName, hidden), hidden > 0};
}

bool canHideFoodListFoods(const FoodListView& view)
{
    return view.foodLines > 0;
}

bool canHideMealFoods(const FoodListView& view)
{
    return view.mealLines > 0;
}

bool hideItemFood(CFoodAttributeDatabase& attributes, std::string_view item)
{
    return setItemFlag(attributes, item, CFoodAttributeDatabase::kHidden);
}

bool unhideItemFood(CFoodAttributeDatabase& attributes, std::string_view item)
{
    return clearItemFlag(attributes, item, CFoodAttributeDatabase::kHidden);
}

std::size_t hideItemFoods(CFoodAttributeDatabase& attributes, std::span<const std::string> items)
{
    return setItemsFlag(attributes, items, CFoodAttributeDatabase::kHidden);
}

std::vector<std::string> hiddenFoodItems(const CFoodAttributeDatabase& attributes, const FoodOperations& foods)
{
    return flaggedFoodItems(CFoodAttributeDatabase::kHidden, attributes, foods);
}

std::optional<FoodListCommand> foodListCommandOf(int commandId)
{
    constexpr std::pair<int, FoodListOperation> kBases[] = {
        {kAddSelectedToListBase, FoodListOperation::kAddSelected},
        {kAddMealFoodsToListBase, FoodListOperation::kAddMealFoods},
        {kShowListBase, FoodListOperation::kShow},
        {kRemoveFromListBase, FoodListOperation::kRemove},
        {kAddAllToListBase, FoodListOperation::kAddAll},
    };
    for (const auto& [base, operation] : kBases) {
        if (isFoodList(commandId - base)) {
            return FoodListCommand{commandId - base, operation};
        }
    }
    return std::nullopt;
}

int foodListCommandId(const FoodListCommand& command)
{
    switch (command.operation) {
    case FoodListOperation::kAddSelected:
        return kAddSelectedToListBase + command.list;
    case FoodListOperation::kAddAll:
        return kAddAllToListBase + command.list;
    case FoodListOperation::kAddMealFoods:
        return kAddMealFoodsToListBase + command.list;
    case FoodListOperation::kShow:
        return kShowListBase + command.list;
    case FoodListOperation::kRemove:
        return kRemoveFromListBase + command.list;
    }
    return 0;
}

std::string foodListDisplayName(const Settings& settings, int list)
{
    if (list >= 1 && list <= kNamedFoodListCount) {
        return foodListName(settings, list);
    }
    const int glycemic = list - kNamedFoodListCount - 1;
    if (glycemic >= 0 && glycemic < static_cast<int>(kGlycemicListNames.size())) {
        return std::string(kGlycemicListNames[static_cast<std::size_t>(glycemic)]);
    }
    const int spare = glycemic - static_cast<int>(kGlycemicListNames.size());
    if (spare >= 0 && spare < static_cast<int>(kSpareListNames.size())) {
        return std::string(kSpareListNames[static_cast<std::size_t>(spare)]);
    }
    return {};
}

MenuItemState foodListMenuItem(const FoodListCommand& command, const FoodListView& view, const Settings& settings,
                               const CFoodAttributeDatabase& attributes)
{
    if (!isFoodList(command.list)) {
        return {};
    }
    const std::uint16_t mask = CFoodAttributeDatabase::listMask(command.list);
    const int members = attributes.count(mask);
    // The user names lists freely, so an "&" in a name is shown, not taken as a mnemonic.
    std::string caption = escapeMenuAmpersands(foodListDisplayName(settings, command.list));
    if (command.operation == FoodListOperation::kShow) {
        caption = itemCountCaption(caption, members);
    }
    return {std::move(caption), isListEnabled(command.operation, mask, members, view, attributes)};
}

bool addItemFoodToList(CFoodAttributeDatabase& attributes, std::string_view item, int list)
{
    return isFoodList(list) && setItemFlag(attributes, item, CFoodAttributeDatabase::listMask(list));
}

bool removeItemFoodFromList(CFoodAttributeDatabase& attributes, std::string_view item, int list)
{
    return isFoodList(list) && clearItemFlag(attributes, item, CFoodAttributeDatabase::listMask(list));
}

std::size_t addItemFoodsToList(CFoodAttributeDatabase& attributes, std::span<const std::string> items, int list)
{
    return isFoodList(list) ? setItemsFlag(attributes, items, CFoodAttributeDatabase::listMask(list)) : 0;
}

std::vector<std::string> foodListItems(int list, const CFoodAttributeDatabase& attributes, const FoodOperations& foods)
{
    if (!isFoodList(list)) {
        return {};
    }
    return flaggedFoodItems(CFoodAttributeDatabase::listMask(list), attributes, foods);
}

} // namespace mw
