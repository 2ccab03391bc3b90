#include "config/external_file.h"

#include "base/trace.h"
#include "config/settings.h"
#include "platform/file.h"

namespace xvo {

Text externalCandidate(const Text& appPath, int32_t index)
{
    Text base = appPath;
    if (index >= 2) {
        const char* path = appPath.cstr();
        const char* dot = std::strrchr(path, '.');
        // Only "/" counts as a folder separator after the dot.
        if (dot && !std::strchr(dot, '/'))
            base = appPath.left(int32_t(dot - path));
    }
    base.append(index % 2 == 0 ? ".cfg" : ".config");
    return base;
}

bool readExternalFile(const Text& appPath, Text& bytes)
{
    for (int32_t i = 0; i < externalCandidateCount; ++i) {
        Text name = externalCandidate(appPath, i);
        if (!platform::isReadable(name.cstr()))
            continue;
        if (platform::readWholeFile(name.cstr(), bytes)) {
            trace("configuration file %s: %d bytes", name.cstr(), int(bytes.length()));
            return true;
        }
    }
    trace("configuration file: none beside the executable");
    bytes.setLength(0);
    return false;
}

void applyDisableExternal(Settings& settings)
{
    if (settings.getValue("disableexternal", true, true).compareNoCase("true") != 0)
        return;
    trace("configuration file ignored: disableexternal");
    Text embedded = settings.mid(settings.embeddedStart);
    settings.assign(embedded);
    settings.embeddedStart = 0;
}

}  // namespace xvo
