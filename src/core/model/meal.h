#pragma once

#include "model/food_entry.h"
#include "model/food_types.h"
#include "model/nutrient_vector.h"

#include <array>
#include <cstddef>
#include <span>
#include <vector>

namespace mw {

class FoodOperations;

// One meal: its entries in the order the meal list shows them. The meal owns its entries.
class CMeal
{
public:
    std::size_t size() const { return m_entries.size(); }
    bool empty() const { return m_entries.empty(); }
    // Position k must be below size().
    const CFood& entry(std::size_t k) const { return m_entries.at(k); }
    std::span<const CFood> entries() const { return m_entries; }
    auto begin() const { return m_entries.begin(); }
    auto end() const { return m_entries.end(); }

    void reserve(std::size_t count) { m_entries.reserve(count); }
    void append(const CFood& entry) { m_entries.push_back(entry); }
    // Inserts copies before position k (k == size() appends); false and no change when k is past the end.
    bool insert(std::size_t k, std::span<const CFood> entries);
    // False and no change when k is not an entry.
    bool remove(std::size_t k) { return remove(k, 1); }
    // Removes count entries from k on; false and no change unless all of them are entries.
    bool remove(std::size_t k, std::size_t count);
    bool setAmount(std::size_t k, Grams amount);
    void clear() { m_entries.clear(); }

    // The sum of the entries' nutrients where only positive values count; slot 0 is the meal's weight.
    NutrientVector nutrients(const FoodOperations& foods) const;
    // Appends a copy of every entry, in order; the list owns the copies.
    void copyEntriesInto(std::vector<CFood>& list) const;

    friend bool operator==(const CMeal&, const CMeal&) = default;

private:
    std::vector<CFood> m_entries;
};

// The six meals of a day by MealIndex.
using DayMeals = std::array<CMeal, kMealCount>;

} // namespace mw
