// POSIX only: services as systemd unit files, with the service manager's error codes.
#include "platform/scm.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/text.h"
#include "cmdline/command_line.h"

namespace xvo::platform {

namespace {

const char* const wantsFolder = "multi-user.target.wants";

// systemd refuses unit names longer than this, the ".service" suffix included.
constexpr int32_t unitNameRoom = 255;

enum : int32_t { pathNotFound = 3, generalFailure = 31 };

int32_t errorOf(int error)
{
    switch (error) {
    case EEXIST:
        return serviceExists;
    case EACCES:
    case EPERM:
    case EROFS:
        return serviceAccessDenied;
    case ENOENT:
    case ENOTDIR:
        return pathNotFound;
    default:
        return generalFailure;
    }
}

Text unitDirectory()
{
    const char* configured = std::getenv("XVO_SYSTEMD_DIR");
    return Text(configured && *configured ? configured : "/etc/systemd/system");
}

bool isUnitNameByte(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || std::strchr(":_.-@", c);
}

bool hasUnitSuffix(const char* name)
{
    static const char* const suffixes[] = {".service", ".socket", ".target", ".mount", ".automount", ".path",
                                           ".timer",   ".device", ".swap",   ".slice", ".scope"};
    size_t length = std::strlen(name);
    for (const char* suffix : suffixes) {
        size_t n = std::strlen(suffix);
        if (length > n && std::strcmp(name + length - n, suffix) == 0)
            return true;
    }
    return false;
}

// The unit file name of a service; empty when systemd could not load a unit of that
// name, so nothing is written that would be ignored at boot.
Text serviceUnit(const char* name)
{
    if (!*name)
        return Text();
    for (const char* p = name; *p; ++p)
        if (!isUnitNameByte(static_cast<unsigned char>(*p)))
            return Text();
    Text unit = name + Text(".service");
    return unit.length() > unitNameRoom ? Text() : unit;
}

// A dependency may name any kind of unit ("network-online.target"); a bare name is a
// service, as on Windows.
Text dependencyUnit(const char* name)
{
    if (!hasUnitSuffix(name))
        return serviceUnit(name);
    for (const char* p = name; *p; ++p)
        if (!isUnitNameByte(static_cast<unsigned char>(*p)))
            return Text();
    return std::strlen(name) > size_t(unitNameRoom) ? Text() : Text(name);
}

// One argument as a word of an Exec line: quoted, with the characters that systemd would
// otherwise unescape, expand or split on written as escapes.
void appendExecWord(Text& line, const char* argument)
{
    if (std::strcmp(argument, ";") == 0) {
        line.append("\\;");
        return;
    }
    line.append("\"");
    for (const char* p = argument; *p; ++p) {
        unsigned char c = static_cast<unsigned char>(*p);
        if (c == '\\' || c == '"')
            line.append("\\");
        if (c == '%' || c == '$')
            line.append(p, 1);
        if (c < 0x20 || c == 0x7f) {
            Text escape;
            escape.format("\\x%02x", c);
            line.append(escape);
        } else {
            line.append(p, 1);
        }
    }
    line.append("\"");
}

// The service command line is kept in Windows quoting, as on Windows; systemd must start
// the launcher with the very arguments that quoting stands for.
Text execLine(const char* commandLine)
{
    Text buffer(commandLine);
    PtrList arguments;
    int32_t count = splitCommandLine(buffer, arguments, nullptr);
    Text line;
    for (int32_t i = 0; i < count; ++i) {
        if (i > 0)
            line.append(" ");
        appendExecWord(line, arguments[i]);
    }
    return line;
}

// Free text on one unit line: no line breaks, specifiers kept literal, and no trailing
// backslash that would join the next line.
Text unitLineText(const char* text)
{
    Text line;
    for (const char* p = text; *p; ++p) {
        unsigned char c = static_cast<unsigned char>(*p);
        line.append(c < 0x20 || c == 0x7f ? " " : p, 1);
        if (c == '%')
            line.append("%");
    }
    while (line.length() > 0 && line.data()[line.length() - 1] == '\\')
        line.setLength(line.length() - 1);
    return line;
}

bool appendDependencies(Text& unit, const char* dependencies)
{
    Text after("After="), required("Requires=");
    int32_t count = 0;
    for (const char* name = dependencies; *name; name += std::strlen(name) + 1, ++count) {
        Text dependency = dependencyUnit(name);
        if (dependency.length() == 0)
            return false;
        const char* separator = count > 0 ? " " : "";
        after.append(separator);
        after.append(dependency);
        required.append(separator);
        required.append(dependency);
    }
    if (count > 0)
        unit.append(after + "\n" + required + "\n");
    return true;
}

bool unitFileText(const ServiceRegistration& service, Text& unit)
{
    unit.assign("[Unit]\nDescription=");
    unit.append(unitLineText(service.description));
    unit.append("\n");
    if (!appendDependencies(unit, service.dependencies))
        return false;
    unit.append("\n[Service]\nType=notify\nExecStart=");
    unit.append(execLine(service.commandLine));
    unit.append("\n\n[Install]\nWantedBy=multi-user.target\n");
    return true;
}

bool writeAll(int fd, const Text& text)
{
    for (int32_t done = 0; done < text.length();) {
        ssize_t n = write(fd, text.data() + done, size_t(text.length() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += int32_t(n);
    }
    return true;
}

// Written beside its final name and linked there in one step: the file appears whole or
// not at all, and an existing registration is never overwritten.
int32_t createUnitFile(const Text& directory, const Text& path, const Text& content)
{
    // Not named after the unit: a name of the longest length leaves no room for a suffix.
    Text temporary = directory + "/.xvo-unit-XXXXXX";
    int fd = mkstemp(temporary.cstr());
    if (fd < 0)
        return errorOf(errno);
    bool written = fchmod(fd, 0644) == 0 && writeAll(fd, content);
    int error = written ? 0 : errno;
    if (close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && link(temporary.cstr(), path.cstr()) != 0) {
        written = false;
        error = errno;
    }
    unlink(temporary.cstr());
    return written ? serviceOk : errorOf(error);
}

// Started at boot: the link systemctl enable would make, to the unit beside the folder.
int32_t linkForBoot(const Text& directory, const Text& unit)
{
    Text wants = directory + "/" + wantsFolder;
    if (mkdir(wants.cstr(), 0755) != 0 && errno != EEXIST)
        return errorOf(errno);
    Text link = wants + "/" + unit;
    Text target = "../" + unit;
    // A link left over from an earlier registration of the name is replaced.
    unlink(link.cstr());
    return symlink(target.cstr(), link.cstr()) == 0 ? serviceOk : errorOf(errno);
}

}  // namespace

int32_t registerService(const ServiceRegistration& service)
{
    Text unit = serviceUnit(service.name);
    Text content;
    if (unit.length() == 0 || !unitFileText(service, content))
        return serviceInvalidName;
    Text directory = unitDirectory();
    Text path = directory + "/" + unit;
    int32_t error = createUnitFile(directory, path, content);
    if (error == serviceOk && service.autoStart) {
        error = linkForBoot(directory, unit);
        if (error != serviceOk)
            unlink(path.cstr());
    }
    return error;
}

int32_t removeService(const char* name)
{
    Text unit = serviceUnit(name);
    if (unit.length() == 0)
        return serviceInvalidName;
    Text directory = unitDirectory();
    Text path = directory + "/" + unit;
    if (unlink(path.cstr()) != 0)
        return errno == ENOENT ? serviceMissing : errorOf(errno);
    Text link = directory + "/" + wantsFolder + "/" + unit;
    unlink(link.cstr());
    return serviceOk;
}

}  // namespace xvo::platform
