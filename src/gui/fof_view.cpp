#include "fof_view.h"
#include "wait_cursor.h"

#include "analysis_panel.h"
#include "day_edit_command.h"
#include "first_start.h"
#include "fof_view_private.h"
#include "food_list_box.h"
#include "qt_bridge.h"
#include "quick_amount_menu.h"
#include "resources.h"
#include "view_layout.h"
#include "view_texts.h"

#include "format/nutrient_value_text.h"
#include "model/catalogue.h"
#include "model/day_edits.h"
#include "model/food_item_text.h"
#include "model/meal_editing.h"
#include "query/food_listing.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>

#include <climits>
#include <cmath>
#include <limits>
#include <optional>

namespace mw::gui {
namespace {

QPushButton* makeButton(std::string_view caption, std::string_view tip, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(toQString(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(toQString(tip));
    button->setAutoDefault(false);
    return button;
}

// The picture buttons beside the food list; each is enabled where its command is connected (search and
// sort, group order).
QToolButton* makeIconButton(std::string_view caption, std::string_view tip, const char* icon, const char* name,
                            QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(toQString(caption));
    button->setToolTip(toQString(tip));
    button->setIcon(QIcon(QString::fromLatin1(icon)));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setFocusPolicy(Qt::NoFocus);
    // A press on the button is not a press on the view's own area.
    button->setAttribute(Qt::WA_NoMousePropagation);
    button->setEnabled(false);
    return button;
}

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

} // namespace

CFofView::CFofView(AppContext& app, CFofDoc& document, QUndoStack& history, QWidget* parent)
    : QWidget(parent), m_app(app), m_document(document), m_history(history), d(std::make_unique<Private>())
{
    setObjectName(QStringLiteral("fofView"));
    setContextMenuPolicy(Qt::PreventContextMenu);
    initResources();
    processViewMetrics(*this);

    createControls();
    fillBoxes();
    connectControls();
    setUpFoodCommands();
    connectViewOptions();

    const ScreenMetrics screen = currentScreenMetrics();
    d->panelLayout = panelLayout(m_app.settings(), screen.height);
    d->displayed = displayedNutrients(m_app.settings(), screen, d->panelLayout);
    d->panel->setDisplay(d->displayed, d->panelLayout);
    d->currentMeal = 0;
    showMealAndDayColumns();
    reloadAnalysisSettings();

    d->dayListener = m_document.addChangeListener([this](const DayChange& change) { showDayChange(change); });
    connect(&m_app, &AppContext::analysisSettingsChangedSignal, this, &CFofView::reloadAnalysisSettings);
    connect(&m_app, &AppContext::foodFlagsChangedSignal, this, &CFofView::repaintFoodLists);
    connect(&m_app, &AppContext::personalFoodAddedSignal, this, [this] {
        if (d->listsPersonalFoods) {
            listPersonalFoods();
        }
    });
    applyLayout();
}

CFofView::~CFofView()
{
    m_document.removeChangeListener(d->dayListener);
    // QWidget tears the lists down after this object's own data is gone: they must not call back.
    for (QObject* child : findChildren<QObject*>()) {
        QObject::disconnect(child, nullptr, this, nullptr);
    }
}

int CFofView::currentMeal() const
{
    return d->currentMeal;
}

const NutrientVector& CFofView::currentFoodTotals() const
{
    return d->currentFood;
}

const DayTotals& CFofView::totals() const
{
    return m_document.totals();
}

// ---- Controls ---------------------------------------------------------------------------------------------

void CFofView::createControls()
{
    const Settings& settings = m_app.settings();
    const CFoodAttributeDatabase& attributes = m_app.attributes();

    // Created in tab order: boxes, lists, delete, search edit, eat, amount edit, amount OK.
    d->mealBox = new QComboBox(this);
    d->mealBox->setObjectName(QStringLiteral("mealBox"));
    d->groupBox = new QComboBox(this);
    d->groupBox->setObjectName(QStringLiteral("groupBox"));
    d->mealList = new CFoodListBox(settings, attributes, this);
    d->mealList->setObjectName(QStringLiteral("mealList"));
    d->foodList = new CFoodListBox(settings, attributes, this);
    d->foodList->setObjectName(QStringLiteral("foodList"));
    d->deleteButton = makeButton(LoadString(texts::kDeleteButton), LoadString(texts::kDeleteTip), "deleteButton", this);
    d->searchEdit = new QLineEdit(this);
    d->searchEdit->setObjectName(QStringLiteral("searchEdit"));
    d->searchEdit->hide();
    d->eatButton = makeButton(LoadString(texts::kEatButton), LoadString(texts::kEatTip), "eatButton", this);
    d->amountEdit = new QLineEdit(this);
    d->amountEdit->setObjectName(QStringLiteral("amountEdit"));
    d->amountEdit->setToolTip(toQString(LoadString(texts::kAmountEditTip)));
    d->amountOkButton =
        makeButton(LoadString(texts::kAmountOkButton), LoadString(texts::kAmountOkTip), "amountOkButton", this);

    d->globalSearchButton = makeIconButton(texts::kGlobalSearchButton, LoadString(texts::kGlobalSearchTip),
                                           ":/icons/search-global.svg", "globalSearchButton", this);
    d->localSearchButton = makeIconButton(texts::kLocalSearchButton, LoadString(texts::kLocalSearchTip),
                                          ":/icons/search-local.svg", "localSearchButton", this);
    d->globalSearchButton->hide();
    d->localSearchButton->hide();
    d->normalOrderButton = makeIconButton(texts::kNormalOrderButton, LoadString(texts::kNormalOrderTip),
                                          ":/icons/order-normal.svg", "normalOrderButton", this);
    d->reverseOrderButton = makeIconButton(texts::kReverseOrderButton, LoadString(texts::kReverseOrderTip),
                                           ":/icons/order-reverse.svg", "reverseOrderButton", this);
    d->sortAscendingButton = makeIconButton(texts::kSortAscendingName, LoadString(texts::kSortAscendingTip),
                                            ":/icons/sort-ascending.svg", "sortAscendingButton", this);
    d->sortDescendingButton = makeIconButton(texts::kSortDescendingName, LoadString(texts::kSortDescendingTip),
                                             ":/icons/sort-descending.svg", "sortDescendingButton", this);

    d->panel = new AnalysisPanel(this);

    setTabOrder(d->mealBox, d->groupBox);
    setTabOrder(d->groupBox, d->mealList);
    setTabOrder(d->mealList, d->foodList);
    setTabOrder(d->foodList, d->deleteButton);
    setTabOrder(d->deleteButton, d->searchEdit);
    setTabOrder(d->searchEdit, d->eatButton);
    setTabOrder(d->eatButton, d->amountEdit);
    setTabOrder(d->amountEdit, d->amountOkButton);
    // Whenever the view itself is given the focus, the eat button takes it.
    setFocusProxy(d->eatButton);
}

void CFofView::fillBoxes()
{
    const QSignalBlocker mealBlocker(d->mealBox);
    const QSignalBlocker groupBlocker(d->groupBox);
    for (int meal = 0; meal < kMealCount; ++meal) {
        d->mealBox->addItem(toQString(mealTitle(meal)));
    }
    fillGroupBox();
    d->mealBox->setCurrentIndex(0);
    d->groupBox->setCurrentIndex(0);
    fillFoodListFromGroup();
    showMeal();
    d->eatButton->setFocus();
}

void CFofView::connectControls()
{
    connect(d->mealBox, &QComboBox::currentIndexChanged, this, &CFofView::showMeal);
    connect(d->groupBox, &QComboBox::currentIndexChanged, this, &CFofView::fillFoodListFromGroup);
    connect(d->mealList, &CFoodListBox::itemSelectionChanged, this, &CFofView::showEntry);
    // The nutrient popup of a sorted list waits for a double click to pass, which it would otherwise swallow.
    d->nutrientPopupTimer = new QTimer(this);
    d->nutrientPopupTimer->setSingleShot(true);
    d->nutrientPopupTimer->setInterval(QApplication::doubleClickInterval());
    connect(d->nutrientPopupTimer, &QTimer::timeout, this, &CFofView::showSortedNutrientPopup);
    connect(d->foodList, &CFoodListBox::itemSelectionChanged, this, [this] {
        if (d->sortNutrient) {
            d->nutrientPopupTimer->start();
        }
    });
    connect(d->foodList, &QAbstractItemView::doubleClicked, this, [this] {
        d->nutrientPopupTimer->stop();
        addSelectedFood();
    });
    // The Delete key in the meal list does what the Delete button does.
    auto* deleteKey = new QAction(d->mealList);
    deleteKey->setObjectName(QStringLiteral("deleteEntryKey"));
    deleteKey->setShortcut(QKeySequence::Delete);
    deleteKey->setShortcutContext(Qt::WidgetShortcut);
    d->mealList->addAction(deleteKey);
    connect(deleteKey, &QAction::triggered, this, &CFofView::deleteSelectedEntry);
    connect(d->eatButton, &QPushButton::clicked, this, &CFofView::addSelectedFood);
    connect(d->deleteButton, &QPushButton::clicked, this, &CFofView::deleteSelectedEntry);
    connect(d->amountOkButton, &QPushButton::clicked, this, &CFofView::applyTypedAmount);
    connect(d->amountEdit, &QLineEdit::returnPressed, this, &CFofView::applyTypedAmount);
}

// ---- Layout and painting ----------------------------------------------------------------------------------

void CFofView::applyLayout()
{
    const ViewMetrics& metrics = processViewMetrics(*this);
    const ViewLayout layout =
        computeViewLayout(metrics, rect(), d->panel->rowCount(), static_cast<int>(d->displayed.size()));
    d->mealBox->setGeometry(layout.mealBox);
    d->mealBox->setMaxVisibleItems(layout.mealBoxVisibleItems);
    d->groupBox->setGeometry(layout.groupBox);
    d->groupBox->setMaxVisibleItems(layout.groupBoxVisibleItems);
    d->searchEdit->setGeometry(layout.searchEdit);
    d->mealList->setGeometry(layout.mealList);
    d->foodList->setGeometry(layout.foodList);
    d->deleteButton->setGeometry(layout.deleteButton);
    d->amountOkButton->setGeometry(layout.amountOkButton);
    d->amountEdit->setGeometry(layout.amountEdit);
    d->eatButton->setGeometry(layout.eatButton);
    d->normalOrderButton->setGeometry(layout.normalOrderButton);
    d->reverseOrderButton->setGeometry(layout.reverseOrderButton);
    d->globalSearchButton->setGeometry(layout.globalSearchButton);
    d->localSearchButton->setGeometry(layout.localSearchButton);
    d->sortAscendingButton->setGeometry(layout.sortAscendingButton);
    d->sortDescendingButton->setGeometry(layout.sortDescendingButton);
    const QSize icon(layout.pictureButtonSide * 3 / 4, layout.pictureButtonSide * 3 / 4);
    for (QToolButton* button : {d->normalOrderButton, d->reverseOrderButton, d->globalSearchButton,
                                d->localSearchButton, d->sortAscendingButton, d->sortDescendingButton}) {
        button->setIconSize(icon);
    }
    d->panel->setGeometry(layout.panel);
    placeControlsForListWidth(layout);
}

QSize CFofView::sizeHint() const
{
    const ViewMetrics& metrics = processViewMetrics(*this);
    const QSize least = minimumViewSize(metrics, d->panel->rowCount());
    return QSize(std::max(least.width(), 100 * metrics.averageCharWidth), least.height() + 12 * metrics.lineHeight);
}

QSize CFofView::minimumSizeHint() const
{
    return minimumViewSize(processViewMetrics(*this), d->panel->rowCount());
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

// ---- Meals and food lists ---------------------------------------------------------------------------------

void CFofView::showMeal()
{
    const int meal = d->mealBox->currentIndex();
    if (meal < 0) {
        return;
    }
    d->currentMeal = meal;
    fillMealList();
    clearFoodColumn();
    d->panel->setMealColumn(m_document.mealNutrients(static_cast<MealIndex>(meal)));
}

void CFofView::showDayChange(const DayChange& change)
{
    // An undone or redone step shows the meal it changed.
    if (change.meal && *change.meal != d->currentMeal) {
        const QSignalBlocker blocker(d->mealBox);
        d->mealBox->setCurrentIndex(*change.meal);
        d->currentMeal = *change.meal;
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
    const auto meal = static_cast<MealIndex>(d->currentMeal);
    const auto count = static_cast<int>(std::min<std::size_t>(m_document.entryCount(meal), INT_MAX));
    const QSignalBlocker blocker(d->mealList);
    d->mealList->setFoodRows(count, [this, meal](int row) {
        const auto k = static_cast<std::size_t>(row);
        if (k >= m_document.entryCount(meal)) {
            return FoodListRow{};
        }
        const FoodId food = m_document.entry(meal, k).foodId();
        const FoodOperations& foods = m_app.foods();
        return FoodListRow{toQString(foods.foodName(food)), foods.exists(food) ? std::optional(food) : std::nullopt};
    });
}

void CFofView::fillFoodListFromGroup()
{
    const int group = selectedFoodGroup();
    if (group < 0) {
        return;
    }
    const WaitCursor wait;
    QStringList items;
    for (const FoodId id : visibleFoodsOfGroup(group, m_app.attributes())) {
        items.append(toQString(m_app.foods().foodName(id)));
    }
    setFoodListItems(items);
    d->listsPersonalFoods = false;
    leaveSortedState();
}

void CFofView::setFoodListItems(const QStringList& itemTexts)
{
    const QSignalBlocker blocker(d->foodList);
    d->foodList->setFoodItems(itemTexts);
    if (d->foodList->count() > 0) {
        d->foodList->setCurrentRow(0);
    }
}

void CFofView::listPersonalFoods()
{
    QStringList items;
    for (const FoodId id : visiblePersonalFoods(m_app.foods().personalCount(), m_app.attributes())) {
        items.append(toQString(m_app.foods().foodName(id)));
    }
    setFoodListItems(items);
    d->listsPersonalFoods = true;
    d->eatButton->setFocus();
    leaveSortedState();
}

void CFofView::showFoodGroups()
{
    endSearchMode();
    fillFoodListFromGroup();
}

void CFofView::repaintFoodLists()
{
    for (CFoodListBox* list : {d->mealList, d->foodList}) {
        list->doItemsLayout();
        list->viewport()->update();
    }
}

// ---- Meal editing -----------------------------------------------------------------------------------------

void CFofView::addSelectedFood()
{
    const int row = d->foodList->selectedRow();
    if (row < 0) {
        return;
    }
    // An item of a food that no longer exists cannot become an entry the day file could name.
    if (const std::optional<FoodId> food = d->foodList->foodAt(row)) {
        addEntry(*food, 0, true);
    }
}

void CFofView::addFood(FoodId food, Grams amount)
{
    addEntry(food, amount, false);
}

QString CFofView::foodStepName(std::string_view format, FoodId food) const
{
    return toQString(format).arg(toQString(itemDisplayText(m_app.foods().foodName(food))));
}

QString CFofView::mealStepName(std::string_view format) const
{
    return toQString(format).arg(toQString(mealTitle(d->currentMeal)));
}

void CFofView::addEntry(FoodId id, Grams requested, bool fromFoodList)
{
    const auto meal = static_cast<MealIndex>(d->currentMeal);
    const Grams amount = amountForNewEntry(m_app.foods(), id, requested);
    pushDayEdit(m_history, m_document, addEntryEdit(meal, CFood(id, amount)), foodStepName(texts::kAddStep, id));
    {
        const QSignalBlocker blocker(d->mealList);
        d->mealList->setCurrentRow(d->mealList->count() - 1);
    }
    const CFood& entry = m_document.entry(meal, m_document.entryCount(meal) - 1);
    // From the stored whole grams, so that taking the entry out again returns the totals exactly.
    d->currentFood = m_document.entryNutrients(entry);
    if (fromFoodList) {
        d->amountEdit->setText(toQString(FormatNutrientValue(d->currentFood[kWeight], 0, 0)) +
                               toQString(texts::kAmountUnit));
        showFoodColumn(toQString(LoadString(texts::kOneUnitTitle)) + QLatin1Char(' '), id);
    }
}

void CFofView::showEntry()
{
    const int row = d->mealList->selectedRow();
    if (row < 0) {
        return;
    }
    const CFood& entry = m_document.entry(static_cast<MealIndex>(d->currentMeal), static_cast<std::size_t>(row));
    d->currentFood = m_document.entryNutrients(entry);
    d->amountEdit->setText(amountEditText(entry.amount()));
    // An entry of amount 0 (from files written elsewhere) is titled 0 servings, as its stored grams are.
    showFoodColumn(foodColumnTitle(m_document.entryServings(entry), d->panelLayout), entry.foodId());
    emit statusMessage(QString());
}

void CFofView::deleteSelectedEntry()
{
    const int row = d->mealList->selectedRow();
    if (row < 0) {
        return;
    }
    const auto meal = static_cast<MealIndex>(d->currentMeal);
    const auto k = static_cast<std::size_t>(row);
    const FoodId food = m_document.entry(meal, k).foodId();
    pushDayEdit(m_history, m_document, deleteEntryEdit(m_document, meal, k), foodStepName(texts::kDeleteStep, food));
    d->deleteButton->setFocus();
}

void CFofView::applyTypedAmount()
{
    const int row = d->mealList->selectedRow();
    if (row < 0) {
        return;
    }
    setEntryAmount(row, typedAmount(toStdString(d->amountEdit->text())));
}

void CFofView::setEntryAmount(int row, Grams amount)
{
    const auto meal = static_cast<MealIndex>(d->currentMeal);
    const auto k = static_cast<std::size_t>(row);
    if (k >= m_document.entryCount(meal)) {
        return;
    }
    const FoodId food = m_document.entry(meal, k).foodId();
    pushDayEdit(m_history, m_document, setAmountEdit(m_document, meal, k, amount),
                foodStepName(texts::kAmountStep, food));
    {
        const QSignalBlocker blocker(d->mealList);
        d->mealList->setCurrentRow(row);
    }
    d->amountEdit->setText(amountEditText(amount));
    const CFood& entry = m_document.entry(meal, k);
    d->currentFood = m_document.entryNutrients(entry);
    showFoodColumn(foodColumnTitle(m_document.entryServings(entry), d->panelLayout), entry.foodId());
}

// ---- Panel ------------------------------------------------------------------------------------------------

void CFofView::clearFoodColumn()
{
    d->currentFood = NutrientVector{};
    d->panel->clearFoodColumn();
    d->amountEdit->clear();
}

void CFofView::showFoodColumn(const QString& title, FoodId food)
{
    d->panel->setFoodColumn(d->currentFood, title, glycemicClassOfFood(m_app.attributes(), m_app.foods(), food));
}

void CFofView::showMealAndDayColumns()
{
    d->panel->setMealColumn(m_document.mealNutrients(static_cast<MealIndex>(d->currentMeal)));
    d->panel->setDayColumn(m_document.dayNutrients());
}

void CFofView::reloadAnalysisSettings()
{
    Settings& settings = m_app.settings();
    const std::optional<AnalysisSetup> setup = ensureAnalysisSetup(settings, this);
    AnalysisGoals goals = analysisGoals(settings, setup ? setup->requirements : RequirementVector{});
    // The session's table, which holds what the user confirmed even when the profile could not keep it.
    if (setup) {
        goals.preferences = setup->preferences;
    }
    d->panel->setGoals(goals);
}

// ---- Popups -----------------------------------------------------------------------------------------------

bool CFofView::event(QEvent* event)
{
    // Alt+G is the "&Global" search button's while it shows, not the Glycemic Index menu's: the view claims
    // the key before the menu bar takes it as an ambiguous mnemonic.
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->keyCombination() == QKeyCombination(Qt::AltModifier, Qt::Key_G) &&
            d->globalSearchButton->isVisible() && d->globalSearchButton->isEnabled()) {
            event->accept();
            if (event->type() == QEvent::KeyPress) {
                d->globalSearchButton->click();
            }
            return true;
        }
    }
    return QWidget::event(event);
}

void CFofView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    // Read at every press, so a choice made in the mouse dialog counts at once in every day.
    const MouseOptions options = mouseOptions(m_app.settings());
    const MouseChoice choice = event->button() == Qt::LeftButton ? options.left : options.right;
    event->accept();
    if (choice != MouseChoice::kOff) {
        openQuickAmountMenu(choice, event->globalPosition().toPoint());
    }
}

void CFofView::openQuickAmountMenu(MouseChoice choice, const QPoint& globalPos)
{
    delete d->popup.data();
    auto* menu = new QuickAmountMenu(choice, this);
    d->popup = menu;
    connect(menu, &QuickAmountMenu::amountChosen, this, &CFofView::applyQuickAmount);
    connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    menu->popupCentredAt(globalPos);
}

void CFofView::applyQuickAmount(QuickAmountKind kind, double value)
{
    const int row = d->mealList->selectedRow();
    if (row < 0) {
        return;
    }
    const CFood& entry = m_document.entry(static_cast<MealIndex>(d->currentMeal), static_cast<std::size_t>(row));
    const float servingWeight = m_app.foods().entryNutrients(entry.foodId(), 0)[kWeight];
    // Straight to the entry: the amount edit's four characters would cut 5 servings of 2400 g to 1200 g.
    setEntryAmount(row, quickAmount(kind, value, servingWeight));
}

void CFofView::showSortedNutrientPopup()
{
    const int row = d->foodList->selectedRow();
    if (!d->sortNutrient || row < 0) {
        return;
    }
    const std::optional<FoodId> food = d->foodList->foodAt(row);
    if (!food) {
        return;
    }
    const QStringList lines = nutrientInfoTexts(
        *d->sortNutrient, nutrientOnBasis(m_app.foods(), *food, *d->sortNutrient, d->sortedBasis), d->sortedBasis);
    delete d->popup.data();
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("nutrientInfoMenu"));
    for (const QString& line : lines) {
        menu->addAction(line);
    }
    d->popup = menu;
    connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    // Beside the row it describes, below the row's text.
    const QRect item = d->foodList->visualRowRect(row);
    menu->popup(d->foodList->viewport()->mapToGlobal(QPoint(item.left() + item.width() / 3, item.bottom() + 1)));
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

QStringList nutrientInfoTexts(int nutrient, float valuePer100g)
{
    return {toQString(nutrientLongName(nutrient)) + u':',
            toQString(FormatNutrientValue(valuePer100g, 0, 0)) + u' ' + toQString(nutrientReportUnit(nutrient))};
}

} // namespace mw::gui
