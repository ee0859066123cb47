#include "food_list_controller.h"

#include "app_context.h"
#include "food_command_texts.h"
#include "food_list_box.h"
#include "food_list_caption.h"
#include "frame_texts.h"
#include "prompts.h"
#include "qt_bridge.h"
#include "wait_cursor.h"

#include "format/nutrient_value_text.h"
#include "model/catalogue.h"
#include "model/string_table.h"
#include "query/food_listing.h"
#include "query/food_search.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>

#include <set>

namespace mw::gui {
namespace {

QString messageTitle()
{
    return toQString(texts::kMainFrameTitle);
}

// The first keeps the name the single basis line always had.
QString sortBasisObjectName(SortBasis basis)
{
    switch (basis) {
    case SortBasis::kPer100kcal:
        return QStringLiteral("popupSubtitle100kcal");
    case SortBasis::kPerServing:
        return QStringLiteral("popupSubtitleServing");
    case SortBasis::kPer100g:
        break;
    }
    return QStringLiteral("popupSubtitle");
}

// The picture of the sort in force shows while the button is checked.
QIcon sortButtonIcon(const char* normalImage, const char* sortedImage)
{
    QIcon icon;
    icon.addFile(QString::fromLatin1(normalImage), QSize(), QIcon::Normal, QIcon::Off);
    icon.addFile(QString::fromLatin1(sortedImage), QSize(), QIcon::Normal, QIcon::On);
    return icon;
}

void setFlag(CFoodAttributeDatabase& attributes, std::span<const FoodId> foods, std::uint16_t mask)
{
    for (const FoodId food : foods) {
        attributes.set(food, mask);
    }
}

} // namespace

QMenu* newChoicePopup(QWidget* parent, QPointer<QMenu>& slot, const QString& objectName, const QString& title)
{
    delete slot.data();
    auto* menu = new QMenu(parent);
    menu->setObjectName(objectName);
    QAction* heading = menu->addAction(title);
    heading->setObjectName(QStringLiteral("popupTitle"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    slot = menu;
    QObject::connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    return menu;
}

FoodListController::FoodListController(AppContext& app, QWidget* view, const DayViewControls& controls,
                                       std::function<QPoint()> popupPoint)
    : QObject(view), m_app(app), m_view(view), m_controls(controls), m_popupPoint(std::move(popupPoint)),
      m_caption(new FoodListCaption(controls, this))
{
    connectControls();
    fillGroupBox();
}

void FoodListController::connectControls()
{
    const DayViewControls& c = m_controls;
    const auto sortButton = [this](QToolButton* button, SortDirection direction, QIcon icon) {
        button->setIcon(icon);
        button->setCheckable(true);
        button->setEnabled(true);
        connect(button, &QToolButton::clicked, this, [this, direction] {
            // The click toggled the button; only a completed sort gives it the sorted look.
            showSortedLook();
            openSortPopup(direction);
        });
    };
    sortButton(c.sortAscendingButton, SortDirection::kAscending,
               sortButtonIcon(":/icons/sort-ascending.svg", ":/icons/sort-ascending-active.svg"));
    sortButton(c.sortDescendingButton, SortDirection::kDescending,
               sortButtonIcon(":/icons/sort-descending.svg", ":/icons/sort-descending-active.svg"));
    showSortedLook();

    c.globalSearchButton->setEnabled(true);
    c.localSearchButton->setEnabled(true);
    connect(c.globalSearchButton, &QToolButton::clicked, this, &FoodListController::globalSearch);
    connect(c.localSearchButton, &QToolButton::clicked, this, &FoodListController::localSearch);
    connect(c.searchEdit, &QLineEdit::returnPressed, this, &FoodListController::globalSearch);

    c.foodList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(c.foodList, &QWidget::customContextMenuRequested, this, &FoodListController::openContextMenu);
    connect(c.groupBox, &QComboBox::currentIndexChanged, this, &FoodListController::fillFoodListFromGroup);

    // The nutrient popup of a sorted list waits for a double click to pass, which it would otherwise swallow.
    m_nutrientPopupTimer = new QTimer(this);
    m_nutrientPopupTimer->setSingleShot(true);
    m_nutrientPopupTimer->setInterval(QApplication::doubleClickInterval());
    connect(m_nutrientPopupTimer, &QTimer::timeout, this, &FoodListController::showSortedNutrientPopup);
    connect(c.foodList, &CFoodListBox::itemSelectionChanged, this, [this] {
        if (m_sortNutrient) {
            m_nutrientPopupTimer->start();
        }
    });
    connect(c.foodList, &QAbstractItemView::doubleClicked, m_nutrientPopupTimer, &QTimer::stop);

    for (QToolButton* button : {c.normalOrderButton, c.reverseOrderButton}) {
        button->setEnabled(true);
        button->setCheckable(true);
    }
    // Each button does nothing while its order is in force.
    connect(c.normalOrderButton, &QToolButton::clicked, this, [this] { setGroupOrder(false); });
    connect(c.reverseOrderButton, &QToolButton::clicked, this, [this] { setGroupOrder(true); });
    connect(&m_app, &AppContext::groupOrderChangedSignal, this, [this] {
        fillGroupBox();
        fillFoodListFromGroup();
    });
    connect(&m_app, &AppContext::personalFoodAddedSignal, this, [this] {
        if (m_caption->listing() == FoodListCaption::Listing::kPersonalFoods) {
            listPersonalFoods();
        }
    });
    connect(&m_app, &AppContext::personalFoodChangedSignal, this,
            [this] { m_controls.foodList->renameFoods(m_app.foods()); });
}

// ---- What the rules read ----------------------------------------------------------------------------------

FoodListsState FoodListController::listsState() const
{
    const CFoodListBox* list = m_controls.foodList;
    const QList<int> rows = list->selectedRows();
    const auto named = std::count_if(rows.begin(), rows.end(), [list](int row) { return list->foodAt(row); });
    return {static_cast<std::size_t>(list->count()), rows.isEmpty() ? std::nullopt : list->foodAt(rows.first()),
            static_cast<std::size_t>(m_controls.mealList->count()), static_cast<std::size_t>(named)};
}

SortBasis FoodListController::sortBasisInUse() const
{
    return m_chosenSortBasis.value_or(sortBasis(m_app.settings()));
}

int FoodListController::selectedFoodGroup() const
{
    const QVariant group = m_controls.groupBox->currentData();
    return group.isValid() ? group.toInt() : -1;
}

// ---- Filling the list -------------------------------------------------------------------------------------

void FoodListController::showFoods(std::span<const FoodId> foods)
{
    CFoodListBox* list = m_controls.foodList;
    const QSignalBlocker blocker(list);
    list->setFoods(foods, m_app.foods());
    if (list->count() > 0) {
        list->setCurrentRow(0);
    }
}

void FoodListController::fillFoodListFromGroup()
{
    const int group = selectedFoodGroup();
    if (group < 0) {
        return;
    }
    {
        const WaitCursor wait;
        showFoods(visibleFoodsOfGroup(group, m_app.attributes()));
    }
    m_caption->showGroup();
    leaveSortedState();
}

void FoodListController::listPersonalFoods()
{
    showFoods(visiblePersonalFoods(m_app.foods().personalCount(), m_app.attributes()));
    m_caption->showPersonalFoods();
    m_controls.eatButton->setFocus();
    leaveSortedState();
}

void FoodListController::showFoodGroups()
{
    endSearchMode();
    // Back to the group last listed when another listing left the box without one.
    if (m_controls.groupBox->currentIndex() < 0) {
        const QSignalBlocker blocker(m_controls.groupBox);
        m_controls.groupBox->setCurrentIndex(m_caption->lastGroupIndex());
    }
    fillFoodListFromGroup();
}

// ---- Food-group order -------------------------------------------------------------------------------------

void FoodListController::fillGroupBox()
{
    const bool reversed = m_app.reversedGroupOrder();
    showGroupOrder();
    QComboBox* box = m_controls.groupBox;
    box->setUpdatesEnabled(false);
    {
        const QSignalBlocker blocker(box);
        box->clear();
        for (int position = 0; position < kFoodGroupCount; ++position) {
            const int group = reversed ? kFoodGroupCount - 1 - position : position;
            box->addItem(toQString(foodGroupTitle(group)), group);
        }
        box->setCurrentIndex(0);
    }
    box->setUpdatesEnabled(true);
}

void FoodListController::showGroupOrder()
{
    // The pressed button shows the order in force; a click on it cannot release it.
    m_controls.normalOrderButton->setChecked(!m_app.reversedGroupOrder());
    m_controls.reverseOrderButton->setChecked(m_app.reversedGroupOrder());
}

void FoodListController::setGroupOrder(bool reversed)
{
    m_app.setReversedGroupOrder(reversed);
    showGroupOrder();
}

// ---- Search by name ---------------------------------------------------------------------------------------

void FoodListController::beginSearch()
{
    const DayViewControls& c = m_controls;
    c.groupBox->hide();
    c.normalOrderButton->hide();
    c.reverseOrderButton->hide();
    // The layout keeps the field in the group box's place, which reaches to the middle buttons while the
    // food list is at its widest.
    c.searchEdit->show();
    c.globalSearchButton->show();
    c.localSearchButton->show();
    c.searchEdit->setText(toQString(LoadString(kSearchPromptText)));
    c.searchEdit->selectAll();
    c.searchEdit->setFocus();
}

void FoodListController::endSearchMode()
{
    const DayViewControls& c = m_controls;
    c.searchEdit->hide();
    c.globalSearchButton->hide();
    c.localSearchButton->hide();
    c.groupBox->show();
    c.normalOrderButton->show();
    c.reverseOrderButton->show();
}

void FoodListController::globalSearch()
{
    const std::optional<SearchPattern> pattern = parseSearchPattern(toStdString(m_controls.searchEdit->text()));
    if (!pattern) {
        return;
    }
    std::vector<FoodId> found;
    {
        const WaitCursor wait;
        found = mw::globalSearch(*pattern, m_app.foods(), m_app.attributes());
        showFoods(found);
    }
    m_caption->showSearch(m_controls.searchEdit->text());
    leaveSortedState();
    if (found.empty()) {
        Prompts::information(m_view, messageTitle(), toQString(LoadString(kNoEntryFoundText)));
    }
    m_controls.searchEdit->selectAll();
    m_controls.searchEdit->setFocus();
}

void FoodListController::localSearch()
{
    if (m_controls.foodList->count() == 0) {
        return;
    }
    const std::optional<SearchPattern> pattern = parseSearchPattern(toStdString(m_controls.searchEdit->text()));
    if (!pattern) {
        return;
    }
    {
        const WaitCursor wait;
        // A local search only takes lines out: a sorted list stays sorted.
        showFoods(mw::localSearch(*pattern, m_controls.foodList->foods(), m_app.foods()));
    }
    m_caption->showNarrowedBySearch(m_controls.searchEdit->text());
    m_controls.searchEdit->selectAll();
    m_controls.searchEdit->setFocus();
}

// ---- Sorting and filters ----------------------------------------------------------------------------------

void FoodListController::openSortPopup(SortDirection direction)
{
    QMenu* menu = newChoicePopup(m_view, m_popup, QStringLiteral("sortPopup"), toQString(sortPopupTitle(direction)));
    // The basis lines: choosing one keeps it and opens the popup again for the nutrient.
    const SortBasis inUse = sortBasisInUse();
    for (const SortBasis basis : kSortBases) {
        QAction* line = menu->addAction(toQString(sortBasisSubtitle(basis)));
        line->setObjectName(sortBasisObjectName(basis));
        line->setCheckable(true);
        line->setChecked(basis == inUse);
        connect(line, &QAction::triggered, this, [this, basis, direction] {
            m_chosenSortBasis = basis;
            // Should the profile not keep it, the choice still holds for this run.
            static_cast<void>(storeSortBasis(m_app.settings(), basis));
            QTimer::singleShot(0, this, [this, direction] { openSortPopup(direction); });
        });
    }
    for (int nutrient = kFirstRankedNutrient; nutrient <= kLastRankedNutrient; ++nutrient) {
        QAction* item = menu->addAction(toQString(nutrientLongName(nutrient)));
        item->setObjectName(QStringLiteral("sortNutrient%1").arg(nutrient));
        item->setData(nutrient);
        connect(item, &QAction::triggered, this, [this, nutrient, direction] { sortFoodList(nutrient, direction); });
    }
    menu->popup(m_popupPoint());
}

void FoodListController::sortFoodList(int nutrient, SortDirection direction)
{
    if (!isRankedNutrient(nutrient)) {
        return;
    }
    const std::vector<FoodId> foods = m_controls.foodList->foods();
    const SortBasis basis = sortBasisInUse();
    FoodSortResult sorted;
    {
        const WaitCursor wait;
        sorted = mw::sortFoodList(foods, nutrient, direction, m_app.foods(), basis);
        if (sorted.outcome == SortOutcome::kSorted) {
            showFoods(sorted.foods);
        }
    }
    switch (sorted.outcome) {
    case SortOutcome::kTooFewItems:
        return;
    case SortOutcome::kOutOfMemory:
        Prompts::information(m_view, messageTitle(), toQString(notEnoughMemoryToSortText(foods.size())));
        return;
    case SortOutcome::kSorted:
        break;
    }
    m_sortNutrient = nutrient;
    m_sortedBasis = basis;
    m_sortDirection = direction;
    showSortedLook();
    m_controls.amountOkButton->setFocus();
}

void FoodListController::leaveSortedState()
{
    m_sortNutrient.reset();
    m_sortDirection.reset();
    showSortedLook();
}

void FoodListController::showSortedLook()
{
    m_controls.sortAscendingButton->setChecked(m_sortDirection == SortDirection::kAscending);
    m_controls.sortDescendingButton->setChecked(m_sortDirection == SortDirection::kDescending);
}

void FoodListController::showSortedNutrientPopup()
{
    CFoodListBox* list = m_controls.foodList;
    const int row = list->selectedRow();
    const std::optional<FoodId> food = list->foodAt(row);
    if (!m_sortNutrient || !food) {
        return;
    }
    const QStringList lines = nutrientInfoTexts(
        *m_sortNutrient, nutrientOnBasis(m_app.foods(), *food, *m_sortNutrient, m_sortedBasis), m_sortedBasis);
    delete m_popup.data();
    auto* menu = new QMenu(m_view);
    menu->setObjectName(QStringLiteral("nutrientInfoMenu"));
    for (const QString& line : lines) {
        menu->addAction(line);
    }
    m_popup = menu;
    connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    // Beside the row it describes, below the row's text.
    const QRect item = list->visualRowRect(row);
    menu->popup(list->viewport()->mapToGlobal(QPoint(item.left() + item.width() / 3, item.bottom() + 1)));
}

void FoodListController::filterFoodList(FoodFilter filter)
{
    // A filter only takes lines out: a sorted list stays sorted.
    {
        const WaitCursor wait;
        showFoods(applyFoodFilter(filter, m_controls.foodList->foods(), m_app.foods()));
    }
    m_caption->showNarrowed(toQString(texts::kFilterCaptions.at(static_cast<std::size_t>(filter))));
}

void FoodListController::openContextMenu(const QPoint& pos)
{
    auto* menu = new QMenu(m_view);
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

    menu->popup(m_controls.foodList->viewport()->mapToGlobal(pos));
}

// ---- Hidden foods and food lists --------------------------------------------------------------------------

void FoodListController::noteFoodFlagsChanged()
{
    // Saved at once, so that the flags survive a crash; every open day repaints its lists.
    if (const std::error_code error = m_app.foodFlagsChanged()) {
        const QString file = QDir::toNativeSeparators(fromPath(m_app.attributes().filePath()));
        Prompts::warning(m_view, messageTitle(),
                         toQString(texts::kFoodFlagsNotSaved).arg(file, toQString(error.message())));
    }
    emit listsChanged();
}

bool FoodListController::confirmHiding(std::size_t count)
{
    return count <= 1 || Prompts::question(m_view, messageTitle(), QString(texts::kHideTheseFoods).arg(count),
                                           QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void FoodListController::takeSelectedFoods(bool hide)
{
    CFoodListBox* list = m_controls.foodList;
    QList<int> rows = list->selectedRows();
    rows.removeIf([list](int row) { return !list->foodAt(row); });
    if (rows.isEmpty() || (hide && !confirmHiding(static_cast<std::size_t>(rows.size())))) {
        return;
    }
    {
        const QSignalBlocker blocker(list);
        // From the last, so that the rows still to come keep their numbers.
        for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
            const FoodId food = *list->foodAt(*row);
            if (hide) {
                m_app.attributes().set(food, CFoodAttributeDatabase::kHidden);
            } else {
                m_app.attributes().clear(food, CFoodAttributeDatabase::kHidden);
            }
            list->removeFoodRow(*row);
        }
        list->clearSelection();
    }
    m_controls.eatButton->setFocus();
    noteFoodFlagsChanged();
}

void FoodListController::hideSelectedFood()
{
    takeSelectedFoods(true);
}

void FoodListController::unhideSelectedFood()
{
    takeSelectedFoods(false);
}

void FoodListController::hideFoodListFoods()
{
    const std::vector<FoodId> foods = m_controls.foodList->foods();
    if (m_controls.foodList->count() == 0 || !confirmHiding(foods.size())) {
        return;
    }
    setFlag(m_app.attributes(), foods, CFoodAttributeDatabase::kHidden);
    showFoods({});
    leaveSortedState();
    m_controls.eatButton->setFocus();
    noteFoodFlagsChanged();
}

void FoodListController::hideMealFoods()
{
    // The meal keeps its entries; the foods are gone from the food list the next time it is filled.
    const std::vector<FoodId> foods = m_controls.mealList->foods();
    if (!confirmHiding(std::set<FoodId>(foods.begin(), foods.end()).size())) {
        return;
    }
    setFlag(m_app.attributes(), foods, CFoodAttributeDatabase::kHidden);
    noteFoodFlagsChanged();
}

void FoodListController::showHiddenFoods()
{
    {
        const WaitCursor wait;
        showFoods(foodsWithFlag(CFoodAttributeDatabase::kHidden, m_app.attributes(), m_app.foods().personalCount()));
    }
    m_caption->showHiddenFoods();
    leaveSortedState();
    m_controls.eatButton->setFocus();
}

void FoodListController::runFoodListCommand(const FoodListCommand& command)
{
    if (command.list < 1 || command.list > CFoodAttributeDatabase::kListCount) {
        return;
    }
    CFoodAttributeDatabase& attributes = m_app.attributes();
    const std::uint16_t mask = CFoodAttributeDatabase::listMask(command.list);
    const std::optional<FoodId> selected = listsState().selectedFood;
    switch (command.operation) {
    case FoodListOperation::kAddSelected:
        if (selected) {
            attributes.set(*selected, mask);
        }
        break;
    case FoodListOperation::kRemove:
        if (selected) {
            attributes.clear(*selected, mask);
        }
        break;
    case FoodListOperation::kAddAll:
        setFlag(attributes, m_controls.foodList->foods(), mask);
        break;
    case FoodListOperation::kAddMealFoods:
        setFlag(attributes, m_controls.mealList->foods(), mask);
        break;
    case FoodListOperation::kShow: {
        {
            const WaitCursor wait;
            showFoods(foodsWithFlag(mask, attributes, m_app.foods().personalCount()));
        }
        m_caption->showFoodList(command.list, foodListDisplayName(m_app.settings(), command.list));
        leaveSortedState();
        m_controls.eatButton->setFocus();
        return;
    }
    }
    // The lists mark each food's lists, so both repaint even when nothing changed.
    noteFoodFlagsChanged();
}

QStringList nutrientInfoTexts(int nutrient, std::optional<float> value, SortBasis basis)
{
    if (!value) {
        return {toQString(nutrientLongName(nutrient)) + u':', QCoreApplication::translate("Mealwright", "no calories")};
    }
    return {toQString(nutrientLongName(nutrient)) + u':', toQString(FormatNutrientValue(*value, 0, 0)) + u' ' +
                                                              toQString(nutrientReportUnit(nutrient)) +
                                                              toQString(sortBasisUnitSuffix(basis))};
}

} // namespace mw::gui
