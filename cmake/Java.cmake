# The Java side of the build: the JDK's tools, the support classes' sources, and helpers
# that compile Java sources into a JAR and package a JAR behind the launcher.
#
# Class files are made for Java 8, so a packaged application also runs on the older
# runtimes that the version limits may admit.

find_program(XVO_JAVAC javac REQUIRED NO_CMAKE_FIND_ROOT_PATH)
# The JDK's home is two levels above the real javac (Debian links it from /usr/bin).
file(REAL_PATH ${XVO_JAVAC} xvo_javac_real)
get_filename_component(xvo_jdk_bin ${xvo_javac_real} DIRECTORY)
get_filename_component(XVO_JDK_HOME ${xvo_jdk_bin} DIRECTORY)
find_program(XVO_JAR_TOOL jar PATHS ${XVO_JDK_HOME}/bin NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
find_program(XVO_JAR_TOOL jar REQUIRED NO_CMAKE_FIND_ROOT_PATH)
find_program(XVO_JAVA java PATHS ${XVO_JDK_HOME}/bin NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
find_program(XVO_JAVA java REQUIRED NO_CMAKE_FIND_ROOT_PATH)

# Applications carry the support classes in their own archive, so every JAR that needs
# them compiles these sources along with its own.
file(GLOB XVO_SUPPORT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/java/com/tessaron/xvo/*.java)

# xvo_add_jar(<target> OUTPUT <jar> SOURCES <java files...>)
# Compiles the sources together into a fresh class folder and archives it as <jar>.
function(xvo_add_jar target)
    cmake_parse_arguments(ARG "" "OUTPUT" "SOURCES" ${ARGN})
    set(classes ${CMAKE_CURRENT_BINARY_DIR}/${target}.classes)
    # A class folder from an earlier build may hold classes whose sources are gone, and the
    # archive is written beside its final name so a failed run leaves no half JAR behind.
    add_custom_command(OUTPUT ${ARG_OUTPUT}
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${classes}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${classes}
        COMMAND ${XVO_JAVAC} --release 8 -encoding UTF-8 -Xlint:all,-options -d ${classes} ${ARG_SOURCES}
        COMMAND ${XVO_JAR_TOOL} cf ${ARG_OUTPUT}.part -C ${classes} .
        COMMAND ${CMAKE_COMMAND} -E rename ${ARG_OUTPUT}.part ${ARG_OUTPUT}
        DEPENDS ${ARG_SOURCES}
        COMMENT "Building the Java archive ${ARG_OUTPUT}"
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS ${ARG_OUTPUT})
endfunction()

# xvo_add_package(<target> CONFIG <text file> JAR <jar> JAR_TARGET <target> OUTPUT <exe>)
# Packs the launcher, the configuration text and the JAR into one executable with the
# packer of the build machine; any of the three changing packs it again.
function(xvo_add_package target)
    cmake_parse_arguments(ARG "" "CONFIG;JAR;JAR_TARGET;OUTPUT" "" ${ARGN})
    add_custom_command(OUTPUT ${ARG_OUTPUT}
        COMMAND ${XVO_PACKER} --launcher $<TARGET_FILE:xvo> --config ${ARG_CONFIG}
                --jar ${ARG_JAR} --output ${ARG_OUTPUT}
        DEPENDS xvo xvopack ${XVO_PACKER} ${ARG_CONFIG} ${ARG_JAR} ${ARG_JAR_TARGET}
        COMMENT "Packaging ${ARG_OUTPUT}"
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS ${ARG_OUTPUT})
endfunction()
