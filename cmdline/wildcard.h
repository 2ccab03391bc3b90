// Wildcard arguments expanded into the names of matching files.
#pragma once

#include "base/string_list.h"

namespace xvo {

/// Re-reads the process command line and fills out with its arguments, the program path
/// first, expanding wildcard arguments (mode 1: unquoted ones; mode 2: quoted ones too).
/// An argument that matches nothing stays as split.
void expandArguments(StringList& out, int mode);

/// expandArguments over a given command line instead of the process's own.
void expandCommandLine(const char* commandLine, StringList& out, int mode);

/// Appends the paths that match pattern, whose wildcards may stand in any component
/// ("\" and "/" both separate); appends nothing when none matches. A pattern without
/// wildcards is appended when that path exists.
void expandWildcard(const char* pattern, StringList& out);

}  // namespace xvo
