#include "instances/single_instance.h"

#include <cstdio>
#include <cstdlib>

#include "launcher/messages.h"
#include "platform/sync.h"

namespace xvo {

namespace {
constexpr int32_t refusedExitCode = 11;
constexpr int32_t waitMilliseconds = 100;
}  // namespace

Text singleInstanceMutexName(const Text& appid, const Text& appPath)
{
    Text name(appid.length() > 0 ? appid : appPath);
    name.replaceAll(":", ".");
    name.replaceAll("\\", ".");
    name.append(".xvo.mutex");
    return name;
}

void enforceSingleInstance(const Text& mutexName)
{
    // Held until the process ends: the system releases it with the process.
    static platform::NamedMutex mutex;
    int32_t error = 0;
    if (mutex.create(mutexName.cstr(), &error)) {
        if (mutex.wait(waitMilliseconds) != platform::WaitResult::timedOut)
            return;
    } else {
        std::printf("CreateMutex error: %d\n", int(error));
    }
    reportMessage(messageText(msgAlreadyRunning));
    std::exit(refusedExitCode);
}

}  // namespace xvo
