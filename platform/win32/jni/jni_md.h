/* The machine-dependent half of the JNI header for 64-bit Windows, written for this
   project: the JDK on the build machine carries only its own platform's companion. */
#ifndef _JAVASOFT_JNI_MD_H_
#define _JAVASOFT_JNI_MD_H_

#define JNIEXPORT __declspec(dllexport)
#define JNIIMPORT __declspec(dllimport)
#define JNICALL __stdcall

/* jint is 32 bits on Windows, where long is 32 bits as well. */
typedef long jint;
typedef long long jlong;
typedef signed char jbyte;

#endif
