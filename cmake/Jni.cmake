# The JNI header of the build machine's JDK (XVO_JDK_HOME, from Java.cmake). Linux takes
# the JDK's own companion header; the Windows build takes ours.
if(NOT EXISTS ${XVO_JDK_HOME}/include/jni.h)
    message(FATAL_ERROR "No jni.h under ${XVO_JDK_HOME}/include: a JDK is needed to build")
endif()
set(XVO_JNI_INCLUDE_DIRS ${XVO_JDK_HOME}/include)
if(WIN32)
    list(PREPEND XVO_JNI_INCLUDE_DIRS ${CMAKE_SOURCE_DIR}/platform/win32/jni)
else()
    list(APPEND XVO_JNI_INCLUDE_DIRS ${XVO_JDK_HOME}/include/linux)
endif()

# The natives and, on Linux, the dlopen that answers System.load of the executable must be
# visible to the VM's libraries; a Windows executable exports them through dllexport.
function(xvo_export_natives target)
    if(NOT WIN32)
        target_link_options(${target} PRIVATE -Wl,--export-dynamic-symbol=dlopen -Wl,--export-dynamic-symbol=Java_*)
    endif()
endfunction()
