#include "vmhost/run_application.h"

#include "launcher/messages.h"

namespace xvo {

// Until the VM can be hosted, a run ends as one without a runtime would.
int runApplication(int, char**, StartHook, int, char**)
{
    reportMessage(messageText(msgJreNotFound));
    return msgJreNotFound;
}

}  // namespace xvo
