#include "redirect/stream_redirector.h"

namespace xvo {

void redirectStderr(const char*)
{
}

void redirectStdout(const char*)
{
}

}  // namespace xvo
