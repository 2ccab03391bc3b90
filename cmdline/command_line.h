// Windows command lines in both directions: splitting into arguments and joining back.
#pragma once

#include <cstdint>

#include "base/text.h"

namespace xvo {

/// Wildcard marks of a split argument.
enum WildcardMark : int32_t {
    markNoWildcard = 0,
    markUnquotedWildcard = 1,  // every "*" and "?" stood outside double quotes
    markQuotedWildcard = -1,   // at least one stood inside double quotes
};

/// Splits buffer in place by the Windows rules for blanks, double quotes and backslashes
/// and appends a pointer to each argument (inside buffer) to arguments, which is not
/// cleared. When marks is given it ends up indexed like arguments, one WildcardMark per
/// entry (entries it lacked are added as 0). Returns the length of arguments.
int32_t splitCommandLine(Text& buffer, PtrList& arguments, IntList* marks);

/// Joins arguments[start] .. arguments[end - 1] into one command line that splits back
/// into the same arguments; empty arguments and those holding a blank, a double quote or
/// a wildcard character are quoted.
Text joinArguments(const char* const* arguments, int32_t end, int32_t start);

/// The text that goes between the double quotes of a quoted argument: quotes escaped,
/// and backslashes doubled where a quote follows them.
Text quoteArgument(const char* argument);

}  // namespace xvo
