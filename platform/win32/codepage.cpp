// Win32 only: the runtime library's multibyte conversions (wchar_t is UTF-16 here).
#include "platform/codepage.h"

#include <cstdlib>

#include "base/text.h"

namespace xvo::platform {

void localeToUtf16(const char* text, int32_t count, char16_t* out, int32_t room)
{
    if (room <= 0)
        return;
    out[0] = 0;
    Text input(text, count);
    size_t written = std::mbstowcs(reinterpret_cast<wchar_t*>(out), input.cstr(), size_t(room));
    out[written == size_t(-1) || written >= size_t(room) ? room - 1 : written] = 0;
}

void utf16ToLocale(const char16_t* units, int32_t count, char* out, int32_t room)
{
    if (room <= 0)
        return;
    out[0] = 0;
    WideText input(units, count);
    input.lengthFromContent();
    size_t written = std::wcstombs(out, reinterpret_cast<const wchar_t*>(input.data()), size_t(room));
    out[written == size_t(-1) || written >= size_t(room) ? room - 1 : written] = 0;
}

}  // namespace xvo::platform
