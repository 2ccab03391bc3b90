// Standard output and standard error redirected to files or commands.
#pragma once

#include <memory>

#include "base/text.h"
#include "platform/output_sink.h"
#include "platform/std_streams.h"

namespace xvo {

/// One opened destination, named by the configured value that selected it.
struct RedirectTarget {
    Text name;
    platform::OutputSink sink;
    std::unique_ptr<RedirectTarget> next;

    bool opened() const { return sink.handle != platform::noHandle; }
};

/// The process-wide owner of the redirection: its targets and what the standard streams
/// pointed at before. Each stream is redirected at most once; the first request that
/// opens its target wins.
class StreamRedirector {
public:
    StreamRedirector() = default;
    StreamRedirector(const StreamRedirector&) = delete;
    StreamRedirector& operator=(const StreamRedirector&) = delete;
    /// Flushes the standard streams, closes every target and gives the standard
    /// handles back.
    ~StreamRedirector();

    /// The target with exactly this name (case-sensitive), or a new one opened and
    /// kept. A name starting with "|" is a command; any other name is a file.
    RedirectTarget& findOrCreateTarget(const char* name);
    void redirectStderr(const char* name) { redirect(platform::StdStream::error, name); }
    void redirectStdout(const char* name) { redirect(platform::StdStream::output, name); }

    /// The handle of the target last requested for the stream; noHandle when it failed.
    platform::OsHandle requestedHandle(platform::StdStream which) const;
    bool isRedirected(platform::StdStream which) const;
    int32_t targetCount() const;

private:
    struct Slot {
        bool redirected = false;
        platform::OsHandle saved = platform::noHandle;
        platform::OsHandle requested = platform::noHandle;
    };

    void redirect(platform::StdStream which, const char* name);
    Slot& slot(platform::StdStream which) { return which == platform::StdStream::output ? stdout_ : stderr_; }
    const Slot& slot(platform::StdStream which) const;

    std::unique_ptr<RedirectTarget> targets_;
    Slot stdout_;
    Slot stderr_;
};

/// The process's redirector, alive until the process exits.
StreamRedirector& streamRedirector();

/// Redirects standard error to a file, or to the input of a command for a name that
/// starts with "|". A target that cannot be opened leaves the stream as it was.
void redirectStderr(const char* name);
/// As redirectStderr, for standard output.
void redirectStdout(const char* name);

}  // namespace xvo
