// The shared block in which the running instances of one application find each other.
#pragma once

#include <cstddef>
#include <cstdint>

namespace xvo {

/// Laid out exactly as every instance of every launcher version reads it; 4096 bytes
/// when it is a named mapping, one page of the executable's shared section otherwise.
struct InstanceBlock {
    int32_t ownerPid;
    int32_t nextMessageId;
    int32_t nextChunkSequence;
    int32_t reserved;
    int64_t ownerMutex;
    int64_t ownerEvent;
    int32_t changeCounter;
    int32_t slotSender;
    int32_t slotTarget;
    int32_t slotSequence;
    int32_t slotBusy;
    int32_t slotWaitCount;
    int32_t slotMessageId;
    int32_t slotChunkIndex;
    int32_t slotLastChunk;
    int32_t slotChunkCapacity;
    int32_t slotTotalLength;
    int32_t slotChunkLength;
    char slotData[1024];
    int32_t instanceCount;
    int32_t instancePids[250];
};

static_assert(offsetof(InstanceBlock, ownerMutex) == 16, "block layout");
static_assert(offsetof(InstanceBlock, changeCounter) == 32, "block layout");
static_assert(offsetof(InstanceBlock, slotData) == 80, "block layout");
static_assert(offsetof(InstanceBlock, instanceCount) == 1104, "block layout");
static_assert(offsetof(InstanceBlock, instancePids) + sizeof(InstanceBlock::instancePids) == 2108, "block layout");

/// Size of the named mapping that holds the block.
constexpr int32_t instanceMappingSize = 4096;

}  // namespace xvo
