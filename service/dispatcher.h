// The command dispatcher: every start ends here.
#pragma once

namespace xvo {

/// Runs the command named by the arguments (the program name excluded); the result is
/// the process exit code.
int dispatchCommand(int argc, char** argv);

}  // namespace xvo
