#pragma once

// What a day view keeps for finding and organising foods: the find state, the direction of the sort
// in force, the open nutrient popup and the search mode.

#include "query/food_ranking.h"
#include "query/food_sort.h"
#include "wait_cursor.h"

#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QTimer>

#include <optional>

namespace mw::gui {

struct FoodCommandState
{
    NutrientFinder finder;
    // Set while the food list is sorted; the sort button of this direction shows its sorted look.
    std::optional<SortDirection> sortDirection;
    // The sort or find popup while it is open.
    QPointer<QMenu> choicePopup;
    // Gathers the many changes of a refill into one update of the menus.
    QTimer* commandsChangedTimer = nullptr;
    // The search field and its buttons stand in place of the group box and the order buttons.
    bool searching = false;
};

} // namespace mw::gui
