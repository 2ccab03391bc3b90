// The working directory a launch runs in.
#pragma once

#include "base/text.h"

namespace xvo {

/// Anchors p at base (the application home): "/x" and "D:x" stand as they are, "\x"
/// takes the base's drive, anything else is appended to the base. The result is made
/// absolute into out (room bytes); returns its length, the room needed, or 0.
int32_t resolveAgainstHome(const Text& base, const char* p, char* out, int32_t room);

}  // namespace xvo
