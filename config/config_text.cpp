#include "config/config_text.h"

#include "base/convert.h"

namespace xvo {

namespace {

bool startsWith(const Text& raw, const char* mark, int32_t count)
{
    return raw.length() >= count && std::memcmp(raw.data(), mark, size_t(count)) == 0;
}

// UTF-16 units after a two-byte mark, up to the first 0 unit, as UTF-8.
Text utf16ToUtf8(const Text& raw, bool bigEndian)
{
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(raw.data()) + 2;
    int32_t units = (raw.length() - 2) / 2;
    WideText wide;
    for (int32_t i = 0; i < units; ++i) {
        unsigned first = bytes[2 * i];
        unsigned second = bytes[2 * i + 1];
        char16_t unit = char16_t(bigEndian ? (first << 8 | second) : (second << 8 | first));
        if (unit == 0)
            break;
        wide.append(&unit, 1);
    }
    return toUtf8(wide.data());
}

bool isKeyCharacter(char c)
{
    unsigned char byte = static_cast<unsigned char>(c);
    // Bytes of 0x80 and above end a key whatever the locale says of them.
    return (byte >= '0' && byte <= '9') || (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
           byte == '_';
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

int32_t leadingSpaces(const char* text)
{
    int32_t n = 0;
    while (text[n] == ' ')
        ++n;
    return n;
}

}  // namespace

void appendDecoded(Text& text, const Text& raw)
{
    if (startsWith(raw, "\xEF\xBB\xBF", 3)) {
        text.append(raw.data() + 3, raw.length() - 3);
    } else if (startsWith(raw, "\xFF\xFE", 2)) {
        text.append(utf16ToUtf8(raw, false));
    } else if (startsWith(raw, "\xFE\xFF", 2)) {
        text.append(utf16ToUtf8(raw, true));
    } else {
        WideText wide = widen(raw.data(), raw.length());
        text.append(toUtf8(wide.data()));
    }
}

bool nextLine(const char*& cursor, Text& line)
{
    if (*cursor == 0)
        return false;
    const char* end = cursor;
    while (*end != 0 && *end != '\r' && *end != '\n')
        ++end;
    line.setLength(0);
    line.append(cursor, int32_t(end - cursor));
    if ((end[0] == '\r' && end[1] == '\n') || (end[0] == '\n' && end[1] == '\r'))
        cursor = end + 2;
    else if (*end != 0)
        cursor = end + 1;
    else
        cursor = end;
    return true;
}

bool matchLine(Text& line, const char* key)
{
    const char* text = line.cstr();
    int32_t pos = leadingSpaces(text);
    int32_t k = int32_t(std::strlen(key));
    if (line.length() - pos < k)
        return false;
    for (int32_t i = 0; i < k; ++i) {
        if (asciiLower(text[pos + i]) != asciiLower(key[i]))
            return false;
    }
    if (isKeyCharacter(text[pos + k]))
        return false;
    pos += k;
    pos += leadingSpaces(text + pos);
    if (text[pos] == '=') {
        ++pos;
        pos += leadingSpaces(text + pos);
    }
    line = line.mid(pos);
    return true;
}

}  // namespace xvo
