#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "child_process.h"
#include "host_paths.h"

namespace xvo {
namespace {

std::string launcherImage()
{
    return test::hostPath(XVO_LAUNCHER);
}

#ifdef _WIN32
const char* const imageName = "\\tool.exe";
#else
const char* const imageName = "/tool";
#endif

// A copy of the launcher of its own, so that parallel runs do not share the log that
// is written beside the executable.
std::string privateLauncher(const std::string& tag)
{
    std::string copy = test::makeTempDirectory(tag) + imageName;
    std::error_code error;
    std::filesystem::copy_file(launcherImage(), copy, error);
    return error ? std::string() : copy;
}

bool fileExists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

TEST(LauncherErrorLog, IsCreatedBesideTheExecutableOnTheFirstRun)
{
    std::string launcher = privateLauncher("errlog-first");
    ASSERT_FALSE(launcher.empty());
    std::string log = launcher + ".stderr.log";
    ASSERT_FALSE(fileExists(log));
    test::ProcessResult run = test::runProcess({launcher});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(fileExists(log));
    EXPECT_EQ(test::readFile(log), "");
    EXPECT_EQ(run.err, "");
    // Standard output has no default: the help text still reaches the caller.
    EXPECT_NE(run.out.find("Service type application."), std::string::npos);
}

TEST(LauncherErrorLog, LaterRunsAppendAndNeverTruncate)
{
    std::string launcher = privateLauncher("errlog-append");
    ASSERT_FALSE(launcher.empty());
    std::string log = launcher + ".stderr.log";
    test::writeFile(log, "from an earlier run\n");
    for (int run = 0; run < 2; ++run)
        EXPECT_EQ(test::runProcess({launcher}).exitCode, 0);
    EXPECT_EQ(test::readFile(log), "from an earlier run\n");
}

}  // namespace
}  // namespace xvo
