// Win32 only: files and command pipes that receive the standard streams.
#include "platform/output_sink.h"

#include <fcntl.h>
#include <io.h>

#include "base/text.h"
#include "platform/win32/windows_api.h"

namespace xvo::platform {

namespace {

HANDLE asHandle(OsHandle handle)
{
    return reinterpret_cast<HANDLE>(static_cast<intptr_t>(handle));
}

// The runtime stream takes the handle over: closing the stream closes the handle.
bool attachStream(HANDLE handle, bool buffered, OutputSink& sink)
{
    int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_APPEND | _O_TEXT);
    std::FILE* stream = fd >= 0 ? _fdopen(fd, "a") : nullptr;
    if (!stream) {
        if (fd >= 0)
            _close(fd);
        else
            CloseHandle(handle);
        return false;
    }
    if (!buffered)
        std::setvbuf(stream, nullptr, _IONBF, 0);
    sink.handle = OsHandle(reinterpret_cast<intptr_t>(handle));
    sink.stream = stream;
    sink.buffered = buffered;
    return true;
}

// Only the read end is inheritable, so the command holds no write end of its own.
bool createPipe(HANDLE* readEnd, HANDLE* writeEnd)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE inheritableWrite = nullptr;
    if (!CreatePipe(readEnd, &inheritableWrite, &inherit, 0))
        return false;
    HANDLE self = GetCurrentProcess();
    BOOL ok = DuplicateHandle(self, inheritableWrite, self, writeEnd, 0, FALSE, DUPLICATE_SAME_ACCESS);
    CloseHandle(inheritableWrite);
    if (!ok)
        CloseHandle(*readEnd);
    return ok != 0;
}

bool startReader(const char* commandLine, HANDLE readEnd)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = readEnd;
    PROCESS_INFORMATION info{};
    Text line(commandLine);
    if (!CreateProcessA(nullptr, line.cstr(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                        &info))
        return false;
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return true;
}

}  // namespace

bool openAppendFile(const char* path, OutputSink& sink)
{
    // Append access without plain write access: the system puts every write at the
    // current end, whoever else appends to the file.
    DWORD access = FILE_GENERIC_WRITE & ~FILE_WRITE_DATA;
    HANDLE file = CreateFileA(path, access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_ARCHIVE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    SetFilePointer(file, 0, nullptr, FILE_END);
    return attachStream(file, false, sink);
}

bool startCommandSink(const char* commandLine, OutputSink& sink)
{
    if (!commandLine || !*commandLine)
        return false;
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!createPipe(&readEnd, &writeEnd))
        return false;
    bool started = startReader(commandLine, readEnd);
    // Only the command reads: a read end kept here would let writes block for ever
    // once the command has gone, instead of failing.
    CloseHandle(readEnd);
    if (!started) {
        CloseHandle(writeEnd);
        return false;
    }
    return attachStream(writeEnd, true, sink);
}

void closeOutputSink(OutputSink& sink)
{
    if (sink.stream)
        std::fclose(sink.stream);
    else if (sink.handle != noHandle)
        CloseHandle(asHandle(sink.handle));
    sink = OutputSink();
}

bool writeToHandle(OsHandle handle, const void* bytes, int32_t count)
{
    DWORD written = 0;
    return WriteFile(reinterpret_cast<HANDLE>(handle), bytes, DWORD(count), &written, nullptr) && written == DWORD(count);
}

}  // namespace xvo::platform
