// Handing the main thread to the service manager's control dispatcher.
#pragma once

#include <cstdint>

namespace xvo::platform {

/// The service's main function, called on a thread of the service manager's making.
using ServiceEntry = void (*)(int argc, char** argv);

/// Longest service name the service manager accepts, in bytes.
constexpr int32_t serviceNameRoom = 256;

enum class DispatchResult {
    serviceStopped,    // the service ran and has stopped
    notUnderManager,   // the process was not started by the service manager
    nameTooLong,       // the service name does not fit the service table
};

/// Connects to the service manager and runs entry as the service named serviceName;
/// returns when the service has stopped, or at once when the process was not started
/// by the service manager. Without an entry the service reports itself stopped at once.
DispatchResult startServiceDispatcher(const char* serviceName, ServiceEntry entry);

}  // namespace xvo::platform
