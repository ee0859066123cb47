#pragma once

// Texts of the analysis panel that the string table does not hold yet; each falls back to the text given here
// while the table lacks its id.

#include "model/string_table.h"

#include <string_view>

namespace mw::gui {

inline constexpr int kNotAvailableValueText = 20411; // a value that cannot be shown
inline constexpr int kPersonalGoalLabelText = 20412; // percent column measured against the personal preference
inline constexpr int kRdaGoalLabelText = 20413;      // percent column measured against the RDA

inline std::string_view panelText(int id)
{
    const std::string_view text = LoadString(id);
    if (!text.empty()) {
        return text;
    }
    switch (id) {
    case kNotAvailableValueText:
        return "NA ";
    case kPersonalGoalLabelText:
        return "Personal";
    case kRdaGoalLabelText:
        return "RDA";
    default:
        return {};
    }
}

} // namespace mw::gui
