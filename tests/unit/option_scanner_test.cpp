#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "service/option_scanner.h"

namespace xvo {
namespace {

const char* const table =
    "|-install:|install:|inst:|-uninstall|uninstall|uninst|-test|test|interactive|interact|inter|-help|help|h|?";

struct Result {
    int code;
    std::string name;   // "(null)" for a null name
    std::string value;  // "(null)" for a null value
    int index;          // the scan index after the call

    bool operator==(const Result& other) const
    {
        return code == other.code && name == other.name && value == other.value && index == other.index;
    }
};

std::ostream& operator<<(std::ostream& out, const Result& r)
{
    return out << "{" << r.code << ", " << r.name << ", " << r.value << ", " << r.index << "}";
}

std::string orNull(const char* text)
{
    return text ? text : "(null)";
}

// Every result of a scan, to its end.
std::vector<Result> scanAll(std::vector<std::string> arguments)
{
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    OptionScanner scanner(int(argv.size()), argv.data(), table, true);
    std::vector<Result> results;
    int index = 0;
    const char* name = nullptr;
    const char* value = nullptr;
    for (int code; (code = scanner.next(index, name, value)) != optionEnd;)
        results.push_back({code, orNull(name), orNull(value), index});
    return results;
}

TEST(OptionScanner, ReadsArgumentsAgainstTheTable)
{
    const std::string null = "(null)";
    struct Case {
        std::vector<std::string> arguments;
        std::vector<Result> results;
    } cases[] = {
        {{"/installauto"}, {{1, "install", "auto", 1}}},
        {{"--install"}, {{-1, "-install", "", 1}}},
        {{"/instal"}, {{1, "inst", "al", 1}}},
        {{"-install:auto"}, {{1, "install", "auto", 1}}},
        {{"/INSTALL=Auto"}, {{1, "install", "Auto", 1}}},
        {{"/install", "x", "y"}, {{1, "install", "x", 2}, {1, null, "y", 3}}},
        {{"/install", "/interactive"}, {{-1, "install", "", 1}, {1, "interactive", "", 2}}},
        {{"/interactive:no", "/install"}, {{2, "interactive", "no", 1}, {-1, "install", "", 2}}},
        {{"foo", "/bogus", "/test", "a", "b"},
         {{1, null, "foo", 1}, {-2, "/bogus", null, 2}, {1, "test", "", 3}, {1, null, "a", 4}, {1, null, "b", 5}}},
        {{"/test:x", "a"}, {{2, "test", "x", 1}, {1, null, "a", 2}}},
        {{"/h"}, {{1, "h", "", 1}}},
        {{"-?"}, {{1, "?", "", 1}}},
        {{"/helpme"}, {{2, "help", "me", 1}}},
        {{"/Help"}, {{1, "help", "", 1}}},
        {{"/"}, {{-2, "/", null, 1}}},
        {{"/uninst=1"}, {{2, "uninst", "1", 1}}},
        {{""}, {{1, null, "", 1}}},
        {{}, {}},
    };
    for (const Case& c : cases) {
        std::string line;
        for (const std::string& argument : c.arguments)
            line += argument + " ";
        EXPECT_EQ(scanAll(c.arguments), c.results) << line;
    }
}

TEST(OptionScanner, FindsOccurrencesOverTheWholeList)
{
    std::string arguments[] = {"one", "/interactive:yes", "/install", "/inter", "two", "/bogus", "/interactive=no"};
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    OptionScanner scanner(int(argv.size()), argv.data(), table, true);
    EXPECT_STREQ(scanner.find("interactive", 0), "yes");
    EXPECT_STREQ(scanner.find("INTERACTIVE", 1), "no");
    EXPECT_EQ(scanner.find("interactive", 2), nullptr);
    EXPECT_STREQ(scanner.find("inter", 0), "");
    EXPECT_EQ(scanner.find("install", 0), nullptr);  // its value is missing
    EXPECT_STREQ(scanner.find(nullptr, 0), "one");
    EXPECT_STREQ(scanner.find(nullptr, 1), "two");
    EXPECT_EQ(scanner.find(nullptr, 2), nullptr);
    EXPECT_EQ(scanner.find("/bogus", 0), nullptr);
}

TEST(OptionScanner, CaseSensitiveModeComparesExactly)
{
    std::string arguments[] = {"/HELP", "/help"};
    char* argv[] = {arguments[0].data(), arguments[1].data()};
    OptionScanner scanner(2, argv, table, false);
    int index = 0;
    const char* name = nullptr;
    const char* value = nullptr;
    EXPECT_EQ(scanner.next(index, name, value), optionUnknown);
    EXPECT_EQ(scanner.next(index, name, value), optionFound);
    EXPECT_STREQ(name, "help");
}

TEST(IsTrueValue, ReadsNegativeWordsByTheirPrefix)
{
    struct Case {
        const char* text;
        bool value;
    } cases[] = {
        {"", true},     {"yes", true},    {"on", true},     {"1", true},   {"true", true},
        {"no", false},  {"NO", false},    {"nope", false},  {"off", false}, {"Offline", false},
        {"false", false}, {"0", false},   {"0x1", false},   {"f", true},   {"of", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isTrueValue(c.text), c.value) << c.text;
}

}  // namespace
}  // namespace xvo
