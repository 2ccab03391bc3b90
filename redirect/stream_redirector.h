// Standard output and standard error redirected to files or commands.
#pragma once

namespace xvo {

/// Redirects standard error to a file, or to the input of a command for a name that
/// starts with "|". A target that cannot be opened leaves the stream as it was.
void redirectStderr(const char* name);
/// As redirectStderr, for standard output.
void redirectStdout(const char* name);

}  // namespace xvo
