#include "food_list_model.h"

#include "food_item_delegate.h"
#include "qt_bridge.h"

#include "model/food_operations.h"

#include <utility>

namespace mw::gui {

void FoodListModel::setRows(QList<FoodListRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_source = nullptr;
    m_sourceCount = 0;
    endResetModel();
}

void FoodListModel::removeRow(int row)
{
    if (m_source || row < 0 || row >= m_rows.size()) {
        return;
    }
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.removeAt(row);
    endRemoveRows();
}

void FoodListModel::renameRows(const FoodOperations& foods)
{
    if (m_source || m_rows.isEmpty()) {
        return;
    }
    for (FoodListRow& row : m_rows) {
        if (row.food) {
            row.name = foodListRow(foods, *row.food).name;
        }
    }
    emit dataChanged(index(0), index(static_cast<int>(m_rows.size()) - 1), {Qt::DisplayRole});
}

void FoodListModel::setRowSource(int count, RowSource source)
{
    beginResetModel();
    m_rows.clear();
    m_source = std::move(source);
    m_sourceCount = m_source ? std::max(count, 0) : 0;
    endResetModel();
}

FoodListRow FoodListModel::rowAt(int row) const
{
    if (row < 0 || row >= rowCount()) {
        return {};
    }
    return m_source ? m_source(row) : m_rows.at(row);
}

int FoodListModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid()) {
        return 0;
    }
    return m_source ? m_sourceCount : static_cast<int>(m_rows.size());
}

QVariant FoodListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != kFoodIdRole)) {
        return {};
    }
    const FoodListRow row = rowAt(index.row());
    if (role == kFoodIdRole) {
        return row.food ? QVariant(static_cast<unsigned>(*row.food)) : QVariant();
    }
    return row.name;
}

FoodListRow foodListRow(const FoodOperations& foods, FoodId food)
{
    return {toQString(foods.displayName(food)), foods.exists(food) ? std::optional(food) : std::nullopt};
}

} // namespace mw::gui
