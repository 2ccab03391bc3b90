#include "vmhost/main_invocation.h"

#include "base/convert.h"
#include "base/trace.h"
#include "cmdline/command_line.h"
#include "vmhost/jni_support.h"
#include "vmhost/vm_host.h"

namespace xvo {

namespace {

// Launcher text (current code page) as a Java string; null entries become "".
jstring newJavaString(JNIEnv* env, const char* text)
{
    WideText units = text ? widen(text, -1) : WideText();
    return env->NewString(reinterpret_cast<const jchar*>(units.data()), units.length());
}

bool storeAll(JNIEnv* env, jobjectArray array, jsize& index, int count, char** list)
{
    for (int i = 0; i < count; ++i, ++index) {
        jstring element = newJavaString(env, list ? list[i] : nullptr);
        if (!element)
            return false;
        env->SetObjectArrayElement(array, index, element);
        env->DeleteLocalRef(element);
    }
    return true;
}

// Every "argv" value split by the command-line rules, in configuration order.
void splitConfiguredArguments(const StringList& argv, StringList& arguments)
{
    for (int32_t i = 0; i < argv.count(); ++i) {
        Text value(argv.item(i));
        PtrList pieces;
        splitCommandLine(value, pieces, nullptr);
        for (int32_t k = 0; k < pieces.length(); ++k)
            arguments.append(pieces[k]);
    }
}

}  // namespace

jclass findMainClass(VmHost& host, const char* name)
{
    Text slashed(name);
    slashed.replaceAll(".", "/");
    trace("main class %s", slashed.cstr());
    jclass found = host.env->FindClass(slashed.cstr());
    if (!found)
        checkException(host.env, true);
    return found;
}

jobjectArray newStringArray(JNIEnv* env, int count1, char** list1, int count2, char** list2, int count3, char** list3)
{
    jclass stringClass = env->FindClass("java/lang/String");
    jobjectArray array = stringClass ? env->NewObjectArray(jsize(count1 + count2 + count3), stringClass, nullptr) : nullptr;
    jsize index = 0;
    // A VM out of memory gets no further calls; the caller sees a null array.
    if (!array || !storeAll(env, array, index, count1, list1) || !storeAll(env, array, index, count2, list2) ||
        !storeAll(env, array, index, count3, list3)) {
        checkException(env, true);
        deleteLocal(env, array);
        array = nullptr;
    }
    deleteLocal(env, stringClass);
    return array;
}

int invokeMain(VmHost& host, const char* className, const StringList& argv, int firstCount, char** first,
               int secondCount, char** second)
{
    JNIEnv* env = host.env;
    jclass mainClass = findMainClass(host, className);
    if (!mainClass)
        return mainClassMissing;
    jmethodID main = env->GetStaticMethodID(mainClass, "main", "([Ljava/lang/String;)V");
    if (!main) {
        checkException(env, true);
        env->DeleteLocalRef(mainClass);
        return mainMethodMissing;
    }
    StringList configured;
    splitConfiguredArguments(argv, configured);
    PtrList pointers;
    for (int32_t i = 0; i < configured.count(); ++i)
        pointers.push(configured.item(i));
    jobjectArray arguments =
        newStringArray(env, pointers.length(), pointers.data(), firstCount, first, secondCount, second);
    // main is not called with a missing array: it would see null where it expects its arguments.
    if (arguments)
        env->CallStaticVoidMethod(mainClass, main, arguments);
    checkException(env, true);
    deleteLocal(env, arguments);
    env->DeleteLocalRef(mainClass);
    return mainReturned;
}

void setContextLoader(VmHost& host, jobject loader, JNIEnv* env)
{
    if (!env)
        env = host.env;
    jclass thread = env->FindClass("java/lang/Thread");
    if (!thread) {
        env->ExceptionClear();
        return;
    }
    jmethodID current = env->GetStaticMethodID(thread, "currentThread", "()Ljava/lang/Thread;");
    jmethodID setLoader = current ? env->GetMethodID(thread, "setContextClassLoader", "(Ljava/lang/ClassLoader;)V") : nullptr;
    jobject self = setLoader ? env->CallStaticObjectMethod(thread, current) : nullptr;
    if (self)
        env->CallVoidMethod(self, setLoader, loader);
    checkException(env, true);
    deleteLocal(env, self);
    env->DeleteLocalRef(thread);
}

}  // namespace xvo
