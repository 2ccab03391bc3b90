// The service manager: registering a service and removing the registration.
#pragma once

#include <cstdint>

namespace xvo::platform {

/// The system error codes the service manager reports, in Windows numbering on every
/// system, so one table turns them into the launcher's failure reasons.
enum ServiceError : int32_t {
    serviceOk = 0,
    serviceAccessDenied = 5,
    serviceDuplicateName = 52,
    serviceInvalidName = 123,
    serviceMissing = 1060,
    serviceMarkedForDelete = 1072,
    serviceExists = 1073,
    serviceOldSystem = 1150,
};

/// What a service is registered with. All texts are 8-bit, in the system code page.
struct ServiceRegistration {
    const char* name = "";
    const char* displayName = "";
    /// The quoted executable path and the service arguments, joined by Windows rules.
    const char* commandLine = "";
    const char* description = "";
    /// Names of the services this one depends on, each followed by a NUL, the list
    /// ended by one more NUL.
    const char* dependencies = "\0";
    bool autoStart = false;
    /// Allowed to interact with the desktop; systems without one ignore it.
    bool interactive = false;
};

/// Registers the service for start on demand or at boot, without starting it. Returns 0
/// or the system error code of the failure (a ServiceError where one applies).
int32_t registerService(const ServiceRegistration& service);

/// Removes the registration of the named service without stopping it. Returns 0 or the
/// system error code of the failure.
int32_t removeService(const char* name);

}  // namespace xvo::platform
