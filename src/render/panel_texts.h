#pragma once

// String ids of the analysis panel's own texts.

#include "model/string_table.h"

namespace mw::render {

inline constexpr int kNotAvailableValueText = 20411; // a value that cannot be shown
inline constexpr int kPersonalGoalLabelText = 20412; // percent column measured against the personal preference
inline constexpr int kRdaGoalLabelText = 20413;      // percent column measured against the RDA

} // namespace mw::render
