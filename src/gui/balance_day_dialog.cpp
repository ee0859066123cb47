#include "balance_day_dialog.h"

#include "day_edit_command.h"
#include "qt_bridge.h"

#include "calc/analysis.h"
#include "calc/balance_day_edit.h"
#include "calc/balance_texts.h"
#include "model/catalogue.h"
#include "model/food_operations.h"
#include "model/settings_keys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QThread>
#include <QUndoStack>
#include <QVBoxLayout>

namespace mw::gui {
namespace {

constexpr int kNutrientColumn = 0;
constexpr int kBeforeColumn = 1;
constexpr int kAfterColumn = 2;

QString foodText(const FoodOperations& foods, FoodId id)
{
    return toQString(foods.displayName(id));
}

QString mealText(int meal)
{
    return toQString(mealTitle(meal));
}

QString secondsText(double seconds)
{
    return QString::number(seconds, 'g', 3);
}

QTableWidgetItem* valueItem(float value, std::optional<IntakeLevel> level)
{
    auto* item = new QTableWidgetItem(QString::number(displayInteger(value)));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (level) {
        const RgbColor color = intakeLevelColor(*level);
        item->setBackground(QColor(color.red, color.green, color.blue));
        item->setForeground(Qt::black);
    }
    return item;
}

} // namespace

CBalanceDayDlg::CBalanceDayDlg(CFofDoc& day, QUndoStack& history, const FoodOperations& foods,
                               const CFoodAttributeDatabase& attributes, const Settings& settings, MealIndex meal,
                               QWidget* parent)
    : QDialog(parent), m_day(day), m_history(history), m_foods(foods), m_attributes(attributes),
      m_preferences(loadStoredIntakePreferences(settings))
{
    setObjectName(QStringLiteral("balanceDayDialog"));
    setWindowTitle(tr("Balance the Day"));

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("statusLabel"));
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("messageLabel"));
    m_message->setWordWrap(true);
    m_plan = new QListWidget(this);
    m_plan->setObjectName(QStringLiteral("planList"));
    m_plan->setWordWrap(true);
    m_inRange = new QLabel(this);
    m_inRange->setObjectName(QStringLiteral("inRangeLabel"));
    m_reasons = new QListWidget(this);
    m_reasons->setObjectName(QStringLiteral("reasonList"));
    m_reasons->setWordWrap(true);

    auto* left = new QVBoxLayout;
    left->addWidget(createOptions(settings, meal));
    left->addWidget(m_status);
    left->addWidget(m_message);
    left->addWidget(new QLabel(tr("Proposed:"), this));
    left->addWidget(m_plan, 2);
    left->addWidget(m_inRange);
    left->addWidget(new QLabel(tr("Out of range:"), this));
    left->addWidget(m_reasons, 3);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addWidget(createNutrientTable(), 2);

    auto* buttons = new QDialogButtonBox(this);
    m_apply = buttons->addButton(tr("&Apply"), QDialogButtonBox::AcceptRole);
    m_apply->setObjectName(QStringLiteral("applyButton"));
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(m_apply, &QPushButton::clicked, this, &CBalanceDayDlg::apply);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    resize(740, 520);

    plan();
}

CBalanceDayDlg::~CBalanceDayDlg()
{
    stopWorker();
}

QWidget* CBalanceDayDlg::createOptions(const Settings& settings, MealIndex meal)
{
    auto* box = new QGroupBox(tr("Options"), this);
    auto* form = new QFormLayout(box);

    m_foodsSpin = new QSpinBox(box);
    m_foodsSpin->setObjectName(QStringLiteral("foodsSpin"));
    m_foodsSpin->setRange(0, kMaxBalanceFoods);
    m_foodsSpin->setValue(kDefaultBalanceFoods);
    m_foodsSpin->setSuffix(tr(" foods"));
    form->addRow(tr("Add &up to"), m_foodsSpin);

    m_meal = new QComboBox(box);
    m_meal->setObjectName(QStringLiteral("mealCombo"));
    for (int m = 0; m < kMealCount; ++m) {
        m_meal->addItem(mealText(m));
    }
    m_meal->setCurrentIndex(meal);
    form->addRow(tr("&to"), m_meal);

    m_source = new QComboBox(box);
    m_source->setObjectName(QStringLiteral("sourceCombo"));
    m_source->addItem(tr("All visible foods"));
    for (int list = 1; list <= kNamedFoodListCount; ++list) {
        m_source->addItem(tr("Food List %1: %2").arg(list).arg(toQString(foodListName(settings, list))));
    }
    m_source->addItem(tr("Personal foods"));
    form->addRow(tr("&from"), m_source);

    m_changeAmounts = new QCheckBox(tr("&Change the amounts of the day's foods (\u00bd\u00d7 to 2\u00d7)"), box);
    m_changeAmounts->setObjectName(QStringLiteral("changeAmountsCheck"));
    form->addRow(m_changeAmounts);

    connect(m_foodsSpin, &QSpinBox::valueChanged, this, &CBalanceDayDlg::plan);
    connect(m_meal, &QComboBox::currentIndexChanged, this, &CBalanceDayDlg::plan);
    connect(m_source, &QComboBox::currentIndexChanged, this, &CBalanceDayDlg::plan);
    connect(m_changeAmounts, &QCheckBox::toggled, this, &CBalanceDayDlg::plan);
    return box;
}

QWidget* CBalanceDayDlg::createNutrientTable()
{
    m_nutrients = new QTableWidget(kNutrientCount - 1, 3, this);
    m_nutrients->setObjectName(QStringLiteral("nutrientTable"));
    m_nutrients->setHorizontalHeaderLabels({tr("Nutrient"), tr("Before"), tr("After")});
    m_nutrients->verticalHeader()->hide();
    m_nutrients->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_nutrients->setSelectionMode(QAbstractItemView::NoSelection);
    m_nutrients->horizontalHeader()->setSectionResizeMode(kNutrientColumn, QHeaderView::Stretch);
    m_nutrients->verticalHeader()->setDefaultSectionSize(m_nutrients->fontMetrics().height() + 4);
    for (int j = kCalories; j < kNutrientCount; ++j) {
        const QString name =
            toQString(nutrientLongName(j)) + QStringLiteral(" (") + toQString(nutrientPanelUnit(j)) + QLatin1Char(')');
        m_nutrients->setItem(j - 1, kNutrientColumn, new QTableWidgetItem(name));
    }
    return m_nutrients;
}

BalanceOptions CBalanceDayDlg::options() const
{
    BalanceOptions options;
    options.maxFoods = m_foodsSpin->value();
    options.meal = static_cast<MealIndex>(m_meal->currentIndex());
    const int source = m_source->currentIndex();
    if (source > kNamedFoodListCount) {
        options.source = BalanceFoodSource::kPersonal;
    } else if (source > 0) {
        options.source = BalanceFoodSource::kFoodList;
        options.foodList = source;
    }
    options.changeAmounts = m_changeAmounts->isChecked();
    return options;
}

// ---- Planning off the user-interface thread ----------------------------------------------------------------

void CBalanceDayDlg::plan()
{
    m_apply->setEnabled(false);
    m_status->setText(tr("Planning..."));
    if (m_worker != nullptr) {
        // The running search ends soon; the options as they are then are planned next.
        m_replanWanted = true;
        m_stop = true;
        return;
    }
    startWorker();
}

void CBalanceDayDlg::startWorker()
{
    m_stop = false;
    m_replanWanted = false;
    m_resultOptions = options();
    m_workerResult = std::make_shared<BalanceResult>();
    m_worker = QThread::create(
        [meals = m_day.meals(), &foods = m_foods, &attributes = m_attributes, preferences = m_preferences,
         options = m_resultOptions, stop = &m_stop,
         result = m_workerResult] { *result = balanceDay(meals, foods, attributes, preferences, options, stop); });
    // A thread stopped by Close may still report its end; only the running one counts.
    connect(m_worker, &QThread::finished, this, [this, worker = m_worker] {
        if (worker == m_worker) {
            workerFinished();
        }
    });
    m_worker->start();
}

void CBalanceDayDlg::workerFinished()
{
    m_worker->wait();
    delete m_worker;
    m_worker = nullptr;
    if (m_replanWanted) {
        startWorker();
        return;
    }
    m_result = *m_workerResult;
    showResult();
    emit planShown();
}

void CBalanceDayDlg::stopWorker()
{
    if (m_worker == nullptr) {
        return;
    }
    m_stop = true;
    m_worker->wait();
    delete m_worker;
    m_worker = nullptr;
}

void CBalanceDayDlg::done(int result)
{
    stopWorker();
    QDialog::done(result);
}

// ---- Showing the plan --------------------------------------------------------------------------------------

void CBalanceDayDlg::showResult()
{
    const BalanceResult& r = m_result;
    m_status->setText(r.optimal ? tr("The best plan (%1 s)").arg(secondsText(r.seconds))
                                : tr("The best found in %1 s").arg(secondsText(m_resultOptions.seconds)));
    m_message->setText(toQString(balanceOutcomeText(r.outcome)));
    m_message->setVisible(r.outcome != BalanceOutcome::kPlanned);

    m_plan->clear();
    for (const BalanceAddition& a : r.plan.additions) {
        m_plan->addItem(tr("Add %1 (%2 g) of %3 to %4")
                            .arg(toQString(quarterServingsText(a.quarters)))
                            .arg(a.grams)
                            .arg(foodText(m_foods, a.food), mealText(a.meal)));
    }
    for (const BalanceChange& c : r.plan.changes) {
        m_plan->addItem(
            tr("%1: %2, %3 g \u2192 %4 g").arg(mealText(c.meal), foodText(m_foods, c.food)).arg(c.before).arg(c.after));
    }

    m_inRange->setText(
        r.goalCount > 0 ? tr("In range: %1 \u2192 %2 of %3").arg(r.inRangeBefore).arg(r.inRangeAfter).arg(r.goalCount)
                        : QString());
    m_reasons->clear();
    for (const BalanceOutOfRange& goal : r.outOfRange) {
        m_reasons->addItem(toQString(balanceReasonText(goal)));
    }
    showNutrients();
    m_apply->setEnabled(r.outcome == BalanceOutcome::kPlanned);
}

void CBalanceDayDlg::showNutrients()
{
    for (int j = kCalories; j < kNutrientCount; ++j) {
        std::optional<BalanceGoal> goal;
        if (m_preferences && m_preferences->to(j) > m_preferences->from(j)) {
            goal = BalanceGoal{j, m_preferences->from(j), m_preferences->to(j)};
        }
        const auto level = [&goal](float value) {
            return goal ? std::optional(intakeLevel(value, goal->from, goal->to)) : std::nullopt;
        };
        const float before = m_result.before[static_cast<std::size_t>(j)];
        const float after = m_result.after[static_cast<std::size_t>(j)];
        m_nutrients->setItem(j - 1, kBeforeColumn, valueItem(before, level(before)));
        m_nutrients->setItem(j - 1, kAfterColumn, valueItem(after, level(after)));
    }
    m_nutrients->resizeColumnToContents(kBeforeColumn);
    m_nutrients->resizeColumnToContents(kAfterColumn);
}

void CBalanceDayDlg::apply()
{
    if (isPlanning() || m_result.outcome != BalanceOutcome::kPlanned) {
        return;
    }
    pushDayEdit(m_history, m_day, balanceDayEdit(m_day, m_result.plan), tr("Balance the Day"));
    accept();
}

} // namespace mw::gui
