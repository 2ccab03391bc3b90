// POSIX only: the named mutex as a lock file; the kernel drops the lock with its holder.
#include "platform/sync.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/text.h"
#include "platform/process.h"

namespace xvo::platform {

namespace {

Text lockDirectory()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    Text directory(runtime && *runtime ? runtime : "/tmp");
    directory.append("/xvo-locks-");
    Text uid;
    uid.format("%u", unsigned(getuid()));
    directory.append(uid);
    return directory;
}

}  // namespace

bool NamedMutex::create(const char* name, int32_t* error)
{
    close();
    Text path = lockDirectory();
    if (mkdir(path.cstr(), 0700) != 0 && errno != EEXIST) {
        *error = errno;
        return false;
    }
    path.append("/");
    int32_t nameStart = path.length();
    path.append(name);
    for (int32_t i = nameStart; i < path.length(); ++i)
        if (path[i] == '/')
            path[i] = '.';
    int fd = open(path.cstr(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        *error = errno;
        return false;
    }
    handle_ = fd;
    return true;
}

WaitResult NamedMutex::wait(int32_t milliseconds)
{
    if (handle_ == -1)
        return WaitResult::failed;
    // flock has no timeout: poll in short steps until the time is up.
    constexpr int32_t step = 5;
    for (int32_t waited = 0;; waited += step) {
        if (flock(int(handle_), LOCK_EX | LOCK_NB) == 0)
            return WaitResult::acquired;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return WaitResult::failed;
        if (waited >= milliseconds)
            return WaitResult::timedOut;
        sleepMilliseconds(step);
    }
}

void NamedMutex::close()
{
    if (handle_ != -1)
        ::close(int(handle_));
    handle_ = -1;
}

}  // namespace xvo::platform
