#include "platform/elevation.h"

#include "platform/win32/windows_api.h"

namespace xvo::platform {

Elevation isElevated()
{
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version) || version.dwPlatformId != VER_PLATFORM_WIN32_NT || version.dwMajorVersion < 6)
        return Elevation::elevated;
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return Elevation::undetermined;
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    Elevation answer = Elevation::undetermined;
    if (GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size))
        answer = elevation.TokenIsElevated ? Elevation::elevated : Elevation::notElevated;
    CloseHandle(token);
    return answer;
}

}  // namespace xvo::platform
