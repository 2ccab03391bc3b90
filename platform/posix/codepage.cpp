// POSIX only: multibyte conversions in the current locale, with UTF-16 on our side
// (wchar_t is UTF-32 here, so code points above U+FFFF become surrogate pairs).
#include "platform/codepage.h"

#include <climits>
#include <cwchar>

namespace xvo::platform {

void localeToUtf16(const char* text, int32_t count, char16_t* out, int32_t room)
{
    if (room <= 0)
        return;
    std::mbstate_t state{};
    int32_t i = 0;
    int32_t o = 0;
    while (text && i < count && text[i] != 0) {
        wchar_t c = 0;
        size_t used = std::mbrtowc(&c, text + i, size_t(count - i), &state);
        if (used == size_t(-1) || used == size_t(-2)) {
            c = L'?';
            used = 1;
            state = std::mbstate_t{};
        }
        bool pair = uint32_t(c) > 0xFFFF && uint32_t(c) <= 0x10FFFF;
        if (o + (pair ? 2 : 1) > room - 1)
            break;
        if (pair) {
            uint32_t v = uint32_t(c) - 0x10000;
            out[o++] = char16_t(0xD800 + (v >> 10));
            out[o++] = char16_t(0xDC00 + (v & 0x3FF));
        } else {
            out[o++] = uint32_t(c) > 0xFFFF ? u'?' : char16_t(c);
        }
        i += int32_t(used);
    }
    out[o] = 0;
}

void utf16ToLocale(const char16_t* units, int32_t count, char* out, int32_t room)
{
    if (room <= 0)
        return;
    std::mbstate_t state{};
    int32_t o = 0;
    for (int32_t i = 0; units && i < count && units[i] != 0; ++i) {
        uint32_t c = units[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < count && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF)
            c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
        char bytes[MB_LEN_MAX];
        size_t n = std::wcrtomb(bytes, wchar_t(c), &state);
        if (n == size_t(-1)) {
            bytes[0] = '?';
            n = 1;
            state = std::mbstate_t{};
        }
        if (o + int32_t(n) > room - 1)
            break;
        for (size_t k = 0; k < n; ++k)
            out[o++] = bytes[k];
    }
    out[o] = 0;
}

}  // namespace xvo::platform
