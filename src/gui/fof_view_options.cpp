// The day view's display options (group order, food list width), the whole-day operations the menu
// generator works through, and the food pyramid figure.

#include "day_edit_command.h"
#include "fof_view.h"
#include "fof_view_private.h"
#include "qt_bridge.h"
#include "view_layout.h"
#include "view_texts.h"
#include "wait_cursor.h"

#include "calc/menu_generation_edit.h"
#include "calc/menu_generator.h"
#include "calc/pyramid_figure.h"
#include "model/catalogue.h"
#include "model/day_edits.h"

#include <QSignalBlocker>

namespace mw::gui {
namespace {

// The standard rectangle widened to the right edge of another.
QRect extendedTo(const QRect& standard, int left, int right)
{
    return QRect(QPoint(left, standard.top()), QPoint(right - 1, standard.bottom()));
}

} // namespace

void CFofView::connectViewOptions()
{
    for (QToolButton* button : {d->normalOrderButton, d->reverseOrderButton}) {
        button->setEnabled(true);
        button->setCheckable(true);
    }
    d->normalOrderButton->setChecked(!m_app.reversedGroupOrder());
    d->reverseOrderButton->setChecked(m_app.reversedGroupOrder());
    // Each button does nothing while its order is in force.
    connect(d->normalOrderButton, &QToolButton::clicked, this, [this] {
        m_app.setReversedGroupOrder(false);
        applyGroupOrder();
    });
    connect(d->reverseOrderButton, &QToolButton::clicked, this, [this] {
        m_app.setReversedGroupOrder(true);
        applyGroupOrder();
    });
    connect(&m_app, &AppContext::groupOrderChangedSignal, this, [this] {
        fillGroupBox();
        fillFoodListFromGroup();
    });
}

// ---- Food-group order -------------------------------------------------------------------------------------

void CFofView::fillGroupBox()
{
    const bool reversed = m_app.reversedGroupOrder();
    applyGroupOrder();
    d->groupBox->setUpdatesEnabled(false);
    {
        const QSignalBlocker blocker(d->groupBox);
        d->groupBox->clear();
        for (int position = 0; position < kFoodGroupCount; ++position) {
            const int group = reversed ? kFoodGroupCount - 1 - position : position;
            d->groupBox->addItem(toQString(foodGroupTitle(group)), group);
        }
        d->groupBox->setCurrentIndex(0);
    }
    d->groupBox->setUpdatesEnabled(true);
}

void CFofView::applyGroupOrder()
{
    // The pressed button shows the order in force; a click on it cannot release it.
    d->normalOrderButton->setChecked(!m_app.reversedGroupOrder());
    d->reverseOrderButton->setChecked(m_app.reversedGroupOrder());
}

int CFofView::selectedFoodGroup() const
{
    const QVariant group = d->groupBox->currentData();
    return group.isValid() ? group.toInt() : -1;
}

// ---- Food list width --------------------------------------------------------------------------------------

FoodListWidth CFofView::foodListWidth() const
{
    return d->listWidth;
}

void CFofView::setFoodListWidth(FoodListWidth width)
{
    if (width == d->listWidth) {
        return;
    }
    d->listWidth = width;
    const bool normal = width == FoodListWidth::kNormal;
    const bool widest = width == FoodListWidth::kWidest;
    d->eatButton->setVisible(normal);
    d->sortAscendingButton->setVisible(normal);
    d->sortDescendingButton->setVisible(normal);
    d->deleteButton->setVisible(!widest);
    d->amountEdit->setVisible(!widest);
    d->amountOkButton->setVisible(!widest);
    // Back from a search to the groups, as every width shows them.
    endSearchMode();
    applyLayout();
    fillFoodListFromGroup();
    if (widest) {
        d->mealBox->setFocus();
    } else {
        d->deleteButton->setFocus();
    }
}

void CFofView::placeControlsForListWidth(const ViewLayout& layout)
{
    const int listRight = layout.rightButtons + layout.buttonWidth;
    switch (d->listWidth) {
    case FoodListWidth::kNormal:
        break;
    case FoodListWidth::kWider:
        d->foodList->setGeometry(extendedTo(layout.foodList, layout.foodList.left(), listRight));
        break;
    case FoodListWidth::kWidest:
        d->foodList->setGeometry(extendedTo(layout.foodList, layout.middleButtons, listRight));
        d->groupBox->setGeometry(extendedTo(layout.groupBox, layout.middleButtons, render::rightEdge(layout.groupBox)));
        d->searchEdit->setGeometry(
            extendedTo(layout.searchEdit, layout.middleButtons, render::rightEdge(layout.searchEdit)));
        break;
    }
}

// ---- The whole day ----------------------------------------------------------------------------------------

void CFofView::clearDay()
{
    const auto shown = static_cast<MealIndex>(d->currentMeal);
    pushDayEdit(m_history, m_document, replaceDayEdit(m_document.meals(), shown, DayMeals{}, shown),
                toQString(texts::kClearDayStep));
}

GeneratedMenu CFofView::generateMenu(RandomSource& random, int requested)
{
    const WaitCursor wait;
    focusMealBox();
    GeneratedDayEdit generated =
        generateMenuEdit(m_document, random, requested, static_cast<MealIndex>(d->currentMeal));
    pushDayEdit(m_history, m_document, std::move(generated.edit),
                toQString(texts::kGenerateStep).arg(generated.menu.target), DayEditCommand::Applied::kYes);
    selectMeal(generated.menu.shownMeal);
    return generated.menu;
}

void CFofView::selectMeal(MealIndex meal)
{
    if (d->mealBox->currentIndex() == meal) {
        showMeal();
    } else {
        // The box's change handling makes the meal current and shows it.
        d->mealBox->setCurrentIndex(meal);
    }
}

void CFofView::focusMealBox()
{
    d->mealBox->setFocus();
}

// ---- Food pyramid -----------------------------------------------------------------------------------------

bool CFofView::pyramidFits() const
{
    const render::AnalysisPanelState& panel = d->panel->state();
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
    d->panel->showPyramid(
        pyramidFigure(DayServings(m_document), m_document.dayNutrients()[kTotalFat], d->panel->pyramidCells()));
    return true;
}

} // namespace mw::gui
