#pragma once

// What the main-frame and application tests share: a profile in which the requirements and intake
// preferences are stored already (so no first-start dialog comes up), and small helpers.

#include "day_window.h"
#include "fof_view.h"
#include "food_list_box.h"
#include "food_list_controller.h"
#include "main_window.h"
#include "meal_editor.h"

#include "calc/intake_preferences.h"
#include "calc/requirements.h"
#include "model/settings.h"
#include "model/settings_keys.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>

#include <functional>
#include <memory>

namespace mw::test {

inline std::unique_ptr<MemorySettings> profileWithAnalysisSettings()
{
    auto settings = std::make_unique<MemorySettings>();
    const CaloricNeedInputs inputs{40, 160, 5, 0};
    storeCaloricNeed(*settings, inputs);
    storePreferences(*settings, defaultPreferences(ComputeRequirements(inputs)));
    return settings;
}

// Adds grams of the food (0: one serving) to the view's current meal as one step of the day's history, as the
// view's own adding does.
inline void addToView(gui::CFofView& view, QUndoStack& history, FoodId food, Grams grams)
{
    gui::MealEditor(view.document().foods(), view.document(), history, nullptr)
        .addEntry(static_cast<MealIndex>(view.currentMeal()), food, grams);
}

// The row's FoodId, or 9999 for a food that no longer exists.
inline unsigned long idAt(const gui::CFoodListBox* list, int row)
{
    return list->foodAt(row).value_or(9999);
}

inline void addToDay(gui::CDayWindow& day, MealIndex meal, FoodId food, Grams grams)
{
    gui::MealEditor(day.document().foods(), day.document(), day.history(), nullptr).addEntry(meal, food, grams);
}

inline void addToActiveDay(gui::CMainFrame& frame, FoodId food, Grams grams)
{
    gui::CDayWindow* day = frame.activeDayWindow();
    addToView(*day->view(), day->history(), food, grams);
}

// Windows closed with WA_DeleteOnClose go at the next turn of the event loop; this is that turn.
inline void deleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Runs action once a modal dialog is up (exec() does not return before), then closes it with done(result)
// unless the action closed it already. Looks for the dialog every few milliseconds for five seconds.
inline void whenDialogOpens(std::function<void(QDialog*)> action, int result = QDialog::Rejected, int triesLeft = 500)
{
    QTimer::singleShot(10, [action = std::move(action), result, triesLeft]() mutable {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            if (triesLeft > 0) {
                whenDialogOpens(std::move(action), result, triesLeft - 1);
            }
            return;
        }
        action(dialog);
        if (dialog->isVisible()) {
            dialog->done(result);
        }
    });
}

} // namespace mw::test
