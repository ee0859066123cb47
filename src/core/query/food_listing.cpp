#include "query/food_listing.h"

#include "model/catalogue.h"

namespace mw {

std::vector<FoodId> foodsOfGroup(int group)
{
    const FoodGroupRange range = foodGroupRange(group);
    std::vector<FoodId> ids;
    ids.reserve(static_cast<std::size_t>(range.count));
    for (int i = 0; i < range.count; ++i) {
        ids.push_back(static_cast<FoodId>(range.first + i));
    }
    return ids;
}

} // namespace mw
