#include "instances/instance_state.h"

#include "platform/process.h"

namespace xvo {

InstanceState::~InstanceState()
{
    endInstance(*this);
}

void registerInstance(InstanceState& state, InstanceBlock* block)
{
    state.block = block;
    state.ownPid = platform::currentProcessId();
}

void endInstance(InstanceState& state)
{
    state.running = 0;
    state.block = nullptr;
}

}  // namespace xvo
