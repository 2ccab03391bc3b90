// The launch sequence: from process entry to exit code.
#pragma once

namespace xvo {

/// Prepares the process in its fixed order, dispatches the command and shuts down;
/// returns the exit code.
int launch(int argc, char** argv);

}  // namespace xvo
