#include "food_list_box.h"

#include "qt_bridge.h"
#include "query/food_listing.h"

namespace mw::gui {

CFoodListBox::CFoodListBox(const Settings& settings, const CFoodAttributeDatabase& attributes, QWidget* parent)
    : QListWidget(parent), m_settings(settings), m_markers(FoodItemMarkers::fromSettings(settings))
{
    setItemDelegate(new FoodItemDelegate(attributes, m_markers, this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Items are as wide as the list, so a new width wraps them anew.
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(false);
    setWordWrap(true);
}

QListWidgetItem* CFoodListBox::makeItem(const QString& itemText)
{
    auto* item = new QListWidgetItem;
    const qsizetype separator = itemText.indexOf(u';');
    item->setText(separator < 0 ? itemText : itemText.mid(separator + 1));
    item->setData(kFoodItemTextRole, itemText);
    // The id is read once, here; everything later asks the item data.
    if (const std::optional<FoodId> food = foodOfItem(toStdString(itemText))) {
        item->setData(kFoodIdRole, static_cast<unsigned>(*food));
    }
    return item;
}

void CFoodListBox::addFoodItem(const QString& itemText)
{
    addItem(makeItem(itemText));
}

void CFoodListBox::setFoodItems(const QStringList& itemTexts)
{
    setUpdatesEnabled(false);
    clear();
    for (const QString& text : itemTexts) {
        addItem(makeItem(text));
    }
    setUpdatesEnabled(true);
}

QString CFoodListBox::foodItemText(int row) const
{
    const QListWidgetItem* entry = item(row);
    return entry != nullptr ? entry->data(kFoodItemTextRole).toString() : QString();
}

std::optional<FoodId> CFoodListBox::foodAt(int row) const
{
    const QListWidgetItem* entry = item(row);
    const QVariant food = entry != nullptr ? entry->data(kFoodIdRole) : QVariant();
    if (!food.isValid()) {
        return std::nullopt;
    }
    return static_cast<FoodId>(food.toUInt());
}

unsigned long CFoodListBox::foodIdAt(int row) const
{
    const std::optional<FoodId> food = foodAt(row);
    // The number a missing food's item text starts with.
    constexpr unsigned long kMissingFoodNumber = 9999;
    return food ? *food : kMissingFoodNumber;
}

QString CFoodListBox::displayedText(int row) const
{
    return row >= 0 && row < count() ? m_markers.displayedText(foodItemText(row)) : QString();
}

int CFoodListBox::selectedRow() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

void CFoodListBox::reloadMarkers()
{
    m_markers = FoodItemMarkers::fromSettings(m_settings);
}

void CFoodListBox::doItemsLayout()
{
    reloadMarkers();
    QListWidget::doItemsLayout();
}

void CFoodListBox::paintEvent(QPaintEvent* event)
{
    const FoodItemMarkers before = m_markers;
    reloadMarkers();
    if (!(m_markers == before)) {
        // A different number of symbols can change where names wrap.
        scheduleDelayedItemsLayout();
    }
    QListWidget::paintEvent(event);
}

} // namespace mw::gui
