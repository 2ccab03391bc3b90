// Win32 only: pattern enumeration with the runtime library's _findfirst.
#include "platform/directory.h"

#include <io.h>

#include "platform/win32/windows_api.h"

namespace xvo::platform {

bool findMatches(const char* directory, const char* component, StringList& names, IntList& directories)
{
    Text pattern(directory ? directory : "");
    pattern.append(component);
    _finddata_t entry;
    intptr_t search = _findfirst(pattern.cstr(), &entry);
    if (search == -1)
        return false;
    do {
        names.append(entry.name);
        directories.push((entry.attrib & _A_SUBDIR) ? 1 : 0);
    } while (_findnext(search, &entry) == 0);
    _findclose(search);
    return true;
}

bool pathExists(const char* path)
{
    return _access(path, 0) == 0;
}

bool isLinkedDirectory(const char* path)
{
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    const DWORD linked = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
    return (attributes & linked) == linked;
}

}  // namespace xvo::platform
