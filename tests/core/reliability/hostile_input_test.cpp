// Files a stranger could hand each reader: things that are not files, files that cannot be read,
// and contents made to hurt. Each read fails with a clear code or reads what it can, quickly, and
// writes nothing.
#include "core/reliability/child_process.h"

#include "format/atomic_file.h"
#include "format/day_file.h"
#include "format/food_attribute_database.h"
#include "format/food_attribute_file.h"
#include "format/ini_file.h"
#include "format/personal_food_database.h"
#include "model/day_document.h"
#include "model/food_operations.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace mw {
namespace {

using namespace std::chrono_literals;
using namespace std::string_literals;
namespace fs = std::filesystem;

// Every reader finishes with a hostile file well within this.
constexpr auto kQuick = 2s;

// What a folder holds: each entry's name and, for files, bytes; for anything else its type.
std::map<std::string, std::string> snapshot(const fs::path& folder)
{
    std::map<std::string, std::string> entries;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const fs::file_status status = entry.symlink_status();
        std::string what = "type " + std::to_string(static_cast<int>(status.type()));
        if (fs::is_regular_file(status) && (status.permissions() & fs::perms::owner_read) != fs::perms::none) {
            what = test::readFile(entry.path());
        }
        entries[entry.path().filename().string()] = what;
    }
    return entries;
}

// Something that stands where a reader expects its file, and what the day reader says of it.
struct HostileEntry
{
    const char* name;
    std::function<void(const fs::path&)> make;
    const char* dayText;
};

const std::vector<HostileEntry>& hostileEntries()
{
    static const std::vector<HostileEntry> entries = {
        {"a folder", [](const fs::path& at) { fs::create_directory(at); }, "it is a folder, not a day file"},
        {"a named pipe nobody writes to", [](const fs::path& at) { ASSERT_EQ(::mkfifo(at.c_str(), 0600), 0); },
         "it is a named pipe (FIFO), not a day file"},
        {"a socket", [](const fs::path& at) { ASSERT_EQ(::mknod(at.c_str(), S_IFSOCK | 0600, 0), 0); },
         "it is a socket, not a day file"},
        {"a link to an endless device", [](const fs::path& at) { fs::create_symlink("/dev/zero", at); },
         "it is a device, not a day file"},
        {"a link to itself", [](const fs::path& at) { fs::create_symlink(at.filename(), at); },
         "the file cannot be read: Too many levels of symbolic links"},
    };
    return entries;
}

// Makes the hostile entry at folder/name, runs read, and checks that it is quick and changes nothing.
void readEachHostileEntry(const std::string& name,
                          const std::function<void(const fs::path& file, const HostileEntry& hostile)>& read)
{
    for (const HostileEntry& hostile : hostileEntries()) {
        SCOPED_TRACE(hostile.name);
        test::TempDir dir;
        hostile.make(dir.file(name));
        const auto before = snapshot(dir.path());
        const auto start = std::chrono::steady_clock::now();
        read(dir.file(name), hostile);
        EXPECT_LT(std::chrono::steady_clock::now() - start, kQuick);
        EXPECT_EQ(snapshot(dir.path()), before) << "the reader wrote something";
    }
}

// Runs check where file permissions hold: as another user when this one is all-powerful. True when
// check passed (or could not be run because there is no other user to be).
bool passesWithoutPrivileges(const std::function<bool()>& check)
{
    if (::geteuid() != 0) {
        return check();
    }
    const pid_t child = test::forkChild([&] {
        constexpr uid_t kNobody = 65534;
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
            return 0;
        }
        return check() ? 0 : 1;
    });
    return test::waitForChild(child).code == 0;
}

// A file of the given bytes that nobody may read, not even its owner.
fs::path unreadableFile(const test::TempDir& dir, const std::string& name, const std::string& bytes)
{
    test::writeFile(dir.file(name), bytes);
    fs::permissions(dir.file(name), fs::perms::none);
    return dir.file(name);
}

std::string u16(std::uint16_t value)
{
    return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

std::string u32(std::uint32_t value)
{
    return u16(static_cast<std::uint16_t>(value & 0xFFFF)) + u16(static_cast<std::uint16_t>(value >> 16));
}

std::string classDescription(std::string_view name)
{
    return u16(0xFFFF) + u16(0) + u16(static_cast<std::uint16_t>(name.size())) + std::string(name);
}

const std::string kOneMegabyte = std::string(1 << 20, 'a');

TEST(HostileInput, DayFileThatIsNotAFile)
{
    const FoodOperations foods;
    readEachHostileEntry("day.ypd", [&](const fs::path& file, const HostileEntry& hostile) {
        CFofDoc document(foods);
        document.appendEntry(kLunch, 3, 30);
        const DayFileResult result = loadDayFile(file, document);
        EXPECT_EQ(result.error, DayFileError::kCannotRead);
        EXPECT_EQ(describeDayFileError(result), hostile.dayText);
        EXPECT_EQ(document.entryCount(kLunch), 1u);
    });
}

TEST(HostileInput, DayFileContents)
{
    const std::string emptyMeals = std::string(10, '\0');
    const std::string body = u16(1) + u16(100);
    struct Case
    {
        const char* name;
        std::string bytes;
        DayFileError error;
    };
    const std::vector<Case> cases = {
        {"a 1 MB line of text", kOneMegabyte + "\n", DayFileError::kNotADayFile},
        {"a class name that is not UTF-8", u16(1) + classDescription("\xFF\xFE\xC0\x80\xED") + body + emptyMeals,
         DayFileError::kWrongClassName},
        {"a class name of no bytes", u16(1) + classDescription("") + body + emptyMeals, DayFileError::kWrongClassName},
        {"a class name that claims 65535 bytes", u16(1) + u16(0xFFFF) + u16(0) + u16(0xFFFF) + kOneMegabyte,
         DayFileError::kClassNameTooLong},
        {"a class name with a zero byte", u16(1) + classDescription("CFood\0"s) + body + emptyMeals,
         DayFileError::kWrongClassName},
        {"a second class in the third meal",
         u16(1) + classDescription("CFood") + body + u16(0) + u16(1) + classDescription("CMeal") + body +
             std::string(6, '\0'),
         DayFileError::kWrongClassName},
        {"every meal claims 65534 entries of 1 MB", std::string(6, '\0') + u16(0xFFFE) + kOneMegabyte,
         DayFileError::kNotADayFile},
        {"a long tag naming the last possible class",
         u16(2) + classDescription("CFood") + body + u16(0x7FFF) + u32(0xFFFFFFFF) + body + emptyMeals,
         DayFileError::kNotAClassReference},
        {"a long tag naming the last possible object",
         u16(2) + classDescription("CFood") + body + u16(0x7FFF) + u32(0x7FFFFFFF) + body + emptyMeals,
         DayFileError::kObjectReference},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        test::writeFile(dir.file("day.ypd"), c.bytes);
        const auto before = snapshot(dir.path());
        const FoodOperations foods;
        CFofDoc document(foods);
        const auto start = std::chrono::steady_clock::now();
        const DayFileResult result = loadDayFile(dir.file("day.ypd"), document);
        EXPECT_LT(std::chrono::steady_clock::now() - start, kQuick);
        EXPECT_EQ(result.error, c.error) << describeDayFileError(result);
        EXPECT_LE(result.offset, c.bytes.size());
        EXPECT_EQ(document.meals(), DayMeals());
        EXPECT_EQ(snapshot(dir.path()), before);
    }
}

TEST(HostileInput, DayFileThatCannotBeRead)
{
    test::TempDir dir;
    const fs::path file = unreadableFile(dir, "day.ypd", std::string(12, '\0'));
    EXPECT_TRUE(passesWithoutPrivileges([&] {
        const FoodOperations foods;
        CFofDoc document(foods);
        const DayFileResult result = loadDayFile(file, document);
        return result.error == DayFileError::kCannotRead && result.ioError == std::errc::permission_denied;
    }));
}

TEST(HostileInput, PersonalFoodFileThatIsNotAFile)
{
    readEachHostileEntry("userfood.txt", [](const fs::path& file, const HostileEntry&) {
        PersonalFoodDatabase database;
        const PersonalFoodStatus status = database.open(file.parent_path()).status;
        EXPECT_TRUE(status == PersonalFoodStatus::kNotAFile || status == PersonalFoodStatus::kUnreadable ||
                    status == PersonalFoodStatus::kCannotCreate)
            << static_cast<int>(status);
        EXPECT_EQ(database.count(), 0u);
        EXPECT_EQ(database.append("Soup", "1 cup", {}).status, PersonalFoodStatus::kNoFile);
    });
}

TEST(HostileInput, PersonalFoodLines)
{
    struct Case
    {
        const char* name;
        std::string line;
        std::string text;
        float weight;
        float calories;
    };
    const std::string zeroBytes = "\0\0\0"s;
    const std::vector<Case> cases = {
        {"a 1 MB line without quotes", kOneMegabyte, kOneMegabyte, 100.0f, 0.0f},
        {"a 1 MB name", "\"" + kOneMegabyte + "\", 5, 6, ", kOneMegabyte, 5.0f, 6.0f},
        {"1 MB of numbers",
         "\"Many\", " +
             [] {
                 std::string numbers;
                 while (numbers.size() < (1u << 20)) {
                     numbers += "7, ";
                 }
                 return numbers;
             }(),
         "Many", 7.0f, 7.0f},
        {"zero bytes in the name", "\"Nul" + zeroBytes + "name\", 10, 20, ", "Nul" + zeroBytes + "name", 10.0f, 20.0f},
        {"numbers out of every range", "\"Odd\", 1e999, nan, inf, ", "Odd", 100.0f, 0.0f},
        {"more odd numbers", "\"Odd\", -inf, 0x1A, " + std::string(400, '9') + ", ", "Odd", 100.0f, 0.0f},
        {"tiny numbers", "\"Odd\", 1e-400, 1e-7, ", "Odd", 100.0f, 0.0f},
        {"a name that is not UTF-8", "\"Cr\xE8me br\xFBl\xE9\xE9 [1 \x80]\", 10, ",
         "Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9\xC3\xA9 [1 \xE2\x82\xAC]", 10.0f, 0.0f},
        {"an overlong UTF-8 quote", "\"\xC0\xA2\", 10, ", "\xC3\x80\xC2\xA2", 10.0f, 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        test::writeFile(dir.file("userfood.txt"), c.line + "\r\n");
        PersonalFoodDatabase database;
        const auto start = std::chrono::steady_clock::now();
        ASSERT_EQ(database.open(dir.path(), PersonalFoodDatabase::Access::kReadOnly).status, PersonalFoodStatus::kOk);
        EXPECT_LT(std::chrono::steady_clock::now() - start, kQuick);
        ASSERT_EQ(database.count(), 1u);
        EXPECT_EQ(database.record(0)->text, c.text);
        EXPECT_EQ(database.record(0)->values[kWeight], c.weight);
        EXPECT_EQ(database.record(0)->values[kCalories], c.calories);
        EXPECT_EQ(database.itemText(0), "643;" + c.text);
        EXPECT_EQ(test::readFile(dir.file("userfood.txt")), c.line + "\r\n");
    }
}

TEST(HostileInput, PersonalFoodFileThatCannotBeRead)
{
    test::TempDir dir;
    const std::string bytes = "\"Stew [1 bowl]\", 200, 300, \r\n";
    unreadableFile(dir, "userfood.txt", bytes);
    EXPECT_TRUE(passesWithoutPrivileges([&] {
        PersonalFoodDatabase database;
        return database.open(dir.path()).status == PersonalFoodStatus::kUnreadable && database.count() == 0 &&
               database.append("Soup", "1 cup", {}).status == PersonalFoodStatus::kNoFile;
    }));
    fs::permissions(dir.file("userfood.txt"), fs::perms::owner_read);
    EXPECT_EQ(test::readFile(dir.file("userfood.txt")), bytes);
}

TEST(HostileInput, FoodAttributeFileThatIsNotAFile)
{
    readEachHostileEntry("fad.dat", [](const fs::path& file, const HostileEntry&) {
        CFoodAttributeDatabase store;
        const FoodAttributeLoadResult result = store.load(file);
        EXPECT_EQ(result.status, FoodAttributeLoadStatus::kUnreadable);
        EXPECT_TRUE(result.ioError);
        EXPECT_EQ(store.count(0xFFFF), 0);
        EXPECT_FALSE(store.hasUnsavedChanges());
        // Whatever stands there is left alone unless the user changes a flag.
        EXPECT_FALSE(store.saveIfChanged());
    });
}

TEST(HostileInput, FoodAttributeFileContents)
{
    struct Case
    {
        const char* name;
        std::string bytes;
        FoodAttributeLoadStatus status;
    };
    const std::vector<Case> cases = {
        {"1 MB of 0xFF", std::string(1 << 20, '\xFF'), FoodAttributeLoadStatus::kWrongCount},
        {"the largest escaped count", u16(0xFFFF) + u32(0xFFFFFFFF) + kOneMegabyte,
         FoodAttributeLoadStatus::kWrongCount},
        {"4643 words and 1 MB after them", u16(4643) + std::string(2 * 4643, '\x01') + kOneMegabyte,
         FoodAttributeLoadStatus::kLoaded},
        {"a 1 MB line of text", kOneMegabyte + "\n", FoodAttributeLoadStatus::kWrongCount},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        test::writeFile(dir.file("fad.dat"), c.bytes);
        CFoodAttributeDatabase store;
        EXPECT_EQ(store.load(dir.file("fad.dat")).status, c.status);
        EXPECT_EQ(store.count(0xFFFF), c.status == FoodAttributeLoadStatus::kLoaded ? 4643 : 0);
        EXPECT_EQ(test::readFile(dir.file("fad.dat")), c.bytes) << "loading writes nothing";
    }
}

TEST(HostileInput, FoodAttributeFileThatCannotBeRead)
{
    test::TempDir dir;
    FoodAttributeWords words{};
    words[5] = CFoodAttributeDatabase::kHidden;
    const std::string bytes = encodeFoodAttributeFile(words);
    const fs::path file = unreadableFile(dir, "fad.dat", bytes);
    EXPECT_TRUE(passesWithoutPrivileges([&] {
        CFoodAttributeDatabase store;
        const FoodAttributeLoadResult result = store.load(file);
        return result.status == FoodAttributeLoadStatus::kUnreadable && !store.hasUnsavedChanges() &&
               !store.saveIfChanged();
    }));
    fs::permissions(file, fs::perms::owner_read);
    EXPECT_EQ(test::readFile(file), bytes);
}

TEST(HostileInput, ProfileThatIsNotAFile)
{
    readEachHostileEntry("mealwright.ini", [](const fs::path& file, const HostileEntry&) {
        EXPECT_TRUE(loadIniFile(file).error);
        IniSettings settings(file);
        EXPECT_EQ(settings.readInt("Options", "Fat Warning Percent", 30), 30);
        EXPECT_TRUE(settings.writeInt("Options", "Use PDA", 1)) << "what stands there is not replaced";
    });
}

TEST(HostileInput, ProfileContents)
{
    const std::string longValue(kMaxProfileBytes - 100, 'v');
    std::string manyLines = "[Options]\n";
    while (manyLines.size() < kMaxProfileBytes - 20) {
        manyLines += "k=v\n";
    }
    struct Case
    {
        const char* name;
        std::string text;
        std::string section;
        std::string key;
        std::optional<std::string> value;
    };
    const std::vector<Case> cases = {
        {"a value of almost 1 MB", "[Options]\nLong=" + longValue + "\n", "Options", "Long", longValue},
        {"a line of almost 1 MB of brackets", "[Options]\n" + std::string(kMaxProfileBytes - 100, '[') + "\nA=1\n",
         "Options", "A", std::nullopt},
        {"a quarter of a million short lines", manyLines + "Last=1\n", "Options", "Last", "1"},
        {"zero bytes", "[Opt\0ons]\nK\0y=v\0l\n"s, "Opt\0ons"s, "K\0y"s, "v\0l"s},
        {"names that are not UTF-8", "[\xFF\xFE]\n\xC0\x80=\xED\xA0\x80\n", "\xFF\xFE", "\xC0\x80", "\xED\xA0\x80"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        test::writeFile(dir.file("p.ini"), c.text);
        IniSettings settings(dir.file("p.ini"));
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(settings.readValue(c.section, c.key), c.value);
        EXPECT_LT(std::chrono::steady_clock::now() - start, kQuick);
        // Another key written keeps what was there byte for byte.
        if (c.text.size() + 20 < kMaxProfileBytes) {
            ASSERT_FALSE(settings.writeInt("Other", "Key", 1));
            EXPECT_TRUE(test::readFile(dir.file("p.ini")).starts_with(c.text));
            EXPECT_EQ(settings.readValue(c.section, c.key), c.value);
        }
    }
}

TEST(HostileInput, ProfileIsNeverWrittenLargerThanItsReaderTakes)
{
    // A profile just under the limit, to which a recent file of a long path is added.
    test::TempDir dir;
    std::string text = "[Recent File List]\nFile1=" + std::string(kMaxProfileBytes - 120, 'p') + "\n";
    test::writeFile(dir.file("p.ini"), text);
    IniSettings settings(dir.file("p.ini"));
    EXPECT_EQ(settings.writeText("Recent File List", "File2", std::string(200, 'q')), SaveError::kTooLargeToReadBack);
    EXPECT_EQ(test::readFile(dir.file("p.ini")), text);
    EXPECT_FALSE(settings.load().error);
    EXPECT_FALSE(settings.writeText("Recent File List", "File2", "/short.ypd"));
}

TEST(HostileInput, ProfileThatCannotBeRead)
{
    test::TempDir dir;
    const std::string bytes = "[Options]\nFat Warning Percent=45\n";
    const fs::path file = unreadableFile(dir, "mealwright.ini", bytes);
    EXPECT_TRUE(passesWithoutPrivileges([&] {
        IniSettings settings(file);
        return settings.load().error == std::errc::permission_denied &&
               settings.readInt("Options", "Fat Warning Percent", 30) == 30 &&
               settings.writeInt("Options", "Use PDA", 1) == std::errc::permission_denied;
    }));
    fs::permissions(file, fs::perms::owner_read);
    EXPECT_EQ(test::readFile(file), bytes);
}

} // namespace
} // namespace mw
