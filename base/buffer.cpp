#include "base/buffer.h"

#include <cstdio>
#include <cstdlib>

namespace xvo {

namespace {
// Blocks stay well below what a signed 32-bit length can count.
constexpr int64_t maxElements = 0x7FFFFFF0;
}

void outOfMemory()
{
    std::fputs("Out of memory.\n", stderr);
    std::fflush(stderr);
    std::_Exit(255);
}

int32_t grownCapacity(int32_t capacity, int64_t need)
{
    if (need <= capacity)
        return capacity;
    if (need > maxElements)
        outOfMemory();
    int64_t grown = capacity < 8 ? 8 : capacity;
    if (need > grown)
        grown *= 2;
    if (need > grown)
        grown = (need + 11) & ~int64_t(7);
    return int32_t(grown);
}

void* reallocBlock(void* block, int32_t elements, size_t elementSize)
{
    void* grown = std::realloc(block, size_t(elements) * elementSize);
    if (!grown)
        outOfMemory();
    return grown;
}

}  // namespace xvo
