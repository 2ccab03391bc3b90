#include "runtime/vm_library.h"

#include "base/string_list.h"
#include "base/trace.h"
#include "config/settings.h"
#include "platform/directory.h"
#include "platform/file.h"
#include "platform/runtime_layout.h"

namespace xvo {

namespace {

// Only existence and read permission are asked; whether the file is a usable library is
// for the load to find out.
bool probe(const Text& path)
{
    bool found = platform::isReadable(path.cstr());
    trace("probe %s: %s", path.cstr(), found ? "found" : "absent");
    return found;
}

bool isDotEntry(const char* name)
{
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

// Every folder of base, in the order the system lists them: the first that holds the
// library wins, whatever its name.
bool probeSubfolders(const Text& base, Text& found)
{
    StringList names;
    IntList directories;
    if (!platform::findMatches(base.cstr(), "*", names, directories))
        return false;
    for (int32_t i = 0; i < names.count(); ++i) {
        if (!directories[i] || isDotEntry(names.item(i)))
            continue;
        Text path = base + names.item(i) + "/" + platform::vmLibraryName();
        if (probe(path)) {
            found = path;
            return true;
        }
    }
    return false;
}

// The probes below one prefix: the library itself, the preferred kind, then any kind.
bool probePrefix(const Text& base, const Text& kind, Text& found)
{
    found = base + platform::vmLibraryName();
    if (probe(found))
        return true;
    if (kind.length() > 1) {
        found = base + kind + "/" + platform::vmLibraryName();
        if (probe(found))
            return true;
    }
    return probeSubfolders(base, found);
}

}  // namespace

Text vmKind(Settings& settings)
{
    if (settings.vmKindText.length() == 0) {
        settings.vmKindText = settings.getExpandedValue("vm");
        if (settings.vmKindText.length() == 0)
            settings.vmKindText.assign("-");
    }
    return settings.vmKindText;
}

Text findVmLibrary(Settings& settings, const Text& home)
{
    Text directory(home);
    char last = home.length() > 0 ? home[home.length() - 1] : 0;
    if (last != '\\' && last != '/')
        directory.append("/");
    Text kind = vmKind(settings);
    Text found;
    for (const char* const* prefix = platform::vmLibraryPrefixes(); *prefix; ++prefix) {
        if (probePrefix(directory + *prefix, kind, found))
            return found;
    }
    return Text();
}

}  // namespace xvo
