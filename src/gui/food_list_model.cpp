#include "food_list_model.h"

#include "food_item_delegate.h"
#include "qt_bridge.h"

#include "query/food_listing.h"

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

void FoodListModel::appendRow(FoodListRow row)
{
    if (m_source) {
        return;
    }
    const auto at = static_cast<int>(m_rows.size());
    beginInsertRows(QModelIndex(), at, at);
    m_rows.append(std::move(row));
    endInsertRows();
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
    if (!index.isValid() || (role != Qt::DisplayRole && role != kFoodItemTextRole && role != kFoodIdRole)) {
        return {};
    }
    const FoodListRow row = rowAt(index.row());
    switch (role) {
    case kFoodIdRole:
        return row.food ? QVariant(static_cast<unsigned>(*row.food)) : QVariant();
    case kFoodItemTextRole:
        return row.itemText;
    default: {
        const qsizetype separator = row.itemText.indexOf(u';');
        return separator < 0 ? row.itemText : row.itemText.mid(separator + 1);
    }
    }
}

FoodListRow foodListRow(const QString& itemText)
{
    return {itemText, foodOfItem(toStdString(itemText.left(kFoodIdPrefixLength)))};
}

} // namespace mw::gui
