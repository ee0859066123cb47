#include "format/atomic_file.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

namespace mw {
namespace {

namespace fs = std::filesystem;

void makeOld(const fs::path& path)
{
    fs::last_write_time(path, fs::file_time_type::clock::now() - kStaleTemporaryAge - std::chrono::minutes(1));
}

TEST(AtomicFile, ASaveRemovesTheTemporaryFilesAKilledSaveLeftButNoOthers)
{
    test::TempDir dir;
    const fs::path day = dir.file("day.ypd");
    const char* const stale[] = {"day.ypd.tmp-1", "day.ypd.tmp-4294967295"};
    const char* const kept[] = {"day.ypd.tmp-", "day.ypd.tmp-12a", "other.ypd.tmp-7", "day.ypd.tmp-99"};
    for (const char* name : stale) {
        test::writeFile(dir.file(name), "half");
        makeOld(dir.file(name));
    }
    for (const char* name : kept) {
        test::writeFile(dir.file(name), "kept");
        if (std::string(name) != "day.ypd.tmp-99") { // a save under way in another program: too young
            makeOld(dir.file(name));
        }
    }
    fs::create_directory(dir.file("day.ypd.tmp-5"));
    makeOld(dir.file("day.ypd.tmp-5"));

    ASSERT_FALSE(writeFileAtomically(day, "new day"));
    EXPECT_EQ(test::readFile(day), "new day");
    for (const char* name : stale) {
        EXPECT_FALSE(fs::exists(dir.file(name))) << name;
    }
    for (const char* name : kept) {
        EXPECT_EQ(test::readFile(dir.file(name)), "kept") << name;
    }
    EXPECT_TRUE(fs::is_directory(dir.file("day.ypd.tmp-5")));
}

TEST(AtomicFile, AFailedSaveLeavesTheOldFileAndNoTemporaryFile)
{
    test::TempDir dir;
    const fs::path day = dir.file("day.ypd");
    test::writeFile(day, "old day");
    fs::create_directory(dir.file("blocked"));
    // Renaming a file over a folder fails after the temporary file was written.
    EXPECT_TRUE(writeFileAtomically(dir.file("blocked"), "new"));
    EXPECT_TRUE(fs::is_directory(dir.file("blocked")));
    std::size_t files = 0;
    for ([[maybe_unused]] const fs::directory_entry& entry : fs::directory_iterator(dir.path())) {
        ++files;
    }
    EXPECT_EQ(files, 2u);
    EXPECT_EQ(test::readFile(day), "old day");
}

} // namespace
} // namespace mw
