#pragma once

#include "food_item_delegate.h"

#include "model/food_attribute_database.h"
#include "model/settings.h"

#include <QListWidget>
#include <QStringList>

#include <optional>

namespace mw::gui {

// The meal list and the food list of a day view. Every item is made from a food's "id;Name [portion]" and
// carries the FoodId as item data; the list shows the part after the ";" behind the colour-code symbols,
// word-wrapped, so items differ in height.
class CFoodListBox : public QListWidget
{
    Q_OBJECT

public:
    // Settings and attributes must outlive the list.
    CFoodListBox(const Settings& settings, const CFoodAttributeDatabase& attributes, QWidget* parent = nullptr);

    // Appends an item "id;Name [portion]".
    void addFoodItem(const QString& itemText);
    // Replaces every item, repainting once.
    void setFoodItems(const QStringList& itemTexts);

    QString foodItemText(int row) const;
    // The item's food; none for a food that no longer exists or a row that is not there.
    std::optional<FoodId> foodAt(int row) const;
    // The item's food, or 9999 for a food that no longer exists.
    unsigned long foodIdAt(int row) const;
    // What the item shows: the colour-code symbols, a blank and the text after the ";".
    QString displayedText(int row) const;
    // The selected item, or -1.
    int selectedRow() const;

    const FoodItemMarkers& markers() const { return m_markers; }
    // Reads "Food Color Code" and "AltSymbol" again; the list does so before every layout and paint.
    void reloadMarkers();

    void doItemsLayout() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static QListWidgetItem* makeItem(const QString& itemText);

    const Settings& m_settings;
    FoodItemMarkers m_markers;
};

} // namespace mw::gui
