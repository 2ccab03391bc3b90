// The Java support classes in a VM the launcher did not start: plain "java -cp" with the
// test archive. They must initialise without a native library, do nothing outside service
// mode, and read serialised objects with the class loader they were given.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "child_process.h"

namespace xvo {
namespace {

#ifndef _WIN32

struct PlainJavaCase {
    const char* mainClass;
    const char* expectedOut;
};

// Run by the Linux JDK; the Windows build has no Windows Java runtime to run them with.
const PlainJavaCase kPlainJavaCases[] = {
    // Initialised with no "xvo.app.path": nothing loaded, reports ignored, natives unbound.
    {"xvotest.PlainSupport", "loaded-nothing\nunbound\n"},
    // The given loader first; the stream's default rule for what that loader cannot see.
    {"xvotest.LoaderRoundTrip", "own-loader=true\nfallback=true\narray=true\n"},
};

void PrintTo(const PlainJavaCase& c, std::ostream* os)
{
    *os << c.mainClass;
}

class SupportClassesInPlainJava : public testing::TestWithParam<PlainJavaCase> {};

TEST_P(SupportClassesInPlainJava, RunWithoutTheLauncher)
{
    const PlainJavaCase& c = GetParam();
    test::ProcessResult run = test::runProcess({XVO_JAVA, "-cp", XVO_TEST_JAR, c.mainClass});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, c.expectedOut);
}

INSTANTIATE_TEST_SUITE_P(Classes, SupportClassesInPlainJava, testing::ValuesIn(kPlainJavaCases),
                         [](const testing::TestParamInfo<PlainJavaCase>& info) {
                             std::string name = info.param.mainClass;
                             return name.substr(name.rfind('.') + 1);
                         });

#endif

}  // namespace
}  // namespace xvo
