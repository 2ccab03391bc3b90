#include <clocale>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "base/convert.h"

namespace xvo {
namespace {

std::vector<char16_t> units(const WideText& text)
{
    return std::vector<char16_t>(text.data(), text.data() + text.length());
}

std::string bytes(const Text& text)
{
    return std::string(text.data(), size_t(text.length()));
}

TEST(FromUtf8, DecodesByTheLaunchersRules)
{
    struct Case {
        std::string input;
        std::vector<char16_t> expected;
    } cases[] = {
        {"A", {0x41}},
        {"\x41\xC3", {0x41}},
        {"\xF0\x9F\x98\x80", {'?', '?', '?', '?'}},
        {"\xC3\x41", {'?', 0x41}},
        {"\xC3\xA9", {0xE9}},
        {"\xE2\x82\xAC", {0x20AC}},
        {"\xE2\x82", {}},
        {"\xE2\x41\x42", {'?', 0x41, 0x42}},
        {"\xE2\x82\x41", {'?', 0x41}},
        {"\x80x", {'?', 'x'}},
        {"\xC0\x80", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(units(fromUtf8(c.input.data(), int32_t(c.input.size()))), c.expected) << c.input;
}

TEST(FromUtf8, CountMinusOneReadsUpToTheNul)
{
    EXPECT_EQ(units(fromUtf8("ab", -1)), (std::vector<char16_t>{'a', 'b'}));
}

TEST(ToUtf8, EncodesEachUnitOnItsOwn)
{
    struct Case {
        std::u16string input;
        std::string expected;
    } cases[] = {
        {u"A", "A"},
        {u"\u00E9", "\xC3\xA9"},
        {u"\u20AC", "\xE2\x82\xAC"},
        {std::u16string{0xD83D, 0xDE00}, "\xED\xA0\xBD\xED\xB8\x80"},
        {u"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(bytes(toUtf8(c.input.c_str())), c.expected);
}

TEST(WideText, CopyingAndScanningForms)
{
    const char16_t raw[] = {'a', 'b', 0, 'c'};
    EXPECT_EQ(WideText(raw, -1).length(), 2);
    EXPECT_EQ(WideText(raw, 4).length(), 4);
    EXPECT_EQ(WideText::scan(raw, 4).length(), 2);
    EXPECT_EQ(WideText::scan(raw, 1).length(), 1);
    EXPECT_EQ(WideText::scan(raw, -1).length(), 2);
}

TEST(CodePage, WidenAndNarrowRoundTripAscii)
{
    WideText wide = widen("C:\\app\\x.jar", -1);
    EXPECT_EQ(wide.length(), 12);
    EXPECT_EQ(wide[2], u'\\');
    EXPECT_STREQ(narrow(wide.data(), -1).cstr(), "C:\\app\\x.jar");
    EXPECT_STREQ(narrow(wide.data(), 2).cstr(), "C:");
    EXPECT_EQ(widen("abc", 1).length(), 1);
}

TEST(CodePage, WidenAndNarrowFollowTheLocale)
{
    const char* previous = std::setlocale(LC_ALL, nullptr);
    std::string saved = previous ? previous : "C";
    // A UTF-8 locale on Linux, code page 1252 on Windows: both represent é.
    bool utf8 = std::setlocale(LC_ALL, "C.UTF-8") != nullptr;
    if (!utf8 && !std::setlocale(LC_ALL, ".1252"))
        GTEST_SKIP() << "no locale that represents e-acute";
    const char* narrowText = utf8 ? "\xC3\xA9" : "\xE9";
    WideText wide = widen(narrowText, -1);
    ASSERT_EQ(wide.length(), 1);
    EXPECT_EQ(wide[0], 0xE9);
    EXPECT_STREQ(narrow(wide.data(), -1).cstr(), narrowText);
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace xvo
