#include "core/reliability/child_process.h"
#include "standard_output.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace mw::test {
namespace {

TEST(StandardOutput, AnOutputThatCannotBeWrittenIsNamedAndFailsTheCommand)
{
    int pipeEnds[2] = {-1, -1};
    ASSERT_EQ(::pipe(pipeEnds), 0);
    ::close(pipeEnds[0]); // nobody reads
    const std::pair<int, std::string> cases[] = {{::open("/dev/full", O_WRONLY), "no space left on device"},
                                                 {pipeEnds[1], "broken pipe"}};
    for (const auto& [fd, cause] : cases) {
        std::ostringstream err;
        cli::StandardOutput output(fd);
        output.stream() << std::string(100000, 'x') << '\n';
        EXPECT_EQ(cli::finishStandardOutput(output, 0, err), 2);
        EXPECT_EQ(err.str(), "mealwright-cli: Cannot write standard output: " + cause + "\n");
        ::close(fd);
    }
    const TempDir dir;
    const ChildExit ended =
        waitForChild(startProgram(MEALWRIGHT_CLI_PATH, {"usda", "search", "e"}, dir.file("out"), dir.file("err"), 200));
    EXPECT_EQ(ended.code, 2) << "past a file-size limit: a message and exit code 2, not a death by signal";
    EXPECT_EQ(readFile(dir.file("err")), "mealwright-cli: Cannot write standard output: file too large\n");
}

} // namespace
} // namespace mw::test
