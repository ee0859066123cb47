#pragma once

#include "food_item_delegate.h"
#include "food_list_model.h"

#include "format/food_attribute_database.h"
#include "model/settings.h"

#include <QListView>
#include <QStringList>

#include <optional>

namespace mw::gui {

// The meal list and the food list of a day view. Every row is made from a food's "id;Name [portion]" and
// carries the FoodId as item data; the list shows the part after the ";" behind the colour-code symbols,
// word-wrapped, so rows differ in height. A very long list gives every row the first row's height, so that
// a meal of a million entries opens and scrolls at once.
class CFoodListBox : public QListView
{
    Q_OBJECT

public:
    // From this many rows on, every row is as high as the first.
    static constexpr int kUniformRowsFrom = 5000;

    // Settings and attributes must outlive the list.
    CFoodListBox(const Settings& settings, const CFoodAttributeDatabase& attributes, QWidget* parent = nullptr);

    // Appends an item "id;Name [portion]".
    void addFoodItem(const QString& itemText);
    // Replaces every item, repainting once.
    void setFoodItems(const QStringList& itemTexts);
    // count rows asked of the source as they are shown (a meal's entries).
    void setFoodRows(int count, FoodListModel::RowSource source);
    // Takes the row out of a list of items.
    void removeFoodItem(int row);

    int count() const { return m_model->rowCount(); }
    QString foodItemText(int row) const;
    // The item's food; none for a food that no longer exists or a row that is not there.
    std::optional<FoodId> foodAt(int row) const;
    // The item's food, or 9999 for a food that no longer exists.
    unsigned long foodIdAt(int row) const;
    // What the item shows: the colour-code symbols, a blank and the text after the ";".
    QString displayedText(int row) const;
    // The selected item, or -1.
    int selectedRow() const;
    int currentRow() const { return currentIndex().row(); }
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
