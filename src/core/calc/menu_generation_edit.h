#pragma once

#include "calc/linear_congruential_random.h"
#include "calc/menu_generator.h"
#include "model/day_edits.h"

#include <memory>

namespace mw {

// A generated menu: the generator composes into the day at once (one announced change), and the edit it
// returns, already applied, puts the day back as it was with shownBefore shown.
struct GeneratedDayEdit
{
    GeneratedMenu menu;
    std::unique_ptr<DayEdit> edit;
};
GeneratedDayEdit generateMenuEdit(CFofDoc& day, RandomSource& random, int requested, MealIndex shownBefore);

} // namespace mw
