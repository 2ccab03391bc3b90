// The rule that refuses a second running instance of an application.
#pragma once

#include "base/text.h"

namespace xvo {

/// The mutex name: appid (or the executable's path when appid is empty) with ":" and
/// "\" replaced by ".", followed by ".xvo.mutex".
Text singleInstanceMutexName(const Text& appid, const Text& appPath);

/// Takes the named mutex within 100 ms, or reports message 13 and ends the process with
/// exit code 11. The mutex stays held until the process ends.
void enforceSingleInstance(const Text& mutexName);

}  // namespace xvo
