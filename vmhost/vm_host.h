// The process's one Java VM: the VM library, the VM and the creating thread's JNIEnv.
#pragma once

namespace xvo {

class VmHost {
public:
    VmHost() = default;
    VmHost(const VmHost&) = delete;
    VmHost& operator=(const VmHost&) = delete;
    ~VmHost();

    void* module = nullptr;
    void* vm = nullptr;
    void* env = nullptr;
};

/// Destroys the VM if one exists, then releases the VM library.
void teardown(VmHost& host);

}  // namespace xvo
