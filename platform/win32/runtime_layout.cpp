// Win32 only: the layout of a Windows Java runtime.
#include "platform/runtime_layout.h"

namespace xvo::platform {

const char* vmLibraryName()
{
    return "jvm.dll";
}

const char* const* vmLibraryPrefixes()
{
    // A plain runtime or a home that is itself a bin folder, a runtime's bin, a
    // development kit's runtime, and a home beside such a runtime.
    static const char* const prefixes[] = {"", "bin\\", "jre\\bin\\", "..\\jre\\bin\\", nullptr};
    return prefixes;
}

}  // namespace xvo::platform
