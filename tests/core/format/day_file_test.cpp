#include "format/day_file.h"

#include "model/day_document.h"
#include "model/food_operations.h"
#include "support/day_printers.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace mw {
namespace {

using namespace std::string_literals;

std::string golden(const std::string& name)
{
    return test::readFile(test::sourcePath("tests/data/golden/" + name));
}

CMeal mealOf(std::initializer_list<CFood> entries)
{
    CMeal meal;
    for (const CFood& entry : entries) {
        meal.append(entry);
    }
    return meal;
}

// Breakfast: milk 244 g; lunch: food 26 at 28 g and milk 122 g.
DayMeals exampleDay()
{
    DayMeals day;
    day[kBreakfast] = mealOf({CFood(0, 244)});
    day[kLunch] = mealOf({CFood(26, 28), CFood(0, 122)});
    return day;
}

DayMeals dayWithLunchOf65535()
{
    DayMeals day;
    for (std::uint32_t k = 0; k < 65535; ++k) {
        day[kLunch].append(CFood(static_cast<FoodId>(k % 643), static_cast<Grams>(k + 1)));
    }
    return day;
}

DayFileResult decode(std::string_view bytes, DayMeals& meals)
{
    return decodeDayFile(bytes, meals);
}

DayMeals decodeOk(std::string_view bytes)
{
    DayMeals meals;
    const DayFileResult result = decodeDayFile(bytes, meals);
    EXPECT_TRUE(result.ok()) << describeDayFileError(result);
    return meals;
}

// A file's bytes written as hex pairs, spaces ignored.
std::string bytesOf(std::string_view hex)
{
    std::string bytes;
    std::string pair;
    for (const char c : hex) {
        if (c == ' ') {
            continue;
        }
        pair += c;
        if (pair.size() == 2) {
            bytes += static_cast<char>(std::stoi(pair, nullptr, 16));
            pair.clear();
        }
    }
    return bytes;
}

TEST(DayFileGolden, FilesAreWrittenAndReadByteForByte)
{
    const struct
    {
        const char* file;
        DayMeals day;
        bool written; // false: read only, the writer uses the short form
    } cases[] = {
        {"day_example.ypd", exampleDay(), true},
        {"day_empty.ypd", DayMeals(), true},
        {"day_meal_of_65535.ypd", dayWithLunchOf65535(), true},
        {"day_long_form_tags.ypd", exampleDay(), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string expected = golden(c.file);
        EXPECT_EQ(decodeOk(expected), c.day);
        if (c.written) {
            const std::string written = encodeDayFile(c.day);
            EXPECT_TRUE(written == expected) << "written " << written.size() << " bytes, golden " << expected.size();
        }
    }
    EXPECT_EQ(golden("day_example.ypd").size(), 39u);
    EXPECT_EQ(golden("day_empty.ypd"), std::string(12, '\0'));
    EXPECT_EQ(golden("day_meal_of_65535.ypd").substr(4, 6), bytesOf("FF FF FF FF 00 00")) << "the count escape";
}

TEST(DayFileWriter, ClassIsDescribedOnceAtTheFirstEntryWhereverItIs)
{
    DayMeals eveningOnly;
    eveningOnly[kEveningSnack] = mealOf({CFood(5, 50)});
    EXPECT_EQ(encodeDayFile(eveningOnly), bytesOf("0000 0000 0000 0000 0000 0100 FFFF 0000 0500 43466F6F64 0500 3200"));

    DayMeals spread;
    spread[kMorningSnack] = mealOf({CFood(1, 10)});
    spread[kDinner] = mealOf({CFood(2, 20), CFood(3, 30)});
    EXPECT_EQ(encodeDayFile(spread), bytesOf("0000 0100 FFFF 0000 0500 43466F6F64 0100 0A00 0000 0000"
                                             "0200 0180 0200 1400 0180 0300 1E00 0000"));
}

TEST(DayFileReader, AcceptsWhatTheWriterNeverWrites)
{
    // A second description of the class gets its own index (3), and both indexes name it.
    const DayMeals redescribed =
        decodeOk(bytesOf("0400 FFFF 0000 0500 43466F6F64 0100 0100 FFFF 0000 0500 43466F6F64 0200 0200"
                         "0380 0300 0300 0180 0400 0400 0000 0000 0000 0000 0000"));
    EXPECT_EQ(redescribed[kBreakfast], mealOf({CFood(1, 1), CFood(2, 2), CFood(3, 3), CFood(4, 4)}));

    // Values are taken as they are: an id with no food and an amount of 0.
    const DayMeals odd = decodeOk(bytesOf("0100 FFFF 0000 0500 43466F6F64 FFFF 0000 0000 0000 0000 0000 0000"));
    EXPECT_EQ(odd[kBreakfast], mealOf({CFood(0xFFFF, 0)}));

    // Nothing after the sixth meal is read.
    EXPECT_EQ(decodeOk(golden("day_example.ypd") + "trailing bytes"), exampleDay());
}

struct BrokenDay
{
    const char* name;
    std::string bytes;
    DayFileError error;
    std::size_t offset;
    std::optional<int> meal;
    std::optional<std::uint32_t> entry;
};

constexpr const char* kClass = "FFFF 0000 0500 43466F6F64";

TEST(DayFileReader, BrokenFilesFailWithTheirOwnCodeAndOffset)
{
    const std::string rest = bytesOf("0000 0000 0000 0000 0000");
    const std::string entry = bytesOf(kClass) + bytesOf("0000 6400");
    const std::vector<BrokenDay> cases = {
        {"empty file", "", DayFileError::kEndsInCount, 0, 0, std::nullopt},
        {"ends after the third meal", std::string(6, '\0'), DayFileError::kEndsInCount, 6, 3, std::nullopt},
        {"half a count", std::string(11, '\0'), DayFileError::kEndsInCount, 10, 5, std::nullopt},
        {"escape without its u32", bytesOf("FFFF 0100"), DayFileError::kEndsInCount, 2, 0, std::nullopt},
        {"a few bytes claim four billion entries", bytesOf("FFFF FFFFFFFF") + bytesOf(kClass),
         DayFileError::kCountTooLarge, 0, 0, std::nullopt},
        {"second meal claims more than follows", bytesOf("0000 0300") + bytesOf(kClass), DayFileError::kCountTooLarge,
         2, 1, std::nullopt},
        {"text", "Mealwright day\n", DayFileError::kNotADayFile, 2, 0, std::nullopt},
        {"zeros then text", std::string(4, '\0') + "ab,c", DayFileError::kNotADayFile, 6, 2, std::nullopt},
        {"ends where the second entry's tag should be", bytesOf("0200") + entry, DayFileError::kEndsInTag, 17, 0, 1},
        {"long tag without its u32", bytesOf("0200") + entry + bytesOf("FF7F 0100"), DayFileError::kEndsInTag, 19, 0,
         1},
        {"schema 1", bytesOf("0100 FFFF 0100 0500 43466F6F64 0000 6400") + rest, DayFileError::kWrongSchema, 4, 0, 0},
        {"name of 64 bytes", bytesOf("0100 FFFF 0000 4000") + std::string(64, 'C') + bytesOf("0000 6400") + rest,
         DayFileError::kClassNameTooLong, 6, 0, 0},
        {"another class", bytesOf("0100 FFFF 0000 0500 43486F6F64 0000 6400") + rest, DayFileError::kWrongClassName, 8,
         0, 0},
        {"class name in other case", bytesOf("0100 FFFF 0000 0500 6366 6F6F64 0000 6400") + rest,
         DayFileError::kWrongClassName, 8, 0, 0},
        {"class name cut", bytesOf("0100 FFFF 0000 0500 4346"), DayFileError::kEndsInClass, 8, 0, 0},
        {"first entry refers to a class", bytesOf("0100 0180 0000 6400") + rest, DayFileError::kNotADayFile, 2, 0,
         std::nullopt},
        {"reference to class index 0", bytesOf("0200") + entry + bytesOf("0080 0000 6400") + rest,
         DayFileError::kNotAClassReference, 17, 0, 1},
        {"reference to an entry's index", bytesOf("0200") + entry + bytesOf("0280 0000 6400") + rest,
         DayFileError::kNotAClassReference, 17, 0, 1},
        {"long reference past every index", bytesOf("0200") + entry + bytesOf("FF7F 0900 0080 0000 6400") + rest,
         DayFileError::kNotAClassReference, 17, 0, 1},
        {"sixth meal's first entry is not the class", std::string(10, '\0') + bytesOf("0100 FF7F 0100 0000"),
         DayFileError::kNotADayFile, 12, 5, std::nullopt},
        {"null element", bytesOf("0200") + entry + bytesOf("0000 0000 0000") + rest, DayFileError::kNullElement, 17, 0,
         1},
        {"long null element", bytesOf("0200") + entry + bytesOf("FF7F 00000000") + rest, DayFileError::kNullElement, 17,
         0, 1},
        {"entry read again", bytesOf("0200") + entry + bytesOf("0200 0000 0000") + rest, DayFileError::kObjectReference,
         17, 0, 1},
        {"entry read again, long form", bytesOf("0200") + entry + bytesOf("FF7F 02000000") + rest,
         DayFileError::kObjectReference, 17, 0, 1},
        {"amount cut", bytesOf("0100") + bytesOf(kClass) + bytesOf("0000 64"), DayFileError::kEndsInEntry, 15, 0, 0},
        {"sixth meal's entry cut", std::string(10, '\0') + bytesOf("0100") + bytesOf(kClass) + bytesOf("0000 64"),
         DayFileError::kEndsInEntry, 25, 5, 0},
    };
    for (const BrokenDay& broken : cases) {
        SCOPED_TRACE(broken.name);
        DayMeals meals = exampleDay();
        const DayFileResult result = decode(broken.bytes, meals);
        EXPECT_EQ(result.error, broken.error) << describeDayFileError(result);
        EXPECT_EQ(result.offset, broken.offset);
        EXPECT_EQ(result.meal, broken.meal);
        EXPECT_EQ(result.entry, broken.entry);
        EXPECT_EQ(meals, exampleDay()) << "a failed read must leave the meals alone";
    }
}

TEST(DayFileReader, EveryValidFileCutShortFailsCleanly)
{
    const std::vector<std::string> files = {golden("day_example.ypd"), golden("day_empty.ypd"),
                                            golden("day_long_form_tags.ypd"), golden("day_meal_of_65535.ypd"),
                                            encodeDayFile([] {
                                                DayMeals day;
                                                day[kEveningSnack] = mealOf({CFood(7, 70), CFood(8, 80)});
                                                return day;
                                            }())};
    for (const std::string& file : files) {
        for (std::size_t length = 0; length < file.size(); ++length) {
            DayMeals meals;
            const DayFileResult result = decode(std::string_view(file).substr(0, length), meals);
            ASSERT_FALSE(result.ok()) << "cut at " << length << " of " << file.size();
            ASSERT_LE(result.offset, length);
            ASSERT_EQ(meals, DayMeals());
        }
    }
}

TEST(DayFileReader, DescribesWhereTheFileWentWrong)
{
    DayMeals meals;
    const DayFileResult cut = decode(golden("day_example.ypd").substr(0, 16), meals);
    EXPECT_EQ(describeDayFileError(cut), "the file ends inside an entry (entry 1 of breakfast, meal 1, byte 15)");
    const DayFileResult huge = decode(bytesOf("FFFF FFFFFFFF") + bytesOf(kClass), meals);
    EXPECT_EQ(describeDayFileError(huge),
              "the meal claims more entries than the file holds (breakfast, meal 1, byte 0)");
    EXPECT_EQ(describeDayFileError(decode("%PDF-1.4\n", meals)), "the file is not a day file");
    for (int code = 0; code <= static_cast<int>(DayFileError::kNotADayFile); ++code) {
        EXPECT_NE(dayFileErrorName(static_cast<DayFileError>(code)), "unknown error") << code;
    }
}

// Random damage to valid files: the reader must never crash, and whatever it accepts must
// write back to a file that reads as the same day.
TEST(DayFileReader, SurvivesDamagedFiles)
{
    std::mt19937 random(20240607);
    const std::vector<std::string> seeds = {golden("day_example.ypd"), golden("day_long_form_tags.ypd"),
                                            encodeDayFile(exampleDay()) + encodeDayFile(exampleDay())};
    for (int round = 0; round < 20000; ++round) {
        std::string bytes = seeds[random() % seeds.size()];
        const int damage = 1 + static_cast<int>(random() % 4);
        for (int d = 0; d < damage; ++d) {
            bytes[random() % bytes.size()] = static_cast<char>(random() & 0xFF);
        }
        DayMeals meals;
        if (decode(bytes, meals).ok()) {
            ASSERT_EQ(decodeOk(encodeDayFile(meals)), meals);
        }
    }
}

class DayFileOnDisk : public ::testing::Test
{
protected:
    test::TempDir m_folder;
    FoodOperations m_foods;
};

TEST_F(DayFileOnDisk, SaveThenOpenGivesTheSameDay)
{
    CFofDoc written(m_foods);
    written.replaceMeals(exampleDay());
    written.appendEntry(kDinner, 300, 150);
    const auto path = m_folder.file("day.ypd");
    ASSERT_FALSE(saveDayFile(path, written));

    CFofDoc read(m_foods);
    read.appendEntry(kBreakfast, 1, 1);
    ASSERT_TRUE(loadDayFile(path, read).ok());
    EXPECT_EQ(read.meals(), written.meals());
}

TEST_F(DayFileOnDisk, FailedOpenLeavesTheDocumentAlone)
{
    CFofDoc document(m_foods);
    document.appendEntry(kLunch, 4, 40);

    const DayFileResult missing = loadDayFile(m_folder.file("missing.ypd"), document);
    EXPECT_EQ(missing.error, DayFileError::kCannotRead);
    EXPECT_EQ(missing.ioError, std::errc::no_such_file_or_directory);
    EXPECT_NE(describeDayFileError(missing).find("the file cannot be read: "), std::string::npos);

    test::writeFile(m_folder.file("cut.ypd"), golden("day_example.ypd").substr(0, 30));
    EXPECT_EQ(loadDayFile(m_folder.file("cut.ypd"), document).error, DayFileError::kCountTooLarge);

    EXPECT_EQ(document.entryCount(kLunch), 1u);
}

TEST_F(DayFileOnDisk, ReadsNoMoreThanTheLargestDay)
{
    CFofDoc document(m_foods);
    const auto trailing = m_folder.file("trailing.ypd");
    test::writeFile(trailing, golden("day_example.ypd"));
    std::filesystem::resize_file(trailing, kMaxDayFileSize + 1000);
    ASSERT_TRUE(loadDayFile(trailing, document).ok()) << "bytes after the sixth meal are never read";
    EXPECT_EQ(document.meals(), exampleDay());

    // Breakfast claims more entries than fit in what the reader takes in.
    const auto endless = m_folder.file("endless.ypd");
    test::writeFile(endless, bytesOf("FFFF 00000001") + bytesOf(kClass));
    std::filesystem::resize_file(endless, kMaxDayFileSize + 1000);
    const DayFileResult result = loadDayFile(endless, document);
    EXPECT_EQ(result.error, DayFileError::kFileTooLarge);
    EXPECT_EQ(result.offset, kMaxDayFileSize);
    EXPECT_EQ(document.meals(), exampleDay());
}

TEST_F(DayFileOnDisk, FailedSaveKeepsThePreviousFile)
{
    const auto path = m_folder.file("day.ypd");
    test::writeFile(path, golden("day_example.ypd"));
    CFofDoc document(m_foods);
    document.replaceMeals(dayWithLunchOf65535());

    EXPECT_TRUE(saveDayFile(m_folder.file("no-such-folder/day.ypd"), document));

    if (!test::FileSizeLimit::available()) {
        GTEST_SKIP() << "no way to make a write fail here";
    }
    std::error_code error;
    {
        const test::FileSizeLimit limit(1000);
        error = saveDayFile(path, document);
    }
    EXPECT_TRUE(error);
    EXPECT_EQ(test::readFile(path), golden("day_example.ypd"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder.path()), {}), 1)
        << "no temporary file may be left behind";
}

} // namespace
} // namespace mw
