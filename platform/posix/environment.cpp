#include "platform/environment.h"

#include <cstdlib>
#include <cstring>

#include "base/text.h"

namespace xvo::platform {

const char pathListSeparator = ':';

void putEnvironment(const char* assignment)
{
    const char* equals = assignment ? std::strchr(assignment, '=') : nullptr;
    if (!equals || equals == assignment)
        return;
    Text name(assignment, int32_t(equals - assignment));
    if (equals[1] == '\0')
        unsetenv(name.cstr());
    else
        setenv(name.cstr(), equals + 1, 1);
}

Text nativePathList(const Text& list)
{
    Text native(list);
    native.replaceAll(";", ":");
    return native;
}

}  // namespace xvo::platform
