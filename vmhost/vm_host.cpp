#include "vmhost/vm_host.h"

#include <cstdio>
#include <cstdlib>

#include "base/trace.h"
#include "vmhost/jni_support.h"
#include "platform/environment.h"
#include "platform/library.h"

namespace xvo {

namespace {

using CreateJavaVm = jint(JNICALL*)(JavaVM**, void**, void*);

// The directory of the library (as written) followed by "..": its runtime's home, where
// the libraries the VM library depends on may sit.
void widenSearchPath(const char* libraryPath)
{
    Text library(libraryPath);
    int32_t end = library.length();
    while (end > 0 && library[end - 1] != '/' && library[end - 1] != '\\')
        --end;
    const char* path = std::getenv("PATH");
    Text assignment = Text("PATH=") + (path ? path : "");
    assignment.append(&platform::pathListSeparator, 1);
    assignment.append(library.left(end));
    assignment.append("..");
    platform::putEnvironment(assignment.cstr());
}

void* loadVmLibrary(const char* libraryPath)
{
    platform::suppressErrorDialogs();
    void* module = platform::loadLibrary(libraryPath);
    if (module)
        return module;
    widenSearchPath(libraryPath);
    module = platform::loadLibrary(libraryPath);
    if (!module) {
        Text description = platform::lastLoadError();
        description.replaceAll("%1", libraryPath);
        std::fprintf(stderr, "%s\n", description.cstr());
        trace("VM library %s cannot be loaded", libraryPath);
    }
    return module;
}

CreateJavaVm creationEntryPoint(void* module)
{
    void* entry = platform::librarySymbol(module, "JNI_CreateJavaVM");
    if (!entry)
        entry = platform::librarySymbol(module, "JNI_CreateJavaVM_Impl");
    return reinterpret_cast<CreateJavaVm>(entry);
}

}  // namespace

VmHost::~VmHost()
{
    teardown(*this);
}

void addOption(VmHost& host, const char* option)
{
    trace("VM option %s", option);
    host.options.append(option);
}

int createVm(VmHost& host, const char* libraryPath)
{
    host.module = loadVmLibrary(libraryPath);
    if (!host.module)
        return vmLibraryNotValid;
    CreateJavaVm create = creationEntryPoint(host.module);
    if (!create) {
        trace("VM library %s has no creation entry point", libraryPath);
        return vmLibraryNotValid;
    }
    int32_t count = host.options.count();
    Buffer<JavaVMOption> records;
    records.setLength(count);
    for (int32_t i = 0; i < count; ++i)
        records[i] = JavaVMOption{host.options.item(i), nullptr};
    JavaVMInitArgs arguments{};
    arguments.version = JNI_VERSION_1_2;
    arguments.nOptions = count;
    arguments.options = records.data();
    arguments.ignoreUnrecognized = JNI_TRUE;
    jint created = create(&host.vm, reinterpret_cast<void**>(&host.env), &arguments);
    host.options.release();
    if (created != 0) {
        trace("VM creation returned %d", int(created));
        host.vm = nullptr;
        return vmCreationFailed;
    }
    return vmCreated;
}

void teardown(VmHost& host)
{
    if (host.vm) {
        host.vm->DetachCurrentThread();
        host.vm->DestroyJavaVM();
        host.vm = nullptr;
    }
    if (host.module) {
        platform::freeLibrary(host.module);
        host.module = nullptr;
    }
}

void setSystemProperty(JNIEnv* env, const char* assignment)
{
    Text name(assignment);
    const char* value = "";
    if (char* equals = std::strchr(name.cstr(), '=')) {
        *equals = '\0';
        value = equals + 1;
    }
    jclass system = env->FindClass("java/lang/System");
    jmethodID setProperty = system ? env->GetStaticMethodID(system, "setProperty",
                                                            "(Ljava/lang/String;Ljava/lang/String;)Ljava/lang/String;")
                                   : nullptr;
    if (!setProperty) {
        env->ExceptionClear();
        deleteLocal(env, system);
        return;
    }
    jstring key = env->NewStringUTF(name.cstr());
    jstring text = key ? env->NewStringUTF(value) : nullptr;
    if (text) {
        jobject previous = env->CallStaticObjectMethod(system, setProperty, key, text);
        if (previous)
            env->DeleteLocalRef(previous);
    }
    // An empty name makes setProperty throw; it must not reach the next call into the VM.
    env->ExceptionClear();
    deleteLocal(env, text);
    deleteLocal(env, key);
    env->DeleteLocalRef(system);
}

}  // namespace xvo
