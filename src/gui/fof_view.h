#pragma once

// The day view: meal and food-group boxes, the meal and food lists, the amount controls and the
// analysis panel of one day. The main window creates one per day window and routes the view
// commands of its menus and toolbar to the active one.

#include "app_context.h"
#include "servings_text.h"

#include "calc/analysis.h"
#include "calc/menu_generator.h"
#include "model/day_document.h"
#include "model/settings_keys.h"
#include "query/food_filters.h"
#include "query/food_list_rules.h"
#include "query/food_ranking.h"
#include "query/food_sort.h"

#include <QStringList>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QMenu;
class QUndoStack;

namespace mw::gui {

enum class QuickAmountKind;
struct ViewLayout;

// The food list's width: its own column, with the column of buttons to its right, or with both button columns.
enum class FoodListWidth
{
    kNormal,
    kWider,
    kWidest,
};

class CFofView : public QWidget
{
    Q_OBJECT

public:
    // The document and its history must outlive the view; every edit of the day becomes a step of the history.
    // Runs the first-start dialogs when the profile holds no requirements or intake preferences yet.
    CFofView(AppContext& app, CFofDoc& document, QUndoStack& history, QWidget* parent = nullptr);
    ~CFofView() override;

    CFofDoc& document() { return m_document; }
    int currentMeal() const;

    // What the update rules of the food commands look at.
    std::size_t foodLineCount() const;
    std::size_t mealLineCount() const;
    // The item "id;Name [portion]" selected in the food list.
    std::optional<std::string> selectedFoodItem() const;
    bool isSearching() const;
    // The nutrient and direction of the sort in force, while the food list is sorted.
    std::optional<int> sortedNutrient() const;
    std::optional<mw::SortDirection> sortedDirection() const;
    // What the sort popups compare: the basis last chosen in them, else the profile's.
    mw::SortBasis sortBasisInUse() const;

    // The entry last added, shown or re-amounted (zero once the Food column is cleared), and the document's
    // totals of the six meals and the day, as the panel shows them.
    const NutrientVector& currentFoodTotals() const;
    const DayTotals& totals() const;

    // Appends the food to the current meal with amount grams, 0 for one serving (the menu generator's add).
    void addFood(FoodId food, Grams amount);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    // Reloads the requirement vector and the intake preferences and redraws the percent column.
    void reloadAnalysisSettings();
    // "Show Mealwright Food Groups": the group box and its foods again.
    void showFoodGroups();
    // "Show Personal Food Database".
    void listPersonalFoods();

    // The view's own operations, as its controls trigger them.
    // "I Eat" and a double click in the food list: the selected food, one serving.
    void addSelectedFood();
    // "Delete": the entry selected in the meal list.
    void deleteSelectedEntry();
    // "Amt. OK": the amount typed in the amount edit for the selected entry.
    void applyTypedAmount();

    // Finding foods (fof_view_search.cpp). Begin search puts the search field in the group box's place.
    void beginSearch();
    void globalSearch();
    void localSearch();
    // The nutrient popups; the chosen nutrient sorts the food list or finds the entry over all meals.
    void openSortPopup(mw::SortDirection direction);
    void openFindPopup(mw::FindMode mode);
    void sortFoodList(int nutrient, mw::SortDirection direction);
    void findInMeals(int nutrient);

    // Hidden foods and food lists (fof_view_lists.cpp).
    void hideSelectedFood();
    void unhideSelectedFood();
    void hideFoodListFoods();
    void hideMealFoods();
    void showHiddenFoods();
    void runFoodListCommand(const mw::FoodListCommand& command);
    void filterFoodList(mw::FoodFilter filter);

    // The meal clipboard (fof_view_meal_clipboard.cpp).
    void copyMeal();
    void cutMeal();
    void pasteMeal();
    void clearMeal();

    // View options, the day as the menu generator fills it and the food pyramid (fof_view_options.cpp).
    // Each width does nothing while it is in force already.
    void setFoodListWidth(mw::gui::FoodListWidth width);
    // Every meal emptied and every total 0, as one step of the history. Nothing is asked.
    void clearDay();
    // Replaces the day with a generated menu for the requested target (0: a random one), as one step of the
    // history, with the wait cursor shown and the meal box focused meanwhile; shows the menu's meal. The food
    // pyramid is left to the caller.
    mw::GeneratedMenu generateMenu(mw::RandomSource& random, int requested);
    // The meal box selects the meal, which becomes current and is shown.
    void selectMeal(mw::MealIndex meal);
    void focusMealBox();
    // The food pyramid command: the Food column and the amount edit are cleared, then the figure is drawn.
    // False when the panel's arrangement has no room for it (nothing is drawn then).
    bool showFoodPyramid();
    // The day's food pyramid over the panel's Food column, until the panel next changes.
    bool drawFoodPyramid();

public:
    FoodListWidth foodListWidth() const;
    // The panel keeps rows 0..4 in one column, where the pyramid's tiers go.
    bool pyramidFits() const;
    // The standard food group the group box's selection stands for; -1 when none is selected.
    int selectedFoodGroup() const;

signals:
    // After every change of the document (the main window updates the title's modified mark).
    void documentModified();
    // A text for the status bar's message pane; empty clears it.
    void statusMessage(const QString& text);
    // The lists, their selections or the meal changed: the menus' enabled states and captions may differ.
    void foodCommandsChanged();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void createControls();
    void connectControls();
    void fillBoxes();
    void applyLayout();

    void showMeal();
    void fillFoodListFromGroup();
    void setFoodListItems(const QStringList& itemTexts);
    void fillMealList();
    void addEntry(FoodId id, Grams requested, bool fromFoodList);
    // The document's announcement of a change: the meal list and the panel follow it.
    void showDayChange(const mw::DayChange& change);
    QString foodStepName(std::string_view format, FoodId food) const;
    QString mealStepName(std::string_view format) const;
    void showEntry();
    void setEntryAmount(int row, Grams amount);
    void clearFoodColumn();
    void showFoodColumn(const QString& title, FoodId food);
    void showMealAndDayColumns();
    void leaveSortedState();
    void showSortedNutrientPopup();
    void openQuickAmountMenu(MouseChoice choice, const QPoint& globalPos);
    void applyQuickAmount(QuickAmountKind kind, double value);
    void repaintFoodLists();

    void setUpFoodCommands();
    void scheduleFoodCommandsChanged();
    void endSearchMode();
    void showSortedLook();
    QMenu* newChoicePopup(const QString& objectName, const QString& title);
    QPoint standardListPoint(bool foodList) const;
    std::vector<std::string> foodListLines() const;
    std::vector<std::string> mealListLines() const;
    void showFoodListItems(const std::vector<std::string>& items);
    void noteFoodFlagsChanged();
    void openFoodListContextMenu(const QPoint& pos);

    void connectViewOptions();
    void fillGroupBox();
    void applyGroupOrder();
    void placeControlsForListWidth(const ViewLayout& layout);

    AppContext& m_app;
    CFofDoc& m_document;
    QUndoStack& m_history;
    struct Private;
    std::unique_ptr<Private> d;
};

// The Food column's title for an entry: its servings and " units", or " u." in two columns.
QString foodColumnTitle(float servings, PanelLayout layout);
// The amount edit's text for grams: "150g".
QString amountEditText(Grams grams);
// The two lines of a sorted food list's popup: the nutrient's name with ":", and the value per 100 g
// with the nutrient's unit.
QStringList nutrientInfoTexts(int nutrient, float valuePer100g);
// The same on a sort basis ("194 mg per 100 kcal"); "no calories" where per 100 kcal has no value.
QStringList nutrientInfoTexts(int nutrient, std::optional<float> value, mw::SortBasis basis);

} // namespace mw::gui
