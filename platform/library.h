// Native libraries loaded at run time: the VM library of a Java runtime.
#pragma once

#include "base/text.h"

namespace xvo::platform {

using LibraryHandle = void*;

/// Keeps the system from showing dialogs for a missing or damaged library.
void suppressErrorDialogs();

/// Null when the library cannot be loaded; lastLoadError then tells why.
LibraryHandle loadLibrary(const char* path);
void* librarySymbol(LibraryHandle library, const char* name);
void freeLibrary(LibraryHandle library);

/// The system's description of the last failed load, where "%1" stands for the file;
/// empty when the system has none.
Text lastLoadError();

}  // namespace xvo::platform
