// The native of the Java RedirOutputStream: single bytes to the handle its field h holds.
#include <jni.h>

#include <atomic>

#include "platform/output_sink.h"

namespace {

std::atomic<jfieldID> handleField{nullptr};

// Looked up on the first object's class; the id serves every later object, since they
// all inherit the one field h. Two first writers on two threads may both look it up:
// they find the same id, and the atomic store keeps either from seeing half of it.
jfieldID fieldOfHandle(JNIEnv* env, jobject stream)
{
    jfieldID field = handleField.load();
    if (field)
        return field;
    jclass type = env->GetObjectClass(stream);
    field = type ? env->GetFieldID(type, "h", "J") : nullptr;
    env->ExceptionClear();
    if (type)
        env->DeleteLocalRef(type);
    handleField.store(field);
    return field;
}

}  // namespace

// Write failures are not reported: the stream stays silent, as a log sink must.
extern "C" JNIEXPORT void JNICALL Java_com_tessaron_xvo_RedirOutputStream_write(JNIEnv* env, jobject stream, jint value)
{
    jfieldID field = fieldOfHandle(env, stream);
    if (!field)
        return;
    jlong handle = env->GetLongField(stream, field);
    // 0 is the unset handle; on POSIX it would name standard input.
    if (handle == 0)
        return;
    unsigned char byte = static_cast<unsigned char>(value & 0xFF);
    xvo::platform::writeToHandle(handle, &byte, 1);
}
