// The process's standard output and standard error at both levels: the system's
// standard handles, which the Java VM and child processes take, and the runtime
// library's streams, through which the launcher prints.
#pragma once

#include "platform/output_sink.h"

namespace xvo::platform {

enum class StdStream { output, error };

/// Points the standard stream at sink: the system handle and the runtime stream, which
/// takes the sink's buffering. saved receives a handle to restore later (noHandle when
/// the process had none). False leaves the stream as it was.
bool pointStandardStream(StdStream which, const OutputSink& sink, OsHandle* saved);

/// Gives the standard stream's system handle back to saved (from pointStandardStream).
void restoreStandardStream(StdStream which, OsHandle saved);

}  // namespace xvo::platform
