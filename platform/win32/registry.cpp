#include "platform/registry.h"

#include "platform/win32/windows_api.h"

namespace xvo::platform {

namespace {

HKEY rootKey(RegistryRoot root)
{
    switch (root) {
    case RegistryRoot::classesRoot: return HKEY_CLASSES_ROOT;
    case RegistryRoot::currentUser: return HKEY_CURRENT_USER;
    case RegistryRoot::localMachine: return HKEY_LOCAL_MACHINE;
    case RegistryRoot::users: return HKEY_USERS;
    case RegistryRoot::currentConfig: return HKEY_CURRENT_CONFIG;
    }
    return HKEY_LOCAL_MACHINE;
}

bool queryValue(HKEY key, const char* valueName, RegistryValue& out)
{
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key, valueName, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    if (size > 0x1000000)
        return false;
    out.data.setLength(int32_t(size));
    DWORD room = size;
    // A value that grew between the two queries does not fit and counts as unread.
    if (RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(out.data.cstr()), &room) != ERROR_SUCCESS)
        return false;
    out.data.setLength(int32_t(room <= size ? room : size));
    out.type = type;
    return true;
}

}  // namespace

bool readRegistryValue(RegistryRoot root, const char* keyPath, const char* valueName, RegistryValue& out)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(rootKey(root), keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    bool ok = queryValue(key, valueName, out);
    RegCloseKey(key);
    return ok;
}

}  // namespace xvo::platform
