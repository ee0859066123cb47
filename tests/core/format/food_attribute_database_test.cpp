#include "format/food_attribute_database.h"

#include "support/file_size_limit.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace mw {
namespace {

using Store = CFoodAttributeDatabase;

std::string golden()
{
    return test::readFile(test::sourcePath("tests/data/golden/fad_flags.dat"));
}

std::string countAndWords(std::uint16_t count, std::size_t words)
{
    return std::string{static_cast<char>(count & 0xFF), static_cast<char>(count >> 8)} + std::string(2 * words, '\0');
}

// The flags of the golden file.
void setGoldenFlags(Store& store)
{
    store.set(0, Store::kHidden);
    store.set(26, Store::listMask(1));
    store.set(642, Store::kHidden | Store::listMask(8));
    store.set(643, Store::listMask(14));
    store.set(4642, 0x7FFF);
}

TEST(FoodAttributeStore, TestSetClearAndCount)
{
    Store store;
    store.set(26, Store::listMask(1));
    EXPECT_EQ(store.test(26, 0), 1) << "listed but not hidden is visible";
    EXPECT_EQ(store.test(26, Store::listMask(1)), 2);
    store.set(26, Store::kHidden);
    EXPECT_EQ(store.test(26, 0), 0);
    EXPECT_EQ(store.test(26, Store::kHidden | Store::listMask(2)), 1);
    store.set(700, Store::listMask(1) | Store::listMask(9));
    EXPECT_EQ(store.count(Store::listMask(1)), 2);
    EXPECT_EQ(store.count(Store::listMask(9) | Store::kHidden), 2);
    store.clear(26, Store::listMask(1) | Store::kHidden);
    EXPECT_EQ(store.test(26, 0xFFFF), 0);
    EXPECT_EQ(store.count(Store::listMask(1)), 1);
    EXPECT_EQ(store.count(0), 0);
}

TEST(FoodAttributeStore, IdsPastTheLastFoodHaveNoWord)
{
    Store store;
    for (const FoodId id : {FoodId(4643), FoodId(9999), FoodId(0xFFFF)}) {
        store.set(id, Store::kHidden);
        EXPECT_EQ(store.test(id, 0), 0);
        EXPECT_EQ(store.test(id, Store::kHidden), 0);
        store.clear(id, Store::kHidden);
    }
    EXPECT_EQ(store.count(0xFFFF), 0);
    EXPECT_FALSE(store.hasUnsavedChanges());
    store.set(4642, Store::kHidden);
    EXPECT_EQ(store.test(4642, 0), 0);
}

class FoodAttributeFile : public ::testing::Test
{
protected:
    std::filesystem::path fad() const { return m_folder.file("fad.dat"); }
    test::TempDir m_folder;
};

TEST_F(FoodAttributeFile, FirstRunWritesAComplete9288ByteFileAndLaterSavesOnlyChanges)
{
    Store store;
    EXPECT_EQ(store.load(fad()).status, FoodAttributeLoadStatus::kMissing);
    EXPECT_EQ(store.count(0xFFFF), 0);
    EXPECT_FALSE(std::filesystem::exists(fad())) << "loading never creates the file";
    ASSERT_FALSE(store.saveIfChanged());
    EXPECT_EQ(test::readFile(fad()), countAndWords(4643, 4643));
    // Later saves write only changed flags.
    std::filesystem::remove(fad());
    EXPECT_FALSE(store.saveIfChanged());
    EXPECT_FALSE(std::filesystem::exists(fad())) << "nothing changed, nothing written";

    store.clear(5, Store::kHidden);
    store.set(5, 0);
    EXPECT_FALSE(store.hasUnsavedChanges()) << "a set or clear that changes no bit is no change";

    store.set(5, Store::kHidden);
    EXPECT_TRUE(store.hasUnsavedChanges());
    ASSERT_FALSE(store.saveIfChanged());
    Store reread;
    reread.load(fad());
    EXPECT_EQ(reread.test(5, 0), 0);
}

TEST_F(FoodAttributeFile, GoldenBytesBothWays)
{
    Store written;
    written.load(fad());
    setGoldenFlags(written);
    ASSERT_FALSE(written.save());
    EXPECT_EQ(test::readFile(fad()), golden());

    Store read;
    const FoodAttributeLoadResult result = read.load(test::sourcePath("tests/data/golden/fad_flags.dat"));
    EXPECT_EQ(result.status, FoodAttributeLoadStatus::kLoaded);
    EXPECT_EQ(result.wordsRead, 4643u);
    EXPECT_EQ(read.words(), written.words());
    EXPECT_FALSE(read.hasUnsavedChanges());
}

TEST_F(FoodAttributeFile, FilesThatCannotGiveEveryWord)
{
    struct Case
    {
        const char* name;
        std::string bytes;
        FoodAttributeLoadStatus status;
        int hiddenFoods;
    };
    std::string escaped = "\xFF\xFF\x23\x12\x00\x00"s + golden().substr(2);
    std::string wrongCount = golden();
    wrongCount[0] = 0x22;
    const std::vector<Case> cases = {
        {"empty", "", FoodAttributeLoadStatus::kNoCount, 0},
        {"one byte", "\x23", FoodAttributeLoadStatus::kNoCount, 0},
        {"escape without its count", "\xFF\xFF\x23\x12", FoodAttributeLoadStatus::kNoCount, 0},
        {"count 4642 in a 9288-byte file", wrongCount, FoodAttributeLoadStatus::kWrongCount, 0},
        {"count 0", countAndWords(0, 0), FoodAttributeLoadStatus::kWrongCount, 0},
        {"escaped count 4643", escaped, FoodAttributeLoadStatus::kLoaded, 3},
        {"first 643 words and half a word", golden().substr(0, 2 + 2 * 643 + 1), FoodAttributeLoadStatus::kShortFile,
         2},
        {"trailing bytes", golden() + "more", FoodAttributeLoadStatus::kLoaded, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::writeFile(fad(), c.bytes);
        Store store;
        store.set(1, Store::kHidden);
        EXPECT_EQ(store.load(fad()).status, c.status);
        EXPECT_EQ(store.count(Store::kHidden), c.hiddenFoods);
        EXPECT_EQ(store.hasUnsavedChanges(), c.status != FoodAttributeLoadStatus::kLoaded)
            << "an incomplete file is completed by the next save";
    }
}

TEST_F(FoodAttributeFile, EveryCutOfAValidFileKeepsTheWordsItHas)
{
    const std::string file = golden();
    for (std::size_t length = 0; length < file.size(); ++length) {
        const FoodAttributeFileContents contents = decodeFoodAttributeFile(std::string_view(file).substr(0, length));
        if (length < 2) {
            ASSERT_EQ(contents.status, FoodAttributeFileStatus::kNoCount);
            continue;
        }
        const std::size_t words = (length - 2) / 2;
        ASSERT_EQ(contents.status, FoodAttributeFileStatus::kShort);
        ASSERT_EQ(contents.wordsRead, words);
        ASSERT_EQ(contents.words[26], words > 26 ? 2 : 0);
        ASSERT_EQ(contents.words[4642], 0);
    }
}

TEST_F(FoodAttributeFile, FailedSaveIsReportedAndKeepsTheOldFile)
{
    Store unattached;
    unattached.set(1, Store::kHidden);
    EXPECT_TRUE(unattached.saveIfChanged());

    Store misplaced;
    misplaced.load(m_folder.file("no-such-folder/fad.dat"));
    EXPECT_TRUE(misplaced.saveIfChanged());
    EXPECT_TRUE(misplaced.hasUnsavedChanges());

    if (!test::FileSizeLimit::available()) {
        GTEST_SKIP() << "no way to make a write fail here";
    }
    test::writeFile(fad(), golden());
    Store store;
    store.load(fad());
    store.set(7, Store::kHidden);
    std::error_code error;
    {
        const test::FileSizeLimit limit(100);
        error = store.saveIfChanged();
    }
    EXPECT_TRUE(error);
    EXPECT_TRUE(store.hasUnsavedChanges()) << "the next save tries again";
    EXPECT_EQ(test::readFile(fad()), golden());
    ASSERT_FALSE(store.saveIfChanged());
    EXPECT_NE(test::readFile(fad()), golden());
}

} // namespace
} // namespace mw
