#pragma once

// The day view's controls and running state, shared by the files that define CFofView's members.

#include "analysis_panel.h"
#include "fof_view.h"
#include "fof_view_food_state.h"
#include "food_list_box.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <optional>
#include <vector>

namespace mw::gui {

struct CFofView::Private
{
    QComboBox* mealBox = nullptr;
    QComboBox* groupBox = nullptr;
    CFoodListBox* mealList = nullptr;
    CFoodListBox* foodList = nullptr;
    QPushButton* deleteButton = nullptr;
    QLineEdit* searchEdit = nullptr;
    QPushButton* eatButton = nullptr;
    QLineEdit* amountEdit = nullptr;
    QPushButton* amountOkButton = nullptr;
    QToolButton* globalSearchButton = nullptr;
    QToolButton* localSearchButton = nullptr;
    QToolButton* normalOrderButton = nullptr;
    QToolButton* reverseOrderButton = nullptr;
    QToolButton* sortAscendingButton = nullptr;
    QToolButton* sortDescendingButton = nullptr;
    AnalysisPanel* panel = nullptr;
    QPointer<QMenu> popup;
    QTimer* nutrientPopupTimer = nullptr;

    int currentMeal = 0;
    NutrientVector currentFood;
    std::size_t dayListener = 0;
    std::vector<NutrientIndex> displayed;
    PanelLayout panelLayout = PanelLayout::kOneColumn;
    // The nutrient the food list is sorted by, while it is.
    std::optional<int> sortNutrient;
    // The basis chosen in the sort popups this session, and the one the list is sorted on.
    std::optional<SortBasis> chosenSortBasis;
    SortBasis sortedBasis = SortBasis::kPer100g;
    bool listsPersonalFoods = false;
    FoodListWidth listWidth = FoodListWidth::kNormal;
    FoodCommandState food;
};

} // namespace mw::gui
