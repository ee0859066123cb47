#include "format/userfood_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mw {
namespace {

PersonalFoodValues stewValues()
{
    PersonalFoodValues values{};
    values[kWeight] = 250.0f;
    values[kCalories] = 2604.0f;
    values[kProtein] = 12.345f;
    values[kCarbohydrate] = 1.2345f;
    values[kTotalFat] = 0.07f;
    values[kSaturatedFat] = 0.04f;
    values[kCholesterol] = 123.4f;
    values[kSodium] = 61.4f;
    return values;
}

// v0..v27 as a line carries them, after the quoted text.
std::string numbers(const std::string& first, std::size_t zeros)
{
    std::string text = first;
    for (std::size_t i = 0; i < zeros; ++i) {
        text += " 0,";
    }
    return text;
}

TEST(UserfoodLine, TypedQuotesBracketsAndLineBreaksBecomeBlanks)
{
    EXPECT_EQ(sanitizeUserfoodText("Mom's \"best\" [v2]"), "Mom's  best   v2 ");
    EXPECT_EQ(sanitizeUserfoodText("two\r\nlines\tand\x7F"), "two  lines and ");
    // C1 controls and the Unicode line and paragraph separators break lines too.
    EXPECT_EQ(sanitizeUserfoodText("a\xC2\x85"
                                   "b\xE2\x80\xA8"
                                   "c\xE2\x80\xA9"),
              "a b c ");
    // Other characters are kept, one blank for one character.
    EXPECT_EQ(sanitizeUserfoodText("Crème brûlée, 2 €"), "Crème brûlée, 2 €");
    const std::string line = buildUserfoodLine("A \"B\" [C]", "1\n[cup]", PersonalFoodValues{});
    EXPECT_EQ(line.substr(0, 21), "\"A  B   C  [1  cup ]\"");
    EXPECT_EQ(buildUserfoodLine("", "", PersonalFoodValues{}).substr(0, 9), "\" []\", 0,");
    // A name that is not UTF-8 is taken as Windows-1252.
    EXPECT_EQ(sanitizeUserfoodText("Caf\xE9 \x80"), "Café €");
}

TEST(UserfoodLine, LinesThatAreNotUtf8AreReadAsWindows1252)
{
    EXPECT_EQ(userfoodTextToUtf8("Caf\xE9 [1 cup]"), "Café [1 cup]");
    EXPECT_EQ(userfoodTextToUtf8("\x80\x93quoted\x94"), "€“quoted”");
    // Bytes Windows-1252 leaves undefined keep their number.
    EXPECT_EQ(userfoodTextToUtf8("\x81"), "\xC2\x81");
    // Valid UTF-8 is kept as it is.
    EXPECT_EQ(userfoodTextToUtf8("Café 🍲"), "Café 🍲");
    // Overlong forms, surrogates, cut sequences and stray continuation bytes are not UTF-8.
    EXPECT_EQ(userfoodTextToUtf8("\xC0\xAF"), "À¯");
    EXPECT_EQ(userfoodTextToUtf8("\xED\xA0\x80"), "í\xC2\xA0€");
    EXPECT_EQ(userfoodTextToUtf8("\xE2\x82"), "â‚");
    EXPECT_EQ(userfoodTextToUtf8("\xA9"), "©");
    EXPECT_EQ(userfoodTextToUtf8("\xF4\x90\x80\x80"), "ô\xC2\x90€€");
}

TEST(UserfoodLine, BuildsAndReadsTheLineTheDialogWrites)
{
    const std::string line = buildUserfoodLine("Beef stew", "1 bowl", stewValues());
    EXPECT_EQ(line,
              "\"Beef stew [1 bowl]\", 250, 2604, 12.35, 1.23, 0.1, 0, 0, 0, 123, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "
              "0, 0, 0, 0, 0, 61.4, 0, 0, ");
    const PersonalFoodRecord record = parseUserfoodLine(line);
    EXPECT_EQ(record.text, "Beef stew [1 bowl]");
    EXPECT_EQ(record.values[kWeight], 250.0f);
    EXPECT_EQ(record.values[kCalories], 2604.0f);
    EXPECT_EQ(record.values[kProtein], 12.35f);
    EXPECT_EQ(record.values[kCarbohydrate], 1.23f);
    EXPECT_EQ(record.values[kTotalFat], 0.1f);
    EXPECT_EQ(record.values[kSaturatedFat], 0.0f);
    EXPECT_EQ(record.values[kCholesterol], 123.0f);
    EXPECT_EQ(record.values[kSodium], 61.4f);
    // The blank after the last comma is no pyramid group.
    EXPECT_EQ(record.pyramidSlot, -1);
}

TEST(UserfoodLine, WrittenFoodsReadBackAsWrittenAgain)
{
    const std::vector<float> samples = {0.0f,     0.04f,    0.05f,   0.07f,     0.1f,    0.123f,  0.4049f,
                                        0.995f,   1.0f,     1.2345f, 5.678f,    9.999f,  12.345f, 61.4f,
                                        99.995f,  100.0f,   123.4f,  999.5f,    1234.5f, 2604.0f, 9999.0f,
                                        12345.0f, 3.14159f, 47.25f,  0.333333f, 77.777f, 8888.8f};
    for (const float sample : samples) {
        SCOPED_TRACE(sample);
        PersonalFoodValues values{};
        values.fill(sample);
        values[kWeight] = 1.0f + sample;
        const std::string name = "Name, \"odd\" [x]\n\xE9";
        const PersonalFoodRecord record = parseUserfoodLine(buildUserfoodLine(name, "unit", values));
        EXPECT_EQ(record.text, "Name,  odd   x  é [unit]");
        // Writing what was read changes nothing more: the cut may leave a trailing 0 ("0.40") the
        // second writing drops, but the values stay.
        const PersonalFoodRecord again = parseUserfoodLine(buildUserfoodLine(name, "unit", record.values));
        EXPECT_EQ(again.text, record.text);
        EXPECT_EQ(again.values, record.values);
        EXPECT_EQ(again.pyramidSlot, -1);
    }
}

struct MalformedLine
{
    const char* what;
    std::string line;
    std::string text;
    float weight;
    float calories;
    float protein;
    int pyramidSlot;
};

TEST(UserfoodLine, MalformedLinesReadAsZerosWithOneHundredGrams)
{
    const std::string fullLine = "\"A [1]\"," + numbers(" 50, 7,", 26);
    const std::vector<MalformedLine> cases = {
        {"empty line", "", "", 100, 0, 0, -1},
        {"no numbers", "\"Apple [1 cup]\"", "Apple [1 cup]", 100, 0, 0, -1},
        {"no comma after the quote", "\"A [1]\" 50, 7, ", "A [1]", 50, 7, 0, -1},
        {"no closing quote", "\"Apple [1 cup], 200, 5, ", "Apple [1 cup], 200, 5, ", 100, 0, 0, -1},
        {"no quotes", "Apple, 200, 5, ", "Apple, 200, 5, ", 100, 0, 0, -1},
        {"blanks before the quote", "  \"A [1]\", 50, 7, ", "A [1]", 50, 7, 0, -1},
        {"comma in the name", "\"Salt, coarse [1 tsp]\", 6, 0, ", "Salt, coarse [1 tsp]", 6, 0, 0, -1},
        {"too few numbers", "\"A [1]\", 200, 10, ", "A [1]", 200, 10, 0, -1},
        {"weight 0", "\"A [1]\", 0, 10, ", "A [1]", 100, 10, 0, -1},
        {"negative weight", "\"A [1]\", -5, 10, ", "A [1]", 100, 10, 0, -1},
        {"negative value", "\"A [1]\", 5, -10, 3", "A [1]", 5, 0, 3, -1},
        {"words", "\"A [1]\", abc, 10, x1, ", "A [1]", 100, 10, 0, -1},
        {"number then letters", "\"A [1]\", 12abc, 3e, 4.5.6, ", "A [1]", 12, 3, 4.5f, -1},
        {"empty pieces skipped", "\"A [1]\",,, 50,, 7,", "A [1]", 50, 7, 0, -1},
        {"blank pieces count", "\"A [1]\", , 50, 7,", "A [1]", 100, 50, 7, -1},
        {"tabs and signs", "\"A [1]\",\t 7, +3, \t-2, ", "A [1]", 7, 3, 0, -1},
        {"other notations", "\"A [1]\", 1.5e2, .5, 5., ", "A [1]", 150, 0.5f, 5, -1},
        {"comma as decimal point", "\"A [1]\", 61,4, ", "A [1]", 61, 4, 0, -1},
        {"hexadecimal", "\"A [1]\", 0x10, 7, ", "A [1]", 100, 7, 0, -1},
        {"infinite and undefined", "\"A [1]\", inf, nan, infinity, ", "A [1]", 100, 0, 0, -1},
        {"overflow", "\"A [1]\", 1e39, 1e999, 3.5e38, ", "A [1]", 100, 0, 0, -1},
        {"absurdly small", "\"A [1]\", 1e-30, 1e-45, 1e-999, ", "A [1]", 100, 0, 0, -1},
        {"largest accepted", "\"A [1]\", 1e9, 1e-6, 1000000001, ", "A [1]", 1e9f, 1e-6f, 0, -1},
        {"pyramid group", fullLine + " 3, ", "A [1]", 50, 7, 0, 2},
        {"pyramid group 1", fullLine + "1", "A [1]", 50, 7, 0, 0},
        {"pyramid group 6", fullLine + "6, 9, 9", "A [1]", 50, 7, 0, 5},
        {"pyramid group 0", fullLine + " 0, ", "A [1]", 50, 7, 0, -1},
        {"pyramid group 7", fullLine + " 7, ", "A [1]", 50, 7, 0, -1},
        {"pyramid group negative", fullLine + " -1, ", "A [1]", 50, 7, 0, -1},
        {"pyramid group with decimals", fullLine + " 3.9, ", "A [1]", 50, 7, 0, 2},
        {"pyramid group word", fullLine + " x, ", "A [1]", 50, 7, 0, -1},
        {"pyramid group overflow", fullLine + " 99999999999999999999, ", "A [1]", 50, 7, 0, -1},
        {"pyramid group after empty pieces", fullLine + ",, 4", "A [1]", 50, 7, 0, 3},
    };
    for (const MalformedLine& c : cases) {
        SCOPED_TRACE(c.what);
        const PersonalFoodRecord record = parseUserfoodLine(c.line);
        EXPECT_EQ(record.text, c.text);
        EXPECT_EQ(record.values[kWeight], c.weight);
        EXPECT_EQ(record.values[kCalories], c.calories);
        EXPECT_EQ(record.values[kProtein], c.protein);
        EXPECT_EQ(record.pyramidSlot, c.pyramidSlot);
    }
}

TEST(UserfoodLine, OnlyTheFirstTwentyEightPiecesAreValues)
{
    std::string line = "\"A [1]\"";
    for (int i = 1; i <= 30; ++i) {
        line += ", " + std::to_string(i);
    }
    const PersonalFoodRecord record = parseUserfoodLine(line);
    EXPECT_EQ(record.values[kWeight], 1.0f);
    EXPECT_EQ(record.values[kAlcohol], 28.0f);
    // The 29th piece is the group: 29 is none.
    EXPECT_EQ(record.pyramidSlot, -1);
}

} // namespace
} // namespace mw
