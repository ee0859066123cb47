#include "fof_view.h"

#include "analysis_panel.h"
#include "first_start.h"
#include "food_list_box.h"
#include "food_list_controller.h"
#include "frame_texts.h"
#include "meal_editor.h"
#include "prompts.h"
#include "qt_bridge.h"
#include "quick_amount_menu.h"
#include "resources.h"
#include "search_key.h"
#include "servings_text.h"
#include "view_layout.h"
#include "view_texts.h"
#include "wait_cursor.h"

#include "format/nutrient_value_text.h"
#include "model/amount_text.h"
#include "model/catalogue.h"
#include "query/food_sort.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>

#include <climits>

namespace mw::gui {
namespace {

QColor toQColor(RgbColor color)
{
    return QColor(color.red, color.green, color.blue);
}

// The glycemic picture of a food; none for a food that no longer exists.
int glycemicClassOfFood(const CFoodAttributeDatabase& attributes, const FoodOperations& foods, FoodId food)
{
    if (!foods.exists(food)) {
        return -1;
    }
    return static_cast<int>(render::glycemicClassOf(attributes.test(food, 0xFFFF)));
}

std::optional<std::size_t> selectedEntry(const CFoodListBox* mealList)
{
    const int row = mealList->selectedRow();
    return row >= 0 ? std::optional<std::size_t>(row) : std::nullopt;
}

// Every nutrient of the display selection gets its row: a window too small for them all scrolls rather than
// leaving some out.
std::vector<NutrientIndex> selectedNutrients(const NutrientSelection& selection)
{
    std::vector<NutrientIndex> shown;
    for (int j = 0; j < kNutrientCount; ++j) {
        if (selection[static_cast<std::size_t>(j)]) {
            shown.push_back(static_cast<NutrientIndex>(j));
        }
    }
    return shown;
}

} // namespace

CFofView::CFofView(AppContext& app, CFofDoc& document, QUndoStack& history, QWidget* parent)
    : QWidget(parent), m_app(app), m_document(document),
      m_controls(createDayViewControls(this, app.settings(), app.attributes())),
      m_editor(std::make_unique<MealEditor>(app.foods(), document, history, this))
{
    setObjectName(QStringLiteral("fofView"));
    setContextMenuPolicy(Qt::PreventContextMenu);
    initResources();
    firstViewMetrics(*this);

    m_foodList = new FoodListController(app, this, m_controls, [this] { return standardListPoint(true); });
    m_quickAmounts = new QuickAmountInput(m_controls.mealList, app.settings());
    new GlobalSearchKey(this, m_controls.searchEdit, m_controls.globalSearchButton);
    m_commandsChangedTimer = new QTimer(this);
    m_commandsChangedTimer->setSingleShot(true);
    m_commandsChangedTimer->setInterval(0);
    connect(m_commandsChangedTimer, &QTimer::timeout, this, &CFofView::foodCommandsChanged);
    connectControls();

    {
        const QSignalBlocker blocker(m_controls.mealBox);
        for (int meal = 0; meal < kMealCount; ++meal) {
            m_controls.mealBox->addItem(toQString(mealTitle(meal)));
        }
        m_controls.mealBox->setCurrentIndex(0);
    }
    m_foodList->fillFoodListFromGroup();
    showMeal();
    m_controls.eatButton->setFocus();

    const ScreenMetrics screen = currentScreenMetrics();
    m_panelLayout = panelLayout(m_app.settings(), screen.height);
    m_displayed = selectedNutrients(displaySelection(m_app.settings(), screen));
    m_controls.panel->setDisplay(m_displayed, m_panelLayout);
    showMealAndDayColumns();
    reloadAnalysisSettings();

    m_dayListener = m_document.addChangeListener([this](const DayChange& change) { showDayChange(change); });
    connect(&m_app, &AppContext::analysisSettingsChangedSignal, this, &CFofView::reloadAnalysisSettings);
    connect(&m_app, &AppContext::foodFlagsChangedSignal, this, &CFofView::repaintFoodLists);
    // An edited personal food weighs and holds what it now says in every meal.
    connect(&m_app, &AppContext::personalFoodChangedSignal, this, [this] { m_document.foodsChanged(); });
    applyLayout();
}

CFofView::~CFofView()
{
    m_document.removeChangeListener(m_dayListener);
    // The controller listens to the controls, which go after it.
    delete m_foodList;
    m_foodList = nullptr;
    // QWidget tears the lists down after this object's own data is gone: they must not call back.
    for (QObject* child : findChildren<QObject*>()) {
        QObject::disconnect(child, nullptr, this, nullptr);
    }
}

void CFofView::connectControls()
{
    const DayViewControls& c = m_controls;
    connect(c.mealBox, &QComboBox::currentIndexChanged, this, &CFofView::showMeal);
    connect(c.mealList, &CFoodListBox::itemSelectionChanged, this, &CFofView::showEntry);
    connect(c.foodList, &QAbstractItemView::doubleClicked, this, &CFofView::addSelectedFood);
    // The Delete key in the meal list does what the Delete button does.
    auto* deleteKey = new QAction(c.mealList);
    deleteKey->setObjectName(QStringLiteral("deleteEntryKey"));
    deleteKey->setShortcut(QKeySequence::Delete);
    deleteKey->setShortcutContext(Qt::WidgetShortcut);
    c.mealList->addAction(deleteKey);
    connect(deleteKey, &QAction::triggered, this, &CFofView::deleteSelectedEntry);
    connect(c.eatButton, &QPushButton::clicked, this, &CFofView::addSelectedFood);
    connect(c.deleteButton, &QPushButton::clicked, this, &CFofView::deleteSelectedEntry);
    connect(c.amountOkButton, &QPushButton::clicked, this, &CFofView::applyTypedAmount);
    connect(c.amountEdit, &QLineEdit::returnPressed, this, &CFofView::applyTypedAmount);
    connect(m_quickAmounts, &QuickAmountInput::amountChosen, this, &CFofView::applyQuickAmount);

    // Refills add their lines with the list's own signals blocked; the model still tells.
    for (CFoodListBox* list : {c.foodList, c.mealList}) {
        connect(list, &CFoodListBox::itemSelectionChanged, this, &CFofView::scheduleFoodCommandsChanged);
        connect(list->model(), &QAbstractItemModel::rowsInserted, this, &CFofView::scheduleFoodCommandsChanged);
        connect(list->model(), &QAbstractItemModel::rowsRemoved, this, &CFofView::scheduleFoodCommandsChanged);
        connect(list->model(), &QAbstractItemModel::modelReset, this, &CFofView::scheduleFoodCommandsChanged);
    }
    connect(c.mealBox, &QComboBox::currentIndexChanged, this, &CFofView::scheduleFoodCommandsChanged);
    connect(m_foodList, &FoodListController::listsChanged, this, &CFofView::scheduleFoodCommandsChanged);
}

void CFofView::scheduleFoodCommandsChanged()
{
    // Gathers the many changes of a refill into one update of the menus.
    m_commandsChangedTimer->start();
}

// ---- Layout and painting ----------------------------------------------------------------------------------

void CFofView::applyLayout()
{
    const ViewLayout layout = computeViewLayout(firstViewMetrics(*this), rect(), m_controls.panel->rowCount(),
                                                static_cast<int>(m_displayed.size()));
    placeDayViewControls(m_controls, layout, m_listWidth);
}

QPoint CFofView::standardListPoint(bool foodList) const
{
    const ViewLayout layout = computeViewLayout(firstViewMetrics(*this), rect(), m_controls.panel->rowCount(),
                                                static_cast<int>(m_displayed.size()));
    const QRect list = foodList ? layout.foodList : layout.mealList;
    return mapToGlobal(QPoint(list.left(), list.top() + list.height() / 2));
}

QSize CFofView::sizeHint() const
{
    const ViewMetrics& metrics = firstViewMetrics(*this);
    const QSize least = minimumViewSize(metrics, m_controls.panel->rowCount());
    return QSize(std::max(least.width(), 100 * metrics.averageCharWidth), least.height() + 12 * metrics.lineHeight);
}

QSize CFofView::minimumSizeHint() const
{
    return minimumViewSize(firstViewMetrics(*this), m_controls.panel->rowCount());
}

void CFofView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    applyLayout();
}

void CFofView::paintEvent(QPaintEvent* event)
{
    // Read at every paint, so a colour chosen for one day shows in every open day.
    QPainter painter(this);
    painter.fillRect(event->rect(), toQColor(viewBackgroundColor(m_app.settings())));
}

void CFofView::setFoodListWidth(FoodListWidth width)
{
    if (width == m_listWidth) {
        return;
    }
    m_listWidth = width;
    showControlsForListWidth(m_controls, width);
    applyLayout();
    // Back from a search to the groups, as every width shows them.
    m_foodList->showFoodGroups();
    if (width == FoodListWidth::kWidest) {
        m_controls.mealBox->setFocus();
    } else {
        m_controls.deleteButton->setFocus();
    }
}

// ---- Meals ------------------------------------------------------------------------------------------------

void CFofView::showMeal()
{
    const int shown = m_controls.mealBox->currentIndex();
    if (shown < 0) {
        return;
    }
    m_currentMeal = shown;
    fillMealList();
    clearFoodColumn();
    m_controls.panel->setMealColumn(m_document.mealNutrients(meal()));
}

void CFofView::showDayChange(const DayChange& change)
{
    // An undone or redone step shows the meal it changed.
    if (change.meal && *change.meal != m_currentMeal) {
        const QSignalBlocker blocker(m_controls.mealBox);
        m_controls.mealBox->setCurrentIndex(*change.meal);
        m_currentMeal = *change.meal;
    }
    fillMealList();
    clearFoodColumn();
    showMealAndDayColumns();
    scheduleFoodCommandsChanged();
    emit documentModified();
}

void CFofView::fillMealList()
{
    // The rows are read from the day as they are shown; the list is filled anew after every change of the day.
    const MealIndex shown = meal();
    const auto count = static_cast<int>(std::min<std::size_t>(m_document.entryCount(shown), INT_MAX));
    const QSignalBlocker blocker(m_controls.mealList);
    m_controls.mealList->setFoodRows(count, [this, shown](int row) {
        const auto k = static_cast<std::size_t>(row);
        return k < m_document.entryCount(shown) ? foodListRow(m_app.foods(), m_document.entry(shown, k).foodId())
                                                : FoodListRow{};
    });
}

void CFofView::repaintFoodLists()
{
    for (CFoodListBox* list : {m_controls.mealList, m_controls.foodList}) {
        list->doItemsLayout();
        list->viewport()->update();
    }
}

void CFofView::selectMeal(MealIndex shown)
{
    if (m_controls.mealBox->currentIndex() == shown) {
        showMeal();
    } else {
        // The box's change handling makes the meal current and shows it.
        m_controls.mealBox->setCurrentIndex(shown);
    }
}

void CFofView::focusMealBox()
{
    m_controls.mealBox->setFocus();
}

// ---- Meal editing -----------------------------------------------------------------------------------------

void CFofView::addSelectedFood()
{
    const std::optional<FoodId> food = m_controls.foodList->foodAt(m_controls.foodList->selectedRow());
    if (!food) {
        return;
    }
    m_editor->addEntry(meal(), *food, 0);
    const int row = m_controls.mealList->count() - 1;
    {
        const QSignalBlocker blocker(m_controls.mealList);
        m_controls.mealList->setCurrentRow(row);
    }
    showEnteredFood(static_cast<std::size_t>(row), toQString(LoadString(texts::kOneUnitTitle)) + QLatin1Char(' '));
    m_controls.amountEdit->setText(toQString(FormatNutrientValue(m_currentFood[kWeight], 0, 0)) +
                                   toQString(texts::kAmountUnit));
}

void CFofView::showEntry()
{
    const std::optional<std::size_t> k = selectedEntry(m_controls.mealList);
    if (!k) {
        return;
    }
    const CFood& entry = m_document.entry(meal(), *k);
    m_controls.amountEdit->setText(amountEditText(entry.amount()));
    // An entry of amount 0 (from files written elsewhere) is titled 0 servings, as its stored grams are.
    showEnteredFood(*k, foodColumnTitle(m_document.entryServings(entry), m_panelLayout));
    emit statusMessage(QString());
}

void CFofView::showEnteredFood(std::size_t k, const QString& title)
{
    const CFood& entry = m_document.entry(meal(), k);
    // From the stored whole grams, so that taking the entry out again returns the totals exactly.
    m_currentFood = m_document.entryNutrients(entry);
    m_controls.panel->setFoodColumn(m_currentFood, title,
                                    glycemicClassOfFood(m_app.attributes(), m_app.foods(), entry.foodId()));
}

void CFofView::deleteSelectedEntry()
{
    if (const std::optional<std::size_t> k = selectedEntry(m_controls.mealList)) {
        m_editor->deleteEntry(meal(), *k);
        m_controls.deleteButton->setFocus();
    }
}

void CFofView::applyTypedAmount()
{
    const int row = m_controls.mealList->selectedRow();
    if (row < 0) {
        return;
    }
    const FoodId food = m_document.entry(meal(), static_cast<std::size_t>(row)).foodId();
    const AmountReading reading = readAmount(toStdString(m_controls.amountEdit->text()), m_app.foods(), food);
    if (!reading.grams) {
        Prompts::warning(this, toQString(texts::kMainFrameTitle), toQString(reading.problem));
        m_controls.amountEdit->setFocus();
        m_controls.amountEdit->selectAll();
        return;
    }
    setEntryAmount(row, *reading.grams);
}

void CFofView::setEntryAmount(int row, Grams amount)
{
    const auto k = static_cast<std::size_t>(row);
    if (!m_editor->setAmount(meal(), k, amount)) {
        return;
    }
    {
        const QSignalBlocker blocker(m_controls.mealList);
        m_controls.mealList->setCurrentRow(row);
    }
    m_controls.amountEdit->setText(amountEditText(amount));
    showEnteredFood(k, foodColumnTitle(m_document.entryServings(m_document.entry(meal(), k)), m_panelLayout));
}

void CFofView::copyMeal()
{
    m_editor->copyMeal(meal());
    scheduleFoodCommandsChanged();
}

void CFofView::cutMeal()
{
    m_editor->cutMeal(meal());
}

void CFofView::clearMeal()
{
    m_editor->clearMeal(meal());
}

void CFofView::pasteMeal()
{
    m_editor->pasteMeal(meal(), selectedEntry(m_controls.mealList));
    m_controls.eatButton->setFocus();
}

void CFofView::clearDay()
{
    m_editor->clearDay(meal());
}

GeneratedMenu CFofView::generateMenu(RandomSource& random, int requested)
{
    const WaitCursor wait;
    focusMealBox();
    const GeneratedMenu menu = m_editor->generateMenu(random, requested, meal());
    selectMeal(menu.shownMeal);
    return menu;
}

// ---- Finding ----------------------------------------------------------------------------------------------

void CFofView::openFindPopup(FindMode mode)
{
    // A change between lowest and highest starts the next find at breakfast.
    m_finder.setMode(mode);
    QMenu* menu = newChoicePopup(this, m_popup, QStringLiteral("findPopup"), toQString(findPopupTitle(mode)));
    for (int nutrient = kFirstRankedNutrient; nutrient <= kLastRankedNutrient; ++nutrient) {
        QAction* item = menu->addAction(toQString(nutrientLongName(nutrient)));
        item->setObjectName(QStringLiteral("findNutrient%1").arg(nutrient));
        item->setData(nutrient);
        connect(item, &QAction::triggered, this, [this, nutrient] { findInMeals(nutrient); });
    }
    menu->popup(standardListPoint(false));
}

void CFofView::findInMeals(int nutrient)
{
    if (!isRankedNutrient(nutrient)) {
        return;
    }
    const std::optional<MealEntryPosition> found = m_finder.find(m_document, nutrient);
    if (!found) {
        Prompts::information(this, toQString(texts::kMainFrameTitle), toQString(kNoFoodInFileMessage));
        return;
    }
    {
        const QSignalBlocker blocker(m_controls.mealBox);
        m_controls.mealBox->setCurrentIndex(static_cast<int>(found->meal));
    }
    m_controls.mealList->setUpdatesEnabled(false);
    showMeal();
    m_controls.mealList->setUpdatesEnabled(true);
    scheduleFoodCommandsChanged();
    const int row = static_cast<int>(found->entry);
    m_controls.mealList->setCurrentRow(row);
    m_controls.mealList->scrollToRow(row);
    m_controls.amountEdit->selectAll();
    m_controls.amountEdit->setFocus();
}

// ---- Panel ------------------------------------------------------------------------------------------------

void CFofView::clearFoodColumn()
{
    m_currentFood = NutrientVector{};
    m_controls.panel->clearFoodColumn();
    m_controls.amountEdit->clear();
}

void CFofView::showMealAndDayColumns()
{
    m_controls.panel->setMealColumn(m_document.mealNutrients(meal()));
    m_controls.panel->setDayColumn(m_document.dayNutrients());
}

void CFofView::reloadAnalysisSettings()
{
    Settings& settings = m_app.settings();
    const std::optional<AnalysisSetup> setup = analysisSetupSession().knownSetup(settings);
    AnalysisGoals goals = analysisGoals(settings, setup ? setup->requirements : RequirementVector{});
    // The session's table, which holds what the user confirmed even when the profile could not keep it.
    if (setup) {
        goals.preferences = setup->preferences;
    }
    m_controls.panel->setGoals(goals);
}

bool CFofView::pyramidFits() const
{
    const render::AnalysisPanelState& panel = m_controls.panel->state();
    return pyramidFitsPanel(panel.layout, static_cast<int>(panel.displayed.size()));
}

bool CFofView::showFoodPyramid()
{
    clearFoodColumn();
    return drawFoodPyramid();
}

bool CFofView::drawFoodPyramid()
{
    if (!pyramidFits()) {
        return false;
    }
    m_controls.panel->showPyramid(
        pyramidFigure(DayServings(m_document), m_document.dayNutrients()[kTotalFat], m_controls.panel->pyramidCells()));
    return true;
}

// ---- Quick amounts ----------------------------------------------------------------------------------------

void CFofView::applyQuickAmount(QuickAmountKind kind, double value)
{
    const std::optional<std::size_t> k = selectedEntry(m_controls.mealList);
    if (!k) {
        return;
    }
    const float servingWeight = m_app.foods().entryNutrients(m_document.entry(meal(), *k).foodId(), 0)[kWeight];
    // Straight to the entry, in whole grams.
    setEntryAmount(static_cast<int>(*k), quickAmount(kind, value, servingWeight));
}

// ---- Texts ------------------------------------------------------------------------------------------------

QString foodColumnTitle(float servings, PanelLayout layout)
{
    const std::string_view suffix =
        layout == PanelLayout::kTwoColumns ? LoadString(texts::kUnitsShortSuffix) : LoadString(texts::kUnitsSuffix);
    return render::servingsText(servings) + toQString(suffix);
}

QString amountEditText(Grams grams)
{
    return QString::number(grams) + toQString(texts::kAmountUnit);
}

} // namespace mw::gui
