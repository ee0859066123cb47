#include "query/food_listing.h"

#include "model/catalogue.h"

#include <algorithm>

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

std::vector<FoodId> visibleFoodsOfGroup(int group, const CFoodAttributeDatabase& attributes)
{
    std::vector<FoodId> ids = foodsOfGroup(group);
    std::erase_if(ids, [&](FoodId id) { return attributes.test(id, CFoodAttributeDatabase::kHidden) != 0; });
    return ids;
}

std::vector<FoodId> visiblePersonalFoods(std::size_t personalCount, const CFoodAttributeDatabase& attributes)
{
    std::vector<FoodId> ids = listedPersonalFoods(personalCount);
    std::erase_if(ids, [&](FoodId id) { return attributes.test(id, CFoodAttributeDatabase::kHidden) != 0; });
    return ids;
}

std::vector<FoodId> listedPersonalFoods(std::size_t personalCount)
{
    const std::size_t listed = std::min(personalCount, static_cast<std::size_t>(kMaxPersonalFoods));
    std::vector<FoodId> ids;
    ids.reserve(listed);
    for (std::size_t i = 0; i < listed; ++i) {
        ids.push_back(static_cast<FoodId>(kFirstPersonalFoodId + i));
    }
    return ids;
}

std::vector<FoodId> foodsWithFlag(std::uint16_t mask, const CFoodAttributeDatabase& attributes,
                                  std::size_t personalCount)
{
    std::vector<FoodId> ids;
    for (FoodId id = 0; id < kStandardFoodCount; ++id) {
        if (attributes.test(id, mask) != 0) {
            ids.push_back(id);
        }
    }
    for (const FoodId id : listedPersonalFoods(personalCount)) {
        if (attributes.test(id, mask) != 0) {
            ids.push_back(id);
        }
    }
    return ids;
}

} // namespace mw
