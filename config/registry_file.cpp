#include "config/registry_file.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

#include "base/convert.h"

namespace xvo {

namespace {

using platform::RegistryValue;

struct Cursor {
    const char* text;
    int32_t length;
    int32_t pos;
};

/// The next logical line: hex data continued with a trailing backslash is joined.
bool nextLine(Cursor& c, Text& line)
{
    line.setLength(0);
    if (c.pos >= c.length)
        return false;
    for (;;) {
        int32_t start = c.pos;
        while (c.pos < c.length && c.text[c.pos] != '\n')
            c.pos++;
        int32_t end = c.pos;
        if (c.pos < c.length)
            c.pos++;
        while (end > start && (c.text[end - 1] == '\r' || c.text[end - 1] == ' ' || c.text[end - 1] == '\t'))
            end--;
        while (start < end && (c.text[start] == ' ' || c.text[start] == '\t'))
            start++;
        bool continued = end > start && c.text[end - 1] == '\\' && std::strstr(line.cstr(), "=hex") != nullptr;
        line.append(c.text + start, end - start);
        if (!continued && std::strstr(line.cstr(), "=hex") != nullptr && line.length() > 0
            && line.cstr()[line.length() - 1] == '\\')
            continued = true;
        if (!continued || c.pos >= c.length)
            return true;
        line.setLength(line.length() - 1);
    }
}

const char* const rootNames[][2] = {
    {"HKLM", "HKEY_LOCAL_MACHINE"}, {"HKCU", "HKEY_CURRENT_USER"}, {"HKCR", "HKEY_CLASSES_ROOT"},
    {"HKU", "HKEY_USERS"}, {"HKCC", "HKEY_CURRENT_CONFIG"},
};

/// The header's key with an abbreviated root written out.
Text headerKey(const char* inner, int32_t count)
{
    Text key(inner, count);
    for (const auto& root : rootNames) {
        size_t n = std::strlen(root[0]);
        if (size_t(count) >= n && strncasecmp(inner, root[0], n) == 0 && (size_t(count) == n || inner[n] == '\\'))
            return Text(root[1]) + key.mid(int32_t(n));
    }
    return key;
}

/// A quoted string starting at p (after its opening quote); p ends after the closing quote.
bool quoted(const char*& p, Text& out)
{
    out.setLength(0);
    for (; *p; p++) {
        if (*p == '"') {
            p++;
            return true;
        }
        if (*p == '\\' && p[1])
            p++;
        out.append(p, 1);
    }
    return false;
}

bool hexBytes(const char* p, Text& out)
{
    out.setLength(0);
    while (*p) {
        while (*p == ' ' || *p == '\t' || *p == ',')
            p++;
        if (!*p)
            break;
        if (!std::isxdigit(static_cast<unsigned char>(p[0])) || !std::isxdigit(static_cast<unsigned char>(p[1])))
            return false;
        char pair[3] = {p[0], p[1], 0};
        char byte = char(std::strtoul(pair, nullptr, 16));
        out.append(&byte, 1);
        p += 2;
    }
    return true;
}

/// Version 5 files hold string types as UTF-16LE; the narrow interface gives them in the
/// current code page.
void narrowStrings(Text& data)
{
    int32_t units = data.length() / 2;
    WideText wide;
    for (int32_t i = 0; i < units; i++) {
        const unsigned char* b = reinterpret_cast<const unsigned char*>(data.cstr()) + 2 * i;
        char16_t u = char16_t(b[0] | (b[1] << 8));
        wide.append(&u, 1);
    }
    Text result;
    // Each string of a multi-string ends with a 0 unit; convert them one by one.
    int32_t start = 0;
    for (int32_t i = 0; i <= units; i++) {
        if (i == units || wide.data()[i] == 0) {
            if (i > start)
                result.append(narrow(wide.data() + start, i - start));
            if (i < units)
                result.append("\0", 1);
            start = i + 1;
        }
    }
    data = result;
}

bool parseData(const char* p, bool unicode, RegistryValue& out)
{
    if (*p == '"') {
        p++;
        out.type = platform::regSz;
        // The stored string keeps its terminator, as the system reports its size.
        if (!quoted(p, out.data))
            return false;
        out.data.append("\0", 1);
        return true;
    }
    if (strncasecmp(p, "dword:", 6) == 0) {
        p += 6;
        if (std::strlen(p) != 8 || std::strspn(p, "0123456789abcdefABCDEF") != 8)
            return false;
        uint32_t v = uint32_t(std::strtoul(p, nullptr, 16));
        char bytes[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
        out.type = platform::regDword;
        out.data = Text(bytes, 4);
        return true;
    }
    if (strncasecmp(p, "hex:", 4) == 0) {
        out.type = platform::regBinary;
        return hexBytes(p + 4, out.data);
    }
    if (strncasecmp(p, "hex(", 4) == 0) {
        char* end = nullptr;
        unsigned long type = std::strtoul(p + 4, &end, 16);
        if (end == p + 4 || end[0] != ')' || end[1] != ':' || !hexBytes(end + 2, out.data))
            return false;
        out.type = uint32_t(type);
        if (unicode && (type == platform::regExpandSz || type == platform::regMultiSz || type == platform::regSz))
            narrowStrings(out.data);
        return true;
    }
    return false;
}

/// A value line "name"=data or @=data; true with out filled when it names valueName.
bool valueLine(const Text& line, const char* valueName, bool unicode, RegistryValue& out)
{
    const char* p = line.cstr();
    Text name;
    if (*p == '@')
        p++;
    else if (*p == '"') {
        p++;
        if (!quoted(p, name))
            return false;
    } else
        return false;
    if (name.compareNoCase(valueName) != 0 || *p != '=')
        return false;
    return parseData(p + 1, unicode, out);
}

}  // namespace

bool findRegistryFileValue(const Text& fileText, const char* fullKey, const char* valueName,
                           platform::RegistryValue& out)
{
    Cursor c{fileText.cstr(), fileText.length(), 0};
    Text line;
    bool unicode = false;
    bool inKey = false;
    bool found = false;
    while (nextLine(c, line)) {
        if (line.compare("Windows Registry Editor Version 5.00") == 0 || std::strstr(line.cstr(), "Version 5.00"))
            unicode = true;
        if (line.length() >= 2 && line.cstr()[0] == '[' && line.cstr()[line.length() - 1] == ']') {
            inKey = headerKey(line.cstr() + 1, line.length() - 2).compareNoCase(fullKey) == 0;
            continue;
        }
        RegistryValue candidate;
        // A later line for the same value overrides an earlier one, as an import would.
        if (inKey && valueLine(line, valueName ? valueName : "", unicode, candidate)) {
            out = candidate;
            found = true;
        }
    }
    return found;
}

}  // namespace xvo
