#include "config/expand.h"

namespace xvo {

Text expandValue(const Text& value, ExpandForm)
{
    return value;
}

}  // namespace xvo
