#include "config/expand.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

#include "base/convert.h"
#include "config/settings.h"
#include "launcher/current.h"
#include "platform/registry.h"

namespace xvo {

namespace {

/// Registry strings that refer to registry strings nest at most this deep; a cycle ends
/// with its deepest reference left as written.
constexpr int maxRegistryDepth = 8;
int registryDepth = 0;

bool resolveEnvironment(const Text& name, Text& out)
{
    const char* value = std::getenv(name.cstr());
    if (!value)
        return false;
    out.assign(value);
    return true;
}

Text& homeMemo()
{
    static Text memo;
    if (memo.length() == 0) {
        const char* drive = std::getenv("HOMEDRIVE");
        const char* path = std::getenv("HOMEPATH");
        if (drive && path) {
            memo.assign(drive);
            memo.append(path);
        }
    }
    return memo;
}

bool specialVariable(const Text& name, Text& out)
{
    Settings* settings = currentSettings();
    if (name.compareNoCase("APPLICATION_HOME") == 0 && settings)
        out = settings->appHome;
    else if (name.compareNoCase("PWD") == 0 && settings)
        out = settings->currentDir;
    else if (name.compareNoCase("XVO_APP_PATH") == 0 && settings)
        out = settings->appPath;
    else if (name.compareNoCase("HOME") == 0)
        out = homeMemo();
    else
        return false;
    return true;
}

struct RootPrefix {
    const char* prefix;
    platform::RegistryRoot root;
};

const RootPrefix rootPrefixes[] = {
    {"HKCR\\", platform::RegistryRoot::classesRoot},
    {"HKCU\\", platform::RegistryRoot::currentUser},
    {"HKLM\\", platform::RegistryRoot::localMachine},
    {"HKU\\", platform::RegistryRoot::users},
    {"HKCC\\", platform::RegistryRoot::currentConfig},
    {"HKEY_CLASSES_ROOT\\", platform::RegistryRoot::classesRoot},
    {"HKEY_CURRENT_USER\\", platform::RegistryRoot::currentUser},
    {"HKEY_LOCAL_MACHINE\\", platform::RegistryRoot::localMachine},
    {"HKEY_USERS\\", platform::RegistryRoot::users},
    {"HKEY_CURRENT_CONFIG\\", platform::RegistryRoot::currentConfig},
};

Text signedDecimal(const unsigned char* b, bool bigEndian)
{
    uint32_t v = bigEndian ? (uint32_t(b[0]) << 24 | uint32_t(b[1]) << 16 | uint32_t(b[2]) << 8 | b[3])
                           : (uint32_t(b[3]) << 24 | uint32_t(b[2]) << 16 | uint32_t(b[1]) << 8 | b[0]);
    Text out;
    out.format("%d", int32_t(v));
    return out;
}

/// Data as the reference shows it; false for data too short for its type.
bool renderData(platform::RegistryValue& value, Text& out)
{
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(value.data.cstr());
    switch (value.type) {
    case platform::regSz: out.assign(value.data.cstr()); return true;
    case platform::regExpandSz:
        if (registryDepth >= maxRegistryDepth)
            return false;
        registryDepth++;
        out = expandValue(Text(value.data.cstr()), ExpandForm::plain);
        registryDepth--;
        return true;
    case platform::regDword:
    case platform::regDwordBigEndian:
        if (value.data.length() < 4)
            return false;
        out = signedDecimal(bytes, value.type == platform::regDwordBigEndian);
        return true;
    default: out.setLength(0); return true;
    }
}

bool registryValue(const Text& name, Text& out)
{
    const RootPrefix* root = nullptr;
    for (const RootPrefix& candidate : rootPrefixes)
        if (std::strncmp(name.cstr(), candidate.prefix, std::strlen(candidate.prefix)) == 0) {
            root = &candidate;
            break;
        }
    Text rest = root ? name.mid(int32_t(std::strlen(root->prefix))) : name;
    const char* bar = std::strchr(rest.cstr(), '|');
    bool hasDefault = bar != nullptr;
    Text defaultText(bar ? bar + 1 : "");
    if (bar)
        rest = rest.left(int32_t(bar - rest.cstr()));
    platform::RegistryValue value;
    if (root) {
        const char* slash = std::strrchr(rest.cstr(), '\\');
        Text valueName(slash ? slash + 1 : "");
        Text keyPath = slash ? rest.left(int32_t(slash - rest.cstr())) : rest;
        if (platform::readRegistryValue(root->root, keyPath.cstr(), valueName.cstr(), value) && renderData(value, out))
            return true;
    }
    if (hasDefault)
        out = defaultText;
    return hasDefault;
}

bool resolve(const Text& name, Text& out)
{
    return resolveEnvironment(name, out) || specialVariable(name, out) || registryValue(name, out);
}

bool isNameChar(char c)
{
    unsigned char u = static_cast<unsigned char>(c);
    return u < 0x80 && (std::isalnum(u) || c == '_');
}

bool hasHighByte(const Text& text)
{
    for (const char* p = text.cstr(); *p; p++)
        if (static_cast<unsigned char>(*p) >= 0x80)
            return true;
    return false;
}

/// The name and end of the reference at s; e is the position after the name part.
void scanName(const char* v, int32_t n, int32_t s, Text& name, int32_t& e)
{
    if (s + 1 < n && v[s + 1] == '{') {
        const char* close = static_cast<const char*>(std::memchr(v + s + 2, '}', size_t(n - s - 2 > 0 ? n - s - 2 : 0)));
        int32_t end = close ? int32_t(close - v) : n;
        name = Text(v + s + 2, end - (s + 2) > 0 ? end - (s + 2) : 0);
        e = close ? end + 1 : n;
        return;
    }
    e = s + 1;
    while (e < n && isNameChar(v[e]))
        e++;
    name = Text(v + s + 1, e - s - 1);
}

}  // namespace

Text expandValue(const Text& value, ExpandForm form)
{
    const char* v = value.cstr();
    int32_t n = value.length();
    Text out;
    int32_t off = 0, pos = 0;
    while (off < n) {
        int32_t s = off;
        while (s < n && v[s] != '%' && v[s] != '$')
            s++;
        if (s >= n)
            break;
        char c = v[s];
        Text name, replacement;
        int32_t e = 0;
        scanName(v, n, s, name, e);
        if (name.length() == 0) {
            if (e >= n || v[e] != c) {
                off = e;
                continue;
            }
            replacement = Text(&c, 1);
            e++;
        } else {
            if (c == '%') {
                if (e >= n || v[e] != '%') {
                    off = e;
                    continue;
                }
                e++;
            }
            if (!resolve(name, replacement)) {
                off = e;
                continue;
            }
            if (form == ExpandForm::utf8 && hasHighByte(replacement))
                replacement = toUtf8(widen(replacement.cstr(), -1).data());
        }
        out.append(v + pos, s - pos);
        out.append(replacement.cstr());
        pos = off = e;
    }
    out.append(v + pos, n - pos);
    return out;
}

}  // namespace xvo
