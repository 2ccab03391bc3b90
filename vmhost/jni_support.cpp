#include "vmhost/jni_support.h"

namespace xvo {

bool checkException(JNIEnv* env, bool describe)
{
    if (!env->ExceptionCheck())
        return false;
    if (describe)
        env->ExceptionDescribe();
    env->ExceptionClear();
    return true;
}

void callSystemExit(JNIEnv* env, int status)
{
    jclass system = env->FindClass("java/lang/System");
    if (!system) {
        env->ExceptionClear();
        return;
    }
    jmethodID exit = env->GetStaticMethodID(system, "exit", "(I)V");
    if (exit)
        env->CallStaticVoidMethod(system, exit, jint(status));
    env->ExceptionClear();
    env->DeleteLocalRef(system);
}

}  // namespace xvo
