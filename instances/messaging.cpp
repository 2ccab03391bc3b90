#include "instances/messaging.h"

namespace xvo {

void startMessaging()
{
}

}  // namespace xvo
