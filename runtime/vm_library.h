// Turning a runtime home into the path of its VM library.
#pragma once

#include "base/text.h"

namespace xvo {

class Settings;

/// The configured VM kind ("vm", expanded), remembered in the settings; "-" when none.
Text vmKind(Settings& settings);

/// The full path of an existing VM library below or beside home, probed in a fixed order
/// of prefixes and preferring the configured VM kind; empty when every probe fails.
Text findVmLibrary(Settings& settings, const Text& home);

}  // namespace xvo
