// Win32 only: page-file-backed named mappings and the image's shared section.
#include "platform/mapping.h"

#include "platform/win32/windows_api.h"

// The shared section travels in the image: 3072 zero bytes in the file, one page once
// loaded, shared by every process started from this executable.
__attribute__((section(".SHMMESS"), shared, used)) static char sharedSection[3072] = {};

namespace xvo::platform {

bool NamedMapping::open(const char* name, int32_t size)
{
    close();
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, DWORD(size), name);
    if (!mapping)
        return false;
    void* view = MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0);
    if (!view) {
        CloseHandle(mapping);
        return false;
    }
    handle_ = reinterpret_cast<intptr_t>(mapping);
    view_ = view;
    size_ = size;
    return true;
}

void NamedMapping::close()
{
    if (view_)
        UnmapViewOfFile(view_);
    if (handle_ != -1)
        CloseHandle(reinterpret_cast<HANDLE>(handle_));
    view_ = nullptr;
    handle_ = -1;
    size_ = 0;
}

void* executableSharedSection()
{
    return sharedSection;
}

}  // namespace xvo::platform
