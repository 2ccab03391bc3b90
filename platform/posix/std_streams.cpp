// POSIX only: descriptors 1 and 2 and the runtime's standard streams.
#include "platform/std_streams.h"

#include <fcntl.h>
#include <unistd.h>

namespace xvo::platform {

namespace {

int descriptorOf(StdStream which)
{
    return which == StdStream::output ? 1 : 2;
}

std::FILE* streamOf(StdStream which)
{
    return which == StdStream::output ? stdout : stderr;
}

}  // namespace

bool pointStandardStream(StdStream which, const OutputSink& sink, OsHandle* saved)
{
    int fd = descriptorOf(which);
    std::FILE* stream = streamOf(which);
    std::fflush(stream);
    int original = fcntl(fd, F_DUPFD_CLOEXEC, 3);
    if (dup2(int(sink.handle), fd) < 0) {
        if (original >= 0)
            close(original);
        return false;
    }
    std::setvbuf(stream, nullptr, sink.buffered ? _IOFBF : _IONBF, BUFSIZ);
    *saved = original >= 0 ? OsHandle(original) : noHandle;
    return true;
}

void restoreStandardStream(StdStream which, OsHandle saved)
{
    if (saved == noHandle)
        return;
    dup2(int(saved), descriptorOf(which));
    close(int(saved));
}

}  // namespace xvo::platform
