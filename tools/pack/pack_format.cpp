#include "pack_format.h"

#include <cstring>

namespace xvo::pack {

const char kSlotMarker[] = "xvo.archive.length";

namespace {

const char kEndSignature[] = "PK\x05\x06";
const char kUtf8Mark[] = "\xEF\xBB\xBF";

uint32_t readLittle16(const Bytes& bytes, size_t at)
{
    return uint32_t(uint8_t(bytes[at])) | uint32_t(uint8_t(bytes[at + 1])) << 8;
}

uint32_t readLittle32(const Bytes& bytes, size_t at)
{
    return readLittle16(bytes, at) | readLittle16(bytes, at + 2) << 16;
}

void writeLittle32(Bytes& bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char(uint8_t(value >> (8 * i)));
}

Bytes little32(uint32_t value)
{
    Bytes bytes(4, '\0');
    writeLittle32(bytes, 0, value);
    return bytes;
}

bool isEndSignatureAt(const Bytes& bytes, size_t at)
{
    return at + 4 <= bytes.size() && std::memcmp(bytes.data() + at, kEndSignature, 4) == 0;
}

// How far from the end the launcher looks for the end record in a file of this size.
uint64_t launcherSearchWindow(uint64_t fileSize)
{
    uint64_t window = fileSize / 100;
    return window < 51200 ? 51200 : window;
}

// The launcher's own rule: the last end signature within the searched tail of the file.
bool launcherEndRecord(const Bytes& file, size_t* endRecord)
{
    uint64_t size = file.size();
    uint64_t window = launcherSearchWindow(size);
    uint64_t start = size > window + kEndRecordLength ? size - window - kEndRecordLength : 0;
    if (size < kEndRecordLength)
        return false;
    for (uint64_t at = size - kEndRecordLength + 1; at-- > start;) {
        if (isEndSignatureAt(file, size_t(at))) {
            *endRecord = size_t(at);
            return true;
        }
    }
    return false;
}

// Length of a valid UTF-8 sequence starting at text[at], or 0.
size_t utf8SequenceLength(const Bytes& text, size_t at)
{
    uint8_t lead = uint8_t(text[at]);
    size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || at + length > text.size() || (length == 2 && lead < 0xC2) || lead > 0xF4)
        return 0;
    for (size_t i = 1; i < length; ++i)
        if ((uint8_t(text[at + i]) & 0xC0) != 0x80)
            return 0;
    uint8_t second = length > 1 ? uint8_t(text[at + 1]) : 0;
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) || (lead == 0xF0 && second < 0x90) ||
        (lead == 0xF4 && second > 0x8F))
        return 0;
    return length;
}

bool isUtf8(const Bytes& text)
{
    for (size_t at = 0; at < text.size();) {
        size_t length = utf8SequenceLength(text, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

Bytes withCrLfLines(const Bytes& text)
{
    Bytes lines;
    lines.reserve(text.size() + text.size() / 16);
    for (size_t at = 0; at < text.size(); ++at) {
        char c = text[at];
        if (c == '\r' || c == '\n') {
            lines += "\r\n";
            if (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
                ++at;
        } else {
            lines += c;
        }
    }
    return lines;
}

}  // namespace

Outcome findSlot(const Bytes& image, size_t* slotOffset)
{
    size_t marker = image.find(kSlotMarker, 0, kSlotMarkerLength);
    if (marker == Bytes::npos)
        return {"the launcher image has no archive-length slot (marker \"xvo.archive.length\" not found)"};
    if (image.find(kSlotMarker, marker + 1, kSlotMarkerLength) != Bytes::npos)
        return {"the archive-length slot marker \"xvo.archive.length\" occurs more than once in the launcher image"};
    if (marker < kSlotLength - kSlotMarkerLength)
        return {"the archive-length slot marker lies too close to the start of the launcher image"};
    *slotOffset = marker - (kSlotLength - kSlotMarkerLength);
    return {};
}

Outcome findEndRecord(const Bytes& archive, size_t* endRecord)
{
    if (archive.size() < kEndRecordLength)
        return {"the archive has no end-of-central-directory record"};
    for (size_t at = archive.size() - kEndRecordLength + 1; at-- > 0;) {
        if (!isEndSignatureAt(archive, at) || at + kEndRecordLength + readLittle16(archive, at + 20) != archive.size())
            continue;
        size_t later = archive.find(kEndSignature, at + 1, 4);
        if (later != Bytes::npos)
            return {"the archive comment holds an end-of-central-directory signature"};
        *endRecord = at;
        return {};
    }
    return {"the archive has no end-of-central-directory record"};
}

Outcome buildConfigBlock(const Bytes& text, Bytes* block)
{
    Bytes body = text.compare(0, 3, kUtf8Mark) == 0 ? text.substr(3) : text;
    size_t nul = body.find('\0');
    if (nul != Bytes::npos)
        return {"the configuration holds a NUL byte at offset " + std::to_string(nul) +
                " (is it UTF-16? save it as UTF-8)"};
    if (!isUtf8(body))
        return {"the configuration is not valid UTF-8 text"};
    *block = kUtf8Mark + withCrLfLines(body);
    block->push_back('\0');
    return {};
}

Outcome checkOutputSize(uint64_t totalBytes)
{
    if (totalBytes < kMaximumOutput)
        return {};
    return {"the output would be " + std::to_string(totalBytes) + " bytes; a packaged executable must be smaller than 2 GiB"};
}

uint64_t smallestOutputSize(uint64_t imageBytes, uint64_t archiveBytes)
{
    const uint64_t emptyBlock = 3 + 1;
    return imageBytes + emptyBlock + 4 + kOpaqueLength + archiveBytes;
}

Outcome buildPackage(const Bytes& image, const Bytes& configText, const Bytes& archive, Bytes* output)
{
    size_t slot = 0;
    Outcome found = findSlot(image, &slot);
    if (!found.ok())
        return found;
    size_t endRecord = 0;
    found = findEndRecord(archive, &endRecord);
    if (!found.ok())
        return found;
    Bytes block;
    found = buildConfigBlock(configText, &block);
    if (!found.ok())
        return found;

    uint64_t total = uint64_t(image.size()) + block.size() + 4 + kOpaqueLength + archive.size();
    found = checkOutputSize(total);
    if (!found.ok())
        return found;
    uint64_t trailer = archive.size() - endRecord - kEndRecordLength;
    if (trailer > launcherSearchWindow(total))
        return {"the archive comment is too long for the launcher to find the archive's end record"};

    *output = image;
    writeLittle32(*output, slot, uint32_t(endRecord + kEndRecordLength));
    output->reserve(size_t(total));
    *output += block;
    *output += little32(uint32_t(block.size()));
    // The opaque field: a tag that tells a reader of the file what produced it.
    *output += Bytes("xvopack.v1\0\0\0\0\0\0", kOpaqueLength);
    *output += archive;
    return {};
}

Outcome readConfig(const Bytes& packaged, Bytes* text)
{
    const Outcome notPackaged{"the file is not a packaged executable (no configuration block found)"};
    size_t marker = packaged.find(kSlotMarker, 0, kSlotMarkerLength);
    size_t endRecord = 0;
    if (marker == Bytes::npos || marker < kSlotLength - kSlotMarkerLength || !launcherEndRecord(packaged, &endRecord))
        return notPackaged;
    uint64_t archiveLength = readLittle32(packaged, marker - (kSlotLength - kSlotMarkerLength));
    uint64_t archiveEnd = uint64_t(endRecord) + kEndRecordLength;
    if (archiveLength + kOpaqueLength + 4 > archiveEnd)
        return notPackaged;
    uint64_t lengthField = archiveEnd - archiveLength - kOpaqueLength - 4;
    uint64_t blockLength = readLittle32(packaged, size_t(lengthField));
    if (blockLength == 0 || blockLength > lengthField)
        return notPackaged;
    Bytes block = packaged.substr(size_t(lengthField - blockLength), size_t(blockLength));
    block.resize(block.find('\0') == Bytes::npos ? block.size() : block.find('\0'));
    *text = block.compare(0, 3, kUtf8Mark) == 0 ? block.substr(3) : block;
    return {};
}

}  // namespace xvo::pack
