#include "platform/environment.h"

#include <cstdlib>
#include <cstring>

namespace xvo::platform {

const char pathListSeparator = ';';

void putEnvironment(const char* assignment)
{
    if (assignment && std::strchr(assignment, '='))
        _putenv(assignment);
}

Text nativePathList(const Text& list)
{
    return list;
}

}  // namespace xvo::platform
