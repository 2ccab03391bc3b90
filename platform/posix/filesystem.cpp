// POSIX only: current directory and lexical full path names.
#include "platform/filesystem.h"

#include <unistd.h>

#include "platform/module.h"

namespace xvo::platform {

bool currentDirectory(Text& directory)
{
    directory.setLength(pathRoom);
    bool ok = getcwd(directory.data(), size_t(pathRoom)) != nullptr;
    if (ok)
        directory.lengthFromContent();
    else
        directory.setLength(0);
    return ok;
}

bool setCurrentDirectory(const char* directory)
{
    return chdir(directory) == 0;
}

namespace {

// Removes the last component of an absolute path (never the root).
void dropLastComponent(Text& path)
{
    int32_t end = path.length();
    while (end > 1 && path[end - 1] != '/')
        --end;
    path.setLength(end > 1 ? end - 1 : 1);
}

}  // namespace

int32_t fullPathName(const char* path, char* out, int32_t room)
{
    if (!path || !*path)
        return 0;
    Text result;
    if (path[0] != '/') {
        if (!currentDirectory(result))
            return 0;
    } else {
        result.assign("/");
    }
    const char* p = path;
    while (*p) {
        while (*p == '/')
            ++p;
        const char* end = p;
        while (*end && *end != '/')
            ++end;
        Text part(p, int32_t(end - p));
        if (part.compare("..") == 0) {
            dropLastComponent(result);
        } else if (part.length() > 0 && part.compare(".") != 0) {
            if (result[result.length() - 1] != '/')
                result.append("/");
            result.append(part);
        }
        p = end;
    }
    size_t inputLength = std::strlen(path);
    if (path[inputLength - 1] == '/' && result[result.length() - 1] != '/')
        result.append("/");
    if (result.length() + 1 > room)
        return result.length() + 1;
    std::memcpy(out, result.cstr(), size_t(result.length()) + 1);
    return result.length();
}

}  // namespace xvo::platform
