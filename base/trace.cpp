#include "base/trace.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace xvo {

bool tracing()
{
    static const bool enabled = [] {
        const char* value = std::getenv("XVO_TRACE");
        return value && std::strcmp(value, "1") == 0;
    }();
    return enabled;
}

void trace(const char* format, ...)
{
    if (!tracing())
        return;
    std::va_list arguments;
    va_start(arguments, format);
    std::fputs("xvo: ", stderr);
    std::vfprintf(stderr, format, arguments);
    std::fputc('\n', stderr);
    va_end(arguments);
    std::fflush(stderr);
}

}  // namespace xvo
