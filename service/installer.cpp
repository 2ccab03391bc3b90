#include "service/installer.h"

#include <cstring>

#include "launcher/messages.h"
#include "platform/scm.h"

namespace xvo {

namespace {

struct ReasonEntry {
    int32_t systemError;
    int32_t reason;
};

const ReasonEntry installReasons[] = {
    {platform::serviceOk, 0},
    {platform::serviceAccessDenied, msgAccessDenied},
    {platform::serviceDuplicateName, msgNameExists},
    {platform::serviceMarkedForDelete, msgMarkedForDelete},
    {platform::serviceExists, msgServiceExists},
    {platform::serviceOldSystem, msgNtOnly},
};

const ReasonEntry uninstallReasons[] = {
    {platform::serviceOk, 0},
    {platform::serviceAccessDenied, msgAccessDenied},
    {platform::serviceMissing, msgServiceMissing},
    {platform::serviceMarkedForDelete, msgMarkedForDelete},
};

template <size_t N>
int32_t reasonFor(const ReasonEntry (&table)[N], int32_t systemError)
{
    for (const ReasonEntry& entry : table)
        if (entry.systemError == systemError)
            return entry.reason;
    return msgErrorOccurs;
}

const char* orEmpty(const char* text)
{
    return text ? text : "";
}

}  // namespace

Text dependencyList(const char* dependencies)
{
    // Every name ends in a NUL, so a text without the closing "/" is still a complete
    // list; an empty name would end the list early and silently drop the names after it.
    Text list;
    const char* name = dependencies ? dependencies : "";
    while (*name) {
        const char* end = std::strchr(name, '/');
        int32_t length = end ? int32_t(end - name) : int32_t(std::strlen(name));
        if (length > 0) {
            list.append(name, length);
            list.append("", 1);
        }
        name += length + (end ? 1 : 0);
    }
    return list;
}

int32_t installFailureReason(int32_t systemError)
{
    return reasonFor(installReasons, systemError);
}

int32_t uninstallFailureReason(int32_t systemError)
{
    return reasonFor(uninstallReasons, systemError);
}

int installService(const char* commandLine, const char* name, const char* displayName, const char* description,
                   const char* dependencies, bool autoStart, bool interactive)
{
    Text list = dependencyList(dependencies);
    platform::ServiceRegistration service;
    service.name = orEmpty(name);
    service.displayName = orEmpty(displayName);
    service.commandLine = orEmpty(commandLine);
    service.description = orEmpty(description);
    service.dependencies = list.cstr();
    service.autoStart = autoStart;
    service.interactive = interactive;
    return installFailureReason(platform::registerService(service));
}

int uninstallService(const char* name)
{
    return uninstallFailureReason(platform::removeService(orEmpty(name)));
}

}  // namespace xvo
