#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/config_text.h"

namespace xvo {
namespace {

std::string decoded(const std::string& raw)
{
    Text text("before|");
    appendDecoded(text, Text(raw.data(), int32_t(raw.size())));
    return std::string(text.data(), size_t(text.length()));
}

TEST(AppendDecoded, ChoosesTheEncodingByItsMark)
{
    struct Case {
        std::string raw;
        std::string stored;
    } cases[] = {
        {"\xEF\xBB\xBFmainclass a.B\r\n", "mainclass a.B\r\n"},
        {std::string("\xEF\xBB\xBF" "a\0b", 6), std::string("a\0b", 3)},
        {std::string("\xFF\xFE" "a\0\xE9\0", 6), "a\xC3\xA9"},
        {std::string("\xFE\xFF\0a\0\xE9", 6), "a\xC3\xA9"},
        {std::string("\xFF\xFE" "a\0\0\0b\0", 8), "a"},
        {std::string("\xFF\xFE\0\0", 4), ""},
        {std::string("\xFF\xFE" "a\0b", 5), "a"},
        {std::string("\xFF\xFE" "=\xD8\0\xDE", 6), "\xED\xA0\xBD\xED\xB8\x80"},
        {"plain=1\r\n", "plain=1\r\n"},
        {std::string("ab\0cd", 5), "ab"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decoded(c.raw), "before|" + c.stored) << c.raw;
}

#ifdef _WIN32
TEST(AppendDecoded, ReadsUnmarkedBytesInTheAnsiCodePage)
{
    EXPECT_EQ(decoded("caf\xE9"), "before|caf\xC3\xA9");
    // A mark counts only when all its bytes are there.
    EXPECT_EQ(decoded("\xEF\xBB"), "before|\xC3\xAF\xC2\xBB");
}
#endif

std::vector<std::string> lines(const std::string& text)
{
    Text stored(text.data(), int32_t(text.size()));
    const char* cursor = stored.cstr();
    std::vector<std::string> result;
    Text line;
    while (nextLine(cursor, line))
        result.push_back(line.cstr());
    return result;
}

TEST(NextLine, SplitsAtEveryKindOfBreak)
{
    using L = std::vector<std::string>;
    struct Case {
        std::string text;
        L lines;
    } cases[] = {
        {"a\r\nb", {"a", "b"}},
        {"a\n\rb", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\r\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"", {}},
        {"\r\n", {""}},
        {std::string("a\nb\0c\nd", 7), {"a", "b"}},
        {"  tab\tkept  ", {"  tab\tkept  "}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lines(c.text), c.lines) << c.text;
}

TEST(MatchLine, AppliesTheKeyAndSeparatorRules)
{
    struct Case {
        const char* line;
        const char* key;
        bool matches;
        const char* value;
    } cases[] = {
        {"  MainClass   =   a.B  ", "mainclass", true, "a.B  "},
        {"mainclass=a.B", "mainclass", true, "a.B"},
        {"mainclass==a.B", "mainclass", true, "=a.B"},
        {"mainclass", "mainclass", true, ""},
        {"mainclass   ", "mainclass", true, ""},
        {"mainclass\ta.B", "mainclass", true, "\ta.B"},
        {"#mainclass a.B", "mainclass", false, ""},
        {";mainclass a.B", "mainclass", false, ""},
        {"\tmainclass a.B", "mainclass", false, ""},
        {"jre_order cbsie", "jre", false, ""},
        {"jreX", "jre", false, ""},
        {"jre9", "jre", false, ""},
        {"jre-x", "jre", true, "-x"},
        {"option-Xmx1g", "option", true, "-Xmx1g"},
        {"key:v", "key", true, ":v"},
        {"jre\xC3\xA9", "jre", true, "\xC3\xA9"},
        {"jr", "jre", false, ""},
        {"", "jre", false, ""},
        {"JRE = C:\\j\\", "jre", true, "C:\\j\\"},
        {"stdout =", "stdout", true, ""},
    };
    for (const Case& c : cases) {
        Text line(c.line);
        EXPECT_EQ(matchLine(line, c.key), c.matches) << c.line;
        if (c.matches) {
            EXPECT_STREQ(line.cstr(), c.value) << c.line;
        }
    }
}

}  // namespace
}  // namespace xvo
