// POSIX only: the executable's path from /proc and the string table compiled into it.
#include "platform/module.h"

#include <unistd.h>

namespace xvo::platform {

namespace {

struct StringTableBlock {
    int32_t number;
    const char16_t* units;
    int32_t count;
};

// Generated from the message list, in the same block layout as the Windows resource.
#include "message_blocks.inc"

}  // namespace

Text moduleFileName()
{
    Text path;
    path.setLength(pathRoom);
    ssize_t n = readlink("/proc/self/exe", path.data(), size_t(pathRoom));
    path.setLength(n > 0 && n < pathRoom ? int32_t(n) : 0);
    return path;
}

bool stringTableBlock(int32_t blockNumber, const char16_t** units, int32_t* count)
{
    for (const StringTableBlock& block : messageBlocks) {
        if (block.number == blockNumber) {
            *units = block.units;
            *count = block.count;
            return true;
        }
    }
    return false;
}

}  // namespace xvo::platform
