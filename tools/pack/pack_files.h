// File access for the packer: whole-file reads and an atomic write of the output.
#pragma once

#include <string>

#include "pack_format.h"

namespace xvo::pack {

/// Reads the whole file at path into *content; what names the file in the message.
Outcome readWholeFile(const std::string& path, const char* what, Bytes* content);

/// The size of the file at path, or an error naming it as what.
Outcome fileSize(const std::string& path, const char* what, uint64_t* size);

/// Writes content to a temporary file beside path and renames it over path, so that path
/// never holds a half-written executable. The result is executable by whoever may read it.
Outcome writeExecutableAtomically(const std::string& path, const Bytes& content);

}  // namespace xvo::pack
