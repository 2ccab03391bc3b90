// POSIX only: files and command pipes that receive the standard streams.
#include "platform/output_sink.h"

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

extern char** environ;

namespace xvo::platform {

namespace {

bool attachStream(int fd, bool buffered, OutputSink& sink)
{
    std::FILE* stream = fdopen(fd, "a");
    if (!stream) {
        close(fd);
        return false;
    }
    if (!buffered)
        std::setvbuf(stream, nullptr, _IONBF, 0);
    sink.handle = fd;
    sink.stream = stream;
    sink.buffered = buffered;
    return true;
}

bool spawnReader(const char* commandLine, int readEnd)
{
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, readEnd, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    posix_spawnattr_init(&attributes);
    // The launcher ignores a broken pipe (below); the command gets the usual default.
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    char* argv[] = {const_cast<char*>("sh"), const_cast<char*>("-c"), const_cast<char*>(commandLine), nullptr};
    pid_t pid = 0;
    int error = posix_spawn(&pid, "/bin/sh", &actions, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return error == 0;
}

}  // namespace

bool openAppendFile(const char* path, OutputSink& sink)
{
    int fd = open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    return fd >= 0 && attachStream(fd, false, sink);
}

bool startCommandSink(const char* commandLine, OutputSink& sink)
{
    if (!commandLine || !*commandLine)
        return false;
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0)
        return false;
    bool started = spawnReader(commandLine, ends[0]);
    // Only the command reads: a read end kept here would let writes block for ever
    // once the command has gone, instead of failing.
    close(ends[0]);
    if (!started) {
        close(ends[1]);
        return false;
    }
    // A command that ends early must not take the launcher with it.
    std::signal(SIGPIPE, SIG_IGN);
    return attachStream(ends[1], true, sink);
}

void closeOutputSink(OutputSink& sink)
{
    if (sink.stream)
        std::fclose(sink.stream);
    else if (sink.handle != noHandle)
        close(int(sink.handle));
    sink = OutputSink();
}

bool writeToHandle(OsHandle handle, const void* bytes, int32_t count)
{
    return write(int(handle), bytes, size_t(count)) == ssize_t(count);
}

}  // namespace xvo::platform
