# Compiler settings shared by every target of the project's own code.

add_library(quenlark_options INTERFACE)
target_compile_options(quenlark_options INTERFACE -Wall -Wextra)
if(QUENLARK_WARNINGS_AS_ERRORS)
    target_compile_options(quenlark_options INTERFACE -Werror)
endif()
# Source units are reported relative to the project root ("library/network/message.cpp").
target_compile_options(quenlark_options INTERFACE
    -fmacro-prefix-map=${CMAKE_SOURCE_DIR}/=)

if(QUENLARK_SANITIZERS)
    # Applies to every target, generated code included, so that the runtime
    # sees one consistent instrumented program.
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# Adds the project's warning settings to a target of its own code.
function(quenlark_target target)
    target_link_libraries(${target} PRIVATE quenlark_options)
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# One static library per folder: quenlark_library(<name> SOURCES ... DEPENDS ...)
function(quenlark_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    quenlark_target(${name})
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
endfunction()
