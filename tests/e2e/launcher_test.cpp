#include <gtest/gtest.h>
#include <string>

#include "child_process.h"

namespace xvo {
namespace {

std::string launcherImage()
{
    std::string path = XVO_LAUNCHER;
#ifdef _WIN32
    // Built on the Linux side: reach it through Wine's drive for the Unix root.
    if (!path.empty() && path[0] == '/') {
        for (char& c : path)
            c = c == '/' ? '\\' : c;
        path = "Z:" + path;
    }
#endif
    return path;
}

TEST(Launcher, WithoutArgumentsPrintsTheHelpTextAndSucceeds)
{
    test::ProcessResult run = test::runProcess({launcherImage()}, test::makeTempDirectory("noargs"));
    EXPECT_EQ(run.exitCode, 0);
    std::string out = run.out;
    for (size_t at; (at = out.find("\r\n")) != std::string::npos;)
        out.erase(at, 1);
    EXPECT_EQ(out, "Service type application.\n\nUse /install to install service.\n");
}

}  // namespace
}  // namespace xvo
