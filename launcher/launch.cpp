#include "launcher/launch.h"

#include <clocale>

#include "base/string_list.h"
#include "cmdline/wildcard.h"
#include "config/settings.h"
#include "instances/instance_state.h"
#include "instances/messaging.h"
#include "instances/single_instance.h"
#include "launcher/current.h"
#include "launcher/working_directory.h"
#include "platform/command_line.h"
#include "platform/filesystem.h"
#include "platform/mapping.h"
#include "platform/module.h"
#include "platform/process.h"
#include "redirect/stream_redirector.h"
#include "service/dispatcher.h"
#include "vmhost/vm_host.h"

namespace xvo {

namespace {

// A named mapping shared by every executable configured with the same "appid";
// otherwise the shared section of this executable file. A mapping that cannot be made
// falls back to the shared section rather than leaving the registry without a block.
InstanceBlock* locateInstanceBlock(const Settings& settings, platform::NamedMapping& mapping)
{
    Text appid = settings.getValue("appid");
    if (appid.length() > 0) {
        appid.replaceAll("\\", ".");
        appid.append(".xvo.mapping");
        if (mapping.open(appid.cstr(), instanceMappingSize))
            return static_cast<InstanceBlock*>(mapping.view());
    }
    return static_cast<InstanceBlock*>(platform::executableSharedSection());
}

void enterWorkingDirectory(Settings& settings)
{
    Text forced = settings.getExpandedValue("forcecwd");
    if (forced.length() == 0)
        forced.assign(".");
    char resolved[platform::pathRoom];
    int32_t n = resolveAgainstHome(settings.appHome, forced.cstr(), resolved, platform::pathRoom);
    if (n > 0 && n < platform::pathRoom)
        platform::setCurrentDirectory(resolved);
    settings.refreshCurrentDir();
}

void redirectStandardStreams(const Settings& settings)
{
    Text stderrTarget = settings.getExpandedValue("stderr");
    if (stderrTarget.length() == 0)
        stderrTarget = platform::moduleFileName() + ".stderr.log";
    redirectStderr(stderrTarget.cstr());
    Text stdoutTarget = settings.getExpandedValue("stdout");
    if (stdoutTarget.length() > 0)
        redirectStdout(stdoutTarget.cstr());
    setSameTargetFlag(stdoutTarget.length() > 0 && stdoutTarget.compare(stderrTarget.cstr()) == 0);
}

void applySingleInstanceRule(const Settings& settings)
{
    Text rule = settings.getValue("singleinstance");
    if (rule.compareNoCase("true") == 0)
        enforceSingleInstance(singleInstanceMutexName(settings.getValue("appid"), settings.appPath));
    else if (rule.compareNoCase("custom") == 0)
        startMessaging();
}

// Mode 2 expands quoted arguments too; 0 means no expansion.
int wildcardMode(const Settings& settings)
{
    Text wildcard = settings.getValue("wildcard");
    if (wildcard.compareNoCase("all") == 0)
        return 2;
    if (wildcard.compareNoCase("true") == 0 || wildcard.compareNoCase("auto") == 0)
        return 1;
    return 0;
}

}  // namespace

int launch(int argc, char** argv)
{
    platform::rememberArguments(argc, argv);
    std::setlocale(LC_ALL, "");
    Settings settings(true);
    VmHost vmHost;
    platform::NamedMapping mapping;
    InstanceState instance;
    registerInstance(instance, locateInstanceBlock(settings, mapping));
    publishCurrent(&settings, &vmHost, &instance);
    platform::initCommonControls();
    enterWorkingDirectory(settings);
    redirectStandardStreams(settings);
    applySingleInstanceRule(settings);

    StringList expanded;
    PtrList vector;
    if (int mode = wildcardMode(settings)) {
        expandArguments(expanded, mode);
        // An unreadable command line leaves the arguments as the runtime passed them.
        if (expanded.count() > 0) {
            for (int32_t i = 0; i < expanded.count(); ++i)
                vector.push(expanded.item(i));
            argc = vector.length();
            argv = vector.data();
        }
    }
    int result = dispatchCommand(argc > 0 ? argc - 1 : 0, argc > 0 ? argv + 1 : argv);

    teardown(vmHost);
    publishCurrent(nullptr, nullptr, &instance);
    endInstance(instance);
    mapping.close();
    publishCurrent(nullptr, nullptr, nullptr);
    return result;
}

}  // namespace xvo
