// Standard output that cannot be written is reported and fails the command, in the tool itself and in its
// stream: a full device, a closed pipe, a file-size limit.
#include "core/reliability/child_process.h"
#include "standard_output.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <sstream>
#include <string>

namespace mw::test {
namespace {

const std::filesystem::path kCli = MEALWRIGHT_CLI_PATH;

// A pipe whose reading end is closed.
int closedPipe()
{
    int ends[2] = {-1, -1};
    EXPECT_EQ(::pipe(ends), 0);
    ::close(ends[0]);
    return ends[1];
}

TEST(StandardOutput, AnOutputThatCannotBeWrittenIsNamedAndFailsTheCommand)
{
    const struct
    {
        int fd;
        const char* cause;
    } cases[] = {
        {::open("/dev/full", O_WRONLY | O_CLOEXEC), "no space left on device"},
        {closedPipe(), "broken pipe"},
    };
    for (const auto& c : cases) {
        ASSERT_GE(c.fd, 0);
        std::ostringstream err;
        {
            cli::StandardOutput output(c.fd);
            output.stream() << std::string(100000, 'x') << '\n';
            EXPECT_EQ(cli::finishStandardOutput(output, 0, err), 2);
        }
        EXPECT_EQ(err.str(), std::string("mealwright-cli: Cannot write standard output: ") + c.cause + "\n");
        ::close(c.fd);
    }
    // A command that failed keeps its own exit code.
    const int devNull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    std::ostringstream quiet;
    cli::StandardOutput fine(devNull);
    fine.stream() << "all well\n";
    EXPECT_EQ(cli::finishStandardOutput(fine, 1, quiet), 1);
    EXPECT_EQ(quiet.str(), "");
    ::close(devNull);
}

TEST(StandardOutput, AFileSizeLimitOnStandardOutputIsAFileTooLargeNotADeathBySignal)
{
    const TempDir dir;
    const test::ChildExit ended = test::waitForChild(test::startProgram(
        kCli, {"--data-dir", dir.path().string(), "foods", "--group", "0"}, dir.file("out"), dir.file("err"), 200));
    EXPECT_FALSE(ended.killed);
    EXPECT_EQ(ended.code, 2);
    EXPECT_EQ(readFile(dir.file("err")), "mealwright-cli: Cannot write standard output: file too large\n");
    EXPECT_EQ(std::filesystem::file_size(dir.file("out")), 200u);
}

} // namespace
} // namespace mw::test
