// Saves killed at random moments leave every file as it was before or after the save, and two
// processes writing the same file at once lose nothing.
#include "core/reliability/child_process.h"

#include "format/atomic_file.h"
#include "format/day_file.h"
#include "format/food_attribute_database.h"
#include "format/food_attribute_file.h"
#include "format/ini_file.h"
#include "format/personal_food_database.h"
#include "model/day_document.h"
#include "model/food_operations.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <set>
#include <sstream>
#include <string>

namespace mw {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// The loops below stop after this many rounds or this long, whichever comes first.
constexpr int kMaxKills = 40;
constexpr auto kTimeBudget = 3s;

// fad.dat version v holds the word v for every food, so a mix of two versions shows.
std::uint16_t versionOf(const FoodAttributeFileContents& contents)
{
    return contents.words[0];
}

bool isOneVersion(const FoodAttributeFileContents& contents)
{
    return std::all_of(contents.words.begin(), contents.words.end(),
                       [&](std::uint16_t word) { return word == versionOf(contents); });
}

// Saves versions first, first + 1, ... until killed (or after two seconds, so it cannot linger).
int saveVersionsForever(const fs::path& file, std::uint16_t first)
{
    CFoodAttributeDatabase store;
    store.load(file);
    const auto stop = std::chrono::steady_clock::now() + 2s;
    for (std::uint16_t version = first; std::chrono::steady_clock::now() < stop; ++version) {
        store.reset();
        for (std::size_t id = 0; id < kFoodAttributeWordCount; ++id) {
            store.set(static_cast<FoodId>(id), version);
        }
        if (store.save()) {
            return 3;
        }
    }
    return 0;
}

TEST(CrashSafety, KilledAttributeSaveLeavesTheOldOrTheNewFile)
{
    test::TempDir dir;
    const fs::path file = dir.file("fad.dat");
    FoodAttributeWords first{};
    first.fill(1);
    test::writeFile(file, encodeFoodAttributeFile(first));

    std::mt19937 random(std::random_device{}());
    const auto stop = std::chrono::steady_clock::now() + kTimeBudget;
    std::uint16_t lastVersion = 1;
    int kills = 0;
    for (; kills < kMaxKills && std::chrono::steady_clock::now() < stop; ++kills) {
        const auto next = static_cast<std::uint16_t>(lastVersion + 1);
        const pid_t child = test::forkChild([&] { return saveVersionsForever(file, next); });
        test::killAfter(child, std::chrono::microseconds(random() % 30000));

        const std::string bytes = test::readFile(file);
        ASSERT_EQ(bytes.size(), kFoodAttributeFileSize) << "after kill " << kills;
        const FoodAttributeFileContents contents = decodeFoodAttributeFile(bytes);
        ASSERT_EQ(contents.status, FoodAttributeFileStatus::kComplete);
        ASSERT_TRUE(isOneVersion(contents)) << "a mix of two saves after kill " << kills;
        const std::uint16_t version = versionOf(contents);
        ASSERT_TRUE(version == lastVersion || version >= next) << "an older file came back";
        lastVersion = version;
    }
    EXPECT_GT(lastVersion, 1) << "no save ever finished";
    RecordProperty("kills", kills);
}

// Writes key prefix0 .. prefix{count-1} of one section, one write each, as a window would.
int writeKeys(const fs::path& profile, const std::string& prefix, int count)
{
    IniSettings settings(profile);
    for (int i = 0; i < count; ++i) {
        if (settings.writeInt("Options", prefix + std::to_string(i), i)) {
            return 3;
        }
    }
    return 0;
}

TEST(CrashSafety, TwoProcessesWritingTheProfileKeepEveryKey)
{
    test::TempDir dir;
    const fs::path profile = dir.file("mealwright.ini");
    test::writeFile(profile, "[Options]\nFat Warning Percent=40\n");
    constexpr int kKeys = 60;
    const pid_t desktop = test::forkChild([&] { return writeKeys(profile, "Desktop", kKeys); });
    const pid_t commandLine = test::forkChild([&] { return writeKeys(profile, "Cli", kKeys); });
    EXPECT_EQ(test::waitForChild(desktop).code, 0);
    EXPECT_EQ(test::waitForChild(commandLine).code, 0);

    const IniSettings settings(profile);
    int missing = 0;
    for (int i = 0; i < kKeys; ++i) {
        for (const std::string prefix : {"Desktop", "Cli"}) {
            missing += settings.readInt("Options", prefix + std::to_string(i), -1) == i ? 0 : 1;
        }
    }
    EXPECT_EQ(missing, 0) << "keys lost between two writers";
    EXPECT_EQ(settings.readInt("Options", "Fat Warning Percent", 0), 40);
}

PersonalFoodValues valuesOf(int grams)
{
    PersonalFoodValues values{};
    values[kWeight] = static_cast<float>(grams);
    values[kCalories] = 10.0f;
    return values;
}

// Appends count foods: through one database kept open, as the desktop program does, or through a database
// opened afresh for each, as runs of the command-line tool do. Writes each food's name and the id it got
// to log, one per line; every append must succeed.
int appendFoods(const fs::path& folder, const std::string& prefix, int count, const fs::path& log, bool keptOpen)
{
    std::string lines;
    PersonalFoodDatabase database;
    for (int i = 0; i < count; ++i) {
        if (i == 0 || !keptOpen) {
            database.open(folder);
        }
        const std::string name = prefix + std::to_string(i);
        const PersonalFoodAppendResult added = database.append(name, "1 g", valuesOf(1 + i));
        if (added.status != PersonalFoodStatus::kOk) {
            return 10 + static_cast<int>(added.status); // which refusal, for the failure message
        }
        lines += name + " " + std::to_string(added.id) + "\n";
    }
    test::writeFile(log, lines);
    return 0;
}

TEST(CrashSafety, TwoProcessesAppendingPersonalFoodsLoseNothing)
{
    test::TempDir dir;
    constexpr int kFoods = 300;
    const pid_t first =
        test::forkChild([&] { return appendFoods(dir.path(), "First", kFoods, dir.file("a.log"), true); });
    const pid_t second =
        test::forkChild([&] { return appendFoods(dir.path(), "Second", kFoods, dir.file("b.log"), false); });
    ASSERT_EQ(test::waitForChild(first).code, 0);
    ASSERT_EQ(test::waitForChild(second).code, 0);

    PersonalFoodDatabase database;
    ASSERT_EQ(database.open(dir.path(), PersonalFoodDatabase::Access::kReadOnly).status, PersonalFoodStatus::kOk);
    std::set<FoodId> ids;
    std::size_t added = 0;
    for (const char* log : {"a.log", "b.log"}) {
        std::istringstream in(test::readFile(dir.file(log)));
        std::string name;
        int id = 0;
        while (in >> name >> id) {
            ++added;
            ids.insert(static_cast<FoodId>(id));
            ASSERT_TRUE(database.exists(static_cast<FoodId>(id))) << name;
            EXPECT_EQ(database.record(static_cast<std::size_t>(id - kFirstPersonalFoodId))->text, name + " [1 g]");
        }
    }
    EXPECT_EQ(ids.size(), added) << "two foods were given one id";
    EXPECT_EQ(database.count(), added) << "every line in the file is a food that was reported added";
    EXPECT_EQ(added, std::size_t{2 * kFoods});
    const std::string bytes = test::readFile(dir.file("userfood.txt"));
    EXPECT_TRUE(bytes.ends_with("\r\n"));
}

TEST(CrashSafety, ProfileWriteOnAFullDiskKeepsTheOldProfile)
{
    if (!test::FileSizeLimit::available()) {
        GTEST_SKIP() << "no way to make a write fail here";
    }
    test::TempDir dir;
    const fs::path profile = dir.file("mealwright.ini");
    const std::string before = "[Options]\nFat Warning Percent=40\n; " + std::string(200, 'x') + "\n";
    test::writeFile(profile, before);
    IniSettings settings(profile);
    {
        const test::FileSizeLimit limit(before.size() / 2);
        EXPECT_TRUE(settings.writeInt("Options", "Use PDA", 1)) << "the failed write is reported";
    }
    EXPECT_EQ(test::readFile(profile), before);
    for (const fs::directory_entry& entry : fs::directory_iterator(dir.path())) {
        EXPECT_EQ(entry.path(), profile) << "left behind";
    }
    EXPECT_FALSE(settings.writeInt("Options", "Use PDA", 1)) << "with room again the write goes through";
    EXPECT_EQ(settings.readInt("Options", "Use PDA", 0), 1);
}

TEST(CrashSafety, ADayTooLargeToReadBackIsRefusedBeforeAnythingIsWritten)
{
    test::TempDir dir;
    const fs::path file = dir.file("day.ypd");
    test::writeFile(file, std::string(12, '\0'));
    DayMeals meals;
    meals[kBreakfast].reserve(kMaxDayFileSize / 6); // six bytes an entry, plus counts and the class
    for (std::size_t k = 0; k < kMaxDayFileSize / 6; ++k) {
        meals[kBreakfast].append(CFood(0, 1));
    }
    const FoodOperations foods;
    CFofDoc document(foods);
    document.replaceMeals(std::move(meals));
    EXPECT_EQ(saveDayFile(file, document), SaveError::kTooLargeToReadBack);
    EXPECT_EQ(test::readFile(file), std::string(12, '\0'));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

} // namespace
} // namespace mw
