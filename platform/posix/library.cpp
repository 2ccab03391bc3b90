// POSIX only: dlopen stands in for LoadLibraryA, dlerror for the system's message text.
#include "platform/library.h"

#include <dlfcn.h>

namespace xvo::platform {

void suppressErrorDialogs() {}

LibraryHandle loadLibrary(const char* path)
{
    return dlopen(path, RTLD_NOW | RTLD_LOCAL);
}

void* librarySymbol(LibraryHandle library, const char* name)
{
    return dlsym(library, name);
}

void freeLibrary(LibraryHandle library)
{
    dlclose(library);
}

Text lastLoadError()
{
    const char* error = dlerror();
    return Text(error ? error : "");
}

}  // namespace xvo::platform
