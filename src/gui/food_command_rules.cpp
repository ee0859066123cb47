#include "food_command_rules.h"

#include "command_ids.h"
#include "qt_bridge.h"

#include "model/settings_keys.h"
#include "model/unicode_case.h"

#include <QCoreApplication>

#include <array>
#include <utility>

namespace mw::gui {
namespace {

constexpr std::size_t kCaptionNameCutLength = 36;
constexpr std::size_t kCaptionNameKeptLength = 32;

// Lists 8..10 have fixed names; 11..14 are handled but offered by no menu.
constexpr std::array<const char*, 3> kGlycemicListNames = {
    QT_TRANSLATE_NOOP("FoodCommands", "High (rapid insulin inducer) list"),
    QT_TRANSLATE_NOOP("FoodCommands", "Medium (moderate inducer) list"),
    QT_TRANSLATE_NOOP("FoodCommands", "Low (reduced insulin secretion) list")};

constexpr bool isFoodList(int list)
{
    return list >= 1 && list <= CFoodAttributeDatabase::kListCount;
}

// Every "&" doubled, so that a menu shows it instead of underlining the next letter.
QString escapeMenuAmpersands(QString text)
{
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QString itemCountCaption(const QString& name, int count)
{
    return name + (count == 1 ? QCoreApplication::translate("FoodCommands", " (1 item)")
                              : QCoreApplication::translate("FoodCommands", " (%1 items)").arg(count));
}

bool canAddAll(const FoodListsState& lists)
{
    return lists.foodLines >= 2 || (lists.foodLines == 1 && lists.selectedFood.has_value());
}

bool isListEnabled(FoodListOperation operation, std::uint16_t mask, int members, const FoodListsState& lists,
                   const CFoodAttributeDatabase& attributes)
{
    const std::optional<FoodId> food = lists.selectedFood;
    switch (operation) {
    case FoodListOperation::kAddSelected:
        return food && attributes.test(*food, mask) == 0;
    case FoodListOperation::kAddAll:
        return canAddAll(lists);
    case FoodListOperation::kAddMealFoods:
        return lists.mealLines > 0;
    case FoodListOperation::kShow:
        return members > 0;
    case FoodListOperation::kRemove:
        return food && attributes.test(*food, mask) != 0;
    }
    return false;
}

constexpr std::pair<int, FoodListOperation> kListCommandBases[] = {
    {cmd::kListAddSelectedBase, FoodListOperation::kAddSelected},
    {cmd::kListAddMealBase, FoodListOperation::kAddMealFoods},
    {cmd::kListShowBase, FoodListOperation::kShow},
    {cmd::kListRemoveBase, FoodListOperation::kRemove},
    {cmd::kListAddAllBase, FoodListOperation::kAddAll},
};

} // namespace

QString captionName(std::string_view name)
{
    const std::string_view kept =
        utf8CharacterCount(name) < kCaptionNameCutLength ? name : utf8Prefix(name, kCaptionNameKeptLength);
    QString caption = toQString(kept);
    if (kept.size() < name.size()) {
        caption += QStringLiteral("...");
    }
    return escapeMenuAmpersands(caption);
}

MenuItemState hideMenuItem(HideCommand command, const FoodListsState& lists, const CFoodAttributeDatabase& attributes,
                           const FoodOperations& foods)
{
    const QString verb = command == HideCommand::kHide ? QCoreApplication::translate("FoodCommands", "&Hide")
                                                       : QCoreApplication::translate("FoodCommands", "&Unhide");
    if (!lists.selectedFood) {
        return {verb + QCoreApplication::translate("FoodCommands", ": No food selected!"), false};
    }
    const bool hidden = attributes.test(*lists.selectedFood, CFoodAttributeDatabase::kHidden) != 0;
    if (command == HideCommand::kUnhide && lists.selectedFoods > 1) {
        return {QCoreApplication::translate("FoodCommands", "&Unhide %1 selected foods").arg(lists.selectedFoods),
                hidden};
    }
    return {verb + QStringLiteral(": ") + captionName(foods.displayName(*lists.selectedFood)),
            command == HideCommand::kHide ? !hidden : hidden};
}

MenuItemState showHiddenFoodsMenuItem(const CFoodAttributeDatabase& attributes)
{
    const int hidden = attributes.count(CFoodAttributeDatabase::kHidden);
    return {itemCountCaption(QCoreApplication::translate("FoodCommands", "Show all hi&dden foods"), hidden),
            hidden > 0};
}

std::optional<FoodListCommand> foodListCommandOf(int commandId)
{
    for (const auto& [base, operation] : kListCommandBases) {
        if (isFoodList(commandId - base)) {
            return FoodListCommand{commandId - base, operation};
        }
    }
    return std::nullopt;
}

QString foodListDisplayName(const Settings& settings, int list)
{
    if (list >= 1 && list <= kNamedFoodListCount) {
        return toQString(foodListName(settings, list));
    }
    const int glycemic = list - kNamedFoodListCount - 1;
    if (glycemic >= 0 && glycemic < static_cast<int>(kGlycemicListNames.size())) {
        return QCoreApplication::translate("FoodCommands", kGlycemicListNames[static_cast<std::size_t>(glycemic)]);
    }
    return isFoodList(list) ? QCoreApplication::translate("FoodCommands", "Food List %1").arg(list) : QString();
}

MenuItemState foodListMenuItem(const FoodListCommand& command, const FoodListsState& lists, const Settings& settings,
                               const CFoodAttributeDatabase& attributes)
{
    if (!isFoodList(command.list)) {
        return {};
    }
    const std::uint16_t mask = CFoodAttributeDatabase::listMask(command.list);
    const int members = attributes.count(mask);
    // The user names lists freely, so an "&" in a name is shown, not taken as a mnemonic.
    QString caption = escapeMenuAmpersands(foodListDisplayName(settings, command.list));
    if (command.operation == FoodListOperation::kShow) {
        caption = itemCountCaption(caption, members);
    }
    return {std::move(caption), isListEnabled(command.operation, mask, members, lists, attributes)};
}

} // namespace mw::gui
