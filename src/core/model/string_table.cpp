#include "model/string_table.h"

#include "model/standard_food_data.h"

#include <algorithm>
#include <array>
#include <utility>

namespace mw {
namespace {

struct StringEntry
{
    int id;
    std::string_view text;
};

// Every text the program shows, by id, in ascending order. Food names (2000 + FoodId) come from
// the standard food table.
constexpr StringEntry kStrings[] = {
    {700, "BREAKFAST"},
    {701, "SNACK - Morning"},
    {702, "LUNCH"},
    {703, "SNACK - Afternoon"},
    {704, "DINNER"},
    {705, "SNACK - Evening"},
    {706, "Milk, Yogurt, Cream, Milk Drink"},
    {707, "Ice cream, Cheese, Pudding, Milk products"},
    {708, "Eggs, Egg products"},
    {709, "Beef"},
    {710, "Pork, Ham, Bacon"},
    {711, "Lamb, Veal, Game"},
    {712, "Poultry"},
    {713, "Liver, Organ meats"},
    {714, "Sausages, Lunch meats, Hot Dog"},
    {715, "Fish, Shellfish"},
    {716, "Sandwiches, Burger, Pizza"},
    {717, "Mixed dishes with meat"},
    {718, "Mixed dishes with vegetable"},
    {719, "Mixed dishes with grain products"},
    {720, "Soups"},
    {721, "Breads, Rolls, Flour"},
    {722, "Cakes"},
    {723, "Pies, Pastries"},
    {724, "Cookies, Crackers, Other grain products"},
    {725, "Cooked Cereals, Rice, Pasta"},
    {726, "Cereals not cooked"},
    {727, "Fruits, Citrus, Juices"},
    {728, "Legumes, Nuts, Seeds"},
    {729, "Vegetables"},
    {730, "Potatoes"},
    {731, "Pickles, Relishes, Olives"},
    {732, "Fats, Oils, Salad dressing"},
    {733, "Sugars, Sweets"},
    {734, "Beverages, non-alcoholic"},
    {735, "Beverages, alcoholic"},
    {770, "Nutrient"},
    {771, "Food"},
    {772, "Meal"},
    {773, "Day"},
    {774, "% Goal"},
    {775, "Unit"},
    {1000, "Weight"},
    {1001, "Calories"},
    {1002, "Protein"},
    {1003, "Carbohydrate"},
    {1004, "Total Fat"},
    {1005, "Saturated Fat"},
    {1006, "Monoun. Fat"},
    {1007, "Polyun. Fat"},
    {1008, "Cholesterol"},
    {1009, "Fiber"},
    {1010, "Vitamin A"},
    {1011, "Vitamin E"},
    {1012, "Vitamin C"},
    {1013, "Thiamin"},
    {1014, "Riboflavin"},
    {1015, "Niacin"},
    {1016, "Vitamin B6"},
    {1017, "Folate"},
    {1018, "Vitamin B12"},
    {1019, "Calcium"},
    {1020, "Phosphorus"},
    {1021, "Magnesium"},
    {1022, "Iron"},
    {1023, "Zinc"},
    {1024, "Copper"},
    {1025, "Sodium"},
    {1026, "Potassium"},
    {1027, "Alcohol"},
    {1100, "Wght"},
    {1101, "Calorie"},
    {1102, "Protn"},
    {1103, "Carbohy"},
    {1104, "TotFat"},
    {1105, "SatFat"},
    {1106, "MonoFat"},
    {1107, "PolyFat"},
    {1108, "Choles"},
    {1109, "Fibe"},
    {1110, "Vit A"},
    {1111, "Vit E"},
    {1112, "Vit C"},
    {1113, "Thiam"},
    {1114, "Riboflvn"},
    {1115, "Nia"},
    {1116, "V B6"},
    {1117, "Fola"},
    {1118, "V B12"},
    {1119, "Calc"},
    {1120, "Phosph"},
    {1121, "Magne"},
    {1122, "Irn"},
    {1123, "Znc"},
    {1124, "Cop"},
    {1125, "Sodi"},
    {1126, "Potass"},
    {1127, "Alco"},
    {1200, "Wgt"},
    {1201, "Calr"},
    {1202, "Pro"},
    {1203, "Car"},
    {1204, "Fat"},
    {1205, "SFat"},
    {1206, "MFat"},
    {1207, "PFat"},
    {1208, "Chol"},
    {1209, "Fib"},
    {1210, "V A"},
    {1211, "V E"},
    {1212, "V C"},
    {1213, "Thia"},
    {1214, "Ribo"},
    {1215, "Nia"},
    {1216, "B6"},
    {1217, "Fol"},
    {1218, "B12"},
    {1219, "Ca"},
    {1220, "P"},
    {1221, "Mg"},
    {1222, "Fe"},
    {1223, "Zn"},
    {1224, "Cu"},
    {1225, "Na"},
    {1226, "K"},
    {1227, "Alc"},
    {1300, "g"},
    {1301, "kcal"},
    {1302, "g"},
    {1303, "g"},
    {1304, "g"},
    {1305, "g"},
    {1306, "g"},
    {1307, "g"},
    {1308, "mg"},
    {1309, "g"},
    {1310, "mcg RE"},
    {1311, "mg"},
    {1312, "mg"},
    {1313, "mcg"},
    {1314, "mcg"},
    {1315, "mg"},
    {1316, "mcg"},
    {1317, "mcg"},
    {1318, "mcg"},
    {1319, "mg"},
    {1320, "mg"},
    {1321, "mg"},
    {1322, "mg"},
    {1323, "mg"},
    {1324, "mg"},
    {1325, "mg"},
    {1326, "mg"},
    {1327, "g"},
    {1400, "g"},
    {1401, "kcal"},
    {1402, "g"},
    {1403, "g"},
    {1404, "g"},
    {1405, "g"},
    {1406, "g"},
    {1407, "g"},
    {1408, "mg"},
    {1409, "g"},
    {1410, "mcg"},
    {1411, "mg"},
    {1412, "mg"},
    {1413, "mcg"},
    {1414, "mcg"},
    {1415, "mg"},
    {1416, "mcg"},
    {1417, "mcg"},
    {1418, "mcg"},
    {1419, "mg"},
    {1420, "mg"},
    {1421, "mg"},
    {1422, "mg"},
    {1423, "mg"},
    {1424, "mg"},
    {1425, "mg"},
    {1426, "mg"},
    {1427, "g"},
    {2999, "9999;Name missing from database!"},
    {20046, "9999;Food has been deleted from personal database!"},
    {20401, "1 - Sweets"},
    {20402, "2 - Milk, Yogurt and Cheese "},
    {20403, "3 - Meat, Poultry, Fish, Eggs"},
    {20404, "4 - Vegetable"},
    {20405, "5 - Fruit, Juice"},
    {20406, "6 - Bread, Cereal and Pasta"},
};

constexpr bool isAscending()
{
    for (std::size_t i = 1; i < std::size(kStrings); ++i) {
        if (kStrings[i - 1].id >= kStrings[i].id) {
            return false;
        }
    }
    return true;
}
static_assert(isAscending(), "string ids must be unique and ascending");

} // namespace

std::string_view LoadString(int id)
{
    if (id >= kFoodNameBase && id < kFoodNameBase + kStandardFoodCount) {
        return kStandardFoodRows[static_cast<std::size_t>(id - kFoodNameBase)].item;
    }
    const auto* end = std::end(kStrings);
    const auto* it =
        std::lower_bound(std::begin(kStrings), end, id, [](const StringEntry& e, int key) { return e.id < key; });
    return it != end && it->id == id ? it->text : std::string_view();
}

} // namespace mw
