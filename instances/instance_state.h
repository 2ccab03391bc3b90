// This process's view of the InstanceBlock.
#pragma once

#include <cstdint>

#include "instances/instance_block.h"

namespace xvo {

class InstanceState {
public:
    InstanceState() = default;
    InstanceState(const InstanceState&) = delete;
    InstanceState& operator=(const InstanceState&) = delete;
    virtual ~InstanceState();

    InstanceBlock* block = nullptr;
    int32_t ownPid = 0;
    int32_t knownOwnerPid = 0;
    int32_t running = 1;
};

/// Registers this process in block (which may be null when no block could be mapped).
void registerInstance(InstanceState& state, InstanceBlock* block);
/// Ends this process's registration; the block is no longer used afterwards.
void endInstance(InstanceState& state);

}  // namespace xvo
