// Win32 only: named mutexes.
#include "platform/sync.h"

#include "platform/win32/windows_api.h"

namespace xvo::platform {

bool NamedMutex::create(const char* name, int32_t* error)
{
    close();
    HANDLE mutex = CreateMutexA(nullptr, FALSE, name);
    if (!mutex) {
        *error = int32_t(GetLastError());
        return false;
    }
    handle_ = reinterpret_cast<intptr_t>(mutex);
    return true;
}

WaitResult NamedMutex::wait(int32_t milliseconds)
{
    switch (WaitForSingleObject(reinterpret_cast<HANDLE>(handle_), DWORD(milliseconds))) {
    case WAIT_OBJECT_0:
        return WaitResult::acquired;
    case WAIT_ABANDONED:
        return WaitResult::abandoned;
    case WAIT_TIMEOUT:
        return WaitResult::timedOut;
    default:
        return WaitResult::failed;
    }
}

void NamedMutex::close()
{
    if (handle_ != -1)
        CloseHandle(reinterpret_cast<HANDLE>(handle_));
    handle_ = -1;
}

}  // namespace xvo::platform
