// The command dispatcher: every start ends here.
#pragma once

namespace xvo {

/// Runs the command named by the arguments (the program name excluded): install,
/// uninstall, test or help; without a command, prints the help text and enters service
/// mode. The result is the process exit code.
int dispatchCommand(int argc, char** argv);

/// The launcher arguments saved on entering service mode (count 0 and null otherwise);
/// the service's main function reads them.
int savedArgumentCount();
char** savedArguments();

}  // namespace xvo
