// The command line the process was started with.
#pragma once

#include "base/text.h"

namespace xvo::platform {

/// Keeps the arguments main received, for systems that pass no command line of their
/// own; called once at the start of the launch. The array must outlive the process's use
/// of processCommandLine.
void rememberArguments(int argc, char** argv);

/// The process's command line as one text. Where the system passes an argument vector
/// instead, the remembered arguments joined by the launcher's quoting rule, so that an
/// argument still holding a wildcard after the shell counts as quoted.
Text processCommandLine();

}  // namespace xvo::platform
