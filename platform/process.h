// The running process.
#pragma once

#include <cstdint>

namespace xvo::platform {

int32_t currentProcessId();
void sleepMilliseconds(int32_t milliseconds);
/// Prepares the common controls library for a process that may show system dialogs.
void initCommonControls();

}  // namespace xvo::platform
