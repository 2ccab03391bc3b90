#include "config/payload.h"

#include "config/settings.h"
#include "platform/file.h"
#include "platform/module.h"

// The archive-length slot. The packer finds it by the marker in its last 18 bytes, which
// must occur nowhere else in the image, and writes the archive length into the first 4.
// No NUL closes it, so the marker stays a byte pattern rather than a string the compiler
// could merge or duplicate.
extern "C" __attribute__((used)) const unsigned char xvoArchiveLengthSlot[22] = {
    0, 0, 0, 0, 'x', 'v', 'o', '.', 'a', 'r', 'c', 'h', 'i', 'v', 'e', '.', 'l', 'e', 'n', 'g', 't', 'h'};

namespace xvo {

namespace {

constexpr int32_t endRecordSize = 22;
constexpr int32_t opaqueSize = 16;
constexpr int64_t sizeLimit = int64_t(1) << 31;

uint32_t little32(const unsigned char* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

bool isEndSignature(const unsigned char* p)
{
    return p[0] == 0x50 && p[1] == 0x4B && p[2] == 0x05 && p[3] == 0x06;
}

Text launcherPath(const Settings& settings)
{
    return settings.appPath.length() > 0 ? settings.appPath : platform::moduleFileName();
}

}  // namespace

int32_t archiveTrailerLength(const unsigned char* data, int64_t size)
{
    if (!data || size < endRecordSize || size >= sizeLimit)
        return -1;
    int64_t window = size / 100 < 51200 ? 51200 : size / 100;
    int64_t start = size - window - endRecordSize;
    if (start < 0)
        start = 0;
    int64_t region = size - start;
    // Backwards, so the last end record in the region wins.
    for (int64_t i = region - endRecordSize; i >= 0; --i) {
        if (isEndSignature(data + start + i))
            return int32_t(region - i - endRecordSize);
    }
    return -1;
}

int32_t payloadLengthFieldEnd(const unsigned char* data, int64_t size, uint32_t archiveLength)
{
    int32_t trailer = archiveTrailerLength(data, size);
    // An archive ends with its 22-byte end record; a shorter length is the unpatched slot.
    if (trailer < 0 || archiveLength < uint32_t(endRecordSize))
        return -1;
    int64_t end = size - trailer - int64_t(archiveLength) - opaqueSize;
    if (end < 4)
        return -1;
    return int32_t(end);
}

Text configurationBlockAt(const unsigned char* data, int64_t size, int32_t lengthFieldEnd)
{
    if (!data || lengthFieldEnd < 4 || int64_t(lengthFieldEnd) > size)
        return Text();
    int64_t fieldStart = int64_t(lengthFieldEnd) - 4;
    int32_t blockLength = int32_t(little32(data + fieldStart));
    if (blockLength < 0 || blockLength > fieldStart)
        return Text();
    const char* block = reinterpret_cast<const char*>(data + fieldStart - blockLength);
    Text result;
    result.setLength(blockLength);
    // Up to the first NUL, then zeros: the length stays that of the block.
    const void* nul = std::memchr(block, 0, size_t(blockLength));
    size_t copied = nul ? size_t(static_cast<const char*>(nul) - block) : size_t(blockLength);
    std::memcpy(result.data(), block, copied);
    std::memset(result.data() + copied, 0, size_t(blockLength) - copied);
    return result;
}

uint32_t archiveLengthFromSlot()
{
    // Read through volatile: the compiler must not fold the unpatched image's zeros.
    const volatile unsigned char* slot = xvoArchiveLengthSlot;
    unsigned char bytes[4] = {slot[0], slot[1], slot[2], slot[3]};
    return little32(bytes);
}

Text findArchiveTrailer()
{
    platform::FileView file;
    if (!file.open(platform::moduleFileName().cstr()))
        return Text();
    int32_t trailer = archiveTrailerLength(file.data(), file.size());
    if (trailer <= 0)
        return Text();
    return Text(reinterpret_cast<const char*>(file.data() + file.size() - trailer), trailer);
}

void locatePayload(Settings& settings)
{
    settings.lengthFieldEnd = -1;
    platform::FileView file;
    if (file.open(launcherPath(settings).cstr()))
        settings.lengthFieldEnd = payloadLengthFieldEnd(file.data(), file.size(), archiveLengthFromSlot());
}

Text readEmbeddedBlock(const Settings& settings)
{
    platform::FileView file;
    if (settings.lengthFieldEnd < 0 || !file.open(launcherPath(settings).cstr()))
        return Text();
    return configurationBlockAt(file.data(), file.size(), settings.lengthFieldEnd);
}

}  // namespace xvo
