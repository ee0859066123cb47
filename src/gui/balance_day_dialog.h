#pragma once

#include "calc/balance_day.h"
#include "format/food_attribute_database.h"
#include "model/day_document.h"
#include "model/settings.h"

#include <QDialog>

#include <atomic>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QThread;
class QUndoStack;

namespace mw::gui {

// Balance the Day: plans, off the user-interface thread, the few foods in quarter servings (and, when asked,
// the new amounts of the day's foods) that bring the most nutrients into the user's ranges, at once and
// again after each change of an option, and shows the plan, the nutrients before and after in the panel's
// level colours and why goals stay out of range. Apply makes the plan one step of the day's history; Close
// stops the solver.
//
// Object names: foodsSpin, mealCombo, sourceCombo, changeAmountsCheck, statusLabel, messageLabel, planList,
// inRangeLabel, reasonList, nutrientTable, applyButton, closeButton.
class CBalanceDayDlg : public QDialog
{
    Q_OBJECT

public:
    // The day, its history and the food data must outlive the dialog; added foods go to meal by default.
    CBalanceDayDlg(CFofDoc& day, QUndoStack& history, const FoodOperations& foods,
                   const CFoodAttributeDatabase& attributes, const Settings& settings, MealIndex meal,
                   QWidget* parent = nullptr);
    ~CBalanceDayDlg() override;

    bool isPlanning() const { return m_worker != nullptr; }
    const BalanceResult& result() const { return m_result; }

    void done(int result) override;

signals:
    // A plan for the options as they stand is shown.
    void planShown();

private:
    QWidget* createOptions(const Settings& settings, MealIndex meal);
    QWidget* createNutrientTable();
    BalanceOptions options() const;

    void plan();
    void startWorker();
    void workerFinished();
    void stopWorker();
    void showResult();
    void showNutrients();
    void apply();

    CFofDoc& m_day;
    QUndoStack& m_history;
    const FoodOperations& m_foods;
    const CFoodAttributeDatabase m_attributes; // a copy: the search reads it on its own thread
    const std::optional<IntakePreferences> m_preferences;

    QThread* m_worker = nullptr;
    std::atomic<bool> m_stop{false};
    bool m_replanWanted = false;
    std::shared_ptr<BalanceResult> m_workerResult;
    BalanceResult m_result;
    BalanceOptions m_resultOptions;

    QSpinBox* m_foodsSpin = nullptr;
    QComboBox* m_meal = nullptr;
    QComboBox* m_source = nullptr;
    QCheckBox* m_changeAmounts = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_message = nullptr;
    QListWidget* m_plan = nullptr;
    QLabel* m_inRange = nullptr;
    QListWidget* m_reasons = nullptr;
    QTableWidget* m_nutrients = nullptr;
    QPushButton* m_apply = nullptr;
};

} // namespace mw::gui
