// Win32 only: the service control manager through the ANSI advanced services interface.
#include "platform/scm.h"

#include <cstring>

#include "platform/win32/windows_api.h"

namespace xvo::platform {

namespace {

/// Owns a service or manager handle. Callers read the last error in their return
/// expression, before any owner closes its handle.
class ScHandle {
public:
    explicit ScHandle(SC_HANDLE handle) : handle_(handle) {}
    ScHandle(const ScHandle&) = delete;
    ScHandle& operator=(const ScHandle&) = delete;
    ~ScHandle()
    {
        if (handle_)
            CloseServiceHandle(handle_);
    }
    SC_HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    SC_HANDLE handle_;
};

using ChangeServiceConfig2Function = BOOL(WINAPI*)(SC_HANDLE, DWORD, void*);

// Looked up at run time: systems before Windows 2000 have no service descriptions.
void setDescription(SC_HANDLE service, const char* description)
{
    HMODULE library = LoadLibraryA("advapi32.dll");
    if (!library)
        return;
    auto change = reinterpret_cast<ChangeServiceConfig2Function>(
        reinterpret_cast<void (*)()>(GetProcAddress(library, "ChangeServiceConfig2A")));
    if (change) {
        SERVICE_DESCRIPTIONA record = {const_cast<char*>(description)};
        change(service, SERVICE_CONFIG_DESCRIPTION, &record);
    }
    FreeLibrary(library);
}

bool holdsSeveralNames(const char* list)
{
    return *list && list[std::strlen(list) + 1];
}

// Some service managers (Wine's) keep only the first name of a list handed to the ANSI
// creation call; setting the list once more through the configuration call stores it whole
// and changes nothing where the creation call was complete.
void confirmDependencies(SC_HANDLE service, const char* dependencies)
{
    if (holdsSeveralNames(dependencies))
        ChangeServiceConfigA(service, SERVICE_NO_CHANGE, SERVICE_NO_CHANGE, SERVICE_NO_CHANGE, nullptr, nullptr,
                             nullptr, dependencies, nullptr, nullptr, nullptr);
}

// Only the NT family has a service manager; the major version says whether descriptions
// exist.
bool readNtVersion(DWORD* majorVersion)
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    BOOL known = GetVersionExA(&version);
#pragma GCC diagnostic pop
    *majorVersion = version.dwMajorVersion;
    return known && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

}  // namespace

int32_t registerService(const ServiceRegistration& service)
{
    DWORD majorVersion = 0;
    if (!readNtVersion(&majorVersion))
        return serviceOldSystem;
    ScHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CREATE_SERVICE));
    if (!manager)
        return int32_t(GetLastError());
    DWORD type = SERVICE_WIN32_OWN_PROCESS | (service.interactive ? SERVICE_INTERACTIVE_PROCESS : 0);
    DWORD start = service.autoStart ? SERVICE_AUTO_START : SERVICE_DEMAND_START;
    ScHandle created(CreateServiceA(manager.get(), service.name, service.displayName, SERVICE_ALL_ACCESS, type,
                                    start, SERVICE_ERROR_IGNORE, service.commandLine, nullptr, nullptr,
                                    service.dependencies, nullptr, nullptr));
    if (!created)
        return int32_t(GetLastError());
    confirmDependencies(created.get(), service.dependencies);
    // The registration stands even when the description cannot be set.
    if (majorVersion >= 5)
        setDescription(created.get(), service.description);
    return serviceOk;
}

int32_t removeService(const char* name)
{
    ScHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CREATE_SERVICE));
    if (!manager)
        return int32_t(GetLastError());
    ScHandle service(OpenServiceA(manager.get(), name, SERVICE_ALL_ACCESS));
    if (!service)
        return int32_t(GetLastError());
    // A running service keeps running; the manager drops it once it has stopped.
    if (!DeleteService(service.get()))
        return int32_t(GetLastError());
    return serviceOk;
}

}  // namespace xvo::platform
