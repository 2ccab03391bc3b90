// The process environment as the runtime library keeps it.
#pragma once

#include "base/text.h"

namespace xvo::platform {

/// Separates the directories of PATH and the entries of a Java class path.
extern const char pathListSeparator;

/// A list that the launcher builds with ";" between its entries, in the form this
/// system's programs (the Java VM among them) read.
Text nativePathList(const Text& list);

/// Applies "NAME=value" to the process environment; "NAME=" removes NAME. A text
/// without "=" changes nothing.
void putEnvironment(const char* assignment);

}  // namespace xvo::platform
