#include "platform/registry.h"

#include <cstdio>
#include <cstdlib>

#include "config/registry_file.h"

namespace xvo::platform {

namespace {

const char* rootName(RegistryRoot root)
{
    switch (root) {
    case RegistryRoot::classesRoot: return "HKEY_CLASSES_ROOT";
    case RegistryRoot::currentUser: return "HKEY_CURRENT_USER";
    case RegistryRoot::localMachine: return "HKEY_LOCAL_MACHINE";
    case RegistryRoot::users: return "HKEY_USERS";
    case RegistryRoot::currentConfig: return "HKEY_CURRENT_CONFIG";
    }
    return "HKEY_LOCAL_MACHINE";
}

/// This system has no registry; an exported registry file named by XVO_REGISTRY stands in.
bool readRegistryFile(Text& text)
{
    const char* path = std::getenv("XVO_REGISTRY");
    if (!path || !*path)
        return false;
    FILE* file = std::fopen(path, "rb");
    if (!file)
        return false;
    char chunk[4096];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0 && text.length() < 0x1000000)
        text.append(chunk, int32_t(n));
    std::fclose(file);
    return true;
}

}  // namespace

bool readRegistryValue(RegistryRoot root, const char* keyPath, const char* valueName, RegistryValue& out)
{
    Text text;
    if (!readRegistryFile(text))
        return false;
    Text fullKey(rootName(root));
    if (keyPath && *keyPath) {
        fullKey.append("\\");
        fullKey.append(keyPath);
    }
    return findRegistryFileValue(text, fullKey.cstr(), valueName, out);
}

}  // namespace xvo::platform
