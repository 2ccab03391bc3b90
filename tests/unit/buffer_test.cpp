#include <gtest/gtest.h>

#include "base/buffer.h"
#include "base/string_list.h"
#include "base/text.h"

namespace xvo {
namespace {

TEST(GrowthRule, FollowsMinimumDoublingAndSlack)
{
    struct Case {
        int32_t capacity;
        int64_t need;
        int32_t grown;
    } cases[] = {
        {0, 1, 8}, {8, 9, 16}, {8, 40, 48}, {0, 100, 104}, {16, 17, 32}, {16, 16, 16}, {0, 0, 0}, {1032, 1024, 1032},
    };
    for (const Case& c : cases)
        EXPECT_EQ(grownCapacity(c.capacity, c.need), c.grown) << c.capacity << " -> " << c.need;
}

TEST(Text, EmptyTextOwnsATerminatedBlock)
{
    Text empty;
    EXPECT_EQ(empty.capacity(), 8);
    EXPECT_EQ(empty.length(), 0);
    ASSERT_NE(empty.cstr(), nullptr);
    EXPECT_STREQ(empty.cstr(), "");
    Text fromNull(static_cast<const char*>(nullptr));
    EXPECT_STREQ(fromNull.cstr(), "");
}

TEST(Text, ShorteningKeepsTheBlockAndRewritesTheTerminator)
{
    Text text("abcdef");
    int32_t capacity = text.capacity();
    text.setLength(2);
    EXPECT_STREQ(text.cstr(), "ab");
    EXPECT_EQ(text.capacity(), capacity);
    text.clear();
    EXPECT_EQ(text.capacity(), capacity);
}

TEST(Text, AppendsAndCopiesDeeply)
{
    Text text("ab");
    text.append(static_cast<const char*>(nullptr));
    EXPECT_STREQ(text.cstr(), "ab");
    text.append(TextView("cd"));
    text.append(Text("ef"));
    text.append("ghij", 2);
    EXPECT_STREQ(text.cstr(), "abcdefgh");
    Text copy(text);
    copy.append("!");
    EXPECT_STREQ(text.cstr(), "abcdefgh");
    EXPECT_NE(copy.data(), text.data());
    EXPECT_STREQ(("<" + text + ">").cstr(), "<abcdefgh>");
    EXPECT_STREQ((text + copy).cstr(), "abcdefghabcdefgh!");
}

TEST(Text, AppendsFromItsOwnBlockAcrossGrowth)
{
    Text text("0123456");
    for (int i = 0; i < 5; ++i)
        text.append(text.data(), text.length());
    EXPECT_EQ(text.length(), 7 * 32);
    EXPECT_STREQ(text.mid(7 * 31).cstr(), "0123456");
}

TEST(Text, ComparesBytewiseAndIgnoringCase)
{
    struct Case {
        const char* text;
        const char* other;
        int sign;
        bool equalNoCase;
    } cases[] = {
        {"", nullptr, 0, true},   {"", "", 0, true},        {"abcd", "abc", 1, false}, {"abc", "abcd", -1, false},
        {"ALL", "all", -1, true}, {"all2", "all", 1, false}, {"abc", "abd", -1, false}, {"\xe9", "a", -1, false},
    };
    for (const Case& c : cases) {
        Text text(c.text);
        int result = text.compare(c.other);
        EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.text << " vs " << (c.other ? c.other : "(null)");
        EXPECT_EQ(text.compareNoCase(c.other) == 0, c.equalNoCase) << c.text;
        EXPECT_EQ(text.differs(c.other), c.sign != 0);
    }
}

TEST(Text, ReplacesEveryOccurrenceWithoutRescanning)
{
    struct Case {
        const char* text;
        const char* pattern;
        const char* replacement;
        const char* result;
    } cases[] = {
        {"%1 and %1", "%1", "x", "x and x"},
        {"abc", "", "x", "abc"},
        {"aaa", "a", "aa", "aaaaaa"},
        {"aaaa", "aa", "b", "bb"},
        {"C:\\app\\x", "\\", ".", "C:.app.x"},
        {"none", "z", "y", "none"},
    };
    for (const Case& c : cases) {
        Text text(c.text);
        text.replaceAll(c.pattern, c.replacement);
        EXPECT_STREQ(text.cstr(), c.result) << c.text;
    }
}

TEST(Text, FormatReservesAtLeast1024AndGrowsForLongOutput)
{
    Text text;
    text.format("%s=%d", "x", 42);
    EXPECT_STREQ(text.cstr(), "x=42");
    EXPECT_EQ(text.capacity(), 1032);
    std::string longValue(5000, 'v');
    text.format("[%s]", longValue.c_str());
    EXPECT_EQ(text.length(), 5002);
    EXPECT_EQ(text[5001], ']');
    EXPECT_EQ(text.cstr()[5002], 0);
}

TEST(Text, TakesSubstringsWithinBounds)
{
    Text text("abcdef");
    struct Case {
        Text result;
        const char* expected;
    } cases[] = {
        {text.left(2), "ab"},      {text.left(10), "abcdef"}, {text.left(-1), "abcdef"}, {text.right(2), "ef"},
        {text.right(9), "abcdef"}, {text.mid(4), "ef"},       {text.mid(6), ""},         {text.mid(9), ""},
        {text.mid(1, 2), "bc"},    {text.mid(4, 9), "ef"},    {text.mid(2, -1), "cdef"}, {text.mid(7, 1), ""},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.result.cstr(), c.expected);
}

TEST(Text, ReserveAndFillTakesTheLengthFromTheContent)
{
    Text text;
    text.setLength(260);
    std::strcpy(text.data(), "C:\\app\\tool.exe");
    text.lengthFromContent();
    EXPECT_EQ(text.length(), 15);
}

TEST(PlainBuffers, PushAndKeepLengthWithinCapacity)
{
    IntList numbers;
    EXPECT_EQ(numbers.data(), nullptr);
    EXPECT_EQ(numbers.capacity(), 0);
    for (int i = 0; i < 9; ++i)
        numbers.push(i * i);
    EXPECT_EQ(numbers.length(), 9);
    EXPECT_EQ(numbers.capacity(), 16);
    EXPECT_EQ(numbers[8], 64);
    ByteBuffer bytes;
    bytes.setLength(8);
    EXPECT_EQ(bytes.capacity(), 8);
}

TEST(StringList, KeepsStringsInOnePoolInOrder)
{
    StringList list;
    list.append("one");
    list.append(nullptr);
    list.append("three");
    list.append("one");
    ASSERT_EQ(list.count(), 4);
    EXPECT_STREQ(list.item(0), "one");
    EXPECT_STREQ(list.item(1), "");
    EXPECT_STREQ(list.item(2), "three");
    EXPECT_STREQ(list.item(3), "one");
    list.append(list.item(2));
    EXPECT_STREQ(list.item(4), "three");
    list.clear();
    EXPECT_EQ(list.count(), 0);
    list.append("again");
    EXPECT_STREQ(list.item(0), "again");
}

}  // namespace
}  // namespace xvo
