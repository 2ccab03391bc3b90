// A packaged Java application run through "test" with the machine's real JVM, from the
// start to the exit code: arguments, properties, environment, every result code.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "child_process.h"
#include "packaging.h"
#include "test_environment.h"

namespace xvo {
namespace {

#ifndef _WIN32

std::string jdkHome()
{
    return std::filesystem::canonical(XVO_JAVA).parent_path().parent_path().string();
}

struct LaunchRun {
    int exitCode = -1;
    std::string out;
    std::string log;  // the default standard error log beside the executable
};

// Each test packs the test application with its own configuration into a directory of
// its own and finds the runtime through JAVA_HOME, as a user's machine would.
class JavaRun : public testing::Test {
protected:
    LaunchRun run(const std::string& tag, const std::string& config, const std::vector<std::string>& arguments = {})
    {
        dir_ = test::makeTempDirectory("java-" + tag);
        std::string exe = test::packageLauncher(dir_, "app", config, test::fileBytes(XVO_TEST_JAR));
        std::vector<std::string> argv = {exe, "-test"};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        test::ProcessResult result = test::runProcess(argv, dir_);
        return LaunchRun{result.exitCode, result.out, test::readFile(exe + ".stderr.log")};
    }

    std::string runningVersion()
    {
        return lineAfter(run("version", "mainclass xvotest.PrintProps\n", {"java.version"}).out, "java.version=");
    }

    static bool endsWith(const std::string& text, const std::string& tail)
    {
        return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
    }

    static std::string lineAfter(const std::string& text, const std::string& prefix)
    {
        size_t at = text.find(prefix);
        if (at == std::string::npos)
            return std::string();
        at += prefix.size();
        return text.substr(at, text.find('\n', at) - at);
    }

    std::string dir_;
    test::ScopedEnvironment javaHome_{"JAVA_HOME", jdkHome().c_str()};
    test::ScopedEnvironment jreHome_{"JRE_HOME", nullptr};
    test::ScopedEnvironment locale_{"LC_ALL", "C.UTF-8"};
    test::ScopedEnvironment classPath_{"CLASSPATH", nullptr};
    test::ScopedEnvironment otherClassPath_{"CLASS_PATH", nullptr};
    // In a sanitized build the VM's threads still run when the process ends, where the leak
    // check cannot follow them; it stays on for every launcher run without a VM.
    test::ScopedEnvironment leakCheck_{"ASAN_OPTIONS", "detect_leaks=0"};
};

TEST_F(JavaRun, MainReceivesTheConfiguredArgumentsThenTheCommandLine)
{
    LaunchRun r = run("args", "mainclass xvotest.PrintArgs\nargv a \"b c\" d\nargv e\n", {"x y", "\xC3\xA9"});
    EXPECT_EQ(r.exitCode, 0) << r.log;
    EXPECT_EQ(r.out, "argc=6\narg[0]=a\narg[1]=b c\narg[2]=d\narg[3]=e\narg[4]=x y\narg[5]=\xC3\xA9 U+00E9\n");
}

TEST_F(JavaRun, MainWithoutAnyArgumentsGetsAnEmptyArray)
{
    LaunchRun r = run("noargs", "mainclass xvotest.PrintArgs\n");
    EXPECT_EQ(r.exitCode, 0) << r.log;
    EXPECT_EQ(r.out, "argc=0\n");
}

TEST_F(JavaRun, MainClassIsFoundWithDotsSlashesOrANestedName)
{
    for (const char* name : {"xvotest.PrintArgs", "xvotest/PrintArgs"}) {
        LaunchRun r = run("names", std::string("mainclass ") + name + "\n");
        EXPECT_EQ(r.out, "argc=0\n") << name << r.log;
    }
    LaunchRun nested = run("nested", "mainclass xvotest.Outer$Inner\n");
    EXPECT_EQ(nested.out, "inner main\n") << nested.log;
}

TEST_F(JavaRun, EveryResultCodeComesFromARealCondition)
{
    std::string version = runningVersion();
    ASSERT_FALSE(version.empty());
    struct Case {
        const char* tag;
        std::string config;
        int exitCode;
        std::string message;
    } cases[] = {
        {"no-runtime", "mainclass xvotest.PrintArgs\njre_order c\njvmdll missing/libjvm.so\n", 1,
         "Java Runtime Environment not found."},
        {"creation-fails", "mainclass xvotest.PrintArgs\noption -Xss1\n", 4, "Java Virtual Machine starts failed."},
        {"too-low", "mainclass xvotest.PrintArgs\nminjre 99.1\n", 6,
         "Java virtual machine version " + version + " is too low, require 99.1 or higher."},
        {"too-high", "mainclass xvotest.PrintArgs\nmaxjre 1.8\n", 12,
         "Java virtual machine version " + version + " is too high, version between  and 1.8 is required."},
        {"missing-class", "mainclass xvotest.Missing\n", 7, "The main startup class could not be found."},
        {"empty-class", "mainclass\n", 7, "The main startup class could not be found."},
        {"no-main", "mainclass xvotest.NoMain\n", 8, "The main startup class is not valid, main method missing."},
    };
    for (const Case& c : cases) {
        LaunchRun r = run(c.tag, c.config);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.tag << "\n" << r.log;
        // Before the message the VM may print why it refused an option.
        EXPECT_TRUE(endsWith(r.out, c.message + "\n")) << c.tag << "\n" << r.out;
        EXPECT_NE(r.log.find(c.message + "\n"), std::string::npos) << c.tag << "\n" << r.log;
    }
}

TEST_F(JavaRun, LimitsThatHoldTheRunningVersionLetItRun)
{
    std::string major = runningVersion().substr(0, runningVersion().find('.'));
    LaunchRun r = run("limits-ok", "mainclass xvotest.PrintArgs\nminjre 1.8\nmaxjre " + major + "\n");
    EXPECT_EQ(r.exitCode, 0) << r.log;
    EXPECT_EQ(r.out, "argc=0\n");
}

TEST_F(JavaRun, AFileThatIsNoLibraryIsDescribedBeforeMessageTwo)
{
    std::string dir = test::makeTempDirectory("java-notlib");
    std::string fake = dir + "/libjvm.so";
    test::writeFile(fake, "not a shared object\n");
    LaunchRun r = run("notlib", "mainclass xvotest.PrintArgs\njre_order c\njvmdll " + fake + "\n");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "Java Runtime Environment not valid.\n");
    size_t description = r.log.find(fake);
    ASSERT_NE(description, std::string::npos) << r.log;
    EXPECT_LT(description, r.log.find("Java Runtime Environment not valid."));
}

TEST_F(JavaRun, ExitCodeOfSystemExitAndOfAnExceptionThrownFromMain)
{
    LaunchRun exit = run("exit", "mainclass xvotest.Exit\nargv 3\n");
    EXPECT_EQ(exit.exitCode, 3) << exit.log;
    // The VM's own stack trace lands in the default log beside the executable.
    LaunchRun thrown = run("thrower", "mainclass xvotest.Thrower\n");
    EXPECT_EQ(thrown.exitCode, 0);
    EXPECT_NE(thrown.log.find("java.lang.IllegalStateException: thrown from main"), std::string::npos) << thrown.log;
    EXPECT_NE(thrown.log.find("at xvotest.Thrower.main"), std::string::npos) << thrown.log;
}

TEST_F(JavaRun, PropertiesArriveInJavaAsConfigured)
{
    LaunchRun r = run("props",
                "mainclass xvotest.PrintProps\nproperty xvo.t.text=\xC3\xA9 \xE2\x82\xAC\nproperty xvo.t.bare\n"
                "property xvo.t.eq=b=c\n",
                {"xvo.t.text", "xvo.t.bare", "xvo.t.eq", "xvo.app.path", "application.home", "java.class.path",
                 "xvo.class.path", "xvo.is.elevated"});
    EXPECT_EQ(r.exitCode, 0) << r.log;
    std::string exe = dir_ + "/app";
    std::string elevated = geteuid() == 0 ? "true" : "<null>";
    EXPECT_EQ(r.out, "xvo.t.text=\\u00E9 \\u20AC\nxvo.t.bare=\nxvo.t.eq=b=c\nxvo.app.path=" + exe +
                         "\napplication.home=" + dir_ + "/\njava.class.path=" + exe + ":\nxvo.class.path=" + exe +
                         ":\nxvo.is.elevated=" + elevated + "\n");
}

TEST_F(JavaRun, ExportsSetAndRemoveVariablesAndToolOptionsAreDroppedUnlessExported)
{
    test::ScopedEnvironment inherited("JAVA_TOOL_OPTIONS", "-Dxvo.t.tool=inherited");
    test::ScopedEnvironment removed("XVO_T_REMOVED", "present");
    const std::vector<std::string> names = {"env:XVO_T_SET", "env:XVO_T_REMOVED", "env:XVO_T_IGNORED",
                                            "env:JAVA_TOOL_OPTIONS", "xvo.t.tool"};
    LaunchRun dropped = run("exports", "mainclass xvotest.PrintProps\nexport XVO_T_SET=yes\nexport XVO_T_REMOVED=\nexport XVO_T_IGNORED\n",
                      names);
    EXPECT_EQ(dropped.exitCode, 0) << dropped.log;
    EXPECT_EQ(dropped.out, "env:XVO_T_SET=yes\nenv:XVO_T_REMOVED=<null>\nenv:XVO_T_IGNORED=<null>\n"
                           "env:JAVA_TOOL_OPTIONS=<null>\nxvo.t.tool=<null>\n");
    LaunchRun exported = run("toolopts", "mainclass xvotest.PrintProps\nexport JAVA_TOOL_OPTIONS=-Dxvo.t.tool=exported\n",
                       {"xvo.t.tool"});
    EXPECT_EQ(exported.out, "xvo.t.tool=exported\n") << exported.log;
}

TEST_F(JavaRun, SupportClassesBindTheNativesOfTheRunningLauncher)
{
    // Descriptor 1 is this run's standard output: the stream's bytes arrive there.
    LaunchRun r = run("support", "mainclass xvotest.Support\n", {"1"});
    EXPECT_EQ(r.exitCode, 0) << r.log;
    EXPECT_EQ(r.out, "isRunAsService=false\nargs=0\nstartup=0\nredir-ok\ndone\n");
}

TEST_F(JavaRun, OutputStreamNativeWritesIntoTheConfiguredStandardOutputFile)
{
    std::string target = test::makeTempDirectory("java-redir") + "/out.log";
    LaunchRun r = run("support-file", "mainclass xvotest.Support\nstdout " + target + "\n", {"1"});
    EXPECT_EQ(r.exitCode, 0) << r.log;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(test::readFile(target), "isRunAsService=false\nargs=0\nstartup=0\nredir-ok\ndone\n");
}

#endif

}  // namespace
}  // namespace xvo
