#include "model/meal_editing.h"

#include <algorithm>

namespace mw {

Grams amountForNewEntry(const FoodOperations& foods, FoodId id, Grams requested)
{
    if (requested != 0) {
        return requested;
    }
    const float weight = foods.entryNutrients(id, 0)[kWeight];
    return static_cast<Grams>(std::clamp(weight, 0.0f, 65535.0f));
}

Grams acceptedAmount(long long grams)
{
    return grams <= 0 || grams > kMaxEntryAmount ? kFallbackAmount : static_cast<Grams>(grams);
}

} // namespace mw
