#pragma once

// The sentences Balance the Day shows in both programs: what it found when there is nothing to plan, and
// why a goal stays out of range.

#include "calc/balance_day.h"

#include <string>
#include <string_view>

namespace mw {

inline constexpr std::string_view kBalanceNoGoalsText =
    "Set your intake ranges first: Options > Set Nutrient Intake Preference ...";
inline constexpr std::string_view kBalanceAllInRangeText = "Every goal is in range already";
inline constexpr std::string_view kBalanceNoImprovementText = "No plan improves the day with these options";

// The message of an outcome without a plan; empty for a plan.
std::string_view balanceOutcomeText(BalanceOutcome outcome);

// "1/2 serving", "1 serving", "2 3/4 servings".
std::string quarterServingsText(int quarters);

// "Sodium is already above its range; adding food cannot lower it: try Change the amounts".
std::string balanceReasonText(const BalanceOutOfRange& goal);

} // namespace mw
