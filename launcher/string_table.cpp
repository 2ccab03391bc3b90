#include "launcher/string_table.h"

#include "base/convert.h"
#include "platform/module.h"

namespace xvo {

Text stringTableText(int32_t id)
{
    if (id < 0)
        return Text();
    const char16_t* units = nullptr;
    int32_t size = 0;
    if (!platform::stringTableBlock(id / 16 + 1, &units, &size))
        return Text();
    // A length that would reach past the block counts as 0.
    auto lengthAt = [&](int32_t position) { return position < size ? int32_t(units[position]) : 0; };
    int32_t position = 0;
    for (int32_t skip = id % 16; skip > 0; --skip)
        position += lengthAt(position) + 1;
    int32_t length = lengthAt(position);
    if (position + 1 + length > size)
        length = position + 1 < size ? size - position - 1 : 0;
    return narrow(units + position + 1, length);
}

}  // namespace xvo
