#include "cmdline/wildcard.h"

#include "cmdline/command_line.h"
#include "platform/command_line.h"
#include "platform/directory.h"

namespace xvo {

namespace {

bool isSeparator(char c)
{
    return c == '\\' || c == '/';
}

bool isDotEntry(const char* name)
{
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

bool shouldExpand(int32_t mark, int mode)
{
    return mark == markUnquotedWildcard || (mode == 2 && mark == markQuotedWildcard);
}

// Expands pattern, looking for wildcards only from searchFrom on: the part before it holds
// names the system reported, which on POSIX may themselves contain "*" or "?" and must
// not be expanded again (that would recurse without end).
void expandFrom(const char* pattern, int32_t searchFrom, StringList& out)
{
    const char* wildcard = std::strpbrk(pattern + searchFrom, "*?");
    if (!wildcard) {
        if (platform::pathExists(pattern))
            out.append(pattern);
        return;
    }
    int32_t d = int32_t(wildcard - pattern) - 1;
    while (d >= 0 && !isSeparator(pattern[d]))
        --d;
    int32_t e = int32_t(wildcard - pattern);
    while (pattern[e] != '\0' && !isSeparator(pattern[e]))
        ++e;
    const Text prefix(pattern, d + 1);
    const Text component(pattern + d + 1, e - d - 1);
    const bool last = pattern[e] == '\0';

    StringList names;
    IntList directories;
    platform::findMatches(prefix.cstr(), component.cstr(), names, directories);
    for (int32_t k = 0; k < names.count(); ++k) {
        if (isDotEntry(names.item(k)))
            continue;
        Text path = prefix + names.item(k);
        if (last) {
            out.append(path.cstr());
        } else if (directories[k]) {
            const int32_t resumeAt = path.length();
            path.append(pattern + e);
            expandFrom(path.cstr(), resumeAt, out);
        }
    }
}

}  // namespace

void expandWildcard(const char* pattern, StringList& out)
{
    expandFrom(pattern, 0, out);
}

void expandArguments(StringList& out, int mode)
{
    expandCommandLine(platform::processCommandLine().cstr(), out, mode);
}

void expandCommandLine(const char* commandLine, StringList& out, int mode)
{
    Text line(commandLine);
    PtrList arguments;
    IntList marks;
    splitCommandLine(line, arguments, &marks);
    out.clear();
    for (int32_t k = 0; k < arguments.length(); ++k) {
        StringList matches;
        if (shouldExpand(marks[k], mode))
            expandWildcard(arguments[k], matches);
        if (matches.count() == 0) {
            out.append(arguments[k]);
            continue;
        }
        for (int32_t m = 0; m < matches.count(); ++m)
            out.append(matches.item(m));
    }
}

}  // namespace xvo
