#pragma once

#include "calc/balance_model.h"
#include "model/day_edits.h"

#include <memory>

namespace mw {

// The plan carried out as one undoable edit, announced as one change of the whole day: the changed amounts,
// then the added foods at the end of their meals. None when the day no longer holds the entries and amounts
// the plan was made for, or the plan is empty.
std::unique_ptr<DayEdit> balanceDayEdit(const CFofDoc& day, const BalancePlan& plan);

} // namespace mw
