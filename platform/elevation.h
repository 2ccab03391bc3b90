// Whether the process runs with the administrator's rights.
#pragma once

namespace xvo::platform {

enum class Elevation { elevated, notElevated, undetermined };

/// Systems that know no elevation count as elevated.
Elevation isElevated();

}  // namespace xvo::platform
