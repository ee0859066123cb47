#include "food_commands.h"

#include "action_registry.h"
#include "app_context.h"
#include "command_ids.h"
#include "day_window_manager.h"
#include "fof_view.h"
#include "food_list_controller.h"

#include "model/meal_clipboard.h"
#include "query/food_ranking.h"

#include <QAction>

namespace mw::gui {
namespace {

constexpr int kListOperationBases[] = {cmd::kListAddSelectedBase, cmd::kListAddAllBase, cmd::kListAddMealBase,
                                       cmd::kListShowBase, cmd::kListRemoveBase};

void showState(QAction* action, const MenuItemState& state, bool dayOpen)
{
    action->setText(state.caption);
    action->setEnabled(dayOpen && state.enabled);
}

} // namespace

FoodCommands::FoodCommands(AppContext& app, ActionRegistry& actions, DayWindowManager& days, QObject* parent)
    : QObject(parent), m_app(app), m_actions(actions), m_days(days)
{
    const auto onView = [this](int id, auto run) {
        connect(m_actions.action(id), &QAction::triggered, this, [this, run] {
            if (CFofView* view = m_days.activeView()) {
                run(*view);
                emit commandDone();
            }
        });
    };
    onView(cmd::kSearchFood, [](CFofView& view) { view.foodList().beginSearch(); });
    onView(cmd::kSortAscending, [](CFofView& view) { view.foodList().openSortPopup(SortDirection::kAscending); });
    onView(cmd::kSortDescending, [](CFofView& view) { view.foodList().openSortPopup(SortDirection::kDescending); });
    onView(cmd::kFindLowest, [](CFofView& view) { view.openFindPopup(FindMode::kLowest); });
    onView(cmd::kFindHighest, [](CFofView& view) { view.openFindPopup(FindMode::kHighest); });
    onView(cmd::kShowFoodGroups, [](CFofView& view) { view.foodList().showFoodGroups(); });
    onView(cmd::kShowPersonalFoods, [](CFofView& view) { view.foodList().listPersonalFoods(); });

    onView(cmd::kHideFood, [](CFofView& view) { view.foodList().hideSelectedFood(); });
    onView(cmd::kUnhideFood, [](CFofView& view) { view.foodList().unhideSelectedFood(); });
    onView(cmd::kHideListFoods, [](CFofView& view) { view.foodList().hideFoodListFoods(); });
    onView(cmd::kHideMealFoods, [](CFofView& view) { view.foodList().hideMealFoods(); });
    onView(cmd::kShowHiddenFoods, [](CFofView& view) { view.foodList().showHiddenFoods(); });

    onView(cmd::kMealCut, [](CFofView& view) { view.cutMeal(); });
    onView(cmd::kMealCopy, [](CFofView& view) { view.copyMeal(); });
    onView(cmd::kMealPaste, [](CFofView& view) { view.pasteMeal(); });
    onView(cmd::kMealClear, [](CFofView& view) { view.clearMeal(); });

    const std::pair<int, FoodListWidth> widths[] = {{cmd::kListWidthNormal, FoodListWidth::kNormal},
                                                    {cmd::kListWidthWider, FoodListWidth::kWider},
                                                    {cmd::kListWidthWidest, FoodListWidth::kWidest}};
    for (const auto& [id, width] : widths) {
        onView(id, [width](CFofView& view) { view.setFoodListWidth(width); });
    }
    for (const int base : kListOperationBases) {
        for (int list = 1; list <= CFoodAttributeDatabase::kListCount; ++list) {
            if (const std::optional<FoodListCommand> command = foodListCommandOf(base + list)) {
                onView(base + list,
                       [command = *command](CFofView& view) { view.foodList().runFoodListCommand(command); });
            }
        }
    }
}

void FoodCommands::update()
{
    CFofView* view = m_days.activeView();
    const bool dayOpen = view != nullptr;
    const FoodListsState lists = dayOpen ? view->foodList().listsState() : FoodListsState{};

    const bool mealHasFoods =
        dayOpen && MealClipboard::canTakeMeal(view->document(), static_cast<MealIndex>(view->currentMeal()));
    for (const int id : {cmd::kMealCut, cmd::kMealCopy, cmd::kMealClear}) {
        m_actions.action(id)->setEnabled(mealHasFoods);
    }
    m_actions.action(cmd::kMealPaste)->setEnabled(dayOpen && MealClipboard::instance().canPaste());
    const bool dayHasWeight = dayOpen && canFindInDay(view->document());
    m_actions.action(cmd::kFindLowest)->setEnabled(dayHasWeight);
    m_actions.action(cmd::kFindHighest)->setEnabled(dayHasWeight);

    const CFoodAttributeDatabase& attributes = m_app.attributes();
    const FoodOperations& foods = m_app.foods();
    showState(m_actions.action(cmd::kHideFood), hideMenuItem(HideCommand::kHide, lists, attributes, foods), dayOpen);
    showState(m_actions.action(cmd::kUnhideFood), hideMenuItem(HideCommand::kUnhide, lists, attributes, foods),
              dayOpen);
    showState(m_actions.action(cmd::kShowHiddenFoods), showHiddenFoodsMenuItem(attributes), dayOpen);
    m_actions.action(cmd::kHideListFoods)->setEnabled(dayOpen && lists.foodLines > 0);
    m_actions.action(cmd::kHideMealFoods)->setEnabled(dayOpen && lists.mealLines > 0);
}

void FoodCommands::refreshListItems()
{
    CFofView* view = m_days.activeView();
    const bool dayOpen = view != nullptr;
    const FoodListsState lists = dayOpen ? view->foodList().listsState() : FoodListsState{};
    for (const int base : kListOperationBases) {
        for (int list = 1; list <= CFoodAttributeDatabase::kListCount; ++list) {
            if (const std::optional<FoodListCommand> command = foodListCommandOf(base + list)) {
                showState(m_actions.action(base + list),
                          foodListMenuItem(*command, lists, m_app.settings(), m_app.attributes()), dayOpen);
            }
        }
    }
}

} // namespace mw::gui
