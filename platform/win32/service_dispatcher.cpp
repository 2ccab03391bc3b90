// Win32 only: the service control dispatcher and a minimal service main function.
#include "platform/service_dispatcher.h"

#include <cstring>

#include "platform/win32/windows_api.h"

namespace xvo::platform {

namespace {

char serviceNameSlot[serviceNameRoom + 1];
ServiceEntry serviceEntry = nullptr;
SERVICE_STATUS_HANDLE statusHandle = nullptr;

DWORD WINAPI controlHandler(DWORD, DWORD, void*, void*)
{
    return NO_ERROR;
}

void reportStopped()
{
    SERVICE_STATUS status = {};
    status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    status.dwCurrentState = SERVICE_STOPPED;
    SetServiceStatus(statusHandle, &status);
}

void WINAPI serviceMain(DWORD argc, LPSTR* argv)
{
    if (serviceEntry) {
        serviceEntry(int(argc), argv);
        return;
    }
    statusHandle = RegisterServiceCtrlHandlerExA(serviceNameSlot, controlHandler, nullptr);
    if (statusHandle)
        reportStopped();
}

}  // namespace

DispatchResult startServiceDispatcher(const char* serviceName, ServiceEntry entry)
{
    // The table holds a copy of the name; a longer one is refused, never cut short.
    size_t length = std::strlen(serviceName);
    if (length > size_t(serviceNameRoom))
        return DispatchResult::nameTooLong;
    std::memcpy(serviceNameSlot, serviceName, length + 1);
    serviceEntry = entry;
    SERVICE_TABLE_ENTRYA table[] = {{serviceNameSlot, serviceMain}, {nullptr, nullptr}};
    if (!StartServiceCtrlDispatcherA(table))
        return DispatchResult::notUnderManager;
    return DispatchResult::serviceStopped;
}

}  // namespace xvo::platform
