#include "model/meal.h"

#include <iterator>

namespace mw {

bool CMeal::insert(std::size_t k, std::span<const CFood> entries)
{
    if (k > m_entries.size()) {
        return false;
    }
    // The entries may come from this very meal, so copy them before the vector moves.
    const std::vector<CFood> copies(entries.begin(), entries.end());
    m_entries.insert(m_entries.begin() + static_cast<std::ptrdiff_t>(k), copies.begin(), copies.end());
    return true;
}

bool CMeal::remove(std::size_t k, std::size_t count)
{
    if (count == 0 || k >= m_entries.size() || count > m_entries.size() - k) {
        return false;
    }
    const auto first = m_entries.begin() + static_cast<std::ptrdiff_t>(k);
    m_entries.erase(first, first + static_cast<std::ptrdiff_t>(count));
    return true;
}

bool CMeal::setAmount(std::size_t k, Grams amount)
{
    if (k >= m_entries.size()) {
        return false;
    }
    m_entries[k].setAmount(amount);
    return true;
}

NutrientVector CMeal::nutrients(const FoodOperations& foods) const
{
    NutrientVector total;
    for (const CFood& entry : m_entries) {
        total.add(entry.nutrients(foods));
    }
    return total;
}

void CMeal::copyEntriesInto(std::vector<CFood>& list) const
{
    list.insert(list.end(), m_entries.begin(), m_entries.end());
}

} // namespace mw
