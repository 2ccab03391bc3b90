#include "platform/library.h"

#include "platform/win32/windows_api.h"

namespace xvo::platform {

void suppressErrorDialogs()
{
    SetErrorMode(SetErrorMode(0) | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
}

LibraryHandle loadLibrary(const char* path)
{
    return LoadLibraryA(path);
}

void* librarySymbol(LibraryHandle library, const char* name)
{
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void freeLibrary(LibraryHandle library)
{
    FreeLibrary(static_cast<HMODULE>(library));
}

Text lastLoadError()
{
    char* message = nullptr;
    DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    FormatMessageA(flags, nullptr, GetLastError(), 0x400, reinterpret_cast<char*>(&message), 0, nullptr);
    Text text(message ? message : "");
    LocalFree(message);
    return text;
}

}  // namespace xvo::platform
