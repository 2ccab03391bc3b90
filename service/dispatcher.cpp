#include "service/dispatcher.h"

#include <cstdio>

#include "launcher/messages.h"

namespace xvo {

int dispatchCommand(int, char**)
{
    std::printf("%s\n", messageText(msgHelp).cstr());
    return 0;
}

}  // namespace xvo
