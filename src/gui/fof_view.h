#pragma once

// The day view: meal and food-group boxes, the meal and food lists, the amount controls and the
// analysis panel of one day. The main window creates one per day window and routes the view
// commands of its menus and toolbar to the active one.

#include "app_context.h"
#include "day_view_controls.h"

#include "calc/menu_generator.h"
#include "model/day_document.h"
#include "model/settings_keys.h"
#include "query/food_ranking.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QMenu;
class QTimer;
class QUndoStack;

namespace mw::gui {

class FoodListController;
class MealEditor;
class QuickAmountInput;
enum class QuickAmountKind;

class CFofView : public QWidget
{
    Q_OBJECT

public:
    // The document and its history must outlive the view; every edit of the day becomes a step of the history.
    CFofView(AppContext& app, CFofDoc& document, QUndoStack& history, QWidget* parent = nullptr);
    ~CFofView() override;

    CFofDoc& document() { return m_document; }
    const CFofDoc& document() const { return m_document; }
    int currentMeal() const { return m_currentMeal; }
    // Search, sort, hidden foods and food lists of the view's food list.
    FoodListController& foodList() { return *m_foodList; }
    const FoodListController& foodList() const { return *m_foodList; }
    // The entry last added, shown or re-amounted (zero once the Food column is cleared).
    // The panel keeps rows 0..4 in one column, where the pyramid's tiers go.
    bool pyramidFits() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    // Reloads the requirement vector and the intake preferences and redraws the percent column.
    void reloadAnalysisSettings();

    // "I Eat" and a double click in the food list: the selected food, one serving.
    void addSelectedFood();
    // "Delete": the entry selected in the meal list.
    void deleteSelectedEntry();
    // "Amt. OK": the amount typed in the amount edit for the selected entry, with or without a unit ("2 cups",
    // "100 g", "1/2 serving"); a text that is no amount is refused with a message and nothing changes.
    void applyTypedAmount();

    // The find popup; the chosen nutrient finds the entry lowest or highest in it over all meals.
    void openFindPopup(mw::FindMode mode);
    void findInMeals(int nutrient);

    // The meal clipboard on the current meal.
    void copyMeal();
    void cutMeal();
    void pasteMeal();
    void clearMeal();

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

signals:
    // After every change of the document (the main window updates the title's modified mark).
    void documentModified();
    // A text for the status bar's message pane; empty clears it.
    void statusMessage(const QString& text);
    // The lists, their selections or the meal changed: the menus' enabled states and captions may differ.
    void foodCommandsChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void connectControls();
    void applyLayout();
    QPoint standardListPoint(bool foodList) const;
    MealIndex meal() const { return static_cast<MealIndex>(m_currentMeal); }

    void showMeal();
    void fillMealList();
    // The document's announcement of a change: the meal list and the panel follow it.
    void showDayChange(const mw::DayChange& change);
    void showEntry();
    void showEnteredFood(std::size_t k, const QString& title);
    void setEntryAmount(int row, Grams amount);
    void clearFoodColumn();
    void showMealAndDayColumns();
    void applyQuickAmount(QuickAmountKind kind, double value);
    void repaintFoodLists();
    void scheduleFoodCommandsChanged();

    AppContext& m_app;
    CFofDoc& m_document;
    DayViewControls m_controls;
    std::unique_ptr<MealEditor> m_editor;
    FoodListController* m_foodList = nullptr;
    QuickAmountInput* m_quickAmounts = nullptr;
    QTimer* m_commandsChangedTimer = nullptr;
    QPointer<QMenu> m_popup;
    NutrientFinder m_finder;
    std::size_t m_dayListener = 0;
    int m_currentMeal = 0;
    NutrientVector m_currentFood;
    std::vector<NutrientIndex> m_displayed;
    PanelLayout m_panelLayout = PanelLayout::kOneColumn;
    FoodListWidth m_listWidth = FoodListWidth::kNormal;
};

// The Food column's title for an entry: its servings and " units", or " u." in two columns.
QString foodColumnTitle(float servings, PanelLayout layout);
// The amount edit's text for grams: "150g".
QString amountEditText(Grams grams);

} // namespace mw::gui
