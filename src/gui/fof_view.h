#pragma once

// The day view: meal and food-group boxes, the meal and food lists, the amount controls and the
// analysis panel of one day. The main window creates one per day window and routes the view
// commands of its menus and toolbar to the active one.

#include "app_context.h"

#include "calc/analysis.h"
#include "model/day_document.h"
#include "model/settings_keys.h"

#include <QStringList>
#include <QWidget>

#include <memory>

namespace mw::gui {

enum class QuickAmountKind;

class CFofView : public QWidget
{
    Q_OBJECT

public:
    // The document must outlive the view. Runs the first-start dialogs when the profile holds no
    // requirements or intake preferences yet.
    CFofView(AppContext& app, CFofDoc& document, QWidget* parent = nullptr);
    ~CFofView() override;

    CFofDoc& document() { return m_document; }
    int currentMeal() const;

    // The totals the panel shows: the entry last added, shown or re-amounted (zero once the Food column
    // is cleared), the six meals and the day.
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

signals:
    // After every change of the document (the main window updates the title's modified mark).
    void documentModified();
    // A text for the status bar's message pane; empty clears it.
    void statusMessage(const QString& text);

protected:
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
    void addEntry(const QString& itemText, Grams requested, bool fromFoodList);
    void showEntry();
    void setEntryAmount(int row, Grams amount);
    void clearFoodColumn();
    void showFoodColumn(const QString& title, FoodId food);
    void showMealAndDayColumns();
    void recomputeCurrentMeal();
    void leaveSortedState();
    void showSortedNutrientPopup();
    void openQuickAmountMenu(MouseChoice choice, const QPoint& globalPos);
    void applyQuickAmount(QuickAmountKind kind, double value);
    void repaintFoodLists();

    AppContext& m_app;
    CFofDoc& m_document;
    struct Private;
    std::unique_ptr<Private> d;
};

// A servings number rounded to the nearest tenth: "0.5", "1.5", "12".
QString servingsText(float servings);
// The Food column's title for an entry: its servings and " units", or " u." in two columns.
QString foodColumnTitle(float servings, PanelLayout layout);
// The amount edit's text for grams: "150g".
QString amountEditText(Grams grams);
// The two lines of a sorted food list's popup: the nutrient's name with ":", and the value per 100 g
// with the nutrient's unit.
QStringList nutrientInfoTexts(int nutrient, float valuePer100g);

} // namespace mw::gui
