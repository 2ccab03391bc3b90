#include "child_roles.h"

#include <cstring>

#include "child_process.h"
#include "platform/process.h"
#include "platform/sync.h"

namespace xvo::test {

namespace {

// hold-mutex NAME READYFILE: takes the named mutex, announces it, and keeps it until
// killed.
int holdMutex(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    platform::NamedMutex mutex;
    int32_t error = 0;
    if (!mutex.create(argv[0], &error) || mutex.wait(5000) == platform::WaitResult::timedOut)
        return 3;
    writeFile(argv[1], "held");
    for (;;)
        platform::sleepMilliseconds(1000);
}

}  // namespace

int runChildRole(const char* role, int argc, char** argv)
{
    if (std::strcmp(role, "hold-mutex") == 0)
        return holdMutex(argc, argv);
    return 2;
}

}  // namespace xvo::test
