#include "vmhost/vm_host.h"

namespace xvo {

VmHost::~VmHost()
{
    teardown(*this);
}

void teardown(VmHost& host)
{
    host.vm = nullptr;
    host.module = nullptr;
}

}  // namespace xvo
