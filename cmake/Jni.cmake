# The JNI header of the build machine's JDK. Its home is two levels above the resolved
# javac. Linux takes the JDK's own companion header; the Windows build takes ours.
find_program(XVO_JAVAC javac REQUIRED NO_CMAKE_FIND_ROOT_PATH)
get_filename_component(xvo_javac_real ${XVO_JAVAC} REALPATH)
get_filename_component(XVO_JDK_HOME ${xvo_javac_real} DIRECTORY)
get_filename_component(XVO_JDK_HOME ${XVO_JDK_HOME} DIRECTORY)
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
