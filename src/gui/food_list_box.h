#pragma once

#include "food_item_delegate.h"
#include "food_list_model.h"

#include "format/food_attribute_database.h"
#include "model/settings.h"

#include <QListView>
#include <QStringList>

#include <optional>
#include <span>
#include <vector>

namespace mw::gui {

// The meal list and the food list of a day view. Every row carries its food's FoodId as item data and shows
// the food's name behind the colour-code symbols, word-wrapped, so rows differ in height. A very long list gives every
// row the first row's height, so that a meal of a million entries opens and scrolls at once.
class CFoodListBox : public QListView
{
    Q_OBJECT

public:
    // From this many rows on, every row is as high as the first.
    static constexpr int kUniformRowsFrom = 5000;

    // Settings and attributes must outlive the list.
    CFoodListBox(const Settings& settings, const CFoodAttributeDatabase& attributes, QWidget* parent = nullptr);

    // Replaces every row by one per food, repainting once.
    void setFoods(std::span<const FoodId> foods, const FoodOperations& operations);
    // count rows asked of the source as they are shown (a meal's entries).
    void setFoodRows(int count, FoodListModel::RowSource source);
    // Takes a row out of a list of foods.
    void removeFoodRow(int row);
    // A list of foods shows the foods' names as they are now; rows and selection stay.
    void renameFoods(const FoodOperations& operations);

    int count() const { return m_model->rowCount(); }
    // The foods of the rows, in their order; rows of missing foods are left out.
    std::vector<FoodId> foods() const;
    // The row's name ("Milk [1 cup]").
    QString foodName(int row) const;
    // The row's food; none for a food that no longer exists or a row that is not there.
    std::optional<FoodId> foodAt(int row) const;
    // What the row shows: the colour-code symbols, a blank and the name.
    QString displayedText(int row) const;
    // The selected item, or -1; the first one where several are selected.
    int selectedRow() const;
    // Every selected item, in list order.
    QList<int> selectedRows() const;
    // Makes the row current and selected; -1 clears both.
    void setCurrentRow(int row);
    QRect visualRowRect(int row) const;
    void scrollToRow(int row);

    const FoodItemMarkers& markers() const { return m_markers; }
    // Reads "Food Color Code" and "AltSymbol" again; the list does so before every layout and paint.
    void reloadMarkers();

    void doItemsLayout() override;

signals:
    // The selection changed (by the user or the program; not while the list's signals are blocked).
    void itemSelectionChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;

private:
    void followRowCount();

    const Settings& m_settings;
    FoodItemMarkers m_markers;
    FoodListModel* m_model;
};

} // namespace mw::gui
