#pragma once

// What several benchmarks share: a data folder with a full personal food database, opened read-only.
#include "format/food_attribute_database.h"
#include "format/personal_food_database.h"
#include "model/food_operations.h"
#include "model/food_types.h"

#include <filesystem>
#include <vector>

namespace mw::bench {

// A folder under the temporary directory holding userfood.txt with 4000 foods (names in several scripts,
// random values), written once per process.
const std::filesystem::path& fullPersonalFoodFolder();

// The 643 standard foods, 4000 personal foods and their operations; two foods hidden.
struct FullDatabase
{
    FullDatabase();
    FullDatabase(const FullDatabase&) = delete;
    FullDatabase& operator=(const FullDatabase&) = delete;

    PersonalFoodDatabase database;
    FoodOperations foods;
    CFoodAttributeDatabase attributes;
};

// Every standard food, then every personal food.
std::vector<FoodId> everyFood(const FullDatabase& full);

} // namespace mw::bench
