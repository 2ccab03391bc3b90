// POSIX only: the superuser stands in for an elevated token.
#include "platform/elevation.h"

#include <unistd.h>

namespace xvo::platform {

Elevation isElevated()
{
    return geteuid() == 0 ? Elevation::elevated : Elevation::notElevated;
}

}  // namespace xvo::platform
