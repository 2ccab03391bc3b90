#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "child_process.h"

namespace xvo {
namespace {

const char* const helpText = "Service type application.\n\nUse /install to install service.\n";

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

std::string withoutCarriageReturns(std::string text)
{
    for (size_t at; (at = text.find("\r\n")) != std::string::npos;)
        text.erase(at, 1);
    return text;
}

test::ProcessResult runLauncher(const std::vector<std::string>& arguments)
{
    std::vector<std::string> argv = {launcherImage()};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return test::runProcess(argv, test::makeTempDirectory("dispatch"));
}

void expectHelpAndSuccess(const std::vector<std::vector<std::string>>& cases)
{
    for (const std::vector<std::string>& arguments : cases) {
        test::ProcessResult run = runLauncher(arguments);
        std::string line = arguments.empty() ? "(none)" : arguments[0];
        EXPECT_EQ(run.exitCode, 0) << line;
        EXPECT_EQ(withoutCarriageReturns(run.out), helpText) << line;
    }
}

TEST(Dispatcher, HelpOptionsPrintTheHelpTextAndSucceed)
{
    expectHelpAndSuccess({{"/h"}, {"-?"}, {"/Help"}, {"/helpme"}, {"foo", "/bogus", "-help"}});
}

// Outside the service manager the dispatcher connection fails and the run still succeeds.
TEST(Dispatcher, WithoutACommandPrintsTheHelpTextAndEntersServiceMode)
{
    expectHelpAndSuccess({
        {},
        {"/interactive"},  // a modifier alone is no command
        {"test"},          // without its "/" or "-" it is a plain argument, not the command
    });
}

TEST(Dispatcher, TestRunsTheApplicationInTheConsole)
{
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"/test"}, {"-TEST"}, {"foo", "/bogus", "/test", "a", "b"}, {"/test:x", "a"}}) {
        test::ProcessResult run = runLauncher(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments[0];
        EXPECT_EQ(withoutCarriageReturns(run.out), "Java Runtime Environment not found.\n") << arguments[0];
    }
}

}  // namespace
}  // namespace xvo
