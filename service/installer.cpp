#include "service/installer.h"

#include "launcher/messages.h"

namespace xvo {

int installService(const char*, const char*, const char*, const char*, const char*, bool, bool)
{
    return msgErrorOccurs;
}

int uninstallService(const char*)
{
    return msgErrorOccurs;
}

}  // namespace xvo
