// Directory entries matched by a wildcard pattern, and whether a path exists.
#pragma once

#include "base/string_list.h"
#include "base/text.h"

namespace xvo::platform {

/// Appends to names each entry of directory (a prefix as typed, ending in its separator,
/// or empty for the current directory) whose name matches the wildcard component, and to
/// directories 1 for a directory entry, 0 otherwise. Entries come in the system's order;
/// hidden entries and "." and ".." take part, as the system reports them. Returns false
/// when the directory cannot be read or nothing matches.
bool findMatches(const char* directory, const char* component, StringList& names, IntList& directories);

/// True when path names an existing file or directory.
bool pathExists(const char* path);

/// True when path is a link to a directory (a symbolic link, junction or other reparse
/// point), which a walk of a tree must not enter: it may lead back into the tree.
bool isLinkedDirectory(const char* path);

}  // namespace xvo::platform
