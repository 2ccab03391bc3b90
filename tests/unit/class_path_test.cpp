#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "runtime/class_path.h"
#include "runtime_fixture.h"

namespace xvo::test {
namespace {

namespace fs = std::filesystem;

using Entries = std::vector<std::string>;

#ifdef _WIN32
const char* const executableName = "tool.exe";
#else
const char* const executableName = "tool";
#endif

Entries split(const std::string& value)
{
    Entries entries;
    size_t start = 0;
    for (size_t end; (end = value.find(';', start)) != std::string::npos; start = end + 1)
        entries.push_back(value.substr(start, end - start));
    entries.push_back(value.substr(start));
    return entries;
}

// Entries in runs whose order is the system's listing order: each run is compared as a set.
void expectRuns(const std::string& value, std::vector<Entries> runs)
{
    Entries actual = split(value);
    size_t at = 0;
    for (Entries& run : runs) {
        ASSERT_LE(at + run.size(), actual.size()) << value;
        Entries part(actual.begin() + long(at), actual.begin() + long(at + run.size()));
        std::sort(part.begin(), part.end());
        std::sort(run.begin(), run.end());
        EXPECT_EQ(part, run) << value;
        at += run.size();
    }
    EXPECT_EQ(at, actual.size()) << value;
}

std::string replaced(std::string text, const std::string& mark, const std::string& by)
{
    for (size_t at; (at = text.find(mark)) != std::string::npos;)
        text.replace(at, mark.size(), by);
    return text;
}

// One application folder per case: the executable in app, the working directory work.
class ClassPath : public testing::Test {
protected:
    void SetUp() override { root_ = makeTempDirectory("classpath"); }

    std::string caseFolder(const std::vector<std::string>& tree)
    {
        std::string folder = root_ + sep + std::to_string(++cases_);
        makeTree(folder, {"app/", "work/"});
        makeTree(folder, tree);
        return folder;
    }

    // {exe}, {app} and {work}: the executable and the two anchors of the case's folder.
    static std::string marked(std::string text, const std::string& folder)
    {
        std::string app = folder + sep + "app" + sep;
        text = replaced(text, "{exe}", app + executableName);
        text = replaced(text, "{app}", app);
        return replaced(text, "{work}", folder + sep + "work" + sep);
    }

    std::string classPathOf(const std::string& folder, const std::string& lines)
    {
        ConfiguredSettings settings(marked(lines, folder), marked("{app}", folder), marked("{work}", folder));
        settings->appPath = marked("{exe}", folder).c_str();
        InDirectory inWork(folder + sep + "work");
        return fullClassPath(*settings).cstr();
    }

    std::string root_;
    int cases_ = 0;
    ScopedEnvironment classPath_{"CLASSPATH", nullptr};
    ScopedEnvironment classPathAlias_{"CLASS_PATH", nullptr};
};

TEST_F(ClassPath, SectionsFromConfigurationAndEnvironment)
{
    ScopedEnvironment expanded("XVOT_CP", "p;q");
    struct Case {
        std::string lines;
        const char* classPath;  // CLASSPATH; null: unset
        const char* classPathAlias;  // CLASS_PATH
        std::vector<std::string> tree;
        std::string expected;
    } cases[] = {
        {"", nullptr, nullptr, {}, "{exe};"},
        {"", ".", nullptr, {}, "{exe};;."},
#ifndef _WIN32
        // A variable set to nothing still adds its ";" (the Windows runtime library
        // removes a variable that is set to nothing).
        {"", "", nullptr, {}, "{exe};;"},
        {"", nullptr, "", {}, "{exe};;"},
#endif
        {"", "x", "y", {}, "{exe};;x;y"},
        // Empty pieces are skipped; entries are added whether or not they exist.
        {"classpath a;;b", nullptr, nullptr, {}, "{exe};;{app}a;{app}b"},
        {"classpath only", nullptr, nullptr, {"work/only"}, "{exe};;{work}only"},
        {"classpath a\r\nclasspath b;c", nullptr, nullptr, {}, "{exe};;{app}a;{app}b;{app}c"},
        // Splitting comes before expansion.
        {"classpath ${XVOT_CP}", nullptr, nullptr, {}, "{exe};;{app}p;q"},
        {"classpath /abs/y.jar", nullptr, nullptr, {}, "{exe};;/abs/y.jar"},
        {"classpath C:\\x\\y.jar", nullptr, nullptr, {}, "{exe};;C:\\x\\y.jar"},
        {"classpath \\\\server\\share\\y.jar", nullptr, nullptr, {}, "{exe};;\\\\server\\share\\y.jar"},
        // Patterns match in the working directory and keep their own form.
        {"classpath lib/*.jar", nullptr, nullptr, {"app/lib/a.jar"}, "{exe};"},
        {"classpath lib/*.jar", nullptr, nullptr, {"work/lib/a.jar", "app/lib/b.jar"}, "{exe};;lib/a.jar"},
        // A library value is one directory, ";" and all.
        {"libs lib;ext", nullptr, nullptr, {"app/lib/a.jar", "app/ext/b.jar"}, "{exe};"},
        {"libs lib;ext", nullptr, nullptr, {"app/lib;ext/a.jar"}, "{exe};;{app}lib;ext/a.jar"},
        {"libs ll", nullptr, nullptr, {"work/ll/a.jar"}, "{exe};;{work}ll/a.jar"},
        {"libs {app}ll", nullptr, nullptr, {"app/ll/a.jar"}, "{exe};;{app}ll/a.jar"},
        {"libs missing", nullptr, nullptr, {}, "{exe};"},
        // An empty library value names no directory (not the root of the drive).
        {"libs", nullptr, nullptr, {}, "{exe};"},
        {"java_classpath first.jar\r\nclasspath second.jar", nullptr, nullptr, {}, "{exe};{app}first.jar;;{app}second.jar"},
        {"java_libs jl\r\nlibs ll", nullptr, nullptr, {"app/jl/x.jar", "app/ll/y.jar"}, "{exe};{app}jl/x.jar;;{app}ll/y.jar"},
        {"java_classpath x.jar", "e", nullptr, {}, "{exe};{app}x.jar;;e"},
    };
    for (const Case& c : cases) {
        setEnvironment("CLASSPATH", c.classPath);
        setEnvironment("CLASS_PATH", c.classPathAlias);
        std::string folder = caseFolder(c.tree);
        EXPECT_EQ(classPathOf(folder, c.lines), marked(c.expected, folder)) << c.lines;
    }
}

TEST_F(ClassPath, WorkedExample)
{
    std::string folder = caseFolder({"app/conf/", "app/lib/a.jar", "app/lib/b.jar", "app/plugins/a.JAR", "app/plugins/sub/y.zip"});
    std::string app = marked("{app}", folder);
    ConfiguredSettings settings("classpath conf;lib/*.jar\r\nlibs plugins", app, app);
    settings->appPath = marked("{exe}", folder).c_str();
    InDirectory inApp(app);
    expectRuns(fullClassPath(*settings).cstr(), {{app + executableName},
                                                 {""},
                                                 {app + "conf"},
                                                 {"lib/a.jar", "lib/b.jar"},
                                                 {app + "plugins/a.JAR", app + "plugins/sub/y.zip"}});
}

TEST_F(ClassPath, ArchivesOfALibraryDirectory)
{
    std::string folder = caseFolder({"app/ll/a.jar", "app/ll/b.ZIP", "app/ll/c.txt", "app/ll/d.jar.old", "app/ll/jar",
                                     "app/ll/sub/e.jar", "app/ll/sub/deeper/f.zip", "app/ll/sub.jar/g.Jar", "app/ll/empty/"});
    std::string ll = marked("{app}ll/", folder);
    expectRuns(classPathOf(folder, "libs ll"), {{marked("{exe}", folder)},
                                                {""},
                                                {ll + "a.jar", ll + "b.ZIP", ll + "sub/e.jar", ll + "sub/deeper/f.zip",
                                                 ll + "sub.jar/g.Jar"}});
}

TEST_F(ClassPath, DeepTreesAreScannedToABound)
{
    std::string inside, outside;
    for (int level = 0; level < 32; ++level)
        inside += "d/";
    outside = inside + "d/";
    std::string folder = caseFolder({"app/deep/" + inside + "in.jar", "app/deep/" + outside + "out.jar"});
    expectRuns(classPathOf(folder, "libs deep"),
               {{marked("{exe}", folder)}, {""}, {marked("{app}deep/", folder) + inside + "in.jar"}});
}

TEST_F(ClassPath, LinkedFoldersAreNotEntered)
{
    std::string folder = caseFolder({"app/ll/x.jar", "other/z.jar"});
    std::error_code error;
    fs::create_directory_symlink(fs::path(folder) / "app" / "ll", fs::path(folder) / "app" / "ll" / "loop", error);
    if (!error)
        fs::create_directory_symlink(fs::path(folder) / "other", fs::path(folder) / "app" / "ll" / "away", error);
#ifdef _WIN32
    // Wine makes no directory links; the depth bound is what ends a loop there.
    if (error)
        GTEST_SKIP() << "this system makes no directory links: " << error.message();
#endif
    ASSERT_FALSE(error) << error.message();
    fs::path ll = fs::path(folder) / "app" / "ll";
    fs::create_symlink(ll / "x.jar", ll / "x-link.jar", error);
    ASSERT_FALSE(error) << error.message();
    struct Probe {
        fs::path path;
        bool linked;
    } probes[] = {{ll / "loop", true}, {ll / "away", true}, {ll, false}, {ll / "x.jar", false},
                  {ll / "x-link.jar", false}, {ll / "missing", false}};
    for (const Probe& probe : probes)
        EXPECT_EQ(platform::isLinkedDirectory(probe.path.string().c_str()), probe.linked) << probe.path;
    // A link to an archive is an archive.
    expectRuns(classPathOf(folder, "libs ll"),
               {{marked("{exe}", folder)}, {""}, {marked("{app}ll/x.jar", folder), marked("{app}ll/x-link.jar", folder)}});
    // The library directory itself may be a link.
    expectRuns(classPathOf(folder, "libs ll/away"), {{marked("{exe}", folder)}, {""}, {marked("{app}ll/away/z.jar", folder)}});
}

}  // namespace
}  // namespace xvo::test
