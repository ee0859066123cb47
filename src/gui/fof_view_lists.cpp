// The day view's hidden foods, food lists and food-list filters.

#include "fof_view.h"
#include "fof_view_private.h"

#include "food_command_texts.h"
#include "frame_texts.h"
#include "prompts.h"
#include "qt_bridge.h"

#include <QAction>
#include <QDir>
#include <QSignalBlocker>

namespace mw::gui {

void CFofView::noteFoodFlagsChanged()
{
    // Saved at once, so that the flags survive a crash; every open day repaints its lists.
    if (const std::error_code error = m_app.foodFlagsChanged()) {
        const QString file = QDir::toNativeSeparators(fromPath(m_app.attributes().filePath()));
        Prompts::warning(this, toQString(texts::kMainFrameTitle),
                         toQString(texts::kFoodFlagsNotSaved).arg(file, toQString(error.message())));
    }
    scheduleFoodCommandsChanged();
}

// ---- Hidden foods -----------------------------------------------------------------------------------------

namespace {

using FlagChange = bool (*)(CFoodAttributeDatabase&, std::string_view);

// Changes the selected food's flag and takes its line out of the food list; false when nothing changed.
template <typename ViewControls>
bool takeSelectedFood(ViewControls& view, CFoodAttributeDatabase& attributes, FlagChange change)
{
    const int row = view.foodList->selectedRow();
    if (row < 0 || !change(attributes, toStdString(view.foodList->foodItemText(row)))) {
        return false;
    }
    {
        const QSignalBlocker blocker(view.foodList);
        view.foodList->removeFoodItem(row);
        view.foodList->clearSelection();
    }
    view.eatButton->setFocus();
    return true;
}

} // namespace

void CFofView::hideSelectedFood()
{
    if (takeSelectedFood(*d, m_app.attributes(), &hideItemFood)) {
        noteFoodFlagsChanged();
    }
}

void CFofView::unhideSelectedFood()
{
    if (takeSelectedFood(*d, m_app.attributes(), &unhideItemFood)) {
        noteFoodFlagsChanged();
    }
}

void CFofView::hideFoodListFoods()
{
    if (d->foodList->count() == 0) {
        return;
    }
    hideItemFoods(m_app.attributes(), foodListLines());
    showFoodListItems({});
    leaveSortedState();
    d->eatButton->setFocus();
    noteFoodFlagsChanged();
}

void CFofView::hideMealFoods()
{
    // The meal keeps its entries; the foods are gone from the food list the next time it is filled.
    hideItemFoods(m_app.attributes(), mealListLines());
    noteFoodFlagsChanged();
}

void CFofView::showHiddenFoods()
{
    {
        const WaitCursor wait;
        showFoodListItems(hiddenFoodItems(m_app.attributes(), m_app.foods()));
    }
    d->listsPersonalFoods = false;
    leaveSortedState();
    d->eatButton->setFocus();
}

// ---- Food lists -------------------------------------------------------------------------------------------

void CFofView::runFoodListCommand(const FoodListCommand& command)
{
    CFoodAttributeDatabase& attributes = m_app.attributes();
    const int row = d->foodList->selectedRow();
    const std::string selected = row >= 0 ? toStdString(d->foodList->foodItemText(row)) : std::string();
    switch (command.operation) {
    case FoodListOperation::kAddSelected:
        if (row >= 0) {
            addItemFoodToList(attributes, selected, command.list);
        }
        break;
    case FoodListOperation::kRemove:
        if (row >= 0) {
            removeItemFoodFromList(attributes, selected, command.list);
        }
        break;
    case FoodListOperation::kAddAll:
        addItemFoodsToList(attributes, foodListLines(), command.list);
        break;
    case FoodListOperation::kAddMealFoods:
        addItemFoodsToList(attributes, mealListLines(), command.list);
        break;
    case FoodListOperation::kShow: {
        {
            const WaitCursor wait;
            showFoodListItems(mw::foodListItems(command.list, attributes, m_app.foods()));
        }
        d->listsPersonalFoods = false;
        leaveSortedState();
        d->eatButton->setFocus();
        return;
    }
    }
    // The lists mark each food's lists, so both repaint even when nothing changed.
    noteFoodFlagsChanged();
}

void CFofView::filterFoodList(FoodFilter filter)
{
    // A filter only takes lines out: a sorted list stays sorted.
    const WaitCursor wait;
    showFoodListItems(applyFoodFilter(filter, foodListLines(), m_app.foods()));
}

void CFofView::openFoodListContextMenu(const QPoint& pos)
{
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("foodListContextMenu"));
    connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);

    QMenu* filters = menu->addMenu(toQString(texts::kFilterMenu));
    filters->setObjectName(QStringLiteral("filterMenu"));
    for (int index = 0; index < kFoodFilterCount; ++index) {
        const auto filter = static_cast<FoodFilter>(index);
        QAction* item = filters->addAction(toQString(texts::kFilterCaptions.at(static_cast<std::size_t>(index))));
        item->setObjectName(QStringLiteral("actionFoodFilter%1").arg(foodFilterCommand(filter)));
        item->setStatusTip(toQString(foodFilterPrompt(filter)));
        item->setToolTip(item->statusTip());
        connect(item, &QAction::triggered, this, [this, filter] { filterFoodList(filter); });
    }
    filters->setToolTipsVisible(true);

    menu->addSeparator();
    QAction* ascending = menu->addAction(toQString(texts::kSortAscendingItem));
    ascending->setObjectName(QStringLiteral("actionContextSortAscending"));
    connect(ascending, &QAction::triggered, this, [this] { openSortPopup(SortDirection::kAscending); });
    QAction* descending = menu->addAction(toQString(texts::kSortDescendingItem));
    descending->setObjectName(QStringLiteral("actionContextSortDescending"));
    connect(descending, &QAction::triggered, this, [this] { openSortPopup(SortDirection::kDescending); });

    menu->popup(d->foodList->viewport()->mapToGlobal(pos));
}

} // namespace mw::gui
