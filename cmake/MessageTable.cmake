# The one message list feeds both string tables: a Windows STRINGTABLE resource (with the
# application manifest) and, for POSIX, the same 16-entry blocks as a C++ array.
function(xvo_message_table list outdir)
    if(WIN32)
        set(out ${outdir}/xvo.rc)
    else()
        set(out ${outdir}/message_blocks.inc)
    endif()
    add_custom_command(
        OUTPUT ${out}
        COMMAND ${CMAKE_COMMAND} -DLIST=${list} -DOUT=${out} -DWINDOWS=${WIN32}
                -DMANIFEST=${CMAKE_SOURCE_DIR}/platform/win32/xvo.manifest
                -P ${CMAKE_SOURCE_DIR}/cmake/GenerateMessageTable.cmake
        DEPENDS ${list} ${CMAKE_SOURCE_DIR}/cmake/GenerateMessageTable.cmake ${CMAKE_SOURCE_DIR}/platform/win32/xvo.manifest
        COMMENT "Generating the string table")
    add_custom_target(xvo_message_table DEPENDS ${out})
    if(WIN32)
        set(XVO_RESOURCES ${out} PARENT_SCOPE)
        set(XVO_MESSAGE_SOURCES "" PARENT_SCOPE)
    else()
        set(XVO_RESOURCES "" PARENT_SCOPE)
        set(XVO_MESSAGE_SOURCES ${out} PARENT_SCOPE)
    endif()
endfunction()
