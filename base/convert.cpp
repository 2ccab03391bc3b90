#include "base/convert.h"

#include "platform/codepage.h"

namespace xvo {

namespace {

int32_t unitsBeforeZero(const char16_t* units)
{
    int32_t n = 0;
    while (units && units[n] != 0)
        ++n;
    return n;
}

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

}  // namespace

WideText widen(const char* text, int32_t count)
{
    if (count == -1)
        count = text ? int32_t(std::strlen(text)) : 0;
    WideText result;
    result.setLength(count);
    platform::localeToUtf16(text, count, result.data(), count + 1);
    result.lengthFromContent();
    return result;
}

Text narrow(const char16_t* units, int32_t count)
{
    if (count == -1)
        count = unitsBeforeZero(units);
    Text result;
    result.setLength(4 * count);
    platform::utf16ToLocale(units, count, result.data(), 4 * count + 1);
    result.lengthFromContent();
    return result;
}

WideText fromUtf8(const char* bytes, int32_t count)
{
    if (count == -1)
        count = bytes ? int32_t(std::strlen(bytes)) : 0;
    WideText result;
    result.setLength(count);
    const unsigned char* in = reinterpret_cast<const unsigned char*>(bytes);
    char16_t* out = result.data();
    int32_t i = 0;
    int32_t o = 0;
    while (i < count) {
        unsigned char lead = in[i];
        if (lead < 0x80) {
            out[o++] = lead;
            ++i;
        } else if ((lead & 0xF0) == 0xE0) {
            if (i + 3 > count)
                break;
            char16_t unit = lead & 0x0F;
            ++i;
            if (isContinuation(in[i]))
                unit = char16_t(unit * 64 + (in[i++] & 0x3F));
            if (isContinuation(in[i])) {
                out[o++] = char16_t(unit * 64 + (in[i++] & 0x3F));
            } else {
                out[o++] = u'?';
            }
        } else if ((lead & 0xE0) == 0xC0) {
            if (i + 2 > count)
                break;
            char16_t unit = lead & 0x1F;
            ++i;
            if (isContinuation(in[i])) {
                out[o++] = char16_t(unit * 64 + (in[i++] & 0x3F));
            } else {
                out[o++] = u'?';
            }
        } else {
            out[o++] = u'?';
            ++i;
        }
    }
    out[o] = 0;
    result.lengthFromContent();
    return result;
}

Text toUtf8(const char16_t* units)
{
    int32_t count = unitsBeforeZero(units);
    Text result;
    result.setLength(3 * count);
    char* out = result.data();
    int32_t o = 0;
    for (int32_t i = 0; i < count; ++i) {
        char16_t unit = units[i];
        if (unit < 0x80) {
            out[o++] = char(unit);
        } else if (unit < 0x800) {
            out[o++] = char(0xC0 | unit >> 6);
            out[o++] = char(0x80 | (unit & 0x3F));
        } else {
            out[o++] = char(0xE0 | unit >> 12);
            out[o++] = char(0x80 | ((unit >> 6) & 0x3F));
            out[o++] = char(0x80 | (unit & 0x3F));
        }
    }
    out[o] = 0;
    result.lengthFromContent();
    return result;
}

}  // namespace xvo
