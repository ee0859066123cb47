#include "view_generator.h"
#include "wait_cursor.h"

#include "fof_view.h"

#include <QApplication>

namespace mw::gui {
namespace {

} // namespace

void CFofViewGenerator::clearDay()
{
    m_view.clearDay();
}

void CFofViewGenerator::selectMeal(MealIndex meal)
{
    m_view.selectMeal(meal);
}

void CFofViewGenerator::addFood(FoodId food, Grams amount)
{
    m_view.addFood(food, amount);
}

const CFofDoc& CFofViewGenerator::document() const
{
    return m_view.document();
}

const DayTotals& CFofViewGenerator::totals() const
{
    return m_view.totals();
}

GeneratedMenu generateMenuInView(CFofView& view, RandomSource& random, int requested)
{
    const WaitCursor wait;
    view.focusMealBox();
    CFofViewGenerator generatorView(view);
    MenuGenerator generator(generatorView, random);
    return generator.GenerateMenu(requested);
}

} // namespace mw::gui
