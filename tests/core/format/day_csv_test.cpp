#include "format/day_csv.h"

#include "core/query/fake_personal_foods.h"
#include "model/day_document.h"
#include "model/food_operations.h"
#include "model/number_text.h"
#include "support/csv.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <string>
#include <vector>

namespace mw {
namespace {

using Table = std::vector<std::vector<std::string>>;

// The records of an export: each ends in CRLF; fields are split as RFC 4180 quotes them.
Table parseCsv(const std::string& text)
{
    EXPECT_TRUE(text.ends_with("\r\n")) << "the last record does not end in CRLF";
    Table rows;
    for (std::size_t start = 0, end = 0; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        rows.push_back(test::splitCsvLine(text.substr(start, end - start)));
    }
    return rows;
}

class DayCsvTest : public ::testing::Test
{
protected:
    DayCsvTest() : m_foods(&m_personal), m_day(m_foods)
    {
        std::array<float, kNutrientCount> stew = test::with(kCalories, 300.0f);
        stew[kWeight] = 200.0f;
        m_personal.add("Mom's \"best\", stew [1 bowl]", stew);
    }

    test::FakePersonalFoods m_personal;
    FoodOperations m_foods;
    CFofDoc m_day;
};

TEST_F(DayCsvTest, HeaderNamesEveryColumnWithItsUnit)
{
    const std::string csv = dayCsv(m_day);
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
              "Meal,FoodId,Food,Grams,Servings,Weight (g),Calories (kcal),Protein (g),Carbohydrate (g),Total Fat (g),"
              "Saturated Fat (g),Monoun. Fat (g),Polyun. Fat (g),Cholesterol (mg),Fiber (g),Vitamin A (mcg RE),"
              "Vitamin E (mg),Vitamin C (mg),Thiamin (mcg),Riboflavin (mcg),Niacin (mg),Vitamin B6 (mcg),Folate (mcg),"
              "Vitamin B12 (mcg),Calcium (mg),Phosphorus (mg),Magnesium (mg),Iron (mg),Zinc (mg),Copper (mg),"
              "Sodium (mg),Potassium (mg),Alcohol (g)");
}

TEST_F(DayCsvTest, EmptyDayHasATotalRowPerMealAndOneForTheDay)
{
    const std::string csv = dayCsv(m_day);
    const Table table = parseCsv(csv);
    ASSERT_EQ(table.size(), 8u);
    const char* titles[] = {"BREAKFAST", "SNACK - Morning", "LUNCH", "SNACK - Afternoon",
                            "DINNER",    "SNACK - Evening", "Day"};
    for (std::size_t i = 0; i < 7; ++i) {
        const auto& row = table[i + 1];
        ASSERT_EQ(row.size(), 33u);
        EXPECT_EQ(row[0], titles[i]);
        EXPECT_EQ(row[1], "");
        EXPECT_EQ(row[2], "Total");
        EXPECT_EQ(row[3], "");
        EXPECT_EQ(row[4], "");
        EXPECT_EQ(row[6], "0");
    }
}

TEST_F(DayCsvTest, EntryRowsThenTotals)
{
    m_day.appendEntry(kBreakfast, 0, 244); // a cup of milk
    m_day.appendEntry(kBreakfast, 0, 0);   // one serving, stored as 0 g
    m_day.appendEntry(kDinner, 643, 100);  // the personal stew
    const Table table = parseCsv(dayCsv(m_day));
    ASSERT_EQ(table.size(), 1u + 3u + 7u);
    for (const auto& row : table) {
        EXPECT_EQ(row.size(), 33u);
    }

    const auto& milk = table[1];
    EXPECT_EQ(std::vector<std::string>(milk.begin(), milk.begin() + 8),
              (std::vector<std::string>{"BREAKFAST", "0", "Milk [1 cup]", "244", "1", "244", "149.816", "8.0276"}));
    EXPECT_EQ(milk[5 + kCalcium], "291.336");
    EXPECT_EQ(milk[5 + kIron], "0.122");

    const auto& serving = table[2];
    EXPECT_EQ(serving[3], "0");
    EXPECT_EQ(serving[4], "0");
    EXPECT_EQ(serving[5], "244");

    const auto& stew = table[3];
    EXPECT_EQ(stew[0], "DINNER");
    EXPECT_EQ(stew[1], "643");
    EXPECT_EQ(stew[2], "Mom's \"best\", stew [1 bowl]");
    EXPECT_EQ(stew[4], "0.5");
    EXPECT_EQ(stew[6], "150");

    EXPECT_EQ(table[4][0], "BREAKFAST");
    EXPECT_EQ(table[4][5], "488");
    EXPECT_EQ(table[4][6], "299.632");
    EXPECT_EQ(table[8][0], "DINNER");
    EXPECT_EQ(table[8][6], "150");
    EXPECT_EQ(table[10][0], "Day");
    EXPECT_EQ(table[10][5], "588");
    EXPECT_EQ(table[10][6], "449.632");
}

TEST_F(DayCsvTest, TotalsAreTheSumsOfTheNumbersShown)
{
    m_day.appendEntry(kLunch, 374, 60); // doughnut: 22.2 mcg of vitamin B6
    m_day.appendEntry(kLunch, 31, 113); // cottage cheese: 76.84
    ASSERT_EQ(formatFloat(m_day.dayNutrients()[kVitaminB6]), "99.03999") << "single-precision steps";
    const Table table = parseCsv(dayCsv(m_day));
    EXPECT_EQ(table[1][5 + kVitaminB6], "22.2");
    EXPECT_EQ(table[2][5 + kVitaminB6], "76.84");
    EXPECT_EQ(table[5][5 + kVitaminB6], "99.04"); // lunch
    ASSERT_EQ(table[9][0], "Day");
    EXPECT_EQ(table[9][5 + kVitaminB6], "99.04");
}

TEST_F(DayCsvTest, MissingFoodKeepsItsReplacementName)
{
    m_day.appendEntry(kLunch, 700, 50);
    const Table table = parseCsv(dayCsv(m_day));
    EXPECT_EQ(table[1][2], "Food has been deleted from personal database!");
    EXPECT_EQ(table[1][5], "1");
}

TEST(CsvField, QuotesOnlyWhatNeedsIt)
{
    EXPECT_EQ(csvField("Milk [1 cup]"), "Milk [1 cup]");
    EXPECT_EQ(csvField(""), "");
    EXPECT_EQ(csvField("a,b"), "\"a,b\"");
    EXPECT_EQ(csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csvField("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(csvField("cr\r"), "\"cr\r\"");
    EXPECT_EQ(csvField("Crème brûlée"), "Crème brûlée");
}

TEST(CsvText, TextThatASpreadsheetWouldRunAsAFormulaStaysText)
{
    const std::pair<const char*, const char*> cases[] = {
        {"=HYPERLINK(\"http://x\")", "\"'=HYPERLINK(\"\"http://x\"\")\""},
        {"+1", "'+1"},
        {"-2 cups", "'-2 cups"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\tTab", "'\tTab"},
        {"\rReturn", "\"'\rReturn\""},
        {"Milk - skim", "Milk - skim"},
        {"", ""},
    };
    for (const auto& [text, cell] : cases) {
        EXPECT_EQ(csvText(text), cell) << text;
    }
    // Numbers are numbers, whatever their sign.
    EXPECT_EQ(csvNumber(-1.5f), "-1.5");
}

// A comma-decimal locale that is always available, whatever the machine has installed.
struct CommaDecimal : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
};

TEST(CsvNumber, FixedNotationWithAPointWhateverTheLocale)
{
    const std::locale saved = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    const std::string savedC = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8"); // takes effect only where installed
    EXPECT_EQ(csvNumber(149.816f), "149.816");
    EXPECT_EQ(csvNumber(0.0005f), "0.0005");
    EXPECT_EQ(csvNumber(1e6f), "1000000");
    EXPECT_EQ(csvNumber(0.0f), "0");
    EXPECT_EQ(csvNumber(-2.5f), "-2.5");
    std::setlocale(LC_NUMERIC, savedC.c_str());
    std::locale::global(saved);
}

} // namespace
} // namespace mw
