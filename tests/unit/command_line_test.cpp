#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "cmdline/command_line.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

namespace xvo {
namespace {

struct Split {
    std::vector<std::string> arguments;
    std::vector<int32_t> marks;
};

Split split(const std::string& line)
{
    Text buffer(line.c_str());
    PtrList arguments;
    IntList marks;
    int32_t n = splitCommandLine(buffer, arguments, &marks);
    Split result;
    for (int32_t k = 0; k < n; ++k) {
        result.arguments.push_back(arguments[k]);
        result.marks.push_back(marks[k]);
    }
    return result;
}

std::string join(const std::vector<std::string>& arguments)
{
    std::vector<const char*> vector;
    for (const std::string& argument : arguments)
        vector.push_back(argument.c_str());
    return joinArguments(vector.data(), int32_t(vector.size()), 0).cstr();
}

TEST(SplitCommandLine, FollowsTheWindowsRules)
{
    struct Case {
        const char* line;
        std::vector<std::string> arguments;
        std::vector<int32_t> marks;
    } cases[] = {
        {"a b", {"a", "b"}, {0, 0}},
        {"a\tb  ", {"a", "b"}, {0, 0}},
        {"", {}, {}},
        {" \t ", {}, {}},
        {"\"a b\" c", {"a b", "c"}, {0, 0}},
        {"a\"b c\"d", {"ab cd"}, {0}},
        {"\"\"", {""}, {0}},
        {"x \"\" y", {"x", "", "y"}, {0, 0, 0}},
        {"\\\"a", {"\"a"}, {0}},
        {"\\\\\"a b\"", {"\\a b"}, {0}},
        {"a\\b", {"a\\b"}, {0}},
        {"a\\\\b", {"a\\\\b"}, {0}},
        {"a\\\\\\\"b", {"a\\\"b"}, {0}},
        {"end\\", {"end\\"}, {0}},
        {"\"a\"\"b\"", {"ab"}, {0}},
        {"*.txt", {"*.txt"}, {1}},
        {"\"*.txt\"", {"*.txt"}, {-1}},
        {"\"my dir\"\\*.txt", {"my dir\\*.txt"}, {1}},
        {"a*\"b?\"", {"a*b?"}, {-1}},
        {"\"a?\"b*", {"a?b*"}, {-1}},
        {"x a?c", {"x", "a?c"}, {0, 1}},
        {"\"C:\\Program Files\\app.exe\" x", {"C:\\Program Files\\app.exe", "x"}, {0, 0}},
        {"\"open", {"open"}, {0}},
    };
    for (const Case& c : cases) {
        Split result = split(c.line);
        EXPECT_EQ(result.arguments, c.arguments) << c.line;
        EXPECT_EQ(result.marks, c.marks) << c.line;
    }
}

TEST(SplitCommandLine, AppendsToTheListAndPadsTheMarks)
{
    Text first("one *");
    Text second("two \"three four\"");
    PtrList arguments;
    IntList marks;
    EXPECT_EQ(splitCommandLine(first, arguments, nullptr), 2);
    EXPECT_EQ(splitCommandLine(second, arguments, &marks), 4);
    ASSERT_EQ(marks.length(), 4);
    EXPECT_STREQ(arguments[1], "*");
    EXPECT_STREQ(arguments[3], "three four");
    for (int32_t k = 0; k < 4; ++k)
        EXPECT_EQ(marks[k], 0) << k;  // the first line was split without marks
}

TEST(SplitCommandLine, StopsAtTheFirstNul)
{
    Text buffer("a b");
    buffer.push('\0');
    buffer.append("c");
    PtrList arguments;
    EXPECT_EQ(splitCommandLine(buffer, arguments, nullptr), 2);
}

TEST(JoinArguments, QuotesWhatNeedsIt)
{
    struct Case {
        std::vector<std::string> arguments;
        const char* line;
    } cases[] = {
        {{"a b", "c"}, "\"a b\" c"},
        {{}, ""},
        {{"x", ""}, "x \"\""},
        {{"say \"hi\""}, "\"say \\\"hi\\\"\""},
        {{"C:\\my dir\\"}, "\"C:\\my dir\\\\\""},
        {{"a\\b"}, "a\\b"},
        {{"a\\\"b"}, "\"a\\\\\\\"b\""},
        {{"*.log"}, "\"*.log\""},
        {{"tab\there"}, "\"tab\there\""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(join(c.arguments), c.line) << c.line;
}

TEST(JoinArguments, HonoursStartAndEnd)
{
    const char* arguments[] = {"skip", "a b", "c", "last"};
    EXPECT_STREQ(joinArguments(arguments, 3, 1).cstr(), "\"a b\" c");
    EXPECT_STREQ(joinArguments(arguments, 1, 1).cstr(), "");
}

TEST(JoinArguments, QuotedWildcardSplitsBackMarkedQuoted)
{
    Split result = split(join({"*.log"}));
    EXPECT_EQ(result.arguments, std::vector<std::string>{"*.log"});
    EXPECT_EQ(result.marks, std::vector<int32_t>{-1});
}

// Arguments drawn from the characters the rules treat specially, so that runs of
// backslashes before quotes and at the end, blanks and empty arguments all occur often.
std::vector<std::vector<std::string>> generatedArgumentLists(int count)
{
    static const char alphabet[] = {'a', 'b', ' ', '\t', '"', '\\', '\\', '*', '?', 'z'};
    std::mt19937 random(20261211);
    std::vector<std::vector<std::string>> lists;
    for (int n = 0; n < count; ++n) {
        std::vector<std::string> arguments(random() % 5);
        for (std::string& argument : arguments) {
            size_t length = random() % 8;
            for (size_t k = 0; k < length; ++k)
                argument.push_back(alphabet[random() % sizeof(alphabet)]);
        }
        lists.push_back(arguments);
    }
    return lists;
}

TEST(JoinArguments, SplitsBackIntoTheSameArguments)
{
    for (const std::vector<std::string>& arguments : generatedArgumentLists(5000)) {
        std::string line = join(arguments);
        EXPECT_EQ(split(line).arguments, arguments) << line;
    }
}

TEST(QuoteArgument, DoublesBackslashesOnlyBeforeQuotes)
{
    EXPECT_STREQ(quoteArgument("a\\b").cstr(), "a\\b");
    EXPECT_STREQ(quoteArgument("a\\\\\"").cstr(), "a\\\\\\\\\\\"");
    EXPECT_STREQ(quoteArgument("end\\\\").cstr(), "end\\\\\\\\");
    EXPECT_STREQ(quoteArgument("").cstr(), "");
}

#ifdef _WIN32
// The system's own splitter is the reference wherever the two rules agree: after a
// program name without special characters, and without two quotes in a row inside a
// quoted part (which newer systems read as a literal quote).
std::vector<std::string> systemSplit(const std::string& line)
{
    std::wstring wide(line.begin(), line.end());
    int count = 0;
    LPWSTR* vector = CommandLineToArgvW(wide.c_str(), &count);
    std::vector<std::string> result;
    for (int k = 1; vector && k < count; ++k) {
        std::wstring argument(vector[k]);
        result.emplace_back(argument.begin(), argument.end());
    }
    LocalFree(vector);
    return result;
}

TEST(SplitCommandLine, AgreesWithTheSystemSplitter)
{
    std::vector<std::string> lines = {"a b", "a\tb", "\"a b\" c", "a\"b c\"d", "x \"\" y", "\\\"a",
                                      "\\\\\"a b\"", "a\\b", "a\\\\b", "a\\\\\\\"b", "*.txt", "\"my dir\"\\*.txt"};
    for (const std::vector<std::string>& arguments : generatedArgumentLists(500))
        lines.push_back(join(arguments));
    for (const std::string& line : lines) {
        std::vector<std::string> expected = systemSplit("prog " + line);
        EXPECT_EQ(split(line).arguments, expected) << line;
    }
}
#endif

}  // namespace
}  // namespace xvo
