// The Windows build under Wine up to the VM boundary (no Windows Java runtime exists
// here): the runtime search and its trace, a VM library that will not load, and a VM
// library whose creation entry refuses, which also shows the options the VM receives.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "child_process.h"
#include "host_paths.h"
#include "packaging.h"
#include "test_environment.h"

namespace xvo {
namespace {

#ifdef _WIN32

struct LaunchRun {
    int exitCode = -1;
    std::string out;
    std::string log;
};

std::string withoutTraceLines(const std::string& text)
{
    std::string kept;
    for (size_t start = 0, end; start < text.size(); start = end + 1) {
        end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        if (text.compare(start, 5, "xvo: ") != 0)
            kept += text.substr(start, end - start) + "\n";
    }
    return kept;
}

class VmLoad : public testing::Test {
protected:
    LaunchRun run(const std::string& config)
    {
        std::string exe = test::packageLauncher(dir_, "app", config, test::emptyArchive());
        test::ProcessResult result = test::runProcess({exe, "-test"}, dir_);
        return LaunchRun{result.exitCode, test::withoutCarriageReturns(result.out),
                         test::withoutCarriageReturns(test::readFile(exe + ".stderr.log"))};
    }

    std::string dir_ = test::makeTempDirectory("vmload");
    test::ScopedEnvironment trace_{"XVO_TRACE", "1"};
    test::ScopedEnvironment javaHome_{"JAVA_HOME", nullptr};
    test::ScopedEnvironment jreHome_{"JRE_HOME", nullptr};
};

TEST_F(VmLoad, NoRuntimeReportsMessageOneAfterTracingEveryProbe)
{
    LaunchRun r = run("mainclass a.B\njre_order be\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "Java Runtime Environment not found.\n");
    std::string home = dir_ + "\\./jre/";
    for (const std::string& line : std::vector<std::string>{"runtime search order be", "probe " + home + "jvm.dll: absent",
                             "probe " + home + "bin\\jvm.dll: absent", "probe " + home + "jre\\bin\\jvm.dll: absent",
                             "probe " + home + "..\\jre\\bin\\jvm.dll: absent", "runtime source b: nothing",
                             "environment JRE_HOME: not set", "environment JAVA_HOME: not set",
                             "runtime source e: nothing", "no runtime found"})
        EXPECT_NE(r.log.find("xvo: " + line + "\n"), std::string::npos) << line << "\n" << r.log;
    EXPECT_LT(r.log.find("no runtime found"), r.log.find("Java Runtime Environment not found."));
}

TEST_F(VmLoad, AFileThatIsNoDllIsDescribedByTheSystemBeforeMessageTwo)
{
    std::string fake = dir_ + "\\notadll.dll";
    test::writeFile(fake, "not a library\r\n");
    LaunchRun r = run("mainclass a.B\njre_order c\njvmdll " + fake + "\n");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "Java Runtime Environment not valid.\n");
    size_t message = r.log.find("Java Runtime Environment not valid.");
    ASSERT_NE(message, std::string::npos) << r.log;
    // The system's own text comes first, with the library's path where it says %1.
    std::string description = withoutTraceLines(r.log.substr(0, message));
    EXPECT_NE(description.find_first_not_of('\n'), std::string::npos) << r.log;
    EXPECT_EQ(description.find("%1"), std::string::npos) << description;
}

TEST_F(VmLoad, ARefusedCreationGivesMessageFourAndTheVmSawTheOptionsInOrder)
{
    std::string server = dir_ + "\\jre\\bin\\server";
    std::filesystem::create_directories(server);
    std::filesystem::copy_file(test::hostPath(XVO_FAKE_VM), server + "\\jvm.dll");
    std::string vmLog = dir_ + "\\vm.log";
    test::ScopedEnvironment logPath("XVO_FAKE_VM_LOG", vmLog.c_str());
    LaunchRun r = run("mainclass a.B\noption -Xmx64m\noption -Dfirst=1\n");
    EXPECT_EQ(r.exitCode, 4) << r.log;
    EXPECT_EQ(r.out, "Java Virtual Machine starts failed.\n");
    EXPECT_NE(r.log.find("xvo: runtime " + dir_ + "\\./jre/bin\\server/jvm.dll\n"), std::string::npos) << r.log;
    std::string exe = dir_ + "\\app.exe";
    // Wine runs every program as an administrator, so the elevation flag is present.
    EXPECT_EQ(test::withoutCarriageReturns(test::readFile(vmLog)),
              "version 10002\nignoreUnrecognized 1\n-Xmx64m\n-Dfirst=1\n-Djava.class.path=" + exe + ";\n-Dxvo.class.path=" +
                  exe + ";\n-Dxvo.app.path=" + exe + "\n-Dapplication.home=" + dir_ + "\\\n-Dxvo.is.elevated=true\n");
}

#endif

}  // namespace
}  // namespace xvo
