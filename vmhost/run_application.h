// The whole run of the Java application, from its environment to the report of a failure.
#pragma once

namespace xvo {

/// Called once the VM exists and its version is accepted, before the main class runs.
using StartHook = void (*)();

/// Runs the application with the two argument lists after the configured ones; hook may
/// be null. Returns 0, or the identifier of the message that was reported.
int runApplication(int firstCount, char** firstArguments, StartHook hook, int secondCount, char** secondArguments);

}  // namespace xvo
