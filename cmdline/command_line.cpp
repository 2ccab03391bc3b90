#include "cmdline/command_line.h"

namespace xvo {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Records a wildcard of argument `index`; a quoted wildcard is final, since it decides
// that the unquoted mode must leave the argument alone.
void markWildcard(IntList* marks, int32_t index, bool quoted)
{
    if (!marks)
        return;
    while (marks->length() <= index)
        marks->push(markNoWildcard);
    if ((*marks)[index] != markQuotedWildcard)
        (*marks)[index] = quoted ? markQuotedWildcard : markUnquotedWildcard;
}

// Copies a run of backslashes at s[i] to s[w] and applies the rule for a quote after it:
// 2n backslashes give n and leave the quote to be read; 2n + 1 give n and a literal quote.
void copyBackslashes(char* s, int32_t& i, int32_t& w)
{
    int32_t n = 0;
    while (s[i] == '\\') {
        s[w++] = s[i++];
        ++n;
    }
    if (s[i] != '"')
        return;
    w -= (n + 1) / 2;
    if (n % 2 == 1) {
        s[w++] = '"';
        ++i;
    }
}

}  // namespace

int32_t splitCommandLine(Text& buffer, PtrList& arguments, IntList* marks)
{
    char* s = buffer.cstr();
    // Up to the first NUL: every NUL then ends the line, so the scan always moves on.
    const int32_t end = int32_t(std::strlen(s));
    int32_t i = 0;
    int32_t w = 0;
    bool quoted = false;
    for (;;) {
        while (isBlank(s[i])) {
            s[w++] = '\0';
            ++i;
        }
        if (i >= end)
            break;
        arguments.push(s + w);
        const int32_t index = arguments.length() - 1;
        for (char c; (c = s[i]) != '\0' && (quoted || !isBlank(c));) {
            if (c == '"') {
                quoted = !quoted;
                ++i;
            } else if (c == '\\') {
                copyBackslashes(s, i, w);
            } else {
                if (c == '*' || c == '?')
                    markWildcard(marks, index, quoted);
                s[w++] = s[i++];
            }
        }
    }
    s[w] = '\0';
    if (marks)
        while (marks->length() < arguments.length())
            marks->push(markNoWildcard);
    return arguments.length();
}

Text quoteArgument(const char* argument)
{
    Text out;
    int32_t pending = 0;
    for (const char* p = argument; p && *p; ++p) {
        if (*p == '\\') {
            out.push('\\');
            ++pending;
        } else if (*p == '"') {
            for (; pending > 0; --pending)
                out.push('\\');
            out.append("\\\"");
        } else {
            out.push(*p);
            pending = 0;
        }
    }
    for (; pending > 0; --pending)
        out.push('\\');
    return out;
}

namespace {

bool needsQuotes(const char* argument)
{
    return *argument == '\0' || std::strpbrk(argument, " \t\"*?") != nullptr;
}

}  // namespace

Text joinArguments(const char* const* arguments, int32_t end, int32_t start)
{
    Text line;
    for (int32_t k = start; k < end; ++k) {
        const char* argument = arguments[k] ? arguments[k] : "";
        if (line.length() > 0)
            line.push(' ');
        if (needsQuotes(argument)) {
            line.push('"');
            line.append(quoteArgument(argument));
            line.push('"');
        } else {
            line.append(argument);
        }
    }
    return line;
}

}  // namespace xvo
