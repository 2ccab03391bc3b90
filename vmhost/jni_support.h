// Small JNI disciplines shared by every caller into the VM.
#pragma once

#include <jni.h>

namespace xvo {

/// Deletes a local reference; null is allowed.
inline void deleteLocal(JNIEnv* env, jobject reference)
{
    if (reference)
        env->DeleteLocalRef(reference);
}

/// True when an exception was pending: it is described first when describe is set, then
/// cleared.
bool checkException(JNIEnv* env, bool describe);

/// Calls System.exit(status); if that returns, leaves no exception pending.
void callSystemExit(JNIEnv* env, int status);

}  // namespace xvo
