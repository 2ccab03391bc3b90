// POSIX only: the running process.
#include "platform/process.h"

#include <ctime>
#include <unistd.h>

namespace xvo::platform {

int32_t currentProcessId()
{
    return int32_t(getpid());
}

void sleepMilliseconds(int32_t milliseconds)
{
    timespec delay{milliseconds / 1000, long(milliseconds % 1000) * 1000000L};
    while (nanosleep(&delay, &delay) != 0) {
    }
}

void initCommonControls()
{
}

}  // namespace xvo::platform
