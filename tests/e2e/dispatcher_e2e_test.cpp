#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "child_process.h"
#include "host_paths.h"
#include "platform/process.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace xvo {
namespace {

const char* const helpText = "Service type application.\n\nUse /install to install service.\n";

std::string launcherImage()
{
    return test::hostPath(XVO_LAUNCHER);
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
        EXPECT_EQ(test::withoutCarriageReturns(run.out), helpText) << line;
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
        EXPECT_EQ(test::withoutCarriageReturns(run.out), "Java Runtime Environment not found.\n") << arguments[0];
    }
}

// A copy of the launcher in a fresh directory, with a configuration file beside it.
std::string configuredLauncher(const std::string& tag, const std::string& configuration)
{
    namespace fs = std::filesystem;
    std::string source = XVO_LAUNCHER;
#ifdef _WIN32
    std::string name = "app.exe";
#else
    std::string name = "app";
#endif
    std::string copy = (fs::path(test::makeTempDirectory(tag)) / name).string();
    fs::copy_file(fs::path(launcherImage()), copy);
    test::writeFile(copy + ".cfg", configuration);
    return copy;
}

// Exit codes above 255 reach a POSIX parent cut to their low byte.
int exitCodeAsSeen(int code)
{
#ifdef _WIN32
    return code;
#else
    return code & 0xFF;
#endif
}

// The report is filled with the service name only: conversions other than "%s" in a
// configured text stay as they are.
TEST(Dispatcher, UninstallReportNamesTheServiceAndTheReason)
{
    std::string name = "xvo-dispatch-" + std::to_string(platform::currentProcessId());
    std::string launcher = configuredLauncher("uninstall", "message=256=" + name +
                                                               "\nmessage=276=Service %d%n '%s' %s uninstall failed, \n"
                                                               "message=281=REASON\nmessage=282=REASON\n");
#ifndef _WIN32
    // Keeps a missing unit out of the real system directory.
    setenv("XVO_SYSTEMD_DIR", test::makeTempDirectory("units").c_str(), 1);
#endif
    test::ProcessResult run = test::runProcess({launcher, "/uninstall"});
    EXPECT_EQ(test::withoutCarriageReturns(run.out), "Service %d%n '" + name + "'  uninstall failed, REASON\n");
    EXPECT_TRUE(run.exitCode == exitCodeAsSeen(281) || run.exitCode == exitCodeAsSeen(282)) << run.exitCode;
}

#ifdef _WIN32
std::string systemProgram(const char* name)
{
    char directory[MAX_PATH] = {};
    GetSystemDirectoryA(directory, MAX_PATH);
    return std::string(directory) + "\\" + name;
}
#endif

// Install, install again, uninstall, uninstall again: each with its report line and its
// exit code, against the real service manager (a private unit directory on Linux).
TEST(Dispatcher, ServiceLifecycleReportsEveryOutcome)
{
    std::string name = "xvo-lifecycle-" + std::to_string(platform::currentProcessId());
    std::string launcher = configuredLauncher("lifecycle", "message=256=" + name + "\nmessage=258=Lifecycle test\n");
#ifndef _WIN32
    std::string units = test::makeTempDirectory("lifecycle-units");
    setenv("XVO_SYSTEMD_DIR", units.c_str(), 1);
    std::string unit = units + "/" + name + ".service";
#endif
    struct Step {
        std::string command;
        int exitCode;
        std::string report;
        bool installedAfter;
    } steps[] = {
        {"/install", 0, "Service '" + name + "' installed successfully.", true},
        {"/install", 280, "Service '" + name + "' install failed, the service already exists.", true},
        {"/uninstall", 0, "Service '" + name + "' uninstalled successfully.", false},
        {"/uninstall", 282, "Service '" + name + "' uninstall failed, service does not exist.", false},
    };
    for (const Step& step : steps) {
        test::ProcessResult run = test::runProcess({launcher, step.command});
        EXPECT_EQ(run.exitCode, exitCodeAsSeen(step.exitCode)) << step.report;
        EXPECT_EQ(test::withoutCarriageReturns(run.out), step.report + "\n");
#ifdef _WIN32
        test::ProcessResult query =
            test::runProcess({systemProgram("reg.exe"), "query", "HKLM\\System\\CurrentControlSet\\Services\\" + name});
        EXPECT_EQ(query.exitCode == 0, step.installedAfter) << step.report;
#else
        EXPECT_EQ(std::filesystem::exists(unit), step.installedAfter) << step.report;
#endif
    }
}

// The service table holds at most 256 bytes of name: a longer one is refused with a
// report instead of being cut short, and the run still ends as outside the manager.
TEST(Dispatcher, ServiceNameLongerThanTheTableAllowsIsRefused)
{
    std::string launcher = configuredLauncher("longname", "message=256=" + std::string(300, 'n') + "\n");
    test::ProcessResult run = test::runProcess({launcher});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(test::withoutCarriageReturns(run.out),
              std::string(helpText) + "The service name is longer than 256 bytes.\n");
}

#ifdef _WIN32
// The service manager keeps the command line as given: the quoted executable path, one
// space and the remaining arguments joined by the quoting rule.
TEST(Dispatcher, InstallRegistersTheServiceCommandLine)
{
    std::string name = "xvo-install-" + std::to_string(platform::currentProcessId());
    std::string launcher = configuredLauncher("install", "message=256=" + name + "\n");
    test::ProcessResult run = test::runProcess({launcher, "/install", "x", "a b", "*.log", "", "/interactive"});
    test::ProcessResult query = test::runProcess(
        {systemProgram("reg.exe"), "query", "HKLM\\System\\CurrentControlSet\\Services\\" + name, "/v", "ImagePath"});
    test::ProcessResult removal = test::runProcess({launcher, "/uninstall"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(test::withoutCarriageReturns(run.out), "Service '" + name + "' installed successfully.\n");
    EXPECT_NE(query.out.find("\"" + launcher + "\" \"a b\" \"*.log\" \"\" /interactive"), std::string::npos)
        << query.out;
    EXPECT_EQ(removal.exitCode, 0);
    EXPECT_EQ(test::withoutCarriageReturns(removal.out), "Service '" + name + "' uninstalled successfully.\n");
}
#else
// An executable whose path does not fit the system's path room cannot be named in a
// service command line: the install is refused instead of registering an empty path.
TEST(Dispatcher, InstallFromAPathTooLongToNameIsRefused)
{
    namespace fs = std::filesystem;
    fs::path directory = fs::path(test::makeTempDirectory("longpath")) / std::string(120, 'd') / std::string(120, 'e');
    fs::create_directories(directory);
    std::string launcher = (directory / "app").string();
    fs::copy_file(fs::path(launcherImage()), launcher);
    std::string units = test::makeTempDirectory("units");
    setenv("XVO_SYSTEMD_DIR", units.c_str(), 1);
    test::ProcessResult run = test::runProcess({launcher, "/install", "auto"});
    EXPECT_EQ(run.exitCode, exitCodeAsSeen(281));
    EXPECT_EQ(run.out, "Service '' install failed, error occurs.\n");
    EXPECT_TRUE(fs::is_empty(units));
}
#endif

}  // namespace
}  // namespace xvo
