#include "calc/candidate_lists.h"
#include "model/catalogue.h"
#include "model/food_item_text.h"
#include "model/standard_food_data.h"
#include "support/csv.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>
#include <set>

namespace mw {
namespace {

// The food's name without its id and bracketed portion.
std::string nameOf(FoodId id)
{
    const std::string_view display = itemDisplayText(kStandardFoodRows[id].item);
    return std::string(display.substr(0, display.rfind(" [")));
}

std::array<std::uint16_t, kNutrientCount> words(std::initializer_list<std::uint16_t> values)
{
    std::array<std::uint16_t, kNutrientCount> out{};
    std::copy(values.begin(), values.end(), out.begin());
    return out;
}

TEST(StandardFoodTable, EveryRowIsWellFormed)
{
    std::set<std::string> names;
    for (int id = 0; id < kStandardFoodCount; ++id) {
        const StandardFoodRow& row = kStandardFoodRows[static_cast<std::size_t>(id)];
        const std::string item(row.item);
        EXPECT_EQ(item.rfind(std::to_string(id) + ";", 0), 0u) << item;
        EXPECT_TRUE(item.size() > 4 && item.back() == ']' && item.find(" [") != std::string::npos) << item;
        EXPECT_EQ(std::count(item.begin(), item.end(), '['), 1) << item;
        EXPECT_EQ(item.find('"'), std::string::npos) << item;
        EXPECT_NE(row.nutrients[kWeight], 0) << item;
        EXPECT_NE(row.pyramid[6], 0) << item;
        EXPECT_NE(row.pyramid[7], 0) << item;
        EXPECT_NE(row.pyramid[8], 0) << item;
        EXPECT_EQ(std::optional<int>(row.group), foodGroupOf(static_cast<FoodId>(id))) << item;
        std::string lower = nameOf(static_cast<FoodId>(id));
        std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
        EXPECT_TRUE(names.insert(lower).second) << "duplicate name " << item;
    }
}

TEST(StandardFoodTable, QuotedRowsAreExact)
{
    EXPECT_EQ(kStandardFoodRows[0].item, "0;Milk [1 cup]");
    EXPECT_EQ(kStandardFoodRows[0].nutrients,
              words({244, 614, 329, 466, 334, 208,  97,  12,  136, 0,  31, 9,  0,   38,
                     162, 8,   42,  50,  36,  1194, 934, 134, 50,  38, 10, 49, 152, 0}));
    EXPECT_EQ(kStandardFoodRows[0].pyramid, (std::array<std::uint16_t, 9>{0, 244, 0, 0, 0, 0, 195, 195, 244}));

    EXPECT_EQ(kStandardFoodRows[26].item, "26;Cheese, Brie [1 serving]");
    EXPECT_EQ(kStandardFoodRows[26].nutrients,
              words({28,  3337, 2075, 45,  2768, 1741, 801,  83,  1000, 0,   182, 75,  0,   70,
                     520, 38,   235,  650, 165,  1840, 1880, 200, 500,  238, 19,  629, 152, 0}));
    EXPECT_EQ(kStandardFoodRows[26].pyramid, (std::array<std::uint16_t, 9>{0, 42, 0, 0, 0, 0, 28, 28, 28}));

    EXPECT_EQ(kStandardFoodRows[642].item, "642;Wine, table, dry [1 wine glass]");
    EXPECT_EQ(kStandardFoodRows[642].nutrients, words({100, 700, 20, 140, 0, 0,  0,   0,   0,   0, 0,  0, 0,  4,
                                                       16,  7,   24, 11,  1, 80, 140, 100, 410, 7, 14, 8, 89, 900}));
    EXPECT_EQ(kStandardFoodRows[642].pyramid, (std::array<std::uint16_t, 9>{0, 0, 0, 0, 0, 0, 50, 50, 100}));
}

TEST(StandardFoodTable, NamedRowsOfTheMenuGeneratorAndReport)
{
    const std::array<std::uint16_t, 9>& noodles = kStandardFoodRows[200].pyramid;
    EXPECT_EQ(std::vector<int>(noodles.begin(), noodles.begin() + 6), (std::vector<int>{0, 0, 200, 0, 0, 300}));
    EXPECT_TRUE(std::regex_search(nameOf(200), std::regex("chicken|turkey", std::regex::icase)));
    EXPECT_TRUE(std::regex_search(nameOf(200), std::regex("noodle", std::regex::icase)));

    bool breastFound = false;
    const FoodGroupRange poultry = foodGroupRange(6);
    for (int id = poultry.first; id < poultry.first + poultry.count; ++id) {
        breastFound |= itemDisplayText(kStandardFoodRows[static_cast<std::size_t>(id)].item) ==
                       "Chicken, breast, roasted [1/2 breast]";
    }
    EXPECT_TRUE(breastFound);
}

std::vector<FoodId> expandIds(const std::string& text)
{
    std::vector<FoodId> ids;
    for (const std::string& part : test::splitCsvLine(text)) {
        const auto dash = part.find('-');
        const int first = std::stoi(part.substr(0, dash));
        const int last = dash == std::string::npos ? first : std::stoi(part.substr(dash + 1));
        for (int id = first; id <= last; ++id) {
            ids.push_back(static_cast<FoodId>(id));
        }
    }
    return ids;
}

TEST(StandardFoodTable, CandidateListsNameFoodsOfTheirKind)
{
    const auto kinds = test::CsvTable::read(test::sourcePath("tests/data/candidate_kinds.csv"));
    ASSERT_EQ(kinds.size(), 92u);
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        const int list = std::stoi(kinds.at(i, "list"));
        const std::vector<FoodId> ids = expandIds(kinds.at(i, "ids"));
        const std::span<const FoodId> table = candidateList(list);
        EXPECT_EQ(ids, std::vector<FoodId>(table.begin(), table.end())) << "list " << list;
        const std::regex kind(kinds.at(i, "pattern"), std::regex::icase);
        for (const FoodId id : ids) {
            ASSERT_TRUE(isStandardFood(id)) << "list " << list; // and so has a generator portion in every class
            EXPECT_TRUE(std::regex_search(nameOf(id), kind))
                << "list " << list << " (" << kinds.at(i, "description") << "): " << kStandardFoodRows[id].item;
        }
    }
}

// Independent conversion of USDA SR24 values to the table's units and scale factors.
class UsdaConversion
{
public:
    UsdaConversion() : m_foods(test::CsvTable::read(test::sourcePath("data/usda/usda-sr24-foods.csv")))
    {
        for (std::size_t i = 0; i < m_foods.size(); ++i) {
            m_byNdb[m_foods.at(i, "ndb")] = i;
        }
    }

    bool has(const std::string& ndb) const { return m_byNdb.count(ndb) != 0; }

    double expectedWord(const std::string& ndb, int nutrient) const
    {
        static const std::map<int, std::pair<std::string, double>> kSources = {{1, {"energy_kcal", 10}},
                                                                               {2, {"protein_g", 100}},
                                                                               {3, {"carbohydrate_g", 100}},
                                                                               {4, {"fat_g", 100}},
                                                                               {5, {"saturated_fat_g", 100}},
                                                                               {6, {"monounsaturated_fat_g", 100}},
                                                                               {7, {"polyunsaturated_fat_g", 100}},
                                                                               {8, {"cholesterol_mg", 10}},
                                                                               {9, {"fiber_g", 100}},
                                                                               {11, {"vitamin_e_mg", 100}},
                                                                               {12, {"vitamin_c_mg", 10}},
                                                                               {13, {"thiamin_mg", 1000}},
                                                                               {14, {"riboflavin_mg", 1000}},
                                                                               {15, {"niacin_mg", 100}},
                                                                               {16, {"vitamin_b6_mg", 1000}},
                                                                               {17, {"folate_mcg", 10}},
                                                                               {18, {"vitamin_b12_mcg", 100}},
                                                                               {19, {"calcium_mg", 10}},
                                                                               {20, {"phosphorus_mg", 10}},
                                                                               {21, {"magnesium_mg", 10}},
                                                                               {22, {"iron_mg", 1000}},
                                                                               {23, {"zinc_mg", 100}},
                                                                               {24, {"copper_mg", 1000}},
                                                                               {25, {"sodium_mg", 1}},
                                                                               {26, {"potassium_mg", 1}},
                                                                               {27, {"alcohol_g", 100}}};
        const std::size_t row = m_byNdb.at(ndb);
        if (nutrient == kVitaminA) {
            return retinolEquivalents(row);
        }
        const auto& [column, factor] = kSources.at(nutrient);
        return value(row, column).value_or(0.0) * factor;
    }

private:
    std::optional<double> value(std::size_t row, const std::string& column) const
    {
        const std::string& text = m_foods.at(row, column);
        return text.empty() ? std::nullopt : std::optional<double>(std::stod(text));
    }

    double retinolEquivalents(std::size_t row) const
    {
        const auto retinol = value(row, "retinol_mcg");
        const auto beta = value(row, "beta_carotene_mcg");
        const auto alpha = value(row, "alpha_carotene_mcg");
        const auto crypto = value(row, "beta_cryptoxanthin_mcg");
        if (retinol || beta || alpha || crypto) {
            return retinol.value_or(0) + beta.value_or(0) / 6 + (alpha.value_or(0) + crypto.value_or(0)) / 12;
        }
        static const std::set<std::string> kAnimalGroups = {"01", "05", "07", "10", "13", "15", "17"};
        const double divisor = kAnimalGroups.count(m_foods.at(row, "usda_group")) ? 3.33 : 10.0;
        return value(row, "vitamin_a_iu").value_or(0) / divisor;
    }

    test::CsvTable m_foods;
    std::map<std::string, std::size_t> m_byNdb;
};

TEST(StandardFoodTable, WordsAreTheUsdaValuesOfTheNamedFood)
{
    const UsdaConversion usda;
    const auto table = test::CsvTable::read(test::sourcePath("data/standard_foods.csv"));
    ASSERT_EQ(table.size(), static_cast<std::size_t>(kStandardFoodCount));
    const std::vector<std::string>& header = table.header();
    for (std::size_t id = 0; id < table.size(); ++id) {
        const StandardFoodRow& row = kStandardFoodRows[id];
        ASSERT_EQ(std::stoul(table.at(id, "id")), id);
        EXPECT_EQ(std::stoul(table.at(id, "serving_g")), row.nutrients[kWeight]) << row.item;
        const std::string ndb = table.at(id, "ndb");
        ASSERT_TRUE(usda.has(ndb)) << row.item << " names USDA food " << ndb;
        for (int n = 1; n < kNutrientCount; ++n) {
            // The compiled table is the CSV; the CSV is USDA's values (except the three quoted rows).
            EXPECT_EQ(std::stoul(table.at(id, header[static_cast<std::size_t>(5 + n)])), row.nutrients[n]);
            if (id == 0 || id == 26 || id == 642) {
                continue;
            }
            EXPECT_LE(std::abs(usda.expectedWord(ndb, n) - row.nutrients[n]), 0.5 + 1e-6)
                << row.item << " nutrient " << n << " from USDA " << ndb;
        }
    }
}

} // namespace
} // namespace mw
