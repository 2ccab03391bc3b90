// POSIX only: pattern enumeration with opendir and fnmatch, dot files included.
#include "platform/directory.h"

#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

namespace xvo::platform {

namespace {

bool isDirectory(const Text& directory, const char* name, unsigned char type)
{
    if (type == DT_DIR)
        return true;
    if (type != DT_UNKNOWN && type != DT_LNK)
        return false;
    // A link to a directory counts as one, as a junction does on Windows.
    struct stat info;
    Text path = directory + name;
    return stat(path.cstr(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

bool findMatches(const char* directory, const char* component, StringList& names, IntList& directories)
{
    Text prefix(directory ? directory : "");
    DIR* stream = opendir(prefix.length() > 0 ? prefix.cstr() : ".");
    if (!stream)
        return false;
    bool found = false;
    while (const dirent* entry = readdir(stream)) {
        // Without FNM_PERIOD a leading dot is an ordinary character, as on Windows.
        if (fnmatch(component, entry->d_name, FNM_NOESCAPE) != 0)
            continue;
        names.append(entry->d_name);
        directories.push(isDirectory(prefix, entry->d_name, entry->d_type) ? 1 : 0);
        found = true;
    }
    closedir(stream);
    return found;
}

bool pathExists(const char* path)
{
    return access(path, F_OK) == 0;
}

bool isLinkedDirectory(const char* path)
{
    struct stat link;
    struct stat target;
    return lstat(path, &link) == 0 && S_ISLNK(link.st_mode) && stat(path, &target) == 0 && S_ISDIR(target.st_mode);
}

}  // namespace xvo::platform
