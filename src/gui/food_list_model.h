#pragma once

#include "model/food_operations.h"
#include "model/food_types.h"

#include <QAbstractListModel>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace mw::gui {

// One row of a food list: the food's name as lists show it ("Milk [1 cup]") and the food (none when it no
// longer exists).
struct FoodListRow
{
    QString name;
    std::optional<FoodId> food;
};

// The rows of a meal or food list. A list of the foods at hand holds its rows; a meal's list asks for each
// row when it is shown, so a meal of any length costs nothing until it is drawn.
class FoodListModel final : public QAbstractListModel
{
    Q_OBJECT

public:
    using RowSource = std::function<FoodListRow(int row)>;

    explicit FoodListModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

    // Rows held by the list.
    void setRows(QList<FoodListRow> rows);
    // A row of held rows taken out; nothing for a row that is not there or rows asked for.
    void removeRow(int row);
    // Held rows named anew from the foods (after a food was edited); the selection stays.
    void renameRows(const FoodOperations& foods);
    // count rows, each asked of the source when needed; the source must answer for 0..count-1.
    void setRowSource(int count, RowSource source);

    FoodListRow rowAt(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QList<FoodListRow> m_rows;
    RowSource m_source;
    int m_sourceCount = 0;
};

// The row of a food: its name and, when it exists, its id.
FoodListRow foodListRow(const FoodOperations& foods, FoodId food);

} // namespace mw::gui
