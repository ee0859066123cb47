// How name search and nutrient sorting scale over every food the program can hold: 643 standard
// foods and a full personal database of 4000.
#include "format/userfood_line.h"
#include "model/food_attribute_database.h"
#include "model/food_operations.h"
#include "model/personal_food_database.h"
#include "query/food_listing.h"
#include "query/food_search.h"
#include "query/food_sort.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <numeric>
#include <random>

namespace {

// A data folder holding userfood.txt with 4000 foods, some with non-ASCII names, written once per process.
const std::filesystem::path& fullDatabaseFolder()
{
    static const std::filesystem::path folder = [] {
        const auto path = std::filesystem::temp_directory_path() / "mealwright-query-benchmark-4000";
        std::filesystem::create_directories(path);
        std::ofstream out(path / "userfood.txt", std::ios::binary | std::ios::trunc);
        std::mt19937 random(7);
        std::uniform_real_distribution<float> value(0.0f, 500.0f);
        const char* const kinds[] = {"Recipe", "Crème brûlée", "Борщ", "Chicken stew", "Σουβλάκι"};
        for (int i = 0; i < mw::kMaxPersonalFoods; ++i) {
            mw::PersonalFoodValues values{};
            values[mw::kWeight] = 100.0f + static_cast<float>(i % 50);
            for (std::size_t n = 1; n < values.size(); ++n) {
                values[n] = value(random);
            }
            const std::string name = std::string(kinds[i % 5]) + " " + std::to_string(i);
            out << mw::buildUserfoodLine(name, "1 serving", values) << mw::kUserfoodLineEnd;
        }
        return path;
    }();
    return folder;
}

struct FullDatabase
{
    FullDatabase() : foods(&database)
    {
        database.open(fullDatabaseFolder(), mw::PersonalFoodDatabase::Access::kReadOnly);
        attributes.set(5, mw::CFoodAttributeDatabase::kHidden);
        attributes.set(1000, mw::CFoodAttributeDatabase::kHidden);
    }
    mw::PersonalFoodDatabase database;
    mw::FoodOperations foods;
    mw::CFoodAttributeDatabase attributes;
};

void globalSearchFor(benchmark::State& state, const char* typed)
{
    const FullDatabase full;
    const mw::SearchPattern pattern = *mw::parseSearchPattern(typed);
    std::size_t found = 0;
    for (auto _ : state) {
        const std::vector<mw::FoodId> ids = mw::globalSearch(pattern, full.foods, full.attributes);
        found = ids.size();
        benchmark::DoNotOptimize(ids.data());
    }
    state.counters["found"] = static_cast<double>(found);
}

void BM_GlobalSearchChicken(benchmark::State& state)
{
    globalSearchFor(state, "Chicken");
}
BENCHMARK(BM_GlobalSearchChicken)->Unit(benchmark::kMicrosecond);

void BM_GlobalSearchCyrillic(benchmark::State& state)
{
    globalSearchFor(state, "БОРЩ 12");
}
BENCHMARK(BM_GlobalSearchCyrillic)->Unit(benchmark::kMicrosecond);

void BM_GlobalSearchExclusion(benchmark::State& state)
{
    globalSearchFor(state, "!e");
}
BENCHMARK(BM_GlobalSearchExclusion)->Unit(benchmark::kMicrosecond);

std::vector<mw::FoodId> everyFood(std::size_t personalCount)
{
    std::vector<mw::FoodId> ids(mw::kStandardFoodCount);
    std::iota(ids.begin(), ids.end(), mw::FoodId{0});
    const std::vector<mw::FoodId> personal = mw::listedPersonalFoods(personalCount);
    ids.insert(ids.end(), personal.begin(), personal.end());
    return ids;
}

void BM_SortEveryFoodByNutrient(benchmark::State& state)
{
    const FullDatabase full;
    const std::vector<mw::FoodId> ids = everyFood(full.database.count());
    for (auto _ : state) {
        const std::vector<mw::FoodId> sorted =
            mw::sortFoodsByNutrient(ids, mw::kIron, mw::SortDirection::kDescending, full.foods);
        benchmark::DoNotOptimize(sorted.data());
    }
    state.counters["foods"] = static_cast<double>(ids.size());
}
BENCHMARK(BM_SortEveryFoodByNutrient)->Unit(benchmark::kMicrosecond);

void BM_SortEveryFoodItemByNutrient(benchmark::State& state)
{
    const FullDatabase full;
    const std::vector<std::string> items = mw::foodItems(everyFood(full.database.count()), full.foods);
    for (auto _ : state) {
        const mw::ItemSortResult sorted =
            mw::sortItemsByNutrient(items, mw::kIron, mw::SortDirection::kAscending, full.foods);
        benchmark::DoNotOptimize(sorted.items.data());
    }
    state.counters["foods"] = static_cast<double>(items.size());
}
BENCHMARK(BM_SortEveryFoodItemByNutrient)->Unit(benchmark::kMicrosecond);

} // namespace
