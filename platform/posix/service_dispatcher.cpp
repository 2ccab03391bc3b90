// POSIX only: the service manager is systemd, reached through its notify socket.
#include "platform/service_dispatcher.h"

#include <cstdlib>
#include <cstring>

namespace xvo::platform {

DispatchResult startServiceDispatcher(const char* serviceName, ServiceEntry entry)
{
    if (std::strlen(serviceName) > size_t(serviceNameRoom))
        return DispatchResult::nameTooLong;
    if (!std::getenv("NOTIFY_SOCKET"))
        return DispatchResult::notUnderManager;
    if (entry)
        entry(0, nullptr);
    return DispatchResult::serviceStopped;
}

}  // namespace xvo::platform
