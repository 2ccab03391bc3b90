// Where the Java runtime comes from: configured library, runtime beside the application,
// registry registrations, environment, in the order "jre_order" gives.
#pragma once

#include "base/text.h"

namespace xvo {

class Settings;

/// The full path of a VM library, or empty. The first call searches; every later call in
/// the process returns the first call's outcome.
Text findRuntime(Settings& settings);

/// The search itself, without the remembered outcome.
Text searchRuntime(Settings& settings);

/// A configured relative path anchored beside the executable, else in the working
/// directory when it exists only there.
Text resolveAppPath(const Settings& settings, const char* path);

/// The registry source for one key under HKEY_LOCAL_MACHINE.
Text registryRuntime(Settings& settings, const char* keyPath);

/// JRE_HOME, then JAVA_HOME.
Text environmentRuntime(Settings& settings);

}  // namespace xvo
