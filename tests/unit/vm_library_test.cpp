#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "runtime/runtime_search.h"
#include "runtime/vm_library.h"
#include "runtime_fixture.h"

namespace xvo::test {
namespace {

std::string found(Settings& settings, const std::string& home)
{
    return findVmLibrary(settings, Text(home.c_str())).cstr();
}

TEST(VmLibrary, ProbesTheRuntimeLayouts)
{
    const std::string lib = libraryName;
    const std::string bin = binFolder + "/";
    struct Case {
        std::vector<std::string> tree;
        std::string vm;
        std::string home;
        std::string expected;  // relative to the case's folder; empty: nothing found
    } cases[] = {
        // The preferred kind is probed directly, whichever folder the system lists first.
        {{"rt/" + bin + "client/" + lib, "rt/" + bin + "server/" + lib}, "server", "rt", "rt/" + binPrefix + "server/" + lib},
        {{"rt/" + bin + "client/" + lib, "rt/" + bin + "server/" + lib}, "client", "rt", "rt/" + binPrefix + "client/" + lib},
        // A preference, not a requirement.
        {{"rt/" + bin + "server/" + lib}, "client", "rt", "rt/" + binPrefix + "server/" + lib},
        {{"rt/" + bin + "server/" + lib}, "", "rt", "rt/" + binPrefix + "server/" + lib},
        {{"rt/" + lib}, "server", "rt", "rt/" + lib},
        // A development kit carries its runtime in a subfolder.
        {{"rt/jre/" + bin + "server/" + lib, "rt/include/"}, "", "rt", "rt/" + kitPrefix + "server/" + lib},
        // A home that is itself the folder of the kinds.
        {{"rt/" + bin + "server/" + lib}, "", "rt/" + binFolder, "rt/" + binFolder + "/server/" + lib},
        // A home beside a runtime.
        {{"kit/jre/" + bin + "server/" + lib, "kit/other/"}, "", "kit/other", "kit/other/" + besidePrefix + "server/" + lib},
        // A trailing separator gets no second one.
        {{"rt/" + bin + "server/" + lib}, "", "rt/", "rt/" + binPrefix + "server/" + lib},
        {{"rt/" + bin + "server/" + lib}, "", "rt" + sep, "rt" + sep + binPrefix + "server/" + lib},
        {{"rt/" + bin + "server/readme.txt", "rt/" + bin + "client/"}, "", "rt", ""},
        {{}, "", "absent", ""},
#ifndef _WIN32
        // Release 8: kinds below an architecture folder, in a kit and in its runtime.
        {{"rt/jre/lib/amd64/server/" + lib}, "", "rt", "rt/jre/lib/amd64/server/" + lib},
        {{"rt/lib/amd64/server/" + lib}, "", "rt", "rt/lib/amd64/server/" + lib},
#endif
    };
    std::string root = makeTempDirectory("vmlib");
    int index = 0;
    for (const Case& c : cases) {
        std::string folder = root + sep + std::to_string(++index);
        std::filesystem::create_directories(folder);
        makeTree(folder, c.tree);
        ConfiguredSettings settings(c.vm.empty() ? "" : "vm " + c.vm, "", "");
        std::string expected = c.expected.empty() ? "" : folder + sep + c.expected;
        EXPECT_EQ(found(*settings, folder + sep + c.home), expected) << "case " << index << ": " << c.home;
    }
}

// Without a usable kind, the first folder the system lists that holds the library wins.
TEST(VmLibrary, FirstListedFolderWinsWithoutAKind)
{
    struct Case {
        std::vector<std::string> folders;
        std::string vm;
    } cases[] = {
        {{"client", "server"}, ""},
        {{"-", "a", "b", "c", "d"}, "-"},
        {{"s", "a", "b", "c", "d"}, "s"},
    };
    std::string root = makeTempDirectory("vmlib-order");
    int index = 0;
    for (const Case& c : cases) {
        std::string home = root + sep + std::to_string(++index);
        for (const std::string& kind : c.folders)
            makeTree(home, {binFolder + "/" + kind + "/" + libraryName});
        std::string first = firstListed(home + sep + binFolder, c.folders);
        ConfiguredSettings settings(c.vm.empty() ? "" : "vm " + c.vm, "", "");
        EXPECT_EQ(found(*settings, home), home + "/" + binPrefix + first + "/" + libraryName) << c.vm;
    }
}

TEST(VmLibrary, KindIsReadOnceAndExpanded)
{
    struct Case {
        std::string lines;
        const char* expected;
    } cases[] = {
        {"", "-"},
        {"vm", "-"},
        {"vm server", "server"},
        {"vm x", "x"},
        {"vm ${XVOT_KIND}", "client"},
        {"vm ${XVOT_NO_KIND|}", "-"},
    };
    ScopedEnvironment kind("XVOT_KIND", "client");
    ScopedEnvironment noKind("XVOT_NO_KIND", nullptr);
    for (const Case& c : cases) {
        ConfiguredSettings settings(c.lines, "", "");
        EXPECT_STREQ(vmKind(*settings).cstr(), c.expected) << c.lines;
        setEnvironment("XVOT_KIND", "server");
        EXPECT_STREQ(vmKind(*settings).cstr(), c.expected) << c.lines;
        setEnvironment("XVOT_KIND", "client");
    }
}

#ifndef _WIN32
// The runtime's home is two levels above the real javac (bin/javac).
std::string realJdkHome()
{
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "";
    for (size_t start = 0; start <= folders.size();) {
        size_t end = folders.find(':', start);
        if (end == std::string::npos)
            end = folders.size();
        std::filesystem::path javac = std::filesystem::path(folders.substr(start, end - start)) / "javac";
        std::error_code error;
        if (!javac.parent_path().empty() && std::filesystem::exists(javac, error))
            return std::filesystem::canonical(javac).parent_path().parent_path().string();
        start = end + 1;
    }
    return std::string();
}

TEST(VmLibrary, FindsTheInstalledDevelopmentKit)
{
    std::string home = realJdkHome();
    if (home.empty())
        GTEST_SKIP() << "no javac on PATH";
    ScopedEnvironment jre("JRE_HOME", nullptr);
    ScopedEnvironment java("JAVA_HOME", home.c_str());
    ConfiguredSettings settings("", "", "");
    EXPECT_STREQ(environmentRuntime(*settings).cstr(), (home + "/lib/server/libjvm.so").c_str());
    ConfiguredSettings kind("vm server", "", "");
    EXPECT_EQ(found(*kind, home + "/"), home + "/lib/server/libjvm.so");
}
#endif

}  // namespace
}  // namespace xvo::test
