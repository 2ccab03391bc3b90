// Read-only access to the system registry: one value of one key.
#pragma once

#include "base/text.h"

namespace xvo::platform {

enum class RegistryRoot { classesRoot, currentUser, localMachine, users, currentConfig };

/// Value types as the system numbers them.
enum : uint32_t {
    regNone = 0,
    regSz = 1,
    regExpandSz = 2,
    regBinary = 3,
    regDword = 4,
    regDwordBigEndian = 5,
    regMultiSz = 7,
};

struct RegistryValue {
    uint32_t type = regNone;
    /// The raw data, with a NUL after the last byte whatever the data holds.
    Text data;
};

/// Reads valueName (empty: the key's default value) of keyPath under root. False when the
/// key or the value does not exist or cannot be read.
bool readRegistryValue(RegistryRoot root, const char* keyPath, const char* valueName, RegistryValue& out);

/// A value used as a string whatever its type, for callers that read into a fixed room of
/// bytes: data longer than room counts as a failed read rather than being cut.
inline bool readRegistryText(RegistryRoot root, const char* keyPath, const char* valueName, int32_t room, Text& out)
{
    RegistryValue value;
    if (!readRegistryValue(root, keyPath, valueName, value) || value.data.length() > room)
        return false;
    out.assign(value.data.cstr());
    return true;
}

}  // namespace xvo::platform
