// Registering the launcher with the service manager, and removing that registration.
#pragma once

#include <cstdint>

#include "base/text.h"

namespace xvo {

/// Registers the service; returns 0 or the message identifier of the failure reason.
/// dependencies holds service names, each followed by "/".
int installService(const char* commandLine, const char* name, const char* displayName, const char* description,
                   const char* dependencies, bool autoStart, bool interactive);
/// Removes the service; returns 0 or the message identifier of the failure reason.
int uninstallService(const char* name);

/// The dependencies text as the service manager takes it: each name followed by a NUL,
/// and one more NUL (the Text's terminator) after the last. Empty names are left out.
Text dependencyList(const char* dependencies);

/// The failure reason (a message identifier, 0 for none) for a system error code of
/// installing, and of removing.
int32_t installFailureReason(int32_t systemError);
int32_t uninstallFailureReason(int32_t systemError);

}  // namespace xvo
