#include "format/personal_food_database.h"

#include "model/food_operations.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace mw {
namespace {

using Access = PersonalFoodDatabase::Access;
using Status = PersonalFoodStatus;
namespace fs = std::filesystem;

const std::string kStewLine = "\"Beef stew [1 bowl]\", 200, 300, 20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "
                              "0, 0, 0, 0, 0, 0, 80, 0, 0, ";
const std::string kToastLine = "\"Toast [1 slice]\", 30, 80, 3, 15, 1, 0, 0, 0, 0, 1.2, 0, 0, 0, 0, 0, 0, 0, 0, 0, "
                               "0, 0, 0, 0, 0, 0, 0, 0, 0, 6, ";
const std::string kOddLine = "Not a food line";

PersonalFoodValues soupValues()
{
    PersonalFoodValues values{};
    values[kWeight] = 250.0f;
    values[kCalories] = 123.4f;
    values[kProtein] = 12.345f;
    values[kSodium] = 0.07f;
    return values;
}

const std::string kSoupLine = "\"Soup [1 cup]\", 250, 123, 12.35, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "
                              "0, 0, 0, 0, 0, 0.1, 0, 0, \r\n";

std::string manyLines(std::size_t count)
{
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i) {
        bytes += "\"Food " + std::to_string(i) + " [1 g]\", 1, 2, \r\n";
    }
    return bytes;
}

std::size_t linesIn(const std::string& bytes)
{
    const auto ends = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    return ends + (!bytes.empty() && bytes.back() != '\n' ? 1 : 0);
}

TEST(PersonalFoodDatabase, MissingFileIsCreatedEmpty)
{
    test::TempDir dir;
    PersonalFoodDatabase database;
    EXPECT_EQ(database.open(dir.path()).status, Status::kOk);
    EXPECT_EQ(database.count(), 0u);
    EXPECT_EQ(database.filePath(), dir.file("userfood.txt"));
    ASSERT_TRUE(fs::is_regular_file(dir.file("userfood.txt")));
    EXPECT_EQ(fs::file_size(dir.file("userfood.txt")), 0u);
}

TEST(PersonalFoodDatabase, ReadOnlyAccessNeverCreatesOrWrites)
{
    test::TempDir dir;
    PersonalFoodDatabase database;
    EXPECT_EQ(database.open(dir.path(), Access::kReadOnly).status, Status::kOk);
    EXPECT_EQ(database.count(), 0u);
    EXPECT_FALSE(fs::exists(dir.file("userfood.txt")));
    EXPECT_EQ(database.append("Soup", "1 cup", soupValues()).status, Status::kReadOnly);
    EXPECT_FALSE(fs::exists(dir.file("userfood.txt")));

    test::writeFile(dir.file("userfood.txt"), kStewLine + "\r\n");
    EXPECT_EQ(database.open(dir.path(), Access::kReadOnly).status, Status::kOk);
    EXPECT_EQ(database.count(), 1u);
    EXPECT_EQ(database.append("Soup", "1 cup", soupValues()).status, Status::kReadOnly);
    EXPECT_EQ(test::readFile(dir.file("userfood.txt")), kStewLine + "\r\n");
}

TEST(PersonalFoodDatabase, FoodsAreFoundByPositionAndServeTheEntryOperations)
{
    test::TempDir dir;
    test::writeFile(dir.file("userfood.txt"), kStewLine + "\r\n" + kToastLine + "\r\n" + kOddLine + "\r\n");
    PersonalFoodDatabase database;
    ASSERT_EQ(database.open(dir.path()).status, Status::kOk);
    ASSERT_EQ(database.count(), 3u);
    EXPECT_EQ(*database.recordText(643), kStewLine);
    EXPECT_EQ(*database.recordText(645), kOddLine);
    EXPECT_EQ(database.recordText(646), nullptr);
    EXPECT_EQ(database.recordText(642), nullptr);
    EXPECT_TRUE(database.exists(645));
    EXPECT_FALSE(database.exists(646));

    const FoodOperations foods(&database);
    EXPECT_EQ(foods.itemText(643), "643;Beef stew [1 bowl]");
    EXPECT_EQ(foods.itemText(645), "645;Not a food line");
    EXPECT_EQ(foods.itemText(646), "9999;Food has been deleted from personal database!");
    // Value 0 is 200 g, so 100 g is half of each value.
    EXPECT_EQ(foods.entryNutrients(643, 100)[kSodium], 40.0f);
    // A line as the program writes it names no pyramid group; one made by hand may.
    EXPECT_EQ(foods.entryPyramidServings(643, 100), PyramidServings());
    EXPECT_EQ(foods.entryPyramidServings(644, 60)[kPyramidBread], 2.0f);
    // A line that cannot be read describes 100 g of nothing.
    EXPECT_EQ(foods.servingWeight(645), 100.0f);
    EXPECT_EQ(foods.entryNutrients(645, 50)[kCalories], 0.0f);
    EXPECT_EQ(foods.entryNutrients(646, 50)[kWeight], 1.0f);
}

TEST(PersonalFoodDatabase, AppendWritesTheLineAndGivesTheNextIds)
{
    test::TempDir dir;
    PersonalFoodDatabase database;
    ASSERT_EQ(database.open(dir.path()).status, Status::kOk);
    const PersonalFoodAppendResult first = database.append("Soup", "1 cup", soupValues());
    EXPECT_EQ(first.status, Status::kOk);
    EXPECT_EQ(first.id, 643);
    PersonalFoodValues pie{};
    pie[kWeight] = 150.0f;
    const PersonalFoodAppendResult second = database.append("My \"own\" [pie]", "1\nslice", pie);
    EXPECT_EQ(second.status, Status::kOk);
    EXPECT_EQ(second.id, 644);
    EXPECT_EQ(database.count(), 2u);

    const std::string pieLine = "\"My  own   pie  [1 slice]\", 150, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "
                                "0, 0, 0, 0, 0, 0, 0, 0, 0, 0, \r\n";
    EXPECT_EQ(test::readFile(dir.file("userfood.txt")), kSoupLine + pieLine);
    // The new foods read as they will after a restart: as written.
    EXPECT_EQ(database.record(0)->values[kProtein], 12.35f);
    EXPECT_EQ(database.record(0)->values[kSodium], 0.1f);
    EXPECT_EQ(database.record(1)->values[kWeight], 150.0f);
    EXPECT_EQ(database.itemText(1), "644;My  own   pie  [1 slice]");

    PersonalFoodDatabase reopened;
    ASSERT_EQ(reopened.open(dir.path()).status, Status::kOk);
    ASSERT_EQ(reopened.count(), 2u);
    EXPECT_EQ(reopened.record(0)->text, database.record(0)->text);
    EXPECT_EQ(reopened.record(0)->values, database.record(0)->values);
    EXPECT_EQ(reopened.record(1)->values, database.record(1)->values);
}

TEST(PersonalFoodDatabase, ValuesThatWouldNotReadBackAreRefused)
{
    test::TempDir dir;
    PersonalFoodDatabase database;
    ASSERT_EQ(database.open(dir.path()).status, Status::kOk);
    const std::vector<std::pair<std::size_t, float>> refused = {
        {kWeight, 0.0f},
        {kWeight, 0.04f}, // written as 0, which reads as 100 g
        {kWeight, std::numeric_limits<float>::quiet_NaN()},
        {kProtein, std::numeric_limits<float>::infinity()},
        {kSodium, 2e9f},
    };
    for (const auto& [slot, value] : refused) {
        PersonalFoodValues values = soupValues();
        values[slot] = value;
        EXPECT_EQ(database.append("Soup", "1 cup", values).status, Status::kValueOutOfRange) << value;
    }
    EXPECT_EQ(database.count(), 0u);
    EXPECT_EQ(test::readFile(dir.file("userfood.txt")), "");
    // Negative nutrients are written as 0, as they read.
    PersonalFoodValues values = soupValues();
    values[kProtein] = -5.0f;
    values[kWeight] = 0.05f;
    ASSERT_EQ(database.append("Soup", "1 cup", values).status, Status::kOk);
    EXPECT_EQ(database.record(0)->values[kWeight], 0.1f);
    EXPECT_EQ(database.record(0)->values[kProtein], 0.0f);
}

TEST(PersonalFoodDatabase, RecordsKeepTheirAddressesWhileFoodsAreAppended)
{
    test::TempDir dir;
    test::writeFile(dir.file("userfood.txt"), kStewLine + "\r\n");
    PersonalFoodDatabase database;
    ASSERT_EQ(database.open(dir.path()).status, Status::kOk);
    const PersonalFoodRecord* stew = database.record(0);
    for (int i = 0; i < 300; ++i) {
        ASSERT_EQ(database.append("Food " + std::to_string(i), "1 g", soupValues()).status, Status::kOk);
    }
    EXPECT_EQ(database.record(0), stew);
    EXPECT_EQ(stew->text, "Beef stew [1 bowl]");
    EXPECT_EQ(database.itemText(300), "943;Food 299 [1 g]");
}

TEST(PersonalFoodDatabase, LastLineWithoutLineEndCountsAndIsEndedBeforeAnAppend)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {kStewLine, kStewLine + "\r\n"},
        {kStewLine + "\r", kStewLine + "\r\n"},
        {kStewLine + "\n", kStewLine + "\n"},
    };
    for (const auto& [before, ended] : cases) {
        test::TempDir dir;
        test::writeFile(dir.file("userfood.txt"), before);
        PersonalFoodDatabase database;
        ASSERT_EQ(database.open(dir.path()).status, Status::kOk);
        ASSERT_EQ(database.count(), 1u);
        EXPECT_EQ(*database.recordText(643), kStewLine);
        EXPECT_EQ(database.append("Soup", "1 cup", soupValues()).id, 644);
        EXPECT_EQ(test::readFile(dir.file("userfood.txt")), ended + kSoupLine);
    }
}

TEST(PersonalFoodDatabase, ReadsLineFeedsByteOrderMarkAndLongLines)
{
    test::TempDir dir;
    const std::string longName(100000, 'x');
    test::writeFile(dir.file("userfood.txt"),
                    "\xEF\xBB\xBF" + kStewLine + "\n\n\"" + longName + " [1 g]\", 5, 1, \n" + kToastLine);
    PersonalFoodDatabase database;
    ASSERT_EQ(database.open(dir.path()).status, Status::kOk);
    ASSERT_EQ(database.count(), 4u);
    EXPECT_EQ(database.record(0)->text, "Beef stew [1 bowl]");
    EXPECT_EQ(*database.recordText(644), "");
    EXPECT_EQ(database.record(1)->values[kWeight], 100.0f);
    EXPECT_EQ(database.record(2)->text, longName + " [1 g]");
    EXPECT_EQ(database.record(2)->values[kCalories], 1.0f);
    EXPECT_EQ(database.record(3)->text, "Toast [1 slice]");
}

TEST(PersonalFoodDatabase, LineInWindows1252IsReadAsUtf8)
{
    test::TempDir dir;
    test::writeFile(dir.file("userfood.txt"),
                    "\"Caf\xE9 cr\xE8me [1 cup]\", 120, 80, \r\n\"Cr\xC3\xA8me [1 g]\", 1, \r\n");
    PersonalFoodDatabase database;
    ASSERT_EQ(database.open(dir.path()).status, Status::kOk);
    EXPECT_EQ(database.itemText(0), "643;Café crème [1 cup]");
    EXPECT_EQ(*database.recordText(643), "\"Café crème [1 cup]\", 120, 80, ");
    EXPECT_EQ(database.record(0)->values[kCalories], 80.0f);
    EXPECT_EQ(database.itemText(1), "644;Crème [1 g]");
}

TEST(PersonalFoodDatabase, TheFourThousandAndFirstFoodIsRefused)
{
    test::TempDir dir;
    const std::string full = manyLines(3999);
    test::writeFile(dir.file("userfood.txt"), full);
    PersonalFoodDatabase database;
    ASSERT_EQ(database.open(dir.path()).status, Status::kOk);
    const PersonalFoodAppendResult last = database.append("Soup", "1 cup", soupValues());
    EXPECT_EQ(last.status, Status::kOk);
    EXPECT_EQ(last.id, kLastUsableFoodId);
    EXPECT_EQ(database.append("Soup", "1 cup", soupValues()).status, Status::kDatabaseFull);
    EXPECT_EQ(database.count(), 4000u);
    EXPECT_EQ(test::readFile(dir.file("userfood.txt")), full + kSoupLine);

    // Lines past the four thousandth are still read: days may name those foods.
    test::writeFile(dir.file("userfood.txt"), manyLines(4005));
    ASSERT_EQ(database.open(dir.path()).status, Status::kOk);
    EXPECT_EQ(database.count(), 4005u);
    EXPECT_TRUE(database.exists(4647));
    EXPECT_EQ(database.append("Soup", "1 cup", soupValues()).status, Status::kDatabaseFull);
}

TEST(PersonalFoodDatabase, LinesBeyondTheLastFoodIdAreLeftAloneReadOnly)
{
    test::TempDir dir;
    const std::string named = manyLines(PersonalFoodDatabase::kMaxAddressableFoods);
    test::writeFile(dir.file("userfood.txt"), named + "\"One too many [1 g]\", 1, \r\n");
    PersonalFoodDatabase database;
    const PersonalFoodOpenResult result = database.open(dir.path());
    EXPECT_EQ(result.status, Status::kTooManyLines);
    EXPECT_EQ(result.byteOffset, named.size());
    EXPECT_EQ(database.count(), PersonalFoodDatabase::kMaxAddressableFoods);
    EXPECT_TRUE(database.exists(65535));
    EXPECT_EQ(database.append("Soup", "1 cup", soupValues()).status, Status::kTooManyLines);
}

TEST(PersonalFoodDatabase, HugeFileIsUsedUpToTheLimitReadOnly)
{
    test::TempDir dir;
    const std::string first = kStewLine + "\r\n";
    // A second line that runs past the limit: a quote and then zero bytes, cheap to make.
    test::writeFile(dir.file("userfood.txt"), first + "\"");
    fs::resize_file(dir.file("userfood.txt"), PersonalFoodDatabase::kMaxFileBytes + 100);
    PersonalFoodDatabase database;
    const PersonalFoodOpenResult result = database.open(dir.path());
    EXPECT_EQ(result.status, Status::kTooLarge);
    EXPECT_EQ(result.byteOffset, first.size());
    EXPECT_EQ(database.count(), 1u);
    EXPECT_EQ(database.append("Soup", "1 cup", soupValues()).status, Status::kTooLarge);
}

TEST(PersonalFoodDatabase, FileThatCannotBeOpenedIsReportedAndLeftAlone)
{
    test::TempDir dir;
    fs::create_directory(dir.file("userfood.txt")); // a folder in place of the file
    test::writeFile(dir.file("userfood.txt") / "keep.txt", "kept");
    test::writeFile(dir.file("not-a-folder"), "plain file"); // a file in place of the folder
    const std::pair<fs::path, Status> cases[] = {{dir.path(), Status::kNotAFile},
                                                 {dir.file("not-a-folder"), Status::kCannotCreate}};
    for (const auto& [folder, status] : cases) {
        PersonalFoodDatabase database;
        EXPECT_EQ(database.open(folder).status, status);
        EXPECT_EQ(database.count(), 0u);
        EXPECT_EQ(database.append("Soup", "1 cup", soupValues()).status, Status::kNoFile);
    }
    EXPECT_EQ(test::readFile(dir.file("userfood.txt") / "keep.txt"), "kept");
    EXPECT_EQ(test::readFile(dir.file("not-a-folder")), "plain file");
}

TEST(PersonalFoodDatabase, OpeningAgainDropsTheEarlierFoods)
{
    test::TempDir first;
    test::TempDir second;
    test::writeFile(first.file("userfood.txt"), kStewLine + "\r\n" + kToastLine + "\r\n");
    test::writeFile(second.file("userfood.txt"), kToastLine + "\r\n");
    PersonalFoodDatabase database;
    ASSERT_EQ(database.open(first.path()).status, Status::kOk);
    ASSERT_EQ(database.open(second.path()).status, Status::kOk);
    EXPECT_EQ(database.count(), 1u);
    EXPECT_EQ(database.append("Soup", "1 cup", soupValues()).id, 644);
    EXPECT_EQ(test::readFile(first.file("userfood.txt")), kStewLine + "\r\n" + kToastLine + "\r\n");
}

// Permissions do not stop a privileged user, so these tests only run where they do.
bool permissionsAreEnforced(const fs::path& path)
{
    return !std::fstream(path, std::ios::in | std::ios::out | std::ios::binary).is_open();
}

TEST(PersonalFoodDatabase, FileThatCannotBeWrittenIsUsedReadOnly)
{
    test::TempDir dir;
    const std::string bytes = kStewLine + "\r\n";
    test::writeFile(dir.file("userfood.txt"), bytes);
    fs::permissions(dir.file("userfood.txt"), fs::perms::owner_read);
    if (!permissionsAreEnforced(dir.file("userfood.txt"))) {
        GTEST_SKIP() << "file permissions are not enforced for this user";
    }
    PersonalFoodDatabase database;
    EXPECT_EQ(database.open(dir.path()).status, Status::kReadOnly);
    EXPECT_EQ(database.count(), 1u);
    EXPECT_EQ(FoodOperations(&database).itemText(643), "643;Beef stew [1 bowl]");
    EXPECT_EQ(database.append("Soup", "1 cup", soupValues()).status, Status::kReadOnly);
    EXPECT_EQ(test::readFile(dir.file("userfood.txt")), bytes);
}

TEST(PersonalFoodDatabase, AppendFailsWhenTheFileWasReplacedByAFolder)
{
    test::TempDir dir;
    test::writeFile(dir.file("userfood.txt"), kStewLine + "\r\n");
    PersonalFoodDatabase database;
    ASSERT_EQ(database.open(dir.path()).status, Status::kOk);
    fs::remove(dir.file("userfood.txt"));
    fs::create_directory(dir.file("userfood.txt"));
    EXPECT_EQ(database.append("Soup", "1 cup", soupValues()).status, Status::kWriteFailed);
    EXPECT_EQ(database.count(), 1u);
    EXPECT_TRUE(fs::is_empty(dir.file("userfood.txt")));
}

// What this database had read, what another program then made of the file, and what the append finds.
struct ChangeByOthers
{
    std::string read;
    std::string changed;
    Status status;
};

TEST(PersonalFoodDatabase, AppendTakesInLinesOthersAppendedButNotAFileTheyRewrote)
{
    const std::string stew = kStewLine + "\r\n";
    const std::string toast = kToastLine + "\r\n";
    const ChangeByOthers cases[] = {
        {stew, stew + toast, Status::kOk},
        {kStewLine, stew + toast, Status::kOk}, // the other program ended the last line first
        {kStewLine, kStewLine + "\n" + toast, Status::kOk},
        {kStewLine + "\r", stew + toast, Status::kOk},
        {"", toast, Status::kOk},
        {"\xEF\xBB\xBF", "\xEF\xBB\xBF" + toast, Status::kOk},
        {"", "\xEF\xBB\xBF" + toast, Status::kOk},
        {stew, toast + toast, Status::kFileChanged},                // rewritten, not appended to
        {stew + toast, stew, Status::kFileChanged},                 // cut
        {kStewLine, kStewLine + "x" + toast, Status::kFileChanged}, // the last line itself grew
    };
    for (const ChangeByOthers& change : cases) {
        SCOPED_TRACE(testing::PrintToString(change.read) + " -> " + testing::PrintToString(change.changed));
        test::TempDir dir;
        test::writeFile(dir.file("userfood.txt"), change.read);
        PersonalFoodDatabase database;
        ASSERT_EQ(database.open(dir.path()).status, Status::kOk);
        test::writeFile(dir.file("userfood.txt"), change.changed);

        const PersonalFoodAppendResult added = database.append("Soup", "1 cup", soupValues());
        ASSERT_EQ(added.status, change.status);
        if (change.status != Status::kOk) {
            EXPECT_EQ(test::readFile(dir.file("userfood.txt")), change.changed);
            continue;
        }
        // The database now holds exactly what opening the file afresh gives, ids and all.
        EXPECT_EQ(test::readFile(dir.file("userfood.txt")), change.changed + kSoupLine);
        PersonalFoodDatabase reopened;
        ASSERT_EQ(reopened.open(dir.path(), PersonalFoodDatabase::Access::kReadOnly).status, Status::kOk);
        ASSERT_EQ(database.count(), reopened.count());
        for (std::size_t i = 0; i < reopened.count(); ++i) {
            EXPECT_EQ(*database.recordText(personalFoodId(i)), *reopened.recordText(personalFoodId(i)));
        }
        EXPECT_EQ(added.id, personalFoodId(reopened.count() - 1));
        EXPECT_EQ(database.append("Soup", "1 cup", soupValues()).id, personalFoodId(reopened.count()));
    }
}

TEST(PersonalFoodDatabase, ReplaceRewritesOneLineInPlaceAndOthersTakeItIn)
{
    test::TempDir dir;
    const std::string stew = kStewLine + "\r\n";
    test::writeFile(dir.file("userfood.txt"), stew + kToastLine + "\n" + stew);
    PersonalFoodDatabase database;
    PersonalFoodDatabase other;
    ASSERT_EQ(database.open(dir.path()).status, Status::kOk);
    ASSERT_EQ(other.open(dir.path()).status, Status::kOk);
    ASSERT_EQ(other.append("Soup", "1 cup", soupValues()).id, 646);
    const PersonalFoodRecord* toast = database.record(1);

    EXPECT_EQ(database.replace(644, "Soup [thick]", "1 \"bowl\"", soupValues(), 2), Status::kOk);
    const std::string soupLine = "\"Soup  thick  [1  bowl ]\"" + kSoupLine.substr(kSoupLine.find(','));
    const std::string edited = soupLine.substr(0, soupLine.size() - 2) + "3, ";
    EXPECT_EQ(test::readFile(dir.file("userfood.txt")), stew + edited + "\n" + stew + kSoupLine);
    EXPECT_EQ(database.count(), 4u) << "the line the other program appended is taken in";
    EXPECT_EQ(toast, database.record(1)) << "records stay where they are";
    EXPECT_EQ(toast->text, "Soup  thick  [1  bowl ]");
    EXPECT_EQ(toast->pyramidSlot, 2);
    // The other program sees the replaced file, and its next food still gets the next FoodId.
    EXPECT_EQ(other.append("Stew", "1 bowl", soupValues()).id, 647);
    EXPECT_EQ(other.record(1)->text, toast->text);

    PersonalFoodValues huge = soupValues();
    huge[kCalories] = std::numeric_limits<float>::infinity();
    EXPECT_EQ(database.replace(642, "x", "y", soupValues(), std::nullopt), Status::kNoSuchFood);
    EXPECT_EQ(database.replace(648, "x", "y", soupValues(), std::nullopt), Status::kNoSuchFood);
    EXPECT_EQ(database.replace(643, "x", "y", huge, std::nullopt), Status::kValueOutOfRange);
    EXPECT_EQ(database.replace(643, "x", "y", soupValues(), 6), Status::kValueOutOfRange);
    test::writeFile(dir.file("userfood.txt"), stew);
    EXPECT_EQ(database.replace(643, "x", "y", soupValues(), std::nullopt), Status::kFileChanged) << "cut by others";
    EXPECT_EQ(test::readFile(dir.file("userfood.txt")), stew);
}

TEST(PersonalFoodDatabase, CatchUpReadsWhatOthersAppendedAndNothingElse)
{
    test::TempDir dir;
    const std::string stew = kStewLine + "\r\n";
    test::writeFile(dir.file("userfood.txt"), stew);
    PersonalFoodDatabase database;
    ASSERT_EQ(database.open(dir.path()).status, Status::kOk);
    EXPECT_EQ(database.catchUp(), Status::kOk);
    EXPECT_EQ(database.count(), 1u);

    test::writeFile(dir.file("userfood.txt"), stew + kToastLine + "\r\n");
    EXPECT_EQ(database.catchUp(), Status::kOk);
    ASSERT_EQ(database.count(), 2u);
    EXPECT_EQ(*database.recordText(644), kToastLine);
    EXPECT_EQ(database.append("Soup", "1 cup", soupValues()).id, 645);

    // Cut back by another program: refused, and what was read stays.
    test::writeFile(dir.file("userfood.txt"), stew);
    EXPECT_EQ(database.catchUp(), Status::kFileChanged);
    EXPECT_EQ(database.count(), 3u);
    EXPECT_EQ(test::readFile(dir.file("userfood.txt")), stew);
}

TEST(PersonalFoodDatabase, FailedWriteLeavesNoPartOfTheLine)
{
    if (!test::FileSizeLimit::available()) {
        GTEST_SKIP() << "no way to make a write fail here";
    }
    test::TempDir dir;
    const std::string bytes = kStewLine; // no line end, so the append writes one first
    test::writeFile(dir.file("userfood.txt"), bytes);
    PersonalFoodDatabase database;
    ASSERT_EQ(database.open(dir.path()).status, Status::kOk);
    {
        const test::FileSizeLimit limit(bytes.size() + 20);
        EXPECT_EQ(database.append("Soup", "1 cup", soupValues()).status, Status::kWriteFailed);
    }
    EXPECT_EQ(test::readFile(dir.file("userfood.txt")), bytes);
    EXPECT_EQ(database.count(), 1u);
    // Once there is room again the same food goes in with the next id.
    EXPECT_EQ(database.append("Soup", "1 cup", soupValues()).id, 644);
    EXPECT_EQ(test::readFile(dir.file("userfood.txt")), bytes + "\r\n" + kSoupLine);
}

TEST(PersonalFoodDatabase, FileCutAtEveryLengthOpensAndTakesAppends)
{
    const std::string whole = kStewLine + "\r\n" + kOddLine + "\r\n" + kToastLine + "\r\n";
    PersonalFoodDatabase full;
    test::TempDir fullDir;
    test::writeFile(fullDir.file("userfood.txt"), whole);
    ASSERT_EQ(full.open(fullDir.path()).status, Status::kOk);
    test::TempDir dir;
    for (std::size_t length = 0; length <= whole.size(); ++length) {
        SCOPED_TRACE(length);
        const std::string cut = whole.substr(0, length);
        test::writeFile(dir.file("userfood.txt"), cut);
        PersonalFoodDatabase database;
        ASSERT_EQ(database.open(dir.path()).status, Status::kOk);
        const std::size_t lines = linesIn(cut);
        ASSERT_EQ(database.count(), lines);
        const std::size_t completeLines = lines - (cut.empty() || cut.back() == '\n' ? 0 : 1);
        for (std::size_t i = 0; i < completeLines; ++i) {
            EXPECT_EQ(database.record(i)->text, full.record(i)->text);
            EXPECT_EQ(database.record(i)->values, full.record(i)->values);
        }
        ASSERT_EQ(database.append("Soup", "1 cup", soupValues()).id, personalFoodId(lines));
        PersonalFoodDatabase reopened;
        ASSERT_EQ(reopened.open(dir.path()).status, Status::kOk);
        ASSERT_EQ(reopened.count(), lines + 1);
        EXPECT_EQ(reopened.record(lines)->text, "Soup [1 cup]");
        EXPECT_TRUE(test::readFile(dir.file("userfood.txt")).ends_with("\r\n" + kSoupLine) || lines == 0);
    }
}

} // namespace
} // namespace mw
