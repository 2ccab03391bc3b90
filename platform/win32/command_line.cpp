// Win32 only: the command line the system keeps for the process.
#include "platform/command_line.h"

#include "platform/win32/windows_api.h"

namespace xvo::platform {

// The system keeps the command line itself.
void rememberArguments(int, char**)
{
}

Text processCommandLine()
{
    return Text(GetCommandLineA());
}

}  // namespace xvo::platform
