#pragma once

// The controls of a day view: made in tab order with their names, tips and pictures, and put where the view
// layout says.

#include "format/food_attribute_database.h"
#include "model/settings.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace mw::gui {

class AnalysisPanel;
class CaptionLabel;
class CFoodListBox;
struct ViewLayout;

// The food list's width: its own column, with the column of buttons to its right, or with both button columns.
enum class FoodListWidth
{
    kNormal,
    kWider,
    kWidest,
};

struct DayViewControls
{
    QComboBox* mealBox = nullptr;
    QComboBox* groupBox = nullptr;
    CFoodListBox* mealList = nullptr;
    CFoodListBox* foodList = nullptr;
    CaptionLabel* listCaption = nullptr;
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
};

// The controls as children of the view; the view's focus goes to the eat button. Settings and attributes must
// outlive them.
DayViewControls createDayViewControls(QWidget* view, const Settings& settings,
                                      const CFoodAttributeDatabase& attributes);
// Puts every control in its place, the food list as wide as width asks.
void placeDayViewControls(const DayViewControls& controls, const ViewLayout& layout, FoodListWidth width);
// The controls a food list of that width leaves room for.
void showControlsForListWidth(const DayViewControls& controls, FoodListWidth width);

} // namespace mw::gui
