#include "service/option_scanner.h"

#include <cctype>

namespace xvo {

namespace {

bool isOptionStart(char c)
{
    return c == '-' || c == '/';
}

bool equalsIgnoringCase(const char* a, const char* b, size_t n)
{
    for (size_t k = 0; k < n; ++k)
        if (std::toupper(static_cast<unsigned char>(a[k])) != std::toupper(static_cast<unsigned char>(b[k])))
            return false;
    return true;
}

}  // namespace

OptionScanner::OptionScanner(int argc, char** argv, const char* table, bool ignoreCase)
    : argc_(argc), argv_(argv), names_(table), ignoreCase_(ignoreCase)
{
    // The names stay in one copy of the table, cut into strings at every "|".
    char* text = names_.cstr();
    const int32_t length = names_.length();
    for (int32_t start = 0; start < length;) {
        int32_t end = start;
        while (end < length && text[end] != '|')
            ++end;
        text[end] = '\0';
        if (end > start) {
            bool valued = text[end - 1] == ':';
            if (valued)
                text[end - 1] = '\0';
            options_.push(text + start);
            takesValue_.push(valued ? 1 : 0);
        }
        start = end + 1;
    }
}

bool OptionScanner::sameName(const char* a, const char* b, size_t n) const
{
    return ignoreCase_ ? equalsIgnoringCase(a, b, n) : std::strncmp(a, b, n) == 0;
}

// The first option whose name rest names: exactly up to a ":" or "=" separator, or as a
// prefix when there is none. Returns its index, or -1.
int OptionScanner::matchOption(const char* rest, size_t& nameLength) const
{
    const char* separator = std::strpbrk(rest, ":=");
    const size_t restLength = std::strlen(rest);
    for (int32_t k = 0; k < options_.length(); ++k) {
        const size_t n = std::strlen(options_[k]);
        if (separator ? size_t(separator - rest) != n : restLength < n)
            continue;
        if (sameName(rest, options_[k], n)) {
            nameLength = n;
            return k;
        }
    }
    return -1;
}

// A value-taking option without an attached value takes the next argument unless that
// is an option itself.
int OptionScanner::takeValue(int& index, const char*& value) const
{
    if (*value != '\0')
        return optionFound;
    if (index < argc_ && argv_[index] && !isOptionStart(argv_[index][0])) {
        value = argv_[index++];
        return optionFound;
    }
    return optionValueMissing;
}

int OptionScanner::next(int& index, const char*& name, const char*& value) const
{
    if (index < 0 || index >= argc_)
        return optionEnd;
    const char* argument = argv_[index] ? argv_[index] : "";
    ++index;
    if (!isOptionStart(argument[0])) {
        name = nullptr;
        value = argument;
        return optionFound;
    }
    const char* rest = argument + 1;
    size_t nameLength = 0;
    int k = matchOption(rest, nameLength);
    if (k < 0) {
        name = argument;
        value = nullptr;
        return optionUnknown;
    }
    name = options_[k];
    value = rest + nameLength;
    if (*value == ':' || *value == '=')
        ++value;
    if (takesValue_[k])
        return takeValue(index, value);
    return *value != '\0' ? optionFlagWithValue : optionFound;
}

const char* OptionScanner::find(const char* name, int occurrence) const
{
    int index = 0;
    const char* found = nullptr;
    const char* value = nullptr;
    for (int result; (result = next(index, found, value)) != optionEnd;) {
        if (result < optionFound)
            continue;
        if (name ? !found || !sameName(found, name, std::strlen(name) + 1) : found != nullptr)
            continue;
        if (occurrence-- == 0)
            return value;
    }
    return nullptr;
}

bool isTrueValue(const char* text)
{
    static const char* const falseWords[] = {"off", "no", "false", "0"};
    if (!text)
        return true;
    for (const char* word : falseWords)
        if (equalsIgnoringCase(text, word, std::strlen(word)))
            return false;
    return true;
}

}  // namespace xvo
