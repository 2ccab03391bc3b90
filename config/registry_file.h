// The text of an exported registry file (REGEDIT4 or version 5.00): finds one value.
#pragma once

#include "platform/registry.h"

namespace xvo {

/// Looks up valueName (empty: the default value "@") of the key fullKey, written with its
/// root as in the file's headers ("HKEY_LOCAL_MACHINE\SOFTWARE\X"). Key and value names
/// ignore letter case; lines the format does not know are skipped.
bool findRegistryFileValue(const Text& fileText, const char* fullKey, const char* valueName,
                           platform::RegistryValue& out);

}  // namespace xvo
