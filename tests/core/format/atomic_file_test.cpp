#include "format/atomic_file.h"

#include "format/file_lock.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
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

// One save over what a case set up, as a user's files may be arranged.
struct SaveCase
{
    const char* what;
    // Prepares the folder and returns the path to save to.
    std::function<fs::path(const test::TempDir&)> prepare;
    std::error_code expected;
    // What must hold afterwards, beside "no temporary file is left".
    std::function<bool(const test::TempDir&)> holds;
    bool needsUnprivilegedUser = false;
};

fs::path fileWith(const test::TempDir& dir, const char* name, const char* bytes, fs::perms mode)
{
    test::writeFile(dir.file(name), bytes);
    fs::permissions(dir.file(name), mode);
    return dir.file(name);
}

bool holdsOld(const test::TempDir& dir, const char* name)
{
    return test::readFile(dir.file(name)) == "old";
}

TEST(AtomicFile, SavesKeepWhatTheUserSetUpAndRefuseWhatIsNotTheirFile)
{
    using P = fs::perms;
    const SaveCase cases[] = {
        {"symlink", [](const test::TempDir& d) { fileWith(d, "real", "old", P(0644)); fs::create_symlink("real", d.file("link")); return d.file("link"); },
         {}, [](const test::TempDir& d) { return fs::is_symlink(d.file("link")) && test::readFile(d.file("real")) == "new"; }},
        {"0600 file", [](const test::TempDir& d) { return fileWith(d, "private", "old", P(0600)); }, {},
         [](const test::TempDir& d) { return (fs::status(d.file("private")).permissions() & P::all) == P(0600); }},
        {"read-only file", [](const test::TempDir& d) { return fileWith(d, "kept", "old", P(0444)); },
         std::make_error_code(std::errc::permission_denied), [](const test::TempDir& d) { return holdsOld(d, "kept"); }},
        {"device", [](const test::TempDir& d) { fs::create_symlink("/dev/null", d.file("null")); return d.file("null"); },
         SaveError::kNotRegularFile, [](const test::TempDir&) { return fs::is_character_file("/dev/null"); }},
        {"pipe", [](const test::TempDir& d) { ::mkfifo(d.file("pipe").c_str(), 0644); return d.file("pipe"); },
         SaveError::kNotRegularFile, [](const test::TempDir& d) { return fs::is_fifo(d.file("pipe")); }},
        {"folder", [](const test::TempDir& d) { fs::create_directory(d.file("folder")); return d.file("folder"); },
         SaveError::kIsFolder, [](const test::TempDir& d) { return fs::is_directory(d.file("folder")); }},
        {"unwritable folder", [](const test::TempDir& d) { fs::create_directory(d.file("f")); fs::permissions(d.file("f"), P(0555)); return d.file("f") / "day"; },
         SaveError::kFolderNotWritable, [](const test::TempDir& d) { fs::permissions(d.file("f"), P(0755)); return fs::is_empty(d.file("f")); }, true},
    };
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.needsUnprivilegedUser && ::geteuid() == 0) {
            continue;
        }
        test::TempDir dir;
        const fs::path target = c.prepare(dir);
        EXPECT_EQ(writeFileAtomically(target, "new"), c.expected);
        EXPECT_TRUE(c.holds(dir));
        for (const fs::directory_entry& entry : fs::directory_iterator(dir.path())) {
            EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos) << entry.path();
        }
    }
}

TEST(AtomicFile, AWriteBeyondTheFileSizeLimitFailsAsFileTooLarge)
{
    if (!test::FileSizeLimit::available()) {
        GTEST_SKIP() << "no file-size limit here";
    }
    test::TempDir dir;
    test::writeFile(dir.file("day"), "old");
    {
        const test::FileSizeLimit limit(8);
        EXPECT_EQ(writeFileAtomically(dir.file("day"), std::string(100, 'x')), std::errc::file_too_large);
    }
    EXPECT_EQ(describeSaveError(std::make_error_code(std::errc::file_too_large)), "file too large");
    EXPECT_EQ(test::readFile(dir.file("day")), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
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
    EXPECT_FALSE(writeOutputFile("/dev/null", "gone"));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

} // namespace
} // namespace mw
