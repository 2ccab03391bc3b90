// The configuration text: decoding raw bytes by their mark, reading lines, matching keys.
#pragma once

#include "base/text.h"

namespace xvo {

/// Decodes raw by its byte-order mark (UTF-8 kept as it is, UTF-16 either order
/// converted, no mark read in the ANSI code page) and appends the UTF-8 result to text.
void appendDecoded(Text& text, const Text& raw);

/// Reads the line at cursor (without its break) into line and moves the cursor past the
/// break (CR, LF, CR LF or LF CR). False when the cursor stands on the terminating NUL.
bool nextLine(const char*& cursor, Text& line);

/// True when line carries a value for key; line then holds only that value (leading
/// spaces, key and separator removed). The key compares in any ASCII letter case and
/// must be followed by something other than a letter, digit or "_".
bool matchLine(Text& line, const char* key);

}  // namespace xvo
