#include "calc/balance_day_edit.h"

#include <utility>

namespace mw {
namespace {

class BalanceDayEdit final : public DayEdit
{
public:
    explicit BalanceDayEdit(BalancePlan plan) : m_plan(std::move(plan)) {}

    void apply(CFofDoc& day) override
    {
        const CFofDoc::ChangeBatch batch(day);
        for (const BalanceChange& change : m_plan.changes) {
            day.setAmount(change.meal, change.entry, change.after);
        }
        for (const BalanceAddition& addition : m_plan.additions) {
            day.appendEntry(addition.meal, addition.food, addition.grams);
        }
    }

    void revert(CFofDoc& day) override
    {
        const CFofDoc::ChangeBatch batch(day);
        for (auto addition = m_plan.additions.rbegin(); addition != m_plan.additions.rend(); ++addition) {
            day.removeEntry(addition->meal, day.entryCount(addition->meal) - 1);
        }
        for (const BalanceChange& change : m_plan.changes) {
            day.setAmount(change.meal, change.entry, change.before);
        }
    }

private:
    BalancePlan m_plan;
};

bool planFits(const CFofDoc& day, const BalancePlan& plan)
{
    for (const BalanceChange& change : plan.changes) {
        if (change.entry >= day.entryCount(change.meal) ||
            day.entry(change.meal, change.entry) != CFood(change.food, change.before)) {
            return false;
        }
    }
    return true;
}

} // namespace

std::unique_ptr<DayEdit> balanceDayEdit(const CFofDoc& day, const BalancePlan& plan)
{
    if (plan.empty() || !planFits(day, plan)) {
        return nullptr;
    }
    return std::make_unique<BalanceDayEdit>(plan);
}

} // namespace mw
