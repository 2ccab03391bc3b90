#include "launcher/working_directory.h"

#include "platform/filesystem.h"

namespace xvo {

int32_t resolveAgainstHome(const Text& base, const char* p, char* out, int32_t room)
{
    Text path;
    if (p[0] == '/' || (p[0] != 0 && p[1] == ':')) {
        path.assign(p);
    } else if (p[0] == '\\') {
        const char* colon = std::strchr(base.cstr(), ':');
        if (colon == base.cstr() + 1)
            path.append(base.cstr(), 2);
        path.append(p);
    } else {
        path.assign(base);
        char last = base.length() > 0 ? base[base.length() - 1] : 0;
        if (last != '\\' && last != '/')
            path.append("/");
        path.append(p);
    }
    return platform::fullPathName(path.cstr(), out, room);
}

}  // namespace xvo
