// Named synchronisation objects.
#pragma once

#include <cstdint>

namespace xvo::platform {

enum class WaitResult { acquired, abandoned, timedOut, failed };

/// A named mutex that the system releases when its holder dies.
class NamedMutex {
public:
    NamedMutex() = default;
    NamedMutex(const NamedMutex&) = delete;
    NamedMutex& operator=(const NamedMutex&) = delete;
    ~NamedMutex() { close(); }

    /// Creates or opens the mutex, not owned. On failure returns false and sets error to
    /// the system's error code.
    bool create(const char* name, int32_t* error);
    /// Waits up to milliseconds for ownership.
    WaitResult wait(int32_t milliseconds);
    void close();

private:
    intptr_t handle_ = -1;
};

}  // namespace xvo::platform
