#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "platform/process.h"
#include "platform/registry.h"
#include "runtime/runtime_search.h"
#include "runtime_fixture.h"

namespace xvo::test {
namespace {

const std::string bin = binFolder + "/";

// A relative path of the tests (with "/") in the system's own form below root.
std::string native(const std::string& root, const std::string& relative)
{
    std::string path = root + sep + relative;
    for (char& c : path)
        c = c == '/' ? sep[0] : c;
    return path;
}

// The library that findVmLibrary reports for a plain runtime at home.
std::string plainRuntime(const std::string& home)
{
    return home + "/" + binPrefix + "server/" + libraryName;
}

std::string search(Settings& settings)
{
    return searchRuntime(settings).cstr();
}

// ---- registry fixtures -------------------------------------------------------------

using Values = std::vector<std::pair<std::string, std::string>>;

std::string regQuoted(const std::string& text)
{
    std::string quoted = "\"";
    for (char c : text)
        quoted += (c == '\\' || c == '"') ? std::string("\\") + c : std::string(1, c);
    return quoted + "\"";
}

std::string regKey(const std::string& key, const Values& values)
{
    std::string text = "[HKEY_LOCAL_MACHINE\\" + key + "]\r\n";
    for (const auto& value : values)
        text += regQuoted(value.first) + "=" + regQuoted(value.second) + "\r\n";
    return text + "\r\n";
}

std::string regFile(const std::string& keys)
{
    return "Windows Registry Editor Version 5.00\r\n\r\n" + keys;
}

#ifdef _WIN32
// The system's importer reads version 5 files as UTF-16LE.
void importRegistry(const std::string& path, const std::string& text)
{
    std::string wide = "\xFF\xFE";
    for (char c : text)
        wide += std::string(1, c) + '\0';
    writeFile(path, wide);
    runProcess({"C:\\windows\\system32\\reg.exe", "import", path});
}
#endif

// ---- the registry source -----------------------------------------------------------

// One key per case below a key of this process, so parallel runs never share a key.
class RegistrySource : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        root_ = makeTempDirectory("rt-registry");
        base_ = "SOFTWARE\\XvoTest\\Runtime-" + std::to_string(platform::currentProcessId());
        makeTree(root_, {"lib/rt/" + bin + "server/" + libraryName, "moved/rt/" + bin + "client/" + libraryName,
                         "home/rt/" + bin + "server/" + libraryName, "kind/rt/" + bin + "client/" + libraryName,
                         "kind/rt/" + bin + "server/" + libraryName, "long/rt/" + bin + "server/" + libraryName,
                         "broken/"});
        std::string keys;
        for (const auto& key : fixtureKeys())
            keys += regKey(base_ + "\\" + key.first, key.second);
        // A registration that only 32-bit programs see.
        std::string only32 = "SOFTWARE\\Wow6432Node\\XvoTest\\Runtime-" + std::to_string(platform::currentProcessId()) + "\\Only32";
        keys += regKey(only32, {{"CurrentVersion", "1.8"}});
        keys += regKey(only32 + "\\1.8", {{"JavaHome", native(root_, "home/rt")}});
        std::string path = root_ + sep + "runtimes.reg";
#ifdef _WIN32
        importRegistry(path, regFile(keys));
#else
        writeFile(path, regFile(keys));
#endif
        path_ = path;
    }

    static std::vector<std::pair<std::string, Values>> fixtureKeys()
    {
        std::string kindLib = native(root_, "kind/rt/" + bin + "client/" + libraryName);
        return {
            {"Lib", {{"CurrentVersion", "1.8"}}},
            {"Lib\\1.8", {{"RuntimeLib", native(root_, "lib/rt/" + bin + "server/" + libraryName)}}},
            {"Moved", {{"CurrentVersion", "9"}}},
            {"Moved\\9", {{"RuntimeLib", native(root_, "moved/rt/" + bin + "server/" + libraryName)}}},
            {"Home", {{"CurrentVersion", "17"}}},
            {"Home\\17", {{"JavaHome", native(root_, "home/rt")}}},
            {"Kind", {{"CurrentVersion", "1.8"}}},
            {"Kind\\1.8", {{"RuntimeLib", kindLib}, {"JavaHome", native(root_, "home/rt")}}},
            {"NoVersion", {{"Other", "1"}}},
            {"Dangling", {{"CurrentVersion", "2"}}},
            {"Empty", {{"CurrentVersion", "1"}}},
            {"Empty\\1", {{"Other", "x"}}},
            {"Long", {{"CurrentVersion", "1"}}},
            {"Long\\1", {{"RuntimeLib", "C:\\" + std::string(300, 'x')}, {"JavaHome", native(root_, "long/rt")}}},
            {"Broken", {{"CurrentVersion", "1"}}},
            {"Broken\\1", {{"RuntimeLib", native(root_, "broken/rt/" + bin + "server/" + libraryName)}}},
        };
    }

#ifndef _WIN32
    void SetUp() override { registry_ = std::make_unique<ScopedEnvironment>("XVO_REGISTRY", path_.c_str()); }
    void TearDown() override { registry_.reset(); }
    std::unique_ptr<ScopedEnvironment> registry_;
#endif

    static std::string root_;
    static std::string base_;
    static std::string path_;
};

std::string RegistrySource::root_;
std::string RegistrySource::base_;
std::string RegistrySource::path_;

TEST_F(RegistrySource, FollowsTheRegisteredVersion)
{
    std::string server = native(root_, "lib/rt/" + bin + "server/" + libraryName);
    struct Case {
        const char* key;
        const char* vm;
        std::string expected;
    } cases[] = {
        // An existing library is taken as registered.
        {"Lib", "", server},
        // A library that is gone: the runtime around it is searched from its kinds folder.
        {"Moved", "", native(root_, "moved/rt/" + binFolder) + "/client/" + libraryName},
        {"Home", "", plainRuntime(native(root_, "home/rt"))},
        {"Kind", "", native(root_, "kind/rt/" + bin + "client/" + libraryName)},
        // A configured kind is looked for beside the registered one.
        {"Kind", "server", native(root_, "kind/rt/" + binFolder) + "/server/" + libraryName},
        // Registered data longer than a path's room is no registration.
        {"Long", "", plainRuntime(native(root_, "long/rt"))},
        {"NoVersion", "", ""},
        {"Dangling", "", ""},
        {"Empty", "", ""},
        {"Broken", "", ""},
        {"Absent", "", ""},
        {"Only32", "", ""},
    };
    for (const Case& c : cases) {
        ConfiguredSettings settings(*c.vm ? std::string("vm ") + c.vm : "", "", "");
        std::string key = base_ + "\\" + c.key;
        EXPECT_STREQ(registryRuntime(*settings, key.c_str()).cstr(), c.expected.c_str()) << c.key << " " << c.vm;
    }
    // The 32-bit registration is there, only not where the search looks.
    Text version;
    std::string only32 = "SOFTWARE\\Wow6432Node\\XvoTest\\Runtime-" + std::to_string(platform::currentProcessId()) + "\\Only32";
    EXPECT_TRUE(platform::readRegistryText(platform::RegistryRoot::localMachine, only32.c_str(), "CurrentVersion", 260, version));
}

// ---- the order of the sources ------------------------------------------------------

class RuntimeSources : public testing::Test {
protected:
    void SetUp() override
    {
        root_ = makeTempDirectory("rt-sources");
        makeTree(root_, {"c/" + libraryName, "b/" + bin + "server/" + libraryName, "s/" + bin + "server/" + libraryName,
                         "i/" + bin + "server/" + libraryName, "e/" + bin + "server/" + libraryName, "app/", "work/"});
    }

    // The configuration and environment under which exactly the sources of available
    // yield a runtime.
    std::string configure(const char* order, const std::string& available)
    {
        std::string lines = order ? std::string("jre_order ") + order + "\r\n" : "";
        if (has(available, 'c'))
            lines += "jvmdll " + native(root_, "c/" + libraryName) + "\r\n";
        if (has(available, 'b'))
            lines += "jre " + native(root_, "b") + "\r\n";
        setEnvironment("JRE_HOME", has(available, 'e') ? native(root_, "e").c_str() : nullptr);
#ifndef _WIN32
        std::string keys;
        if (has(available, 's')) {
            keys += regKey("SOFTWARE\\JavaSoft\\Java Runtime Environment", {{"CurrentVersion", "1.8"}});
            keys += regKey("SOFTWARE\\JavaSoft\\Java Runtime Environment\\1.8", {{"RuntimeLib", expected('s')}});
        }
        if (has(available, 'i')) {
            keys += regKey("SOFTWARE\\IBM\\Java2 Runtime Environment", {{"CurrentVersion", "1.6.0"}});
            keys += regKey("SOFTWARE\\IBM\\Java2 Runtime Environment\\1.6.0", {{"RuntimeLib", expected('i')}});
        }
        writeFile(registryPath(), regFile(keys));
#endif
        return lines;
    }

    std::string expected(char letter)
    {
        switch (letter) {
        case 'c': return native(root_, "c/" + libraryName);
        case 'b':
        case 'e': return plainRuntime(native(root_, std::string(1, letter)));
        case 's':
        case 'i': return native(root_, std::string(1, letter) + "/" + bin + "server/" + libraryName);
        }
        return "";
    }

    static bool has(const std::string& letters, char letter) { return letters.find(letter) != std::string::npos; }
    std::string registryPath() { return root_ + sep + "sources.reg"; }

    std::string root_;
    ScopedEnvironment jre_{"JRE_HOME", nullptr};
    ScopedEnvironment java_{"JAVA_HOME", nullptr};
#ifndef _WIN32
    ScopedEnvironment registry_{"XVO_REGISTRY", (std::string("/nonexistent-") + std::to_string(platform::currentProcessId())).c_str()};
#endif
};

TEST_F(RuntimeSources, LettersChooseAndOrderTheSources)
{
    setEnvironment("XVO_REGISTRY", registryPath().c_str());
    struct Case {
        const char* order;  // null: no "jre_order" line
        const char* available;
        char expected;  // 0: nothing found
    } cases[] = {
        {nullptr, "cbsie", 'c'},
        {nullptr, "be", 'b'},
        {nullptr, "e", 'e'},
        {"", "be", 'b'},
        {"e", "cbe", 'e'},
        {"E", "cbe", 'e'},
        {"xyz", "cbe", 'c'},
        {"e;b", "cbe", 'e'},
        {"e;b", "cb", 'b'},
        {"e", "cb", 0},
        {"bb", "ce", 0},
        {"c", "", 0},
        {nullptr, "", 0},
#ifndef _WIN32
        {nullptr, "sie", 's'},
        {nullptr, "ie", 'i'},
        {"es", "cbsie", 'e'},
        {"es", "cbsi", 's'},
        {"Ib", "cbsie", 'i'},
#endif
    };
    for (const Case& c : cases) {
        std::string lines = configure(c.order, c.available);
        ConfiguredSettings settings(lines, native(root_, "app/"), native(root_, "work/"));
        EXPECT_EQ(search(*settings), expected(c.expected)) << (c.order ? c.order : "(none)") << " " << c.available;
    }
}

// ---- sources that anchor configured paths ------------------------------------------

TEST(AnchoredSources, ConfiguredPathsAreAnchoredBesideTheExecutableFirst)
{
    std::string root = makeTempDirectory("rt-anchored");
    std::string lib = "rt/" + libraryName;
    struct Case {
        std::vector<std::string> tree;
        std::string lines;
        std::string expected;  // relative to the case's folder
    } cases[] = {
        {{"app/" + lib, "work/" + lib}, "jvmdll " + lib, "app/" + lib},
        {{"work/" + lib}, "jvmdll " + lib, "work/" + lib},
        {{}, "jvmdll " + lib, ""},
        {{"app/" + lib}, "jvmdll ${APPLICATION_HOME}" + lib, "app/" + lib},
        {{"app/jre/" + bin + "server/" + libraryName}, "", "app/./jre/" + binPrefix + "server/" + libraryName},
        {{"work/mine/" + bin + "server/" + libraryName}, "jre mine", "work/mine/" + binPrefix + "server/" + libraryName},
        {{"app/jre/"}, "", ""},
    };
    int index = 0;
    for (const Case& c : cases) {
        std::string folder = root + sep + std::to_string(++index);
        makeTree(folder, c.tree);
        makeTree(folder, {"app/", "work/"});
        ConfiguredSettings settings("jre_order cb\r\n" + c.lines, folder + sep + "app" + sep, folder + sep + "work" + sep);
        std::string expected = c.expected.empty() ? "" : folder + sep + c.expected;
        // The anchors end with the system's separator; what follows keeps the configured form.
        size_t cut = expected.find('/', folder.size() + 1);
        if (cut != std::string::npos)
            expected[cut] = sep[0];
        EXPECT_EQ(search(*settings), expected) << "case " << index;
    }
}

TEST(AnchoredSources, ResolveAppPath)
{
    std::string root = makeTempDirectory("rt-resolve");
    makeTree(root, {"app/both", "work/both", "work/only-work", "app/jre/"});
    std::string app = root + sep + "app" + sep;
    std::string work = root + sep + "work" + sep;
    struct Case {
        const char* path;
        std::string expected;
    } cases[] = {
        {"", ""},
        {"/abs/x.jar", "/abs/x.jar"},
        {"\\abs\\x.jar", "\\abs\\x.jar"},
        {"C:x.jar", "C:x.jar"},
        {"D:\\y.jar", "D:\\y.jar"},
        {"both", app + "both"},
        {"only-work", work + "only-work"},
        {"neither", app + "neither"},
        {"./jre/", app + "./jre/"},
    };
    ConfiguredSettings settings("", app, work);
    for (const Case& c : cases)
        EXPECT_STREQ(resolveAppPath(*settings, c.path).cstr(), c.expected.c_str()) << c.path;
}

// ---- the environment source --------------------------------------------------------

TEST(EnvironmentSource, FirstVariableThatYieldsWins)
{
    std::string root = makeTempDirectory("rt-environment");
    // No folder here is called "jre": a home beside one would find its runtime.
    makeTree(root, {"own/" + bin + "server/" + libraryName, "java/" + bin + "server/" + libraryName, "nolib/"});
    std::string jre = native(root, "own"), java = native(root, "java"), nolib = native(root, "nolib");
    struct Case {
        const char* jreHome;  // null: unset
        const char* javaHome;
        std::string expected;
    } cases[] = {
        {nullptr, nullptr, ""},
        {"", java.c_str(), plainRuntime(java)},
        {nolib.c_str(), java.c_str(), plainRuntime(java)},
        {jre.c_str(), java.c_str(), plainRuntime(jre)},
        {jre.c_str(), nullptr, plainRuntime(jre)},
        {nullptr, nolib.c_str(), ""},
    };
    ScopedEnvironment jreHome("JRE_HOME", nullptr);
    ScopedEnvironment javaHome("JAVA_HOME", nullptr);
    ConfiguredSettings settings("", "", "");
    for (const Case& c : cases) {
        setEnvironment("JRE_HOME", c.jreHome);
        setEnvironment("JAVA_HOME", c.javaHome);
        EXPECT_STREQ(environmentRuntime(*settings).cstr(), c.expected.c_str())
            << (c.jreHome ? c.jreHome : "(unset)") << " " << (c.javaHome ? c.javaHome : "(unset)");
    }
}

// ---- the remembered outcome --------------------------------------------------------

// The outcome is process-wide, so each scenario runs in a fresh process of this
// executable, which RememberedRuntime starts with the scenario in its environment.
TEST(RememberedRuntimeChild, DISABLED_FirstOutcomeStays)
{
    const char* scenario = std::getenv("XVOT_REMEMBERED");
    ASSERT_NE(scenario, nullptr);
    const char* homeA = std::getenv("XVOT_HOME_A");
    const char* homeB = std::getenv("XVOT_HOME_B");
    ASSERT_TRUE(homeA && homeB);
    std::string first = homeA, second = homeB;
    bool found = std::string(scenario) == "found";
    setEnvironment("JRE_HOME", found ? first.c_str() : nullptr);
    setEnvironment("JAVA_HOME", nullptr);
    ConfiguredSettings settings("jre_order e", "", "");
    std::string outcome = found ? plainRuntime(first) : "";
    EXPECT_STREQ(findRuntime(*settings).cstr(), outcome.c_str());
    setEnvironment("JRE_HOME", second.c_str());
    EXPECT_STREQ(findRuntime(*settings).cstr(), outcome.c_str());
    EXPECT_STREQ(searchRuntime(*settings).cstr(), plainRuntime(second).c_str());
}

TEST(RememberedRuntime, SecondSearchReturnsTheFirstOutcome)
{
    std::string root = makeTempDirectory("rt-remembered");
    makeTree(root, {"a/" + bin + "server/" + libraryName, "b/" + bin + "server/" + libraryName});
    ScopedEnvironment first("XVOT_HOME_A", native(root, "a").c_str());
    ScopedEnvironment second("XVOT_HOME_B", native(root, "b").c_str());
    struct Case {
        const char* scenario;
        const char* trace;  // the XVO_TRACE value; null: unset
        std::vector<std::string> traced;
    } cases[] = {
        {"found", "1", {"xvo: runtime source e: " + plainRuntime(native(root, "a")), "xvo: runtime as found before: "}},
        {"empty", "1", {"xvo: no runtime found", "xvo: runtime as found before: none"}},
        {"found", nullptr, {}},
    };
    for (const Case& c : cases) {
        ScopedEnvironment scenario("XVOT_REMEMBERED", c.scenario);
        ScopedEnvironment trace("XVO_TRACE", c.trace);
        ProcessResult child = runProcess({selfPath(), "--gtest_also_run_disabled_tests",
                                             "--gtest_filter=RememberedRuntimeChild.DISABLED_FirstOutcomeStays"});
        EXPECT_EQ(child.exitCode, 0) << child.out;
        EXPECT_NE(child.out.find("[  PASSED  ] 1 test"), std::string::npos) << child.out;
        for (const std::string& line : c.traced)
            EXPECT_NE(child.err.find(line), std::string::npos) << line << "\n" << child.err;
        if (c.traced.empty()) {
            EXPECT_EQ(child.err.find("xvo:"), std::string::npos) << child.err;
        }
    }
}

}  // namespace
}  // namespace xvo::test
