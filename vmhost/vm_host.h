// The process's one Java VM: the VM library, the VM and the creating thread's JNIEnv.
#pragma once

#include <jni.h>

#include "base/string_list.h"

namespace xvo {

class VmHost {
public:
    VmHost() = default;
    VmHost(const VmHost&) = delete;
    VmHost& operator=(const VmHost&) = delete;
    ~VmHost();

    /// The VM options collected for the next creation, in order.
    StringList options;
    void* module = nullptr;
    JavaVM* vm = nullptr;
    JNIEnv* env = nullptr;
};

/// Result codes of a VM creation; they double as message identifiers.
enum CreateVmResult : int { vmCreated = 0, vmLibraryNotValid = 2, vmCreationFailed = 4 };

void addOption(VmHost& host, const char* option);

/// Loads the VM library (widening PATH once when the first load fails) and creates the
/// VM with the collected options, which are released whatever the outcome.
int createVm(VmHost& host, const char* libraryPath);

/// Destroys the VM if one exists, then releases the VM library.
void teardown(VmHost& host);

/// Sets one Java system property from "name=value" (UTF-8); without "=" the value is
/// empty. Leaves no exception pending.
void setSystemProperty(JNIEnv* env, const char* assignment);

}  // namespace xvo
