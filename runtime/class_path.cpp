#include "runtime/class_path.h"

#include <cstdlib>
#include <cstring>

#include "base/string_list.h"
#include "base/trace.h"
#include "cmdline/wildcard.h"
#include "config/expand.h"
#include "config/settings.h"
#include "platform/directory.h"
#include "runtime/runtime_search.h"

namespace xvo {

namespace {

// Library folders nested deeper than this are not scanned: a real application's
// archives sit a few levels down, and a tree that goes on is a mistake or a loop.
constexpr int maxScanDepth = 32;

struct EntryTarget {
    const Settings* settings;
    Text* section;
};

void appendEntry(const Settings& settings, const Text& piece, Text& section)
{
    Text entry = expandValue(piece, ExpandForm::plain);
    if (!std::strpbrk(entry.cstr(), "*?")) {
        section.append(";");
        section.append(resolveAppPath(settings, entry.cstr()));
        return;
    }
    // Matches keep the form of the pattern: relative patterns match in the working
    // directory, not beside the executable.
    StringList matches;
    expandWildcard(entry.cstr(), matches);
    for (int32_t i = 0; i < matches.count(); ++i) {
        section.append(";");
        section.append(matches.item(i));
    }
}

// One configured value: its pieces between ";" each expanded alone, so a ";" that an
// expansion inserts stays inside its entry.
void appendEntries(void* context, const Text& value)
{
    EntryTarget* target = static_cast<EntryTarget*>(context);
    int32_t start = 0;
    for (int32_t i = 0; i <= value.length(); ++i) {
        if (i < value.length() && value[i] != ';')
            continue;
        if (i > start)
            appendEntry(*target->settings, value.mid(start, i - start), *target->section);
        start = i + 1;
    }
}

void appendLibraries(const Settings& settings, const char* key, Text& section)
{
    StringList directories;
    settings.getValueList(key, directories, false, true);
    for (int32_t i = 0; i < directories.count(); ++i) {
        Text archives;
        scanArchives(resolveAppPath(settings, directories.item(i)), archives);
        section.append(archives);
    }
}

void appendEnvironment(const char* name, Text& section)
{
    const char* value = std::getenv(name);
    if (!value)
        return;
    section.append(";");
    section.append(value);
}

bool isArchiveName(const char* name)
{
    const char* dot = std::strrchr(name, '.');
    return dot && (Text(dot).compareNoCase(".jar") == 0 || Text(dot).compareNoCase(".zip") == 0);
}

bool isDotEntry(const char* name)
{
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

void scanLevel(const Text& directory, Text& out, int depth)
{
    Text prefix(directory);
    char last = prefix.length() > 0 ? prefix[prefix.length() - 1] : 0;
    if (last != '\\' && last != '/')
        prefix.append("/");
    StringList names;
    IntList folders;
    if (!platform::findMatches(prefix.cstr(), "*", names, folders))
        return;
    for (int32_t i = 0; i < names.count(); ++i) {
        const char* name = names.item(i);
        Text path = prefix + name;
        if (!folders[i]) {
            if (isArchiveName(name)) {
                out.append(";");
                out.append(path);
            }
        } else if (isDotEntry(name)) {
            continue;
        } else if (platform::isLinkedDirectory(path.cstr())) {
            trace("archive scan skips the linked folder %s", path.cstr());
        } else if (depth >= maxScanDepth) {
            trace("archive scan stops at the depth of %s", path.cstr());
        } else {
            scanLevel(path, out, depth + 1);
        }
    }
}

}  // namespace

Text fullClassPath(const Settings& settings)
{
    Text value = classPathSection(settings, ClassPathSection::first) + ";" +
                 classPathSection(settings, ClassPathSection::second);
    trace("class path %s", value.cstr());
    return value;
}

Text classPathSection(const Settings& settings, ClassPathSection which)
{
    bool first = which == ClassPathSection::first;
    Text section;
    EntryTarget target{&settings, &section};
    settings.findValues(first ? "java_classpath" : "classpath", false, true, appendEntries, &target);
    if (first)
        section = settings.appPath + section;
    appendLibraries(settings, first ? "java_libs" : "libs", section);
    if (!first) {
        appendEnvironment("CLASSPATH", section);
        appendEnvironment("CLASS_PATH", section);
    }
    return section;
}

void scanArchives(const Text& directory, Text& out)
{
    // An empty name would be the root of the drive: a whole-disk walk nobody asked for.
    if (directory.length() == 0)
        return;
    scanLevel(directory, out, 0);
}

}  // namespace xvo
