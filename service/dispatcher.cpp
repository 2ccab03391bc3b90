#include "service/dispatcher.h"

#include <cstdio>
#include <initializer_list>

#include "cmdline/command_line.h"
#include "launcher/messages.h"
#include "platform/module.h"
#include "platform/service_dispatcher.h"
#include "service/installer.h"
#include "service/option_scanner.h"
#include "vmhost/run_application.h"

namespace xvo {

namespace {

const char* const optionTable =
    "|-install:|install:|inst:|-uninstall|uninstall|uninst|-test|test|interactive|interact|inter|-help|help|h|?";

int savedCount = 0;
char** savedVector = nullptr;

enum class Command { none, install, uninstall, test, help };

struct ServiceIdentity {
    Text name = messageText(msgServiceName);
    Text displayName = messageText(msgServiceDisplayName);
    Text description = messageText(msgServiceDescription);
    Text dependencies = messageText(msgServiceDependencies) + "/";
};

bool isOneOf(const char* name, std::initializer_list<const char*> names)
{
    for (const char* candidate : names)
        if (std::strcmp(name, candidate) == 0)
            return true;
    return false;
}

Command commandOf(const char* name)
{
    if (isOneOf(name, {"-install", "install", "inst"}))
        return Command::install;
    if (isOneOf(name, {"-uninstall", "uninstall", "uninst"}))
        return Command::uninstall;
    if (isOneOf(name, {"-test", "test"}))
        return Command::test;
    if (isOneOf(name, {"-help", "help", "h", "?"}))
        return Command::help;
    return Command::none;
}

// The first command among the arguments; positional arguments, unknown options and the
// install modifiers before it are passed over. value is the command's own value.
Command scanCommand(const OptionScanner& scanner, int& index, const char*& value)
{
    const char* name = nullptr;
    for (int result; (result = scanner.next(index, name, value)) != optionEnd;) {
        if (result == optionUnknown || !name)
            continue;
        Command command = commandOf(name);
        if (command != Command::none)
            return command;
    }
    return Command::none;
}

bool interactiveSwitch(const OptionScanner& scanner)
{
    for (const char* name : {"interactive", "interact", "inter"})
        if (const char* value = scanner.find(name, 0))
            return isTrueValue(value);
    return false;
}

// The quoted path of this executable, a space, and the arguments the service starts with.
Text serviceCommandLine(const Text& executable, int argc, char** argv, int index)
{
    Text line = "\"" + executable + "\" ";
    line.append(joinArguments(argv, argc, index));
    return line;
}

// A service whose executable path is unknown (longer than the system's path room) could
// never start: it is refused rather than registered with an empty path.
int install(const OptionScanner& scanner, int argc, char** argv, int index, const char* value,
            const ServiceIdentity& identity, Text& report)
{
    Text executable = platform::moduleFileName();
    Text commandLine = serviceCommandLine(executable, argc, argv, index);
    bool autoStart = Text(value).compareNoCase("auto") == 0;
    int reason = msgErrorOccurs;
    if (executable.length() > 0)
        reason = installService(commandLine.cstr(), identity.name.cstr(), identity.displayName.cstr(),
                                identity.description.cstr(), identity.dependencies.cstr(), autoStart,
                                interactiveSwitch(scanner));
    report = reason == 0 ? messageText(msgInstalled) : messageText(msgInstallFailed) + messageText(reason);
    return reason;
}

int uninstall(const ServiceIdentity& identity, Text& report)
{
    int reason = uninstallService(identity.name.cstr());
    report = reason == 0 ? messageText(msgUninstalled) : messageText(msgUninstallFailed) + messageText(reason);
    return reason;
}

// The report is a template for the service name alone: a configured text can never make
// it read more than that one argument.
void printReport(const Text& report, const ServiceIdentity& identity)
{
    const char* arguments[] = {identity.name.cstr()};
    Text line = fillTemplate((report + "\n").cstr(), arguments, 1);
    std::fputs(line.cstr(), stdout);
    std::fflush(stdout);
}

int enterServiceMode(int argc, char** argv, const ServiceIdentity& identity)
{
    std::printf("%s\n", messageText(msgHelp).cstr());
    std::fflush(stdout);
    savedCount = argc;
    savedVector = argv;
    // Outside the service manager there is nothing to report: the help text says it all.
    if (platform::startServiceDispatcher(identity.name.cstr(), nullptr) == platform::DispatchResult::nameTooLong)
        reportMessage(Text("The service name is longer than 256 bytes."));
    return 0;
}

}  // namespace

int dispatchCommand(int argc, char** argv)
{
    ServiceIdentity identity;
    OptionScanner scanner(argc, argv, optionTable, true);
    int index = 0;
    const char* value = nullptr;
    Text report;
    int result = 0;
    switch (scanCommand(scanner, index, value)) {
    case Command::none:
        return enterServiceMode(argc, argv, identity);
    case Command::test:
        return runApplication(argc - index, argv + index, nullptr, 0, nullptr);
    case Command::install:
        result = install(scanner, argc, argv, index, value, identity, report);
        break;
    case Command::uninstall:
        result = uninstall(identity, report);
        break;
    case Command::help:
        report = messageText(msgHelp);
        break;
    }
    printReport(report, identity);
    return result;
}

int savedArgumentCount()
{
    return savedCount;
}

char** savedArguments()
{
    return savedVector;
}

}  // namespace xvo
