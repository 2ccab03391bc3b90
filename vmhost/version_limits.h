// The range of Java versions the application accepts: "minjre" and "maxjre" against the
// running VM's "java.version".
#pragma once

#include <cstdint>

#include "base/text.h"

namespace xvo {

class VmHost;

/// Up to four numbers read as "%d.%d.%d_%d" reads them; count is -1 for an empty text,
/// 0 when the text does not begin with a number.
struct JavaVersion {
    int32_t fields[4] = {0, 0, 0, 0};
    int32_t count = -1;
};

JavaVersion parseJavaVersion(const char* text);

/// The three texts a check compares and its message names.
struct VersionLimits {
    Text running;
    Text minimum;
    Text maximum;
};

enum VersionResult : int { versionAccepted = 0, versionUnknown = 5, versionTooLow = 6, versionTooHigh = 12 };

/// Compares the running version with the limits; only the fields both texts have count.
int compareWithLimits(const VersionLimits& limits);

/// Reads the limits and, when either is set, the running version from the VM.
int checkVersionLimits(VmHost& host, VersionLimits& limits);

/// The VM's "java.version"; false when it cannot be asked. A missing value leaves
/// version empty and still succeeds.
bool readJavaVersion(VmHost& host, Text& version);

/// The text of message 6 or 12 completed with the running version and the limits.
Text versionMessage(int result, const VersionLimits& limits);

}  // namespace xvo
