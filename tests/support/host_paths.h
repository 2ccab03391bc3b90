// Paths and console text as the tests see them on either target.
#pragma once

#include <string>

namespace xvo::test {

/// A path of the Linux side as the running test reaches it: unchanged on Linux, through
/// Wine's drive for the Unix root ("Z:") with backslashes in the Windows build.
std::string hostPath(std::string path);

/// The text with every carriage return removed, so console output compares alike on
/// both targets.
std::string withoutCarriageReturns(std::string text);

}  // namespace xvo::test
