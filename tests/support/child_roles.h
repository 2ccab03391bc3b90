// Roles a test executable plays when a test starts it as a child process.
#pragma once

namespace xvo::test {

/// Runs the named role with its arguments; returns the child's exit code.
int runChildRole(const char* role, int argc, char** argv);

}  // namespace xvo::test
