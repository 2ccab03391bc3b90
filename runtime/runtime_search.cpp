#include "runtime/runtime_search.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "base/trace.h"
#include "config/settings.h"
#include "platform/file.h"
#include "platform/registry.h"
#include "runtime/vm_library.h"

namespace xvo {

namespace {

constexpr const char* defaultOrder = "cbsie";
// Registry strings are read into the room a Windows path has.
constexpr int32_t registryRoom = 260;

// "-" until the first search has run; its outcome afterwards, found or not.
Text& rememberedRuntime()
{
    static Text remembered("-");
    return remembered;
}

bool probeFile(const Text& path)
{
    bool found = platform::isReadable(path.cstr());
    trace("probe %s: %s", path.cstr(), found ? "found" : "absent");
    return found;
}

bool readMachineText(const Text& keyPath, const char* name, Text& out)
{
    return platform::readRegistryText(platform::RegistryRoot::localMachine, keyPath.cstr(), name, registryRoom, out);
}

// Cuts the path before its last separator, unless that separator opens the path.
void dropLastComponent(Text& path)
{
    int32_t k = path.length() - 1;
    while (k >= 0 && path[k] != '\\' && path[k] != '/')
        --k;
    if (k >= 1)
        path = path.left(k);
}

// A registered library is taken as it is, unless it is gone or another VM kind is
// wanted: then the runtime around it is searched, from the folder that holds the kinds.
Text runtimeFromLibrary(Settings& settings, const Text& library)
{
    if (probeFile(library) && vmKind(settings).length() <= 1)
        return library;
    Text home(library);
    dropLastComponent(home);
    dropLastComponent(home);
    return findVmLibrary(settings, home);
}

Text configuredRuntime(Settings& settings)
{
    Text configured = settings.getExpandedValue("jvmdll");
    if (configured.length() == 0)
        return Text();
    Text path = resolveAppPath(settings, configured.cstr());
    return probeFile(path) ? path : Text();
}

Text bundledRuntime(Settings& settings)
{
    Text home = settings.getExpandedValue("jre");
    if (home.length() == 0)
        home.assign("./jre/");
    return findVmLibrary(settings, resolveAppPath(settings, home.cstr()));
}

Text javaSoftRuntime(Settings& settings)
{
    Text found = registryRuntime(settings, "SOFTWARE\\JavaSoft\\JRE");
    if (found.length() == 0)
        found = registryRuntime(settings, "SOFTWARE\\JavaSoft\\Java Runtime Environment");
    return found;
}

Text trySource(Settings& settings, char letter)
{
    switch (letter) {
    case 'c': return configuredRuntime(settings);
    case 'b': return bundledRuntime(settings);
    case 's': return javaSoftRuntime(settings);
    case 'i': return registryRuntime(settings, "SOFTWARE\\IBM\\Java2 Runtime Environment");
    case 'e': return environmentRuntime(settings);
    }
    return Text();
}

bool namesSource(char letter)
{
    return letter != 0 && std::strchr(defaultOrder, letter) != nullptr;
}

// The configured letters in lower case; the default order when none names a source.
Text sourceOrder(const Settings& settings)
{
    Text order = settings.getValue("jre_order", false, true);
    bool known = false;
    for (int32_t i = 0; i < order.length(); ++i) {
        order[i] = char(std::tolower(static_cast<unsigned char>(order[i])));
        known = known || namesSource(order[i]);
    }
    if (!known)
        order.assign(defaultOrder);
    return order;
}

}  // namespace

Text findRuntime(Settings& settings)
{
    Text& remembered = rememberedRuntime();
    if (remembered.differs("-")) {
        trace("runtime as found before: %s", remembered.length() > 0 ? remembered.cstr() : "none");
        return remembered;
    }
    remembered = searchRuntime(settings);
    return remembered;
}

Text searchRuntime(Settings& settings)
{
    Text order = sourceOrder(settings);
    trace("runtime search order %s", order.cstr());
    for (int32_t i = 0; i < order.length(); ++i) {
        if (!namesSource(order[i]))
            continue;
        Text found = trySource(settings, order[i]);
        trace("runtime source %c: %s", order[i], found.length() > 0 ? found.cstr() : "nothing");
        if (found.length() > 0) {
            trace("runtime %s", found.cstr());
            return found;
        }
    }
    trace("no runtime found");
    return Text();
}

Text resolveAppPath(const Settings& settings, const char* path)
{
    if (!path || !*path)
        return Text();
    if (path[0] == '\\' || path[0] == '/' || path[1] == ':')
        return Text(path);
    Text besideExecutable = settings.appHome + path;
    if (platform::isReadable(besideExecutable.cstr()))
        return besideExecutable;
    Text inWorkingDirectory = settings.currentDir + path;
    if (platform::isReadable(inWorkingDirectory.cstr()))
        return inWorkingDirectory;
    return besideExecutable;
}

Text registryRuntime(Settings& settings, const char* keyPath)
{
    Text version;
    if (!readMachineText(Text(keyPath), "CurrentVersion", version)) {
        trace("registry %s: no CurrentVersion", keyPath);
        return Text();
    }
    Text versionKey = Text(keyPath) + "\\" + version;
    Text value;
    if (readMachineText(versionKey, "RuntimeLib", value)) {
        trace("registry %s: RuntimeLib %s", versionKey.cstr(), value.cstr());
        return runtimeFromLibrary(settings, value);
    }
    if (readMachineText(versionKey, "JavaHome", value)) {
        trace("registry %s: JavaHome %s", versionKey.cstr(), value.cstr());
        return findVmLibrary(settings, value);
    }
    trace("registry %s: neither RuntimeLib nor JavaHome", versionKey.cstr());
    return Text();
}

Text environmentRuntime(Settings& settings)
{
    for (const char* name : {"JRE_HOME", "JAVA_HOME"}) {
        const char* home = std::getenv(name);
        if (!home || !*home) {
            trace("environment %s: %s", name, home ? "empty" : "not set");
            continue;
        }
        trace("environment %s: %s", name, home);
        Text found = findVmLibrary(settings, Text(home));
        if (found.length() > 0)
            return found;
    }
    return Text();
}

}  // namespace xvo
