// Conversions between the launcher's narrow text, UTF-16 and UTF-8.
#pragma once

#include "base/text.h"

namespace xvo {

/// Narrow text in the current locale's code page to UTF-16; count -1 means up to the NUL.
WideText widen(const char* text, int32_t count);
/// UTF-16 to narrow text in the current locale's code page; count -1 means up to the 0 unit.
Text narrow(const char16_t* units, int32_t count);
/// UTF-8 to UTF-16. Malformed sequences become '?', a sequence cut off by the end stops
/// decoding, four-byte sequences are not decoded (each byte gives '?').
WideText fromUtf8(const char* bytes, int32_t count);
/// UTF-16 to UTF-8, each unit on its own (a surrogate pair gives two three-byte sequences).
Text toUtf8(const char16_t* units);

}  // namespace xvo
