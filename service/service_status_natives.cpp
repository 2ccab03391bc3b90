// The natives of the Java ServiceStatusManager that hand the launcher's argument lists to
// the application.
#include <jni.h>

#include "service/dispatcher.h"
#include "vmhost/main_invocation.h"

namespace {

// Built once and kept: Java sees the same array object on every call.
jobjectArray cachedArray(JNIEnv* env, jobjectArray& cache, int count, char** list)
{
    if (cache)
        return cache;
    jobjectArray array = xvo::newStringArray(env, count, list, 0, nullptr, 0, nullptr);
    if (!array)
        return nullptr;
    cache = static_cast<jobjectArray>(env->NewGlobalRef(array));
    env->DeleteLocalRef(array);
    return cache;
}

jobjectArray launcherArguments = nullptr;
jobjectArray startParameters = nullptr;

}  // namespace

extern "C" JNIEXPORT jobjectArray JNICALL Java_com_tessaron_xvo_ServiceStatusManager_getCommandLineArguments(JNIEnv* env, jclass)
{
    return cachedArray(env, launcherArguments, xvo::savedArgumentCount(), xvo::savedArguments());
}

// The service's start parameters; outside service mode there are none.
extern "C" JNIEXPORT jobjectArray JNICALL Java_com_tessaron_xvo_ServiceStatusManager_getStartupParameters(JNIEnv* env, jclass)
{
    return cachedArray(env, startParameters, 0, nullptr);
}
