#pragma once

// What the food list of a day view shows and how the user finds and organises foods in it: the food groups
// and their order, the personal foods, search by name, sorting by a nutrient, filters, hidden foods and the
// food lists. The view owns the controls; the controller fills the food list and changes the food flags.

#include "day_view_controls.h"
#include "food_command_rules.h"

#include "model/food_types.h"
#include "model/settings_keys.h"
#include "query/food_filters.h"
#include "query/food_sort.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>
#include <span>

class QMenu;
class QTimer;
class QWidget;

namespace mw::gui {

class AppContext;
class FoodListCaption;

// A popup of choices under a bold title, which deletes itself when it closes; it replaces the popup held in
// slot, if one is open.
QMenu* newChoicePopup(QWidget* parent, QPointer<QMenu>& slot, const QString& objectName, const QString& title);

// The two lines of a sorted food list's popup: the nutrient's name with ":", and its value on the basis with
// the nutrient's unit ("194 mg per 100 kcal"); "no calories" where per 100 kcal has no value.
QStringList nutrientInfoTexts(int nutrient, std::optional<float> value, SortBasis basis = SortBasis::kPer100g);

class FoodListController : public QObject
{
    Q_OBJECT

public:
    // The view owns the controls; popupPoint gives where the sort popup opens, beside the food list.
    FoodListController(AppContext& app, QWidget* view, const DayViewControls& controls,
                       std::function<QPoint()> popupPoint);

    // What the command rules read.
    FoodListsState listsState() const;
    // What the sort popups compare: the basis last chosen in them, else the profile's.
    SortBasis sortBasisInUse() const;
    // The standard food group the group box's selection stands for; -1 when none is selected.
    int selectedFoodGroup() const;

public slots:
    // The group box and its foods again, the search field put away.
    void showFoodGroups();
    void fillFoodListFromGroup();
    void listPersonalFoods();

    // Begin search puts the search field in the group box's place.
    void beginSearch();
    void endSearchMode();
    void globalSearch();
    void localSearch();

    // The sort popup; the chosen nutrient sorts the food list.
    void openSortPopup(mw::SortDirection direction);
    void sortFoodList(int nutrient, mw::SortDirection direction);
    void filterFoodList(mw::FoodFilter filter);

    void hideSelectedFood();
    // Every selected food: the hidden foods' listing takes several at a time.
    void unhideSelectedFood();
    void hideFoodListFoods();
    void hideMealFoods();
    void showHiddenFoods();
    void runFoodListCommand(const mw::gui::FoodListCommand& command);

signals:
    // The food list's content or the food flags changed: the commands' captions and states may differ.
    void listsChanged();

private:
    void connectControls();
    void showFoods(std::span<const FoodId> foods);
    void leaveSortedState();
    void showSortedLook();
    void showSortedNutrientPopup();
    void fillGroupBox();
    void showGroupOrder();
    void setGroupOrder(bool reversed);
    // Changes the selected foods' flag and takes their lines out of the food list.
    void takeSelectedFoods(bool hide);
    // Hiding more than one food asks first; true when the foods may be hidden.
    bool confirmHiding(std::size_t count);
    void noteFoodFlagsChanged();
    void openContextMenu(const QPoint& pos);

    AppContext& m_app;
    QWidget* m_view;
    DayViewControls m_controls;
    std::function<QPoint()> m_popupPoint;
    QTimer* m_nutrientPopupTimer = nullptr;
    QPointer<QMenu> m_popup;
    FoodListCaption* m_caption = nullptr;
    std::optional<int> m_sortNutrient;
    std::optional<SortDirection> m_sortDirection;
    // The basis chosen in the sort popups this session, and the one the list is sorted on.
    std::optional<SortBasis> m_chosenSortBasis;
    SortBasis m_sortedBasis = SortBasis::kPer100g;
};

} // namespace mw::gui
