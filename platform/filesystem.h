// Current directory and path names.
#pragma once

#include "base/text.h"

namespace xvo::platform {

/// The process's current directory; false (and an empty text) when the system cannot
/// report it within 260 bytes.
bool currentDirectory(Text& directory);
bool setCurrentDirectory(const char* directory);

/// Makes path absolute and normalises "." and ".." into out (room bytes). Returns the
/// length written, or the room needed (terminator included) when out is too small, or 0
/// on failure; out is written only on success.
int32_t fullPathName(const char* path, char* out, int32_t room);

}  // namespace xvo::platform
