// References inside configuration values: environment, the launcher's own paths, registry.
#pragma once

#include "base/text.h"

namespace xvo {

/// plain: inserted text in the current ANSI code page; utf8: inserted text as UTF-8, for
/// values that are kept in UTF-8 (the "property" values).
enum class ExpandForm { plain, utf8 };

/// Replaces the references in value. Reads the paths through the current settings.
Text expandValue(const Text& value, ExpandForm form);

}  // namespace xvo
