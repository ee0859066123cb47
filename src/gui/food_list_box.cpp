#include "food_list_box.h"

namespace mw::gui {

CFoodListBox::CFoodListBox(const Settings& settings, const CFoodAttributeDatabase& attributes, QWidget* parent)
    : QListView(parent), m_settings(settings), m_markers(FoodItemMarkers::fromSettings(settings)),
      m_model(new FoodListModel(this))
{
    setModel(m_model);
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

void CFoodListBox::addFoodItem(const QString& itemText)
{
    m_model->appendRow(foodListRow(itemText));
}

void CFoodListBox::setFoodItems(const QStringList& itemTexts)
{
    QList<FoodListRow> rows;
    rows.reserve(itemTexts.size());
    for (const QString& text : itemTexts) {
        rows.append(foodListRow(text));
    }
    setUpdatesEnabled(false);
    m_model->setRows(std::move(rows));
    followRowCount();
    setUpdatesEnabled(true);
}

void CFoodListBox::setFoodRows(int count, FoodListModel::RowSource source)
{
    m_model->setRowSource(count, std::move(source));
    followRowCount();
}

void CFoodListBox::removeFoodItem(int row)
{
    m_model->removeRow(row);
}

void CFoodListBox::followRowCount()
{
    // Measuring every row of a huge list would take seconds; its rows take the first one's height instead.
    setUniformItemSizes(count() >= kUniformRowsFrom);
}

QString CFoodListBox::foodItemText(int row) const
{
    return m_model->rowAt(row).itemText;
}

std::optional<FoodId> CFoodListBox::foodAt(int row) const
{
    return m_model->rowAt(row).food;
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
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void CFoodListBox::setCurrentRow(int row)
{
    setCurrentIndex(row >= 0 && row < count() ? m_model->index(row) : QModelIndex());
}

QRect CFoodListBox::visualRowRect(int row) const
{
    return visualRect(m_model->index(row));
}

void CFoodListBox::scrollToRow(int row)
{
    scrollTo(m_model->index(row));
}

void CFoodListBox::reloadMarkers()
{
    m_markers = FoodItemMarkers::fromSettings(m_settings);
}

void CFoodListBox::doItemsLayout()
{
    reloadMarkers();
    QListView::doItemsLayout();
}

void CFoodListBox::paintEvent(QPaintEvent* event)
{
    const FoodItemMarkers before = m_markers;
    reloadMarkers();
    if (!(m_markers == before)) {
        // A different number of symbols can change where names wrap.
        scheduleDelayedItemsLayout();
    }
    QListView::paintEvent(event);
}

void CFoodListBox::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    QListView::selectionChanged(selected, deselected);
    emit itemSelectionChanged();
}

} // namespace mw::gui
