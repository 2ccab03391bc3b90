// Registering the launcher with the service manager, and removing that registration.
#pragma once

namespace xvo {

/// Registers the service; returns 0 or the message identifier of the failure reason.
int installService(const char* commandLine, const char* name, const char* displayName, const char* description,
                   const char* dependencies, bool autoStart, bool interactive);
/// Removes the service; returns 0 or the message identifier of the failure reason.
int uninstallService(const char* name);

}  // namespace xvo
