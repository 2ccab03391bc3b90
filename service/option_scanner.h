// Command-line options read against a table of names: flags and value-taking options.
#pragma once

#include <cstdint>

#include "base/text.h"

namespace xvo {

/// Result kinds of OptionScanner::next.
enum OptionResult : int {
    optionEnd = 0,           // no argument left
    optionFound = 1,         // a positional argument (name null) or an option with its value
    optionFlagWithValue = 2, // a flag that carries an attached value
    optionValueMissing = -1, // a value-taking option without a value (the value is empty)
    optionUnknown = -2,      // starts with "-" or "/" but matches no option
};

/// Scans a borrowed argument array against an option table given as one text:
/// "|name|name:|..." where a trailing ":" marks an option that takes a value. The scan
/// position belongs to the caller, so several scans can share one scanner.
class OptionScanner {
public:
    OptionScanner(int argc, char** argv, const char* table, bool ignoreCase);

    /// Reads the argument at index and advances it; sets name (the table's name, the raw
    /// argument for an unknown option, or null for a positional one) and value (null
    /// for an unknown option). Returns an OptionResult.
    int next(int& index, const char*& name, const char*& value) const;

    /// The value of the given occurrence (0 first) of the named option over the whole
    /// list, or of positional arguments when name is null; null when there is none.
    const char* find(const char* name, int occurrence) const;

private:
    bool sameName(const char* a, const char* b, size_t n) const;
    int matchOption(const char* rest, size_t& nameLength) const;
    int takeValue(int& index, const char*& value) const;

    int argc_;
    char** argv_;
    Text names_;
    PtrList options_;
    IntList takesValue_;
    bool ignoreCase_;
};

/// The boolean reading of an option value: false when it begins, ignoring case, with
/// "off", "no", "false" or "0"; true otherwise, the empty text included.
bool isTrueValue(const char* text);

}  // namespace xvo
