#include "calc/balance_texts.h"

#include "model/catalogue.h"

namespace mw {
namespace {

std::string_view reasonTail(BalanceReason reason)
{
    switch (reason) {
    case BalanceReason::kAboveFixedAmounts:
        return " is already above its range; adding food cannot lower it: try Change the amounts";
    case BalanceReason::kAboveAtHalfAmounts:
        return " stays above its range even at half the amounts of the day's foods";
    case BalanceReason::kAboveTradeOff:
        return " stays above its range: smaller amounts would take other goals further out of range";
    case BalanceReason::kRaisedByPlan:
        return " goes above its range with the foods that bring the other goals in";
    case BalanceReason::kBelowNoFoodsAllowed:
        return " is below its range, and the options allow no food to be added: raise Add up to";
    case BalanceReason::kBelowNoCandidate:
        return " is below its range, and none of the foods to choose from contains it";
    case BalanceReason::kBelowOutOfReach:
        return " stays below its range even with the richest foods at three servings each";
    case BalanceReason::kBelowTradeOff:
        return " stays below its range: reaching it would need more foods or take other goals further out of range";
    }
    return {};
}

} // namespace

std::string_view balanceOutcomeText(BalanceOutcome outcome)
{
    switch (outcome) {
    case BalanceOutcome::kNoGoals:
        return kBalanceNoGoalsText;
    case BalanceOutcome::kAllInRange:
        return kBalanceAllInRangeText;
    case BalanceOutcome::kNoImprovement:
        return kBalanceNoImprovementText;
    case BalanceOutcome::kPlanned:
        break;
    }
    return {};
}

std::string quarterServingsText(int quarters)
{
    static constexpr std::string_view kFractions[] = {"", "1/4", "1/2", "3/4"};
    const std::string_view fraction = kFractions[quarters % 4];
    std::string text = quarters >= 4 ? std::to_string(quarters / 4) : std::string();
    if (!fraction.empty()) {
        text += (text.empty() ? "" : " ") + std::string(fraction);
    }
    return text + (quarters <= 4 ? " serving" : " servings");
}

std::string balanceReasonText(const BalanceOutOfRange& goal)
{
    return std::string(nutrientLongName(goal.nutrient)) + std::string(reasonTail(goal.reason));
}

} // namespace mw
