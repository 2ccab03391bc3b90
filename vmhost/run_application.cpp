#include "vmhost/run_application.h"

#include <cstdlib>

#include "base/trace.h"
#include "config/settings.h"
#include "launcher/current.h"
#include "launcher/messages.h"
#include "platform/elevation.h"
#include "platform/environment.h"
#include "runtime/class_path.h"
#include "runtime/runtime_search.h"
#include "vmhost/main_invocation.h"
#include "vmhost/version_limits.h"
#include "vmhost/vm_host.h"

namespace xvo {

namespace {

bool namesToolOptions(const char* assignment)
{
    const char* equals = std::strchr(assignment, '=');
    return equals && Text(assignment, int32_t(equals - assignment)).compareNoCase("JAVA_TOOL_OPTIONS") == 0;
}

// The configured exports; an inherited JAVA_TOOL_OPTIONS is dropped unless one of them
// names it, so the VM reads that variable only when the application asks for it.
void exportEnvironment(const Settings& settings)
{
    StringList exports;
    settings.getValueList("export", exports, false, true);
    bool toolOptionsExported = false;
    for (int32_t i = 0; i < exports.count(); ++i) {
        if (!std::strchr(exports.item(i), '='))
            continue;
        platform::putEnvironment(exports.item(i));
        toolOptionsExported = toolOptionsExported || namesToolOptions(exports.item(i));
    }
    if (!toolOptionsExported)
        platform::putEnvironment("JAVA_TOOL_OPTIONS=");
}

void collectOptions(const Settings& settings, VmHost& host)
{
    StringList options;
    settings.getValueList("option", options, false, true);
    for (int32_t i = 0; i < options.count(); ++i)
        addOption(host, options.item(i));
    Text classPath = platform::nativePathList(fullClassPath(settings));
    addOption(host, (Text("-Djava.class.path=") + classPath).cstr());
    addOption(host, (Text("-Dxvo.class.path=") + classPath).cstr());
    addOption(host, (Text("-Dxvo.app.path=") + settings.appPath).cstr());
    addOption(host, (Text("-Dapplication.home=") + settings.appHome).cstr());
    if (platform::isElevated() == platform::Elevation::elevated)
        addOption(host, "-Dxvo.is.elevated=true");
}

// Configured properties, kept in UTF-8 so any text reaches Java intact.
void setConfiguredProperties(const Settings& settings, JNIEnv* env)
{
    StringList properties;
    settings.getValueList("property", properties, false, false);
    for (int32_t i = 0; i < properties.count(); ++i)
        setSystemProperty(env, properties.item(i));
}

int startVm(Settings& settings, VmHost& host)
{
    Text library = findRuntime(settings);
    if (library.length() == 0)
        return msgJreNotFound;
    return createVm(host, library.cstr());
}

void reportFailure(int result, const VersionLimits& limits)
{
    if (result == versionTooLow || result == versionTooHigh)
        reportMessage(versionMessage(result, limits));
    else
        reportMessage(messageText(result));
}

}  // namespace

int runApplication(int firstCount, char** first, StartHook hook, int secondCount, char** second)
{
    Settings& settings = *currentSettings();
    VmHost& host = *currentVmHost();
    exportEnvironment(settings);
    collectOptions(settings, host);
    VersionLimits limits;
    int result = startVm(settings, host);
    if (result == 0) {
        setConfiguredProperties(settings, host.env);
        result = checkVersionLimits(host, limits);
    }
    if (result == 0) {
        if (hook)
            hook();
        StringList argv;
        settings.getValueList("argv", argv, false, true);
        result = invokeMain(host, settings.getValue("mainclass", true).cstr(), argv, firstCount, first, secondCount, second);
    }
    if (result != 0)
        reportFailure(result, limits);
    return result;
}

}  // namespace xvo
