#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "config/payload.h"
#include "config/settings.h"
#include "child_process.h"

namespace xvo {
namespace {

const unsigned char* bytes(const std::string& s)
{
    return reinterpret_cast<const unsigned char*>(s.data());
}

void putLittle32(std::string& s, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        s[at + size_t(i)] = char((v >> (8 * i)) & 0xFF);
}

const std::string endSignature("PK\x05\x06", 4);

// A launcher file: filler image, block, its length, 16 opaque bytes, an archive whose
// last 22 bytes are an end record, then a comment. Returns the archive length.
std::string packaged(size_t imageSize, const std::string& block, size_t archiveSize, const std::string& comment)
{
    std::string file(imageSize, 'I');
    file += block;
    std::string length(4, '\0');
    putLittle32(length, 0, uint32_t(block.size()));
    file += length + std::string(16, 'O');
    std::string archive(archiveSize - 22, 'Z');
    archive += endSignature + std::string(18, '\0');
    return file + archive + comment;
}

std::string blockOf(const Text& t)
{
    return std::string(t.data(), size_t(t.length()));
}

TEST(Payload, WorkedExampleOfAMillionByteFile)
{
    std::string block(89, 'c');
    block[88] = '\0';
    std::string file = packaged(1000000 - 600000 - 16 - 4 - 89, block, 600000, "");
    ASSERT_EQ(file.size(), 1000000u);
    int32_t end = payloadLengthFieldEnd(bytes(file), int64_t(file.size()), 600000);
    EXPECT_EQ(end, 399984);
    EXPECT_EQ(archiveTrailerLength(bytes(file), int64_t(file.size())), 0);
    Text found = configurationBlockAt(bytes(file), int64_t(file.size()), end);
    EXPECT_EQ(blockOf(found), block);
}

TEST(Payload, BlockFoundPastAnArchiveComment)
{
    std::string block = "\xEF\xBB\xBFmainclass a.B\r\n" + std::string(1, '\0');
    std::string file = packaged(5000, block, 3000, "0123456789");
    EXPECT_EQ(archiveTrailerLength(bytes(file), int64_t(file.size())), 10);
    int32_t end = payloadLengthFieldEnd(bytes(file), int64_t(file.size()), 3000);
    EXPECT_EQ(end, 5000 + int32_t(block.size()) + 4);
    EXPECT_EQ(blockOf(configurationBlockAt(bytes(file), int64_t(file.size()), end)), block);
}

TEST(Payload, LaterEndRecordDefinesTheTrailer)
{
    std::string file(1000, 'x');
    file.replace(100, 4, endSignature);
    file.replace(900, 4, endSignature);
    EXPECT_EQ(archiveTrailerLength(bytes(file), int64_t(file.size())), 1000 - 900 - 22);
}

TEST(Payload, SearchesTheWholeOfASmallFile)
{
    std::string file(40000, 'x');
    file.replace(0, 4, endSignature);
    EXPECT_EQ(archiveTrailerLength(bytes(file), int64_t(file.size())), 40000 - 22);
    std::string none(40000, 'x');
    EXPECT_EQ(archiveTrailerLength(bytes(none), int64_t(none.size())), -1);
}

TEST(Payload, SearchStopsAtTheWindowOfALargeFile)
{
    // 10 MB: the window is S/100 = 100000 bytes plus the 22 of the record.
    std::string file(10000000, 'x');
    file.replace(10000000 - 100022, 4, endSignature);
    EXPECT_EQ(archiveTrailerLength(bytes(file), int64_t(file.size())), 100000);
    file.replace(10000000 - 100022, 4, "xxxx");
    file.replace(10000000 - 100023, 4, endSignature);
    EXPECT_EQ(archiveTrailerLength(bytes(file), int64_t(file.size())), -1);
}

TEST(Payload, NulInTheBlockZeroFillsTheRest)
{
    std::string block("ab\0cd\0", 6);
    std::string file = packaged(100, block, 200, "");
    int32_t end = payloadLengthFieldEnd(bytes(file), int64_t(file.size()), 200);
    Text found = configurationBlockAt(bytes(file), int64_t(file.size()), end);
    EXPECT_EQ(blockOf(found), std::string("ab\0\0\0\0", 6));
}

TEST(Payload, DamagedFilesGiveNoBlock)
{
    std::string good = packaged(100, std::string("k v\0", 4), 200, "");
    int64_t size = int64_t(good.size());
    // Archive lengths that the file cannot hold, and the unpatched slot.
    for (uint32_t a : {0u, 21u, uint32_t(size), uint32_t(size - 19), 0x7FFFFFFFu, 0xFFFFFFFFu})
        EXPECT_EQ(payloadLengthFieldEnd(bytes(good), size, a), -1) << a;

    // Length fields that point before the file, or are negative.
    for (uint32_t l : {0x80000000u, 0xFFFFFFFFu, 105u, 0x7FFFFFFFu}) {
        std::string bad = good;
        putLittle32(bad, 104, l);
        int32_t end = payloadLengthFieldEnd(bytes(bad), size, 200);
        EXPECT_EQ(end, 108);
        EXPECT_EQ(configurationBlockAt(bytes(bad), size, end).length(), 0) << l;
    }
    // A length that reaches exactly the first byte is still inside.
    std::string edge = good;
    putLittle32(edge, 104, 104);
    EXPECT_EQ(configurationBlockAt(bytes(edge), size, 108).length(), 104);

    // Offsets outside the file, a truncated file, no data at all.
    for (int32_t end : {-1, 0, 3, int32_t(size) + 1, 0x7FFFFFFF})
        EXPECT_EQ(configurationBlockAt(bytes(good), size, end).length(), 0) << end;
    std::string truncated = good.substr(0, 150);
    EXPECT_EQ(payloadLengthFieldEnd(bytes(truncated), int64_t(truncated.size()), 200), -1);
    EXPECT_EQ(payloadLengthFieldEnd(nullptr, 0, 200), -1);
    EXPECT_EQ(archiveTrailerLength(bytes(good), 21), -1);
    EXPECT_EQ(archiveTrailerLength(bytes(good), int64_t(1) << 31), -1);
}

TEST(Payload, BlockReadFromARealFile)
{
    std::string dir = test::makeTempDirectory("payload");
    ASSERT_FALSE(dir.empty());
    std::string block = "\xEF\xBB\xBFmainclass a.B\r\n" + std::string(1, '\0');
    std::string file = packaged(3000, block, 500, "comment");
    test::writeFile(dir + "/app.exe", file);
    test::writeFile(dir + "/empty.exe", "");
    struct Case {
        std::string path;
        int32_t lengthFieldEnd;
        std::string block;
    } cases[] = {
        {dir + "/app.exe", int32_t(3000 + block.size() + 4), block},
        {dir + "/app.exe", -1, ""},
        {dir + "/app.exe", int32_t(file.size()) + 4, ""},
        {dir + "/empty.exe", 4, ""},
        {dir + "/missing.exe", 4, ""},
        {dir, 4, ""},
    };
    for (const Case& c : cases) {
        Settings settings(false);
        settings.appPath = c.path.c_str();
        settings.lengthFieldEnd = c.lengthFieldEnd;
        EXPECT_EQ(blockOf(readEmbeddedBlock(settings)), c.block) << c.path << " " << c.lengthFieldEnd;
    }
}

TEST(Payload, UnpatchedRunningImageHasNoBlock)
{
    // The test executable carries the slot as built: nothing patched, nothing found.
    EXPECT_EQ(archiveLengthFromSlot(), 0u);
}

}  // namespace
}  // namespace xvo
