// Win32 only: current directory and full path names.
#include "platform/filesystem.h"

#include "platform/module.h"
#include "platform/win32/windows_api.h"

namespace xvo::platform {

bool currentDirectory(Text& directory)
{
    directory.setLength(pathRoom);
    DWORD n = GetCurrentDirectoryA(pathRoom, directory.data());
    bool ok = n > 0 && n < DWORD(pathRoom);
    directory.setLength(ok ? int32_t(n) : 0);
    return ok;
}

bool setCurrentDirectory(const char* directory)
{
    return SetCurrentDirectoryA(directory) != 0;
}

int32_t fullPathName(const char* path, char* out, int32_t room)
{
    return int32_t(GetFullPathNameA(path, DWORD(room), out, nullptr));
}

}  // namespace xvo::platform
