// The main frame's food commands: search, sort and find, hidden foods, food lists and the meal
// clipboard. The active day's view carries them out; the frame keeps their menu items' captions and
// enabled states.

#include "main_window.h"

#include "app_context.h"
#include "command_ids.h"
#include "day_window.h"
#include "fof_view.h"
#include "qt_bridge.h"

#include "model/meal_clipboard.h"
#include "query/food_list_rules.h"
#include "query/food_ranking.h"
#include "query/food_sort.h"

#include <QAction>

#include <optional>
#include <string>

namespace mw::gui {
namespace {

constexpr int kListOperationBases[] = {cmd::kListAddSelectedBase, cmd::kListAddAllBase, cmd::kListAddMealBase,
                                       cmd::kListShowBase, cmd::kListRemoveBase};

void showState(QAction* action, const MenuItemState& state, bool dayOpen)
{
    action->setText(toQString(state.caption));
    action->setEnabled(dayOpen && state.enabled);
}

// What the update rules read of a view's lists, kept while they look at it.
class ListsOfView
{
public:
    explicit ListsOfView(const CFofView* view)
    {
        if (view != nullptr) {
            m_selected = view->selectedFoodItem();
            m_foodLines = view->foodLineCount();
            m_mealLines = view->mealLineCount();
        }
    }

    FoodListView lists() const
    {
        FoodListView lists;
        lists.foodLines = m_foodLines;
        lists.mealLines = m_mealLines;
        if (m_selected) {
            lists.selectedFoodItem = *m_selected;
        }
        return lists;
    }

private:
    std::optional<std::string> m_selected;
    std::size_t m_foodLines = 0;
    std::size_t m_mealLines = 0;
};

} // namespace

CFofView* CMainFrame::activeView() const
{
    const CDayWindow* day = activeDayWindow();
    return day != nullptr ? day->view() : nullptr;
}

void CMainFrame::createSpareListCommands()
{
    // Adding all foods to a glycemic list, and every operation on lists 11..14, are carried out when
    // they arrive but no menu offers them.
    for (const int base : kListOperationBases) {
        for (int list = 1; list <= CFoodAttributeDatabase::kListCount; ++list) {
            const int id = base + list;
            if (commandAction(id) == nullptr) {
                const QByteArray name = "actionFoodList" + QByteArray::number(id);
                addCommand(id, name.constData(), QString());
            }
        }
    }
}

void CMainFrame::connectFoodCommands()
{
    const auto onView = [this](int id, auto run) {
        connect(commandAction(id), &QAction::triggered, this, [this, run] {
            if (CFofView* view = activeView()) {
                run(*view);
                // The clipboard, the flags or the lists may have changed.
                updateCommands();
            }
        });
    };
    onView(cmd::kSearchFood, [](CFofView& view) { view.beginSearch(); });
    onView(cmd::kSortAscending, [](CFofView& view) { view.openSortPopup(SortDirection::kAscending); });
    onView(cmd::kSortDescending, [](CFofView& view) { view.openSortPopup(SortDirection::kDescending); });
    onView(cmd::kFindLowest, [](CFofView& view) { view.openFindPopup(FindMode::kLowest); });
    onView(cmd::kFindHighest, [](CFofView& view) { view.openFindPopup(FindMode::kHighest); });

    onView(cmd::kHideFood, [](CFofView& view) { view.hideSelectedFood(); });
    onView(cmd::kUnhideFood, [](CFofView& view) { view.unhideSelectedFood(); });
    onView(cmd::kHideListFoods, [](CFofView& view) { view.hideFoodListFoods(); });
    onView(cmd::kHideMealFoods, [](CFofView& view) { view.hideMealFoods(); });
    onView(cmd::kShowHiddenFoods, [](CFofView& view) { view.showHiddenFoods(); });

    onView(cmd::kMealCut, [](CFofView& view) { view.cutMeal(); });
    onView(cmd::kMealCopy, [](CFofView& view) { view.copyMeal(); });
    onView(cmd::kMealPaste, [](CFofView& view) { view.pasteMeal(); });
    onView(cmd::kMealClear, [](CFofView& view) { view.clearMeal(); });

    for (const int base : kListOperationBases) {
        for (int list = 1; list <= CFoodAttributeDatabase::kListCount; ++list) {
            const std::optional<FoodListCommand> command = foodListCommandOf(base + list);
            if (command) {
                onView(base + list, [command = *command](CFofView& view) { view.runFoodListCommand(command); });
            }
        }
    }
}

void CMainFrame::updateFoodCommands()
{
    CFofView* view = activeView();
    const bool dayOpen = view != nullptr;
    const ListsOfView snapshot(view);
    const FoodListView lists = snapshot.lists();

    const bool mealHasFoods =
        dayOpen && MealClipboard::canTakeMeal(view->document(), static_cast<MealIndex>(view->currentMeal()));
    for (const int id : {cmd::kMealCut, cmd::kMealCopy, cmd::kMealClear}) {
        commandAction(id)->setEnabled(mealHasFoods);
    }
    commandAction(cmd::kMealPaste)->setEnabled(dayOpen && MealClipboard::instance().canPaste());

    for (const int id : {cmd::kSearchFood, cmd::kSortAscending, cmd::kSortDescending}) {
        commandAction(id)->setEnabled(dayOpen);
    }
    const bool dayHasWeight = dayOpen && canFindInDay(view->document());
    commandAction(cmd::kFindLowest)->setEnabled(dayHasWeight);
    commandAction(cmd::kFindHighest)->setEnabled(dayHasWeight);

    const CFoodAttributeDatabase& attributes = m_app.attributes();
    showState(commandAction(cmd::kHideFood), hideMenuItem(HideCommand::kHide, lists, attributes), dayOpen);
    showState(commandAction(cmd::kUnhideFood), hideMenuItem(HideCommand::kUnhide, lists, attributes), dayOpen);
    showState(commandAction(cmd::kShowHiddenFoods), showHiddenFoodsMenuItem(attributes), dayOpen);
    commandAction(cmd::kHideListFoods)->setEnabled(dayOpen && canHideFoodListFoods(lists));
    commandAction(cmd::kHideMealFoods)->setEnabled(dayOpen && canHideMealFoods(lists));
}

void CMainFrame::refreshFoodListItems()
{
    CFofView* view = activeView();
    const bool dayOpen = view != nullptr;
    const ListsOfView snapshot(view);
    const FoodListView lists = snapshot.lists();
    const CFoodAttributeDatabase& attributes = m_app.attributes();
    for (const int base : kListOperationBases) {
        for (int list = 1; list <= CFoodAttributeDatabase::kListCount; ++list) {
            const std::optional<FoodListCommand> command = foodListCommandOf(base + list);
            if (command) {
                showState(commandAction(base + list), foodListMenuItem(*command, lists, m_app.settings(), attributes),
                          dayOpen);
            }
        }
    }
}

} // namespace mw::gui
