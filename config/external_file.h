// The configuration file beside the executable, named after it.
#pragma once

#include "base/text.h"

namespace xvo {

class Settings;

/// Number of candidate names for the external file.
constexpr int32_t externalCandidateCount = 4;

/// Candidate index (0 to 3) for the executable at appPath: the path with ".cfg", with
/// ".config", then its stem with ".cfg" and with ".config". The stem is the path before
/// its last "."; a path without "." or with a "/" after its last "." is its own stem.
Text externalCandidate(const Text& appPath, int32_t index);

/// Reads the first candidate that is readable and opens as a file into bytes. False when
/// none does; later candidates are never looked at once one opens, even an empty one.
bool readExternalFile(const Text& appPath, Text& bytes);

/// Drops the external part of the settings text when the embedded part says
/// "disableexternal" is true.
void applyDisableExternal(Settings& settings);

}  // namespace xvo
