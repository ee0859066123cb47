#include "calc/menu_generation_edit.h"

#include <utility>

namespace mw {

GeneratedDayEdit generateMenuEdit(CFofDoc& day, RandomSource& random, int requested, MealIndex shownBefore)
{
    DayMeals before = day.meals();
    GeneratedDayEdit generated;
    {
        const CFofDoc::ChangeBatch batch(day);
        MenuGenerator generator(day, random);
        generated.menu = generator.GenerateMenu(requested);
    }
    generated.edit = replaceDayEdit(std::move(before), shownBefore, day.meals(), generated.menu.shownMeal);
    return generated;
}

} // namespace mw
