#include <gtest/gtest.h>
#include <string>

#include "tools/pack/pack_format.h"

namespace xvo {
namespace {

using pack::Bytes;

// An end-of-central-directory record of an empty archive with the given comment.
Bytes endRecord(const Bytes& comment)
{
    Bytes record("PK\x05\x06", 4);
    record += Bytes(16, '\0');
    record += char(comment.size() & 0xFF);
    record += char(comment.size() >> 8);
    return record + comment;
}

Bytes imageWithSlot(const Bytes& before, const Bytes& after)
{
    return before + Bytes(4, '\x7F') + pack::kSlotMarker + after;
}

uint32_t little32At(const Bytes& bytes, size_t at)
{
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | uint8_t(bytes[at + i]);
    return value;
}

TEST(Pack, SlotIsFoundByItsMarkerOnlyWhenTheMarkerIsUnique)
{
    struct Case {
        Bytes image;
        bool found;
        size_t offset;
    } cases[] = {
        {imageWithSlot("MZ header", "tail"), true, 9},
        {imageWithSlot("", ""), true, 0},
        {"no marker here", false, 0},
        {imageWithSlot("a", "b") + pack::kSlotMarker, false, 0},
        {Bytes("ab") + pack::kSlotMarker, false, 0},
        {imageWithSlot("x", Bytes("xvo.archive.lengt")), true, 1},
    };
    for (const Case& c : cases) {
        size_t offset = 12345;
        pack::Outcome outcome = pack::findSlot(c.image, &offset);
        EXPECT_EQ(outcome.ok(), c.found) << c.image;
        if (c.found) {
            EXPECT_EQ(offset, c.offset) << c.image;
        } else {
            EXPECT_FALSE(outcome.error.empty());
        }
    }
}

TEST(Pack, EndRecordIsTheOneWhoseCommentReachesTheEnd)
{
    struct Case {
        Bytes archive;
        bool found;
        size_t offset;
    } cases[] = {
        {endRecord(""), true, 0},
        {Bytes("data") + endRecord("a comment"), true, 4},
        {Bytes("data") + endRecord("") + "junk", false, 0},
        {"PK\x05", false, 0},
        {"", false, 0},
        // The launcher takes the last signature it sees: a comment holding one is refused.
        {Bytes("data") + endRecord("x PK\x05\x06 y"), false, 0},
        // An older end record inside the data does not count; the true one does.
        {endRecord("") + endRecord("c"), true, 22},
    };
    for (const Case& c : cases) {
        size_t offset = 12345;
        pack::Outcome outcome = pack::findEndRecord(c.archive, &offset);
        EXPECT_EQ(outcome.ok(), c.found) << c.archive.size();
        if (c.found) {
            EXPECT_EQ(offset, c.offset);
        }
    }
}

TEST(Pack, ConfigBlockHasMarkCrLfLinesAndOneNul)
{
    struct Case {
        Bytes text;
        Bytes block;
    } cases[] = {
        {"a=1\nb=2\n", "\xEF\xBB\xBF" "a=1\r\nb=2\r\n"},
        {"a=1\r\nb=2", "\xEF\xBB\xBF" "a=1\r\nb=2"},
        {"\xEF\xBB\xBF" "a\rb\n\nc", "\xEF\xBB\xBF" "a\r\nb\r\n\r\nc"},
        {"", "\xEF\xBB\xBF"},
        {"message=1024=Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC\n", "\xEF\xBB\xBF" "message=1024=Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC\r\n"},
    };
    for (const Case& c : cases) {
        Bytes block;
        ASSERT_TRUE(pack::buildConfigBlock(c.text, &block).ok()) << c.text;
        EXPECT_EQ(block, c.block + Bytes(1, '\0')) << c.text;
    }
}

TEST(Pack, ConfigWithNulOrBrokenUtf8IsRefused)
{
    const Bytes refused[] = {
        Bytes("a=1\0b=2", 7),
        Bytes("\xFF\xFEm\0", 4),  // UTF-16
        "caf\xE9",                // Latin-1
        "\xC0\xAF",               // overlong
        "\xED\xA0\x80",           // surrogate
    };
    for (const Bytes& text : refused) {
        Bytes block;
        EXPECT_FALSE(pack::buildConfigBlock(text, &block).ok()) << text;
    }
}

// The locator's arithmetic from the end of the file must land on the block the packer wrote.
TEST(Pack, PackageLaysOutBlockLengthOpaqueFieldAndArchiveForTheLocator)
{
    const Bytes image = imageWithSlot("IMAGE-START", "IMAGE-END");
    const Bytes comments[] = {"", "ten bytes!"};
    for (const Bytes& comment : comments) {
        const Bytes archive = Bytes("PK\x03\x04 local entries") + endRecord(comment);
        Bytes output;
        ASSERT_TRUE(pack::buildPackage(image, "a=1\nb=2\n", archive, &output).ok());

        const Bytes block = Bytes("\xEF\xBB\xBF" "a=1\r\nb=2\r\n") + Bytes(1, '\0');
        ASSERT_EQ(output.size(), image.size() + block.size() + 4 + 16 + archive.size());
        EXPECT_EQ(output.compare(0, 11, "IMAGE-START"), 0);
        uint32_t archiveLength = little32At(output, 11);
        EXPECT_EQ(archiveLength, archive.size() - comment.size());
        EXPECT_EQ(output.substr(image.size(), block.size()), block);

        size_t lengthFieldEnd = output.size() - comment.size() - archiveLength - 16;
        EXPECT_EQ(little32At(output, lengthFieldEnd - 4), block.size());
        EXPECT_EQ(output.substr(lengthFieldEnd + 16), archive);

        Bytes text;
        ASSERT_TRUE(pack::readConfig(output, &text).ok());
        EXPECT_EQ(text, "a=1\r\nb=2\r\n");
    }
}

TEST(Pack, PackageIsRefusedForABadImageOrArchive)
{
    const Bytes archive = endRecord("");
    const Bytes good = imageWithSlot("I", "");
    struct Case {
        Bytes image, config, archive;
    } cases[] = {
        {"no slot", "a=1", archive},
        {good + pack::kSlotMarker, "a=1", archive},
        {good, "a=1", "not a zip"},
        {good, Bytes("a\0", 2), archive},
    };
    for (const Case& c : cases) {
        Bytes output = "untouched";
        pack::Outcome outcome = pack::buildPackage(c.image, c.config, c.archive, &output);
        EXPECT_FALSE(outcome.ok());
        EXPECT_FALSE(outcome.error.empty());
        EXPECT_EQ(output, "untouched");
    }
}

TEST(Pack, OutputOfTwoGibibytesOrMoreIsRefused)
{
    EXPECT_TRUE(pack::checkOutputSize(0).ok());
    EXPECT_TRUE(pack::checkOutputSize((uint64_t(1) << 31) - 1).ok());
    EXPECT_FALSE(pack::checkOutputSize(uint64_t(1) << 31).ok());
    EXPECT_FALSE(pack::checkOutputSize(uint64_t(1) << 32).ok());
    EXPECT_EQ(pack::smallestOutputSize(100, 22), 100u + 4 + 4 + 16 + 22);
}

// The launcher looks for the end record only near the end of its file; an archive comment
// longer than that reach would make it misplace the configuration.
TEST(Pack, ArchiveCommentBeyondTheLauncherSearchIsRefused)
{
    const Bytes image = imageWithSlot("I", "");
    Bytes output;
    EXPECT_TRUE(pack::buildPackage(image, "", endRecord(Bytes(51200, 'c')), &output).ok());
    EXPECT_FALSE(pack::buildPackage(image, "", endRecord(Bytes(51201, 'c')), &output).ok());
}

TEST(Pack, ReadingAFileThatIsNotPackagedFails)
{
    const Bytes files[] = {
        "",
        imageWithSlot("I", "no archive"),
        endRecord(""),
        // A slot whose length points before the start of the file.
        imageWithSlot("I", "") + endRecord(""),
    };
    for (const Bytes& file : files) {
        Bytes text;
        EXPECT_FALSE(pack::readConfig(file, &text).ok()) << file.size();
    }
}

}  // namespace
}  // namespace xvo
