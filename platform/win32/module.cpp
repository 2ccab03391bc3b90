// Win32 only: the module file name and the RT_STRING resource of the image.
#include "platform/module.h"

#include "platform/win32/windows_api.h"

namespace xvo::platform {

Text moduleFileName()
{
    Text path;
    path.setLength(pathRoom);
    DWORD n = GetModuleFileNameA(nullptr, path.data(), pathRoom);
    path.setLength(n > 0 && n < DWORD(pathRoom) ? int32_t(n) : 0);
    return path;
}

bool stringTableBlock(int32_t blockNumber, const char16_t** units, int32_t* count)
{
    HRSRC resource = FindResourceA(nullptr, MAKEINTRESOURCEA(blockNumber), MAKEINTRESOURCEA(6));
    if (!resource)
        return false;
    HGLOBAL loaded = LoadResource(nullptr, resource);
    const void* block = loaded ? LockResource(loaded) : nullptr;
    if (!block)
        return false;
    *units = static_cast<const char16_t*>(block);
    *count = int32_t(SizeofResource(nullptr, resource) / 2);
    return true;
}

}  // namespace xvo::platform
