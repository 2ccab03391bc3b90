// Wildcard arguments expanded into the names of matching files.
#pragma once

#include "base/string_list.h"

namespace xvo {

/// Re-reads the process command line and fills out with its arguments, the program path
/// first, expanding wildcard arguments (mode 1: unquoted ones; mode 2: quoted ones too).
void expandArguments(StringList& out, int mode);

}  // namespace xvo
