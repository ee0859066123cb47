#include "model/day_edits.h"

#include <utility>

namespace mw {
namespace {

class AddEntryEdit final : public DayEdit
{
public:
    AddEntryEdit(MealIndex meal, CFood entry) : m_meal(meal), m_entry(entry) {}

    void apply(CFofDoc& day) override { day.appendEntry(m_meal, m_entry.foodId(), m_entry.amount()); }
    void revert(CFofDoc& day) override { day.removeEntry(m_meal, day.entryCount(m_meal) - 1); }

private:
    MealIndex m_meal;
    CFood m_entry;
};

class DeleteEntryEdit final : public DayEdit
{
public:
    DeleteEntryEdit(MealIndex meal, std::size_t k, CFood entry) : m_meal(meal), m_position(k), m_entry(entry) {}

    void apply(CFofDoc& day) override { day.removeEntry(m_meal, m_position); }
    void revert(CFofDoc& day) override { day.insertEntries(m_meal, m_position, std::span(&m_entry, 1)); }

private:
    MealIndex m_meal;
    std::size_t m_position;
    CFood m_entry;
};

class SetAmountEdit final : public DayEdit
{
public:
    SetAmountEdit(MealIndex meal, std::size_t k, Grams before, Grams after)
        : m_meal(meal), m_position(k), m_before(before), m_after(after)
    {
    }

    void apply(CFofDoc& day) override { day.setAmount(m_meal, m_position, m_after); }
    void revert(CFofDoc& day) override { day.setAmount(m_meal, m_position, m_before); }

private:
    MealIndex m_meal;
    std::size_t m_position;
    Grams m_before;
    Grams m_after;
};

class ClearMealEdit final : public DayEdit
{
public:
    ClearMealEdit(MealIndex meal, std::vector<CFood> entries) : m_meal(meal), m_entries(std::move(entries)) {}

    void apply(CFofDoc& day) override { day.clearMeal(m_meal); }
    void revert(CFofDoc& day) override { day.insertEntries(m_meal, 0, m_entries); }

private:
    MealIndex m_meal;
    std::vector<CFood> m_entries;
};

class InsertEntriesEdit final : public DayEdit
{
public:
    InsertEntriesEdit(MealIndex meal, std::size_t k, std::vector<CFood> entries)
        : m_meal(meal), m_position(k), m_entries(std::move(entries))
    {
    }

    void apply(CFofDoc& day) override { day.insertEntries(m_meal, m_position, m_entries); }
    void revert(CFofDoc& day) override
    {
        if (!day.removeEntries(m_meal, m_position, m_entries.size())) {
            // Nothing was inserted: the meal is as it was, but the change is still announced.
            day.insertEntries(m_meal, m_position, {});
        }
    }

private:
    MealIndex m_meal;
    std::size_t m_position;
    std::vector<CFood> m_entries;
};

class ReplaceDayEdit final : public DayEdit
{
public:
    ReplaceDayEdit(DayMeals before, MealIndex shownBefore, DayMeals after, MealIndex shownAfter)
        : m_before(std::move(before)), m_after(std::move(after)), m_shownBefore(shownBefore), m_shownAfter(shownAfter)
    {
    }

    void apply(CFofDoc& day) override { day.setMeals(m_after, m_shownAfter); }
    void revert(CFofDoc& day) override { day.setMeals(m_before, m_shownBefore); }

private:
    DayMeals m_before;
    DayMeals m_after;
    MealIndex m_shownBefore;
    MealIndex m_shownAfter;
};

bool hasEntry(const CFofDoc& day, MealIndex meal, std::size_t k)
{
    return k < day.entryCount(meal);
}

} // namespace

std::unique_ptr<DayEdit> addEntryEdit(MealIndex meal, CFood entry)
{
    return std::make_unique<AddEntryEdit>(meal, entry);
}

std::unique_ptr<DayEdit> deleteEntryEdit(const CFofDoc& day, MealIndex meal, std::size_t k)
{
    if (!hasEntry(day, meal, k)) {
        return nullptr;
    }
    return std::make_unique<DeleteEntryEdit>(meal, k, day.entry(meal, k));
}

std::unique_ptr<DayEdit> setAmountEdit(const CFofDoc& day, MealIndex meal, std::size_t k, Grams amount)
{
    if (!hasEntry(day, meal, k)) {
        return nullptr;
    }
    return std::make_unique<SetAmountEdit>(meal, k, day.entry(meal, k).amount(), amount);
}

std::unique_ptr<DayEdit> clearMealEdit(const CFofDoc& day, MealIndex meal)
{
    const std::span<const CFood> entries = day.meal(meal).entries();
    return std::make_unique<ClearMealEdit>(meal, std::vector<CFood>(entries.begin(), entries.end()));
}

std::unique_ptr<DayEdit> insertEntriesEdit(const CFofDoc& day, MealIndex meal, std::size_t k,
                                           std::vector<CFood> entries)
{
    if (k > day.entryCount(meal)) {
        return nullptr;
    }
    return std::make_unique<InsertEntriesEdit>(meal, k, std::move(entries));
}

std::unique_ptr<DayEdit> replaceDayEdit(DayMeals before, MealIndex shownBefore, DayMeals after, MealIndex shownAfter)
{
    return std::make_unique<ReplaceDayEdit>(std::move(before), shownBefore, std::move(after), shownAfter);
}

} // namespace mw
