#include "food_list_box.h"

#include <algorithm>

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

void CFoodListBox::setFoods(std::span<const FoodId> foods, const FoodOperations& operations)
{
    QList<FoodListRow> rows;
    rows.reserve(static_cast<qsizetype>(foods.size()));
    for (const FoodId food : foods) {
        rows.append(foodListRow(operations, food));
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

void CFoodListBox::removeFoodRow(int row)
{
    m_model->removeRow(row);
}

void CFoodListBox::renameFoods(const FoodOperations& operations)
{
    m_model->renameRows(operations);
    // A new name may wrap to another number of lines.
    scheduleDelayedItemsLayout();
}

void CFoodListBox::followRowCount()
{
    // Measuring every row of a huge list would take seconds; its rows take the first one's height instead.
    setUniformItemSizes(count() >= kUniformRowsFrom);
}

std::vector<FoodId> CFoodListBox::foods() const
{
    std::vector<FoodId> foods;
    foods.reserve(static_cast<std::size_t>(count()));
    for (int row = 0; row < count(); ++row) {
        if (const std::optional<FoodId> food = foodAt(row)) {
            foods.push_back(*food);
        }
    }
    return foods;
}

QString CFoodListBox::foodName(int row) const
{
    return m_model->rowAt(row).name;
}

std::optional<FoodId> CFoodListBox::foodAt(int row) const
{
    return m_model->rowAt(row).food;
}

QString CFoodListBox::displayedText(int row) const
{
    return row >= 0 && row < count() ? m_markers.displayedText(foodName(row)) : QString();
}

int CFoodListBox::selectedRow() const
{
    const QList<int> rows = selectedRows();
    return rows.isEmpty() ? -1 : rows.first();
}

QList<int> CFoodListBox::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
        rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
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
