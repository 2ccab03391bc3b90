#include "launcher/messages.h"

#include <cstdio>
#include <cstdlib>

#include "base/string_list.h"
#include "config/settings.h"
#include "launcher/current.h"
#include "launcher/string_table.h"

namespace xvo {

namespace {

/// The configured replacements: (identifier, text index) pairs in configuration order,
/// closed by the end pair (0, 0). Empty pairs means not built yet.
struct MessageOverrides {
    IntList pairs;
    StringList texts;
};

MessageOverrides& overrides()
{
    static MessageOverrides table;
    return table;
}

// Backslash escapes of a replacement text: \n, \r, \t, any other character stands for
// itself, and a trailing backslash is dropped.
Text unescape(const char* text)
{
    Text result;
    for (const char* p = text; *p; ++p) {
        if (*p != '\\') {
            result.append(p, 1);
            continue;
        }
        char next = *++p;
        if (next == 0)
            break;
        char plain = next == 'n' ? '\n' : next == 'r' ? '\r' : next == 't' ? '\t' : next;
        result.append(&plain, 1);
    }
    return result;
}

void buildOverrides(MessageOverrides& table)
{
    StringList values;
    if (Settings* settings = currentSettings())
        settings->getValueList("message", values, false, true);
    for (int32_t i = 0; i < values.count(); ++i) {
        const char* value = values.item(i);
        const char* equals = std::strchr(value, '=');
        if (!equals)
            continue;
        int32_t id = std::atoi(Text(value, int32_t(equals - value)).cstr());
        if (id <= 0)
            continue;
        table.pairs.push(id);
        table.pairs.push(table.texts.count());
        table.texts.append(unescape(equals + 1).cstr());
    }
    table.pairs.push(0);
    table.pairs.push(0);
}

}  // namespace

Text messageText(int32_t id)
{
    MessageOverrides& table = overrides();
    if (table.pairs.length() == 0)
        buildOverrides(table);
    // Configured identifiers are above 0, so the walk ends at the end pair (0, 0), which
    // must not answer a request for identifier 0.
    for (int32_t i = 0; i + 1 < table.pairs.length() && table.pairs[i] != 0; i += 2) {
        int32_t index = table.pairs[i + 1];
        if (table.pairs[i] == id && index >= 0 && index < table.texts.count())
            return Text(table.texts.item(index));
    }
    return stringTableText(id);
}

Text fillTemplate(const char* pattern, const char* const* arguments, int32_t count)
{
    Text result;
    int32_t next = 0;
    for (const char* p = pattern; p && *p; ++p) {
        if (p[0] == '%' && p[1] == 's') {
            if (next < count)
                result.append(arguments[next]);
            ++next;
            ++p;
        } else if (p[0] == '%' && p[1] == '%') {
            result.append("%");
            ++p;
        } else {
            result.append(p, 1);
        }
    }
    return result;
}

void reportMessage(const Text& text)
{
    std::fprintf(stderr, "%s\n", text.cstr());
    if (!sameTargetFlag())
        std::fprintf(stdout, "%s\n", text.cstr());
}

}  // namespace xvo
