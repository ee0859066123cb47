#include "format/atomic_file.h"

#include "format/file_lock.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mw {
namespace {

namespace fs = std::filesystem;

TEST(AtomicFile, ASaveRemovesTheTemporaryFilesAKilledSaveLeftButNoOthers)
{
    test::TempDir dir;
    const fs::path day = dir.file("day.ypd");
    const char* const stale[] = {"day.ypd.tmp-1", "day.ypd.tmp-4294967295"};
    const char* const kept[] = {"day.ypd.tmp-", "day.ypd.tmp-12a", "other.ypd.tmp-7", "day.ypd.tmp-99"};
    for (const char* name : stale) {
        test::writeFile(dir.file(name), "half");
    }
    for (const char* name : kept) {
        test::writeFile(dir.file(name), "kept");
    }
    fs::create_directory(dir.file("day.ypd.tmp-5"));
    const FileLock saveUnderWay(dir.file("day.ypd.tmp-99")); // another program's save holds its file

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

TEST(AtomicFile, ReadingLooksForLeftoversOnlyUnderTheFilesOwnTemporaryNames)
{
    test::TempDir dir;
    const fs::path day = dir.file("day.ypd");
    // Saves number their temporary files from 1, so a killed one leaves one of the first names.
    for (const char* name : {"day.ypd.tmp-1", "day.ypd.tmp-3", "day.ypd.tmp-5", "day.ypd.tmp-6", "day.ypd.tmp-8"}) {
        test::writeFile(dir.file(name), "half");
    }
    const FileLock saveUnderWay(dir.file("day.ypd.tmp-5"));
    removeStaleTemporaryFiles(day);
    EXPECT_FALSE(fs::exists(dir.file("day.ypd.tmp-1")));
    EXPECT_FALSE(fs::exists(dir.file("day.ypd.tmp-3")));
    EXPECT_TRUE(fs::exists(dir.file("day.ypd.tmp-5"))) << "held by a save";
    EXPECT_FALSE(fs::exists(dir.file("day.ypd.tmp-6")));
    EXPECT_TRUE(fs::exists(dir.file("day.ypd.tmp-8"))) << "beyond the first free name";
    ASSERT_FALSE(writeFileAtomically(day, "new day"));
    EXPECT_FALSE(fs::exists(dir.file("day.ypd.tmp-8"))) << "a save looks through the folder once";
}

TEST(AtomicFile, AFailedSaveLeavesTheOldFileAndNoTemporaryFile)
{
    test::TempDir dir;
    const fs::path day = dir.file("day.ypd");
    test::writeFile(day, "old day");
    fs::create_directory(dir.file("blocked"));
    EXPECT_TRUE(writeFileAtomically(dir.file("blocked"), "new"));
    EXPECT_TRUE(fs::is_directory(dir.file("blocked")));
    std::size_t files = 0;
    for ([[maybe_unused]] const fs::directory_entry& entry : fs::directory_iterator(dir.path())) {
        ++files;
    }
    EXPECT_EQ(files, 2u);
    EXPECT_EQ(test::readFile(day), "old day");
}

enum class Target
{
    kFile,
    kLink,
    kDevice,
    kPipe,
    kFolder,
    kLockedFolder,
};

// Puts "old" in the file "real" with the mode and arranges what the case saves over; the path to save to.
fs::path prepare(const test::TempDir& d, Target setup, int mode)
{
    test::writeFile(d.file("real"), "old");
    fs::permissions(d.file("real"), fs::perms(mode));
    const fs::path other = d.file("other");
    switch (setup) {
    case Target::kLink:
    case Target::kDevice:
        fs::create_symlink(setup == Target::kLink ? d.file("real") : fs::path("/dev/null"), other);
        return other;
    case Target::kPipe:
        ::mkfifo(other.c_str(), 0644);
        return other;
    case Target::kFolder:
    case Target::kLockedFolder:
        fs::create_directory(other);
        fs::permissions(other, fs::perms(setup == Target::kFolder ? 0755 : 0555));
        return setup == Target::kFolder ? other : other / "day";
    default:
        return d.file("real");
    }
}

TEST(AtomicFile, SavesKeepWhatTheUserSetUpAndRefuseWhatIsNotTheirFile)
{
    using enum fs::file_type;
    const struct
    {
        Target setup;
        int mode; // of "real", before and after
        std::error_code expected;
        const char* realAfter;
        fs::file_type otherAfter;
        unsigned long fileSizeLimit = 0; // bytes a write may reach, as on a full disk; 0 for none
    } cases[] = {
        {Target::kLink, 0644, {}, "new", symlink},
        {Target::kFile, 0600, {}, "new", not_found},
        {Target::kFile, 0444, std::make_error_code(std::errc::permission_denied), "old", not_found},
        {Target::kDevice, 0644, SaveError::kNotRegularFile, "old", symlink},
        {Target::kPipe, 0644, SaveError::kNotRegularFile, "old", fifo},
        {Target::kFolder, 0644, SaveError::kIsFolder, "old", directory},
        {Target::kLockedFolder, 0644, SaveError::kFolderNotWritable, "old", directory},
        {Target::kFile, 0644, std::make_error_code(std::errc::file_too_large), "old", not_found, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.setup));
        // Some systems have no file-size limit. A read-only folder refuses even the administrator's saves.
        if (c.fileSizeLimit != 0 && !test::FileSizeLimit::available()) {
            continue;
        }
        test::TempDir dir;
        const fs::path target = prepare(dir, c.setup, c.mode);
        std::optional<test::FileSizeLimit> limit;
        if (c.fileSizeLimit != 0) {
            limit.emplace(c.fileSizeLimit);
        }
        EXPECT_EQ(writeFileAtomically(target, "new"), c.expected);
        limit.reset();
        EXPECT_EQ(test::readFile(dir.file("real")), c.realAfter);
        EXPECT_EQ(fs::status(dir.file("real")).permissions(), fs::perms(c.mode));
        EXPECT_EQ(fs::symlink_status(dir.file("other")).type(), c.otherAfter);
        EXPECT_TRUE(fs::is_character_file("/dev/null"));
        EXPECT_EQ(std::distance(fs::recursive_directory_iterator(dir.path()), {}), c.otherAfter == not_found ? 1 : 2)
            << "a temporary file is left";
    }
}

TEST(AtomicFile, AnOutputDeviceOrPipeIsWrittenToDirectly)
{
    test::TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0644), 0);
    const int reader = ::open(dir.file("pipe").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_FALSE(writeOutputFile(dir.file("pipe"), "through"));
    char received[16] = {};
    EXPECT_EQ(::read(reader, received, sizeof received), 7);
    ::close(reader);
    EXPECT_EQ(std::string(received), "through");
}

} // namespace
} // namespace mw
