// The launcher's own image: its file name and its string table.
#pragma once

#include "base/text.h"

namespace xvo::platform {

/// Room the system gives a module file name, terminator included.
constexpr int32_t pathRoom = 260;

/// The full path of the running executable, at most 259 bytes; empty when the system
/// cannot tell it.
Text moduleFileName();

/// A block of the string table: 16 entries, each a length followed by that many UTF-16
/// units. Returns false when the image has no block with that number.
bool stringTableBlock(int32_t blockNumber, const char16_t** units, int32_t* count);

}  // namespace xvo::platform
