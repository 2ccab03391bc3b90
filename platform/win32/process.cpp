// Win32 only: the running process.
#include "platform/process.h"

#include "platform/win32/windows_api.h"

#include <commctrl.h>

namespace xvo::platform {

int32_t currentProcessId()
{
    return int32_t(GetCurrentProcessId());
}

void sleepMilliseconds(int32_t milliseconds)
{
    Sleep(DWORD(milliseconds));
}

void initCommonControls()
{
    INITCOMMONCONTROLSEX controls = {8, 0};
    InitCommonControlsEx(&controls);
}

}  // namespace xvo::platform
