// The process-wide state that the launch sequence owns and publishes for the JNI
// natives and the service threads.
#pragma once

namespace xvo {

class Settings;
class VmHost;
class InstanceState;

Settings* currentSettings();
VmHost* currentVmHost();
InstanceState* currentInstanceState();

/// Set by the launch sequence once the three objects exist; cleared after dispatch.
void publishCurrent(Settings* settings, VmHost* vmHost, InstanceState* instance);

/// True when standard output and standard error go to the same configured target, so a
/// reported message is written once.
bool sameTargetFlag();
void setSameTargetFlag(bool same);

}  // namespace xvo
