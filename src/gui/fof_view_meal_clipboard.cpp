// The day view's cut, copy, paste and clear of the current meal through the program's meal clipboard.

#include "fof_view.h"
#include "fof_view_private.h"

#include "frame_texts.h"
#include "prompts.h"
#include "qt_bridge.h"

#include "model/meal_clipboard.h"

#include <QSignalBlocker>

namespace mw::gui {
namespace {

void showClipboardMessage(QWidget* parent, MealClipboardStatus status)
{
    Prompts::information(parent, toQString(texts::kMainFrameTitle), toQString(mealClipboardMessage(status)));
}

} // namespace

void CFofView::copyMeal()
{
    const MealClipboardStatus status =
        MealClipboard::instance().copyMeal(m_document, static_cast<MealIndex>(d->currentMeal));
    if (status != MealClipboardStatus::kDone) {
        showClipboardMessage(this, status);
    }
    scheduleFoodCommandsChanged();
}

void CFofView::cutMeal()
{
    const MealClipboardStatus status =
        MealClipboard::instance().cutMeal(m_document, static_cast<MealIndex>(d->currentMeal));
    if (status != MealClipboardStatus::kDone) {
        showClipboardMessage(this, status);
        return;
    }
    mealEmptied();
}

void CFofView::clearMeal()
{
    const MealClipboardStatus status = MealClipboard::clearMeal(m_document, static_cast<MealIndex>(d->currentMeal));
    if (status != MealClipboardStatus::kDone) {
        showClipboardMessage(this, status);
        return;
    }
    mealEmptied();
}

void CFofView::mealEmptied()
{
    {
        const QSignalBlocker blocker(d->mealList);
        d->mealList->setFoodItems({});
    }
    recomputeCurrentMeal();
    clearFoodColumn();
    showMealAndDayColumns();
    scheduleFoodCommandsChanged();
    emit documentModified();
}

void CFofView::pasteMeal()
{
    const int row = d->mealList->selectedRow();
    const std::optional<std::size_t> selected =
        row >= 0 ? std::optional<std::size_t>(static_cast<std::size_t>(row)) : std::nullopt;
    const PasteResult pasted =
        MealClipboard::instance().pasteMeal(m_document, static_cast<MealIndex>(d->currentMeal), selected);
    if (pasted.status != MealClipboardStatus::kDone) {
        showClipboardMessage(this, pasted.status);
        d->eatButton->setFocus();
        return;
    }
    clearFoodColumn();
    {
        const QSignalBlocker blocker(d->mealBox);
        d->mealBox->setCurrentIndex(d->currentMeal);
    }
    fillMealList();
    recomputeCurrentMeal();
    showMealAndDayColumns();
    d->eatButton->setFocus();
    scheduleFoodCommandsChanged();
    emit documentModified();
}

} // namespace mw::gui
