#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "child_process.h"
#include "cmdline/wildcard.h"
#include "platform/command_line.h"

namespace xvo {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> sorted(const StringList& list)
{
    std::vector<std::string> items;
    for (int32_t k = 0; k < list.count(); ++k)
        items.push_back(list.item(k));
    std::sort(items.begin(), items.end());
    return items;
}

std::vector<std::string> expand(const std::string& pattern)
{
    StringList out;
    expandWildcard(pattern.c_str(), out);
    return sorted(out);
}

// A tree of files and folders under a fresh directory; names ending in "/" are folders.
std::string makeTree(const std::string& tag, const std::vector<std::string>& entries)
{
    std::string root = test::makeTempDirectory(tag);
    for (const std::string& entry : entries) {
        fs::path path = fs::path(root) / entry;
        fs::create_directories(entry.back() == '/' ? path : path.parent_path());
        if (entry.back() != '/')
            test::writeFile(path.string(), "x");
    }
    return root;
}

// Changes into a directory for the length of a test.
class InDirectory {
public:
    explicit InDirectory(const std::string& directory) : previous_(fs::current_path()) { fs::current_path(directory); }
    ~InDirectory() { fs::current_path(previous_); }

private:
    fs::path previous_;
};

using Names = std::vector<std::string>;

TEST(ExpandWildcard, MatchesInTheCurrentDirectory)
{
    std::string root = makeTree("wild-cwd", {"a.txt", "b.txt", "c.md", ".hidden.txt", "abc", "ac", "sub/"});
    InDirectory here(root);
    struct Case {
        const char* pattern;
        Names matches;
    } cases[] = {
        {"*.txt", {".hidden.txt", "a.txt", "b.txt"}},
        {"*", {".hidden.txt", "a.txt", "abc", "ac", "b.txt", "c.md", "sub"}},
        {"a?c", {"abc"}},
        {"*.xyz", {}},
        {"c.md", {"c.md"}},
        {"missing.md", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(expand(c.pattern), c.matches) << c.pattern;
}

TEST(ExpandWildcard, KeepsThePrefixAsTyped)
{
    std::string root = makeTree("wild-prefix", {"docs/a.md", "docs/b.md", "docs/c.txt"});
    InDirectory here(root);
    EXPECT_EQ(expand("docs/*.md"), (Names{"docs/a.md", "docs/b.md"}));
    std::string absolute = (fs::path(root) / "docs").string() + "/";
    EXPECT_EQ(expand(absolute + "?.txt"), (Names{absolute + "c.txt"}));
#ifdef _WIN32
    EXPECT_EQ(expand("docs\\*.md"), (Names{"docs\\a.md", "docs\\b.md"}));
#endif
}

TEST(ExpandWildcard, ExpandsWildcardsInEveryComponent)
{
    std::string root = makeTree("wild-nested", {"src/a/Main.java", "src/b/Main.java", "src/c/Other.java",
                                                "src/plain", "src/a/x/y.ini", "src/b/z/w.ini", "src/b/z/q.txt"});
    InDirectory here(root);
    struct Case {
        const char* pattern;
        Names matches;
    } cases[] = {
        {"src/*/Main.java", {"src/a/Main.java", "src/b/Main.java"}},
        {"src/*/*/*.ini", {"src/a/x/y.ini", "src/b/z/w.ini"}},
        {"s?c/b/*", {"src/b/Main.java", "src/b/z"}},
        {"src/*/nothing/*", {}},
        {"nowhere/*/x", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(expand(c.pattern), c.matches) << c.pattern;
}

#ifndef _WIN32
// Names from the system are taken literally, even where they hold wildcard characters.
TEST(ExpandWildcard, NamesHoldingWildcardsAreNotExpandedAgain)
{
    std::string root = makeTree("wild-literal", {"we*rd/x", "we?/x", "plain/x", "we*rd/y"});
    InDirectory here(root);
    EXPECT_EQ(expand("*/x"), (Names{"plain/x", "we*rd/x", "we?/x"}));
    EXPECT_EQ(expand("we*/*"), (Names{"we*rd/x", "we*rd/y", "we?/x"}));
}
#endif

TEST(ExpandCommandLine, ExpandsByMarkAndMode)
{
    std::string root = makeTree("wild-mode", {"a.txt", "b.txt"});
    InDirectory here(root);
    struct Case {
        const char* line;
        int mode;
        Names arguments;
    } cases[] = {
        {"prog *.txt", 1, {"a.txt", "b.txt", "prog"}},
        {"prog \"*.txt\"", 1, {"*.txt", "prog"}},
        {"prog \"*.txt\"", 2, {"a.txt", "b.txt", "prog"}},
        {"prog *.xyz \"two words\"", 2, {"*.xyz", "prog", "two words"}},
        {"\"C:\\my dir\\*.exe\" x", 1, {"C:\\my dir\\*.exe", "x"}},
    };
    for (const Case& c : cases) {
        StringList out;
        expandCommandLine(c.line, out, c.mode);
        EXPECT_EQ(sorted(out), c.arguments) << c.line << " mode " << c.mode;
    }
}

TEST(ExpandCommandLine, ThePathComesFirstAndOrderIsKept)
{
    std::string root = makeTree("wild-order", {"only.txt"});
    InDirectory here(root);
    StringList out;
    expandCommandLine("\"my prog\" first *.txt last", out, 1);
    ASSERT_EQ(out.count(), 4);
    EXPECT_STREQ(out.item(0), "my prog");
    EXPECT_STREQ(out.item(1), "first");
    EXPECT_STREQ(out.item(2), "only.txt");
    EXPECT_STREQ(out.item(3), "last");
}

#ifndef _WIN32
// The shell has already expanded what matched, so a wildcard that is still there counts
// as quoted: only the mode for all arguments tries it again.
TEST(ExpandArguments, RemainingWildcardsFromTheShellCountAsQuoted)
{
    std::string root = makeTree("wild-argv", {"a.txt"});
    InDirectory here(root);
    char program[] = "prog";
    char pattern[] = "*.txt";
    char blank[] = "two words";
    char* argv[] = {program, pattern, blank, nullptr};
    platform::rememberArguments(3, argv);
    EXPECT_STREQ(platform::processCommandLine().cstr(), "prog \"*.txt\" \"two words\"");
    StringList quotedOnly, all;
    expandArguments(quotedOnly, 1);
    expandArguments(all, 2);
    platform::rememberArguments(0, nullptr);
    EXPECT_EQ(sorted(quotedOnly), (Names{"*.txt", "prog", "two words"}));
    EXPECT_EQ(sorted(all), (Names{"a.txt", "prog", "two words"}));
}
#endif

}  // namespace
}  // namespace xvo
