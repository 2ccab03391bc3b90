// Destinations for the standard streams: a file appended to, or the input of a command.
#pragma once

#include <cstdint>
#include <cstdio>

namespace xvo::platform {

/// A system handle (Windows) or descriptor (POSIX) carried as an integer.
using OsHandle = int64_t;
constexpr OsHandle noHandle = -1;

/// One opened destination. The runtime stream, when there is one, owns the handle.
struct OutputSink {
    OsHandle handle = noHandle;
    std::FILE* stream = nullptr;
    /// Default buffering for a command; a file is written unbuffered so that nothing
    /// waits in the launcher when it dies.
    bool buffered = false;
};

/// Opens path for appending, creating it when missing. Other processes may read, write
/// or delete the file while it is open, and every write lands at the end, so two
/// processes sharing one log do not overwrite each other. False leaves sink empty.
bool openAppendFile(const char* path, OutputSink& sink);

/// Starts commandLine without a window, its standard input the read end of a pipe
/// and its output discarded; sink receives the write end, which no child inherits, so
/// the command sees the end of its input when this process's side is closed. Nothing
/// waits for the command. False (sink empty) for an empty command or a failed start.
bool startCommandSink(const char* commandLine, OutputSink& sink);

/// Flushes and closes the destination; sink is empty afterwards.
void closeOutputSink(OutputSink& sink);

/// One synchronous write of count bytes to a handle or descriptor that someone else
/// opened; false when the system refuses it.
bool writeToHandle(OsHandle handle, const void* bytes, int32_t count);

}  // namespace xvo::platform
