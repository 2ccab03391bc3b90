#include "cmdline/wildcard.h"

namespace xvo {

void expandArguments(StringList&, int)
{
}

}  // namespace xvo
