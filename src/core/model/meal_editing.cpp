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

Grams typedAmount(std::string_view text)
{
    long long grams = 0;
    for (const char c : text.substr(0, kAmountTextLimit)) {
        if (c < '0' || c > '9') {
            break;
        }
        grams = grams * 10 + (c - '0');
    }
    return acceptedAmount(grams);
}

} // namespace mw
