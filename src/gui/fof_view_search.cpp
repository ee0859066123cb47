// The day view's search by name, sorting of the food list by a nutrient and finding of the meal entry
// lowest or highest in one.

#include "fof_view.h"
#include "fof_view_private.h"

#include "food_command_texts.h"
#include "frame_texts.h"
#include "prompts.h"
#include "qt_bridge.h"
#include "view_layout.h"

#include "model/catalogue.h"
#include "model/settings_keys.h"
#include "model/string_table.h"
#include "query/food_listing.h"
#include "query/food_search.h"

#include <QAction>
#include <QFont>
#include <QIcon>
#include <QSignalBlocker>

#include <algorithm>

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

} // namespace

void CFofView::setUpFoodCommands()
{
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    timer->setInterval(0);
    connect(timer, &QTimer::timeout, this, &CFofView::foodCommandsChanged);
    d->food.commandsChangedTimer = timer;

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
    sortButton(d->sortAscendingButton, SortDirection::kAscending,
               sortButtonIcon(":/icons/sort-ascending.svg", ":/icons/sort-ascending-active.svg"));
    sortButton(d->sortDescendingButton, SortDirection::kDescending,
               sortButtonIcon(":/icons/sort-descending.svg", ":/icons/sort-descending-active.svg"));

    d->globalSearchButton->setEnabled(true);
    d->localSearchButton->setEnabled(true);
    connect(d->globalSearchButton, &QToolButton::clicked, this, &CFofView::globalSearch);
    connect(d->localSearchButton, &QToolButton::clicked, this, &CFofView::localSearch);
    connect(d->searchEdit, &QLineEdit::returnPressed, this, &CFofView::globalSearch);

    d->foodList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(d->foodList, &QWidget::customContextMenuRequested, this, &CFofView::openFoodListContextMenu);

    // Refills add their lines with the list's own signals blocked; the model still tells.
    for (CFoodListBox* list : {d->foodList, d->mealList}) {
        connect(list, &CFoodListBox::itemSelectionChanged, this, &CFofView::scheduleFoodCommandsChanged);
        connect(list->model(), &QAbstractItemModel::rowsInserted, this, &CFofView::scheduleFoodCommandsChanged);
        connect(list->model(), &QAbstractItemModel::rowsRemoved, this, &CFofView::scheduleFoodCommandsChanged);
        connect(list->model(), &QAbstractItemModel::modelReset, this, &CFofView::scheduleFoodCommandsChanged);
    }
    connect(d->mealBox, &QComboBox::currentIndexChanged, this, &CFofView::scheduleFoodCommandsChanged);
    showSortedLook();
}

void CFofView::scheduleFoodCommandsChanged()
{
    if (d->food.commandsChangedTimer != nullptr) {
        d->food.commandsChangedTimer->start();
    }
}

// ---- State the update rules read --------------------------------------------------------------------------

std::size_t CFofView::foodLineCount() const
{
    return static_cast<std::size_t>(d->foodList->count());
}

std::size_t CFofView::mealLineCount() const
{
    return static_cast<std::size_t>(d->mealList->count());
}

std::optional<std::string> CFofView::selectedFoodItem() const
{
    const int row = d->foodList->selectedRow();
    if (row < 0) {
        return std::nullopt;
    }
    return toStdString(d->foodList->foodItemText(row));
}

bool CFofView::isSearching() const
{
    return d->food.searching;
}

std::optional<int> CFofView::sortedNutrient() const
{
    return d->sortNutrient;
}

std::optional<SortDirection> CFofView::sortedDirection() const
{
    return d->food.sortDirection;
}

std::vector<std::string> CFofView::foodListLines() const
{
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(d->foodList->count()));
    for (int row = 0; row < d->foodList->count(); ++row) {
        lines.push_back(toStdString(d->foodList->foodItemText(row)));
    }
    return lines;
}

std::vector<std::string> CFofView::mealListLines() const
{
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(d->mealList->count()));
    for (int row = 0; row < d->mealList->count(); ++row) {
        lines.push_back(toStdString(d->mealList->foodItemText(row)));
    }
    return lines;
}

void CFofView::showFoodListItems(const std::vector<std::string>& items)
{
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items) {
        texts.append(toQString(item));
    }
    setFoodListItems(texts);
}

// ---- Search by name ---------------------------------------------------------------------------------------

void CFofView::beginSearch()
{
    d->groupBox->hide();
    d->normalOrderButton->hide();
    d->reverseOrderButton->hide();
    // The layout keeps the field in the group box's place, which reaches to the middle buttons while the
    // food list is at its widest.
    d->searchEdit->show();
    d->globalSearchButton->show();
    d->localSearchButton->show();
    d->food.searching = true;
    d->searchEdit->setText(toQString(LoadString(kSearchPromptText)));
    d->searchEdit->selectAll();
    d->searchEdit->setFocus();
}

void CFofView::endSearchMode()
{
    d->searchEdit->hide();
    d->globalSearchButton->hide();
    d->localSearchButton->hide();
    d->groupBox->show();
    d->normalOrderButton->show();
    d->reverseOrderButton->show();
    d->food.searching = false;
}

void CFofView::globalSearch()
{
    const std::optional<SearchPattern> pattern = parseSearchPattern(toStdString(d->searchEdit->text()));
    if (!pattern) {
        return;
    }
    std::vector<std::string> items;
    {
        const WaitCursor wait;
        items = foodItems(mw::globalSearch(*pattern, m_app.foods(), m_app.attributes()), m_app.foods());
        showFoodListItems(items);
    }
    d->listsPersonalFoods = false;
    leaveSortedState();
    if (items.empty()) {
        Prompts::information(this, messageTitle(), toQString(LoadString(kNoEntryFoundText)));
    }
    d->searchEdit->selectAll();
    d->searchEdit->setFocus();
}

void CFofView::localSearch()
{
    if (d->foodList->count() == 0) {
        return;
    }
    const std::optional<SearchPattern> pattern = parseSearchPattern(toStdString(d->searchEdit->text()));
    if (!pattern) {
        return;
    }
    {
        const WaitCursor wait;
        const std::vector<std::string> lines = foodListLines();
        std::vector<bool> keep(lines.size(), false);
        for (const std::size_t row : localSearchMatches(*pattern, lines)) {
            keep[row] = true;
        }
        const QSignalBlocker blocker(d->foodList);
        d->foodList->setUpdatesEnabled(false);
        for (int row = d->foodList->count() - 1; row >= 0; --row) {
            if (!keep[static_cast<std::size_t>(row)]) {
                d->foodList->removeFoodItem(row);
            }
        }
        d->foodList->setUpdatesEnabled(true);
        if (d->foodList->count() > 0) {
            d->foodList->setCurrentRow(0);
        }
    }
    d->searchEdit->selectAll();
    d->searchEdit->setFocus();
}

// ---- Nutrient popups --------------------------------------------------------------------------------------

SortBasis CFofView::sortBasisInUse() const
{
    return d->chosenSortBasis.value_or(sortBasis(m_app.settings()));
}

QMenu* CFofView::newChoicePopup(const QString& objectName, const QString& title)
{
    delete d->food.choicePopup.data();
    auto* menu = new QMenu(this);
    menu->setObjectName(objectName);
    QAction* heading = menu->addAction(title);
    heading->setObjectName(QStringLiteral("popupTitle"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    d->food.choicePopup = menu;
    connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    return menu;
}

QPoint CFofView::standardListPoint(bool foodList) const
{
    const ViewLayout layout = computeViewLayout(processViewMetrics(*this), rect(), d->panel->rowCount(),
                                                static_cast<int>(d->displayed.size()));
    const QRect list = foodList ? layout.foodList : layout.mealList;
    return mapToGlobal(QPoint(list.left(), list.top() + list.height() / 2));
}

void CFofView::openSortPopup(SortDirection direction)
{
    QMenu* menu = newChoicePopup(QStringLiteral("sortPopup"), toQString(sortPopupTitle(direction)));
    // The basis lines: choosing one keeps it and opens the popup again for the nutrient.
    const SortBasis inUse = sortBasisInUse();
    for (const SortBasis basis : kSortBases) {
        QAction* line = menu->addAction(toQString(sortBasisSubtitle(basis)));
        line->setObjectName(sortBasisObjectName(basis));
        line->setCheckable(true);
        line->setChecked(basis == inUse);
        connect(line, &QAction::triggered, this, [this, basis, direction] {
            d->chosenSortBasis = basis;
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
    menu->popup(standardListPoint(true));
}

void CFofView::openFindPopup(FindMode mode)
{
    // A change between lowest and highest starts the next find at breakfast.
    d->food.finder.setMode(mode);
    QMenu* menu = newChoicePopup(QStringLiteral("findPopup"), toQString(findPopupTitle(mode)));
    for (int nutrient = kFirstRankedNutrient; nutrient <= kLastRankedNutrient; ++nutrient) {
        QAction* item = menu->addAction(toQString(nutrientLongName(nutrient)));
        item->setObjectName(QStringLiteral("findNutrient%1").arg(nutrient));
        item->setData(nutrient);
        connect(item, &QAction::triggered, this, [this, nutrient] { findInMeals(nutrient); });
    }
    menu->popup(standardListPoint(false));
}

// ---- Sorting ----------------------------------------------------------------------------------------------

void CFofView::sortFoodList(int nutrient, SortDirection direction)
{
    if (!isRankedNutrient(nutrient)) {
        return;
    }
    const std::vector<std::string> lines = foodListLines();
    const SortBasis basis = sortBasisInUse();
    ItemSortResult sorted;
    {
        const WaitCursor wait;
        sorted = sortItemsByNutrient(lines, nutrient, direction, m_app.foods(), basis);
        if (sorted.outcome == SortOutcome::kSorted) {
            showFoodListItems(sorted.items);
        }
    }
    switch (sorted.outcome) {
    case SortOutcome::kTooFewItems:
        return;
    case SortOutcome::kOutOfMemory:
        Prompts::information(this, messageTitle(), toQString(notEnoughMemoryToSortText(lines.size())));
        return;
    case SortOutcome::kSorted:
        break;
    }
    d->sortNutrient = nutrient;
    d->sortedBasis = basis;
    d->food.sortDirection = direction;
    showSortedLook();
    d->amountOkButton->setFocus();
}

void CFofView::leaveSortedState()
{
    d->sortNutrient.reset();
    d->food.sortDirection.reset();
    showSortedLook();
}

void CFofView::showSortedLook()
{
    const std::optional<SortDirection> sorted = d->food.sortDirection;
    d->sortAscendingButton->setChecked(sorted == SortDirection::kAscending);
    d->sortDescendingButton->setChecked(sorted == SortDirection::kDescending);
}

// ---- Finding ----------------------------------------------------------------------------------------------

void CFofView::findInMeals(int nutrient)
{
    if (!isRankedNutrient(nutrient)) {
        return;
    }
    const std::optional<MealEntryPosition> found = d->food.finder.find(m_document, nutrient);
    if (!found) {
        Prompts::information(this, messageTitle(), toQString(kNoFoodInFileMessage));
        return;
    }
    {
        const QSignalBlocker blocker(d->mealBox);
        d->mealBox->setCurrentIndex(static_cast<int>(found->meal));
    }
    d->mealList->setUpdatesEnabled(false);
    showMeal();
    d->mealList->setUpdatesEnabled(true);
    scheduleFoodCommandsChanged();
    const int row = static_cast<int>(found->entry);
    d->mealList->setCurrentRow(row);
    d->mealList->scrollToRow(row);
    d->amountEdit->selectAll();
    d->amountEdit->setFocus();
}

QStringList nutrientInfoTexts(int nutrient, std::optional<float> value, SortBasis basis)
{
    if (!value) {
        return {toQString(nutrientLongName(nutrient)) + u':', QStringLiteral("no calories")};
    }
    QStringList lines = nutrientInfoTexts(nutrient, *value);
    lines.last() += toQString(sortBasisUnitSuffix(basis));
    return lines;
}

} // namespace mw::gui
