// Multibyte conversions of the runtime library in the current locale.
#pragma once

#include <cstdint>

namespace xvo::platform {

/// Converts count bytes of narrow text (stopping early at a NUL) to UTF-16, writing at
/// most room units including a terminator that always follows the last unit written.
void localeToUtf16(const char* text, int32_t count, char16_t* out, int32_t room);
/// Converts count UTF-16 units (stopping early at a 0 unit) to narrow text, writing at
/// most room bytes including a terminator that always follows the last byte written.
void utf16ToLocale(const char16_t* units, int32_t count, char* out, int32_t room);

}  // namespace xvo::platform
