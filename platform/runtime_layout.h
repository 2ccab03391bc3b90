// Where a Java runtime keeps its VM library: the file's name and the folders below a
// runtime home that hold the folders of each VM kind.
#pragma once

namespace xvo::platform {

/// The VM library's file name ("jvm.dll", "libjvm.so").
const char* vmLibraryName();

/// The probe prefixes, relative to a runtime home, in probe order; the list ends with a
/// null pointer. Each prefix is empty or ends with a separator.
const char* const* vmLibraryPrefixes();

}  // namespace xvo::platform
