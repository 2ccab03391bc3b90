// POSIX only: the layout of a Linux Java runtime.
#include "platform/runtime_layout.h"

namespace xvo::platform {

const char* vmLibraryName()
{
    return "libjvm.so";
}

const char* const* vmLibraryPrefixes()
{
    // Current runtimes keep lib/server; release 8 put the kind folders under an
    // architecture folder, in its runtime (lib/amd64) and in a kit's jre.
    static const char* const prefixes[] = {"",           "lib/",           "lib/amd64/", "jre/lib/",
                                           "jre/lib/amd64/", "../jre/lib/", nullptr};
    return prefixes;
}

}  // namespace xvo::platform
