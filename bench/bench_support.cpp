#include "bench_support.h"

#include "format/userfood_line.h"
#include "query/food_listing.h"

#include <fstream>
#include <numeric>
#include <random>
#include <string>

namespace mw::bench {

const std::filesystem::path& fullPersonalFoodFolder()
{
    static const std::filesystem::path folder = [] {
        const auto path = std::filesystem::temp_directory_path() / "mealwright-benchmark-4000";
        std::filesystem::create_directories(path);
        std::ofstream out(path / "userfood.txt", std::ios::binary | std::ios::trunc);
        std::mt19937 random(7);
        std::uniform_real_distribution<float> value(0.0f, 500.0f);
        const char* const kinds[] = {"Recipe", "Crème brûlée", "Борщ", "Chicken stew", "Σουβλάκι"};
        for (int i = 0; i < kMaxPersonalFoods; ++i) {
            PersonalFoodValues values{};
            values[kWeight] = 100.0f + static_cast<float>(i % 50);
            for (std::size_t n = 1; n < values.size(); ++n) {
                values[n] = value(random);
            }
            const std::string name = std::string(kinds[i % 5]) + " " + std::to_string(i);
            out << buildUserfoodLine(name, "1 serving", values) << kUserfoodLineEnd;
        }
        return path;
    }();
    return folder;
}

FullDatabase::FullDatabase() : foods(&database)
{
    database.open(fullPersonalFoodFolder(), PersonalFoodDatabase::Access::kReadOnly);
    attributes.set(5, CFoodAttributeDatabase::kHidden);
    attributes.set(1000, CFoodAttributeDatabase::kHidden);
}

std::vector<FoodId> everyFood(const FullDatabase& full)
{
    std::vector<FoodId> ids(kStandardFoodCount);
    std::iota(ids.begin(), ids.end(), FoodId{0});
    const std::vector<FoodId> personal = listedPersonalFoods(full.database.count());
    ids.insert(ids.end(), personal.begin(), personal.end());
    return ids;
}

} // namespace mw::bench
