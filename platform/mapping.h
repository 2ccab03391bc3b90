// Shared memory: named mappings and the executable's shared section.
#pragma once

#include <cstdint>

namespace xvo::platform {

/// A view of a named, page-file-backed mapping. Closing unmaps the view first, then
/// releases the mapping itself.
class NamedMapping {
public:
    NamedMapping() = default;
    NamedMapping(const NamedMapping&) = delete;
    NamedMapping& operator=(const NamedMapping&) = delete;
    ~NamedMapping() { close(); }

    /// Creates (or opens) the mapping called name with size bytes, zero-filled when new,
    /// and maps all of it read/write. False when either step fails.
    bool open(const char* name, int32_t size);
    void close();
    void* view() const { return view_; }

private:
    void* view_ = nullptr;
    intptr_t handle_ = -1;
    int32_t size_ = 0;
};

/// The executable's own shared section: one zero-filled page that every process started
/// from the same executable file shares. Null when it cannot be reached.
void* executableSharedSection();

}  // namespace xvo::platform
