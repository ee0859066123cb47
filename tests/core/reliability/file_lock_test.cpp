#include "core/reliability/child_process.h"

#include "format/file_lock.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace mw {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

TEST(FileLock, LocksFilesAndFoldersButCreatesNothing)
{
    test::TempDir dir;
    EXPECT_FALSE(FileLock(dir.file("missing")).locked());
    EXPECT_FALSE(fs::exists(dir.file("missing")));
    EXPECT_TRUE(FileLock(dir.path()).locked());
    test::writeFile(dir.file("userfood.txt"), "");
    EXPECT_TRUE(FileLock(dir.file("userfood.txt")).locked());
}

TEST(FileLock, SecondProcessWaitsForTheFirst)
{
    test::TempDir dir;
    const pid_t holder = test::forkChild([&] {
        const FileLock lock(dir.path());
        test::writeFile(dir.file("held"), "");
        std::this_thread::sleep_for(300ms);
        test::writeFile(dir.file("released"), "");
        return lock.locked() ? 0 : 1;
    });
    const auto stop = std::chrono::steady_clock::now() + 5s;
    while (!fs::exists(dir.file("held")) && std::chrono::steady_clock::now() < stop) {
        std::this_thread::sleep_for(1ms);
    }
    ASSERT_TRUE(fs::exists(dir.file("held")));
    {
        const FileLock lock(dir.path());
        ASSERT_TRUE(lock.locked());
        EXPECT_TRUE(fs::exists(dir.file("released"))) << "the lock was taken while the other process held it";
    }
    EXPECT_EQ(test::waitForChild(holder).code, 0);
}

} // namespace
} // namespace mw
