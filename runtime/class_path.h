// The class path the VM receives: the executable itself first, then configured entries,
// archive directories and the environment's class path.
#pragma once

#include "base/text.h"

namespace xvo {

class Settings;

enum class ClassPathSection { first, second };

/// The first section, ";", then the second section.
Text fullClassPath(const Settings& settings);

Text classPathSection(const Settings& settings, ClassPathSection which);

/// Appends ";" + path for every ".jar" or ".zip" file below directory.
void scanArchives(const Text& directory, Text& out);

}  // namespace xvo
