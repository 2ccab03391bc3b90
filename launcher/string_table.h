// Message texts from the string table of the launcher's own image.
#pragma once

#include "base/text.h"

namespace xvo {

/// The string table entry of id, narrowed to the current code page; empty when absent.
Text stringTableText(int32_t id);

}  // namespace xvo
