// The day view's cut, copy, paste and clear of the current meal through the program's meal clipboard.

#include "fof_view.h"
#include "fof_view_private.h"

#include "frame_texts.h"
#include "prompts.h"
#include "qt_bridge.h"

#include "day_edit_command.h"
#include "view_texts.h"

#include "model/day_edits.h"
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
    const auto meal = static_cast<MealIndex>(d->currentMeal);
    const MealClipboardStatus status = MealClipboard::instance().copyMeal(m_document, meal);
    if (status != MealClipboardStatus::kDone) {
        showClipboardMessage(this, status);
        return;
    }
    pushDayEdit(m_history, m_document, clearMealEdit(m_document, meal), mealStepName(texts::kCutStep));
}

void CFofView::clearMeal()
{
    const auto meal = static_cast<MealIndex>(d->currentMeal);
    if (!MealClipboard::canTakeMeal(m_document, meal)) {
        showClipboardMessage(this, MealClipboardStatus::kMealEmpty);
        return;
    }
    pushDayEdit(m_history, m_document, clearMealEdit(m_document, meal), mealStepName(texts::kClearStep));
}

void CFofView::pasteMeal()
{
    const MealClipboard& clipboard = MealClipboard::instance();
    if (clipboard.empty()) {
        showClipboardMessage(this, MealClipboardStatus::kClipboardEmpty);
        d->eatButton->setFocus();
        return;
    }
    const auto meal = static_cast<MealIndex>(d->currentMeal);
    const int row = d->mealList->selectedRow();
    const std::size_t position = MealClipboard::pastePosition(
        m_document.entryCount(meal), row >= 0 ? std::optional<std::size_t>(row) : std::nullopt);
    const std::span<const CFood> entries = clipboard.entries();
    pushDayEdit(m_history, m_document,
                insertEntriesEdit(m_document, meal, position, std::vector<CFood>(entries.begin(), entries.end())),
                mealStepName(texts::kPasteStep));
    d->eatButton->setFocus();
}

} // namespace mw::gui
