#pragma once

#include "format/food_attribute_database.h"
#include "model/food_operations.h"
#include "model/food_types.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mw {

// The standard foods of a group (0..29) in FoodId order; empty for any other number.
std::vector<FoodId> foodsOfGroup(int group);

// The foods of a group the user has not hidden, as the food list shows them.
std::vector<FoodId> visibleFoodsOfGroup(int group, const CFoodAttributeDatabase& attributes);

// Every food whose attribute word has the mask's bit: standard foods in FoodId order, then the
// personal ones among the first personalCount records (at most the 4000 lists can show).
std::vector<FoodId> foodsWithFlag(std::uint16_t mask, const CFoodAttributeDatabase& attributes,
                                  std::size_t personalCount);

// The personal foods lists show: the first 4000 records in file order.
std::vector<FoodId> listedPersonalFoods(std::size_t personalCount);
// The personal foods a listing of the personal database shows: those not hidden.
std::vector<FoodId> visiblePersonalFoods(std::size_t personalCount, const CFoodAttributeDatabase& attributes);

} // namespace mw
