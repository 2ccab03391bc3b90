// The decision trace: with XVO_TRACE set to 1, each decision of a start is written to
// standard error, one line each, so a user can see why a runtime or class was (not) found.
#pragma once

namespace xvo {

/// True when the environment variable XVO_TRACE is "1" (read once per process).
bool tracing();

/// Writes "xvo: " + the formatted text + a line feed to standard error when tracing;
/// otherwise does nothing.
void trace(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace xvo
