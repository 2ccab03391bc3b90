#include "base/string_list.h"

namespace xvo {

void StringList::append(const char* text)
{
    push(pool_.length());
    pool_.append(text, text ? int32_t(std::strlen(text)) : 0);
    pool_.setLength(pool_.length() + 1);
    pool_[pool_.length() - 1] = 0;
}

void StringList::clear()
{
    IntList::clear();
    pool_.clear();
}

}  // namespace xvo
