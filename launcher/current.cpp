#include "launcher/current.h"

namespace xvo {

namespace {
Settings* settingsPointer = nullptr;
VmHost* vmHostPointer = nullptr;
InstanceState* instancePointer = nullptr;
bool sameTarget = false;
}  // namespace

Settings* currentSettings()
{
    return settingsPointer;
}

VmHost* currentVmHost()
{
    return vmHostPointer;
}

InstanceState* currentInstanceState()
{
    return instancePointer;
}

void publishCurrent(Settings* settings, VmHost* vmHost, InstanceState* instance)
{
    settingsPointer = settings;
    vmHostPointer = vmHost;
    instancePointer = instance;
}

bool sameTargetFlag()
{
    return sameTarget;
}

void setSameTargetFlag(bool same)
{
    sameTarget = same;
}

}  // namespace xvo
