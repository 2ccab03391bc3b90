// Win32 only: the process's standard handles and the runtime's standard streams.
#include "platform/std_streams.h"

#include <io.h>

#include "platform/win32/windows_api.h"

namespace xvo::platform {

namespace {

DWORD handleIdOf(StdStream which)
{
    return which == StdStream::output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
}

int descriptorOf(StdStream which)
{
    return which == StdStream::output ? 1 : 2;
}

std::FILE* streamOf(StdStream which)
{
    return which == StdStream::output ? stdout : stderr;
}

// The runtime closes the handle under its descriptor when the descriptor is replaced,
// so what is kept for the restore is a copy of its own.
OsHandle keepOriginal(StdStream which)
{
    HANDLE original = GetStdHandle(handleIdOf(which));
    HANDLE self = GetCurrentProcess();
    HANDLE copy = nullptr;
    if (original == nullptr || original == INVALID_HANDLE_VALUE ||
        !DuplicateHandle(self, original, self, &copy, 0, FALSE, DUPLICATE_SAME_ACCESS))
        return noHandle;
    return OsHandle(reinterpret_cast<intptr_t>(copy));
}

}  // namespace

bool pointStandardStream(StdStream which, const OutputSink& sink, OsHandle* saved)
{
    int fd = descriptorOf(which);
    std::FILE* stream = streamOf(which);
    std::fflush(stream);
    OsHandle original = keepOriginal(which);
    if (_dup2(_fileno(sink.stream), fd) != 0) {
        if (original != noHandle)
            CloseHandle(reinterpret_cast<HANDLE>(static_cast<intptr_t>(original)));
        return false;
    }
    // The runtime's copy is inheritable; a command started later must not hold it,
    // or a command target would never see the end of its input.
    SetHandleInformation(reinterpret_cast<HANDLE>(_get_osfhandle(fd)), HANDLE_FLAG_INHERIT, 0);
    SetStdHandle(handleIdOf(which), reinterpret_cast<HANDLE>(static_cast<intptr_t>(sink.handle)));
    std::setvbuf(stream, nullptr, sink.buffered ? _IOFBF : _IONBF, BUFSIZ);
    *saved = original;
    return true;
}

void restoreStandardStream(StdStream which, OsHandle saved)
{
    // With no handle to give back, none is better than one that has been closed.
    HANDLE handle = saved == noHandle ? nullptr : reinterpret_cast<HANDLE>(static_cast<intptr_t>(saved));
    SetStdHandle(handleIdOf(which), handle);
}

}  // namespace xvo::platform
