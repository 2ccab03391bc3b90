// The application's entry: main of the configured class, with the configured and the
// launcher's arguments, and the launcher text turned into Java strings.
#pragma once

#include <jni.h>

#include "base/string_list.h"

namespace xvo {

class VmHost;

enum MainResult : int { mainReturned = 0, mainClassMissing = 7, mainMethodMissing = 8 };

/// Calls the static main(String[]) of className with the "argv" values (each split into
/// arguments), then the first list, then the second list. An exception thrown out of
/// main is described and cleared; the result is still mainReturned.
int invokeMain(VmHost& host, const char* className, const StringList& argv, int firstCount, char** first,
               int secondCount, char** second);

/// The class by its name with dots or slashes; null (the VM's description printed) when
/// it cannot be loaded.
jclass findMainClass(VmHost& host, const char* name);

/// A String array of the three lists concatenated; a null entry becomes an empty string.
/// Null when the VM cannot make the array.
jobjectArray newStringArray(JNIEnv* env, int count1, char** list1, int count2, char** list2, int count3,
                            char** list3);

/// Makes loader the context class loader of the calling thread; env null means the VM
/// host's own.
void setContextLoader(VmHost& host, jobject loader, JNIEnv* env);

}  // namespace xvo
