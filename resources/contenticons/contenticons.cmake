# The icons that the editor windows insert into the text, laid out as
# ":/content/icons/default/<group>/svg/production/<size>/ic_<name>_<size>.svg".
# They come from Google's Material Design icon set, fetched from the npm
# registry with npm at configure time (README.md here) and kept in the build
# tree; a build directory fetches it once.

set(QUENLARK_CONTENT_ICONS_PACKAGE material-design-icons)
set(QUENLARK_CONTENT_ICONS_VERSION 3.0.1)
set(QUENLARK_CONTENT_ICONS_SHA1 9a71c48747218ebca51e51a66da682038cdcb7bf)

# The set's category folders that the picker names otherwise: set folder,
# then picker folder. Every other category keeps its name.
set(QUENLARK_CONTENT_ICONS_RENAMED_GROUPS av audiovisual)

set(npm_dir ${CMAKE_CURRENT_BINARY_DIR}/npm)
set(archive ${npm_dir}/${QUENLARK_CONTENT_ICONS_PACKAGE}-${QUENLARK_CONTENT_ICONS_VERSION}.tgz)
set(tree ${CMAKE_CURRENT_BINARY_DIR}/contenticons)
set(stamp ${tree}/.laid-out-${QUENLARK_CONTENT_ICONS_VERSION})

if(NOT EXISTS ${stamp})
    if(NOT EXISTS ${archive})
        find_program(QUENLARK_NPM npm)
        if(NOT QUENLARK_NPM)
            message(FATAL_ERROR "npm is missing: the icon set ${QUENLARK_CONTENT_ICONS_PACKAGE} "
                                "is fetched with it (install Node.js and npm).")
        endif()
        file(MAKE_DIRECTORY ${npm_dir})
        message(STATUS "Fetching ${QUENLARK_CONTENT_ICONS_PACKAGE}@${QUENLARK_CONTENT_ICONS_VERSION} with npm")
        execute_process(
            COMMAND ${QUENLARK_NPM} pack --silent --pack-destination ${npm_dir}
                    ${QUENLARK_CONTENT_ICONS_PACKAGE}@${QUENLARK_CONTENT_ICONS_VERSION}
            WORKING_DIRECTORY ${npm_dir}
            RESULT_VARIABLE result
            OUTPUT_QUIET)
        if(NOT result EQUAL 0 OR NOT EXISTS ${archive})
            file(REMOVE ${archive})
            message(FATAL_ERROR "npm could not fetch ${QUENLARK_CONTENT_ICONS_PACKAGE}@"
                                "${QUENLARK_CONTENT_ICONS_VERSION} (${result}).")
        endif()
    endif()
    file(SHA1 ${archive} hash)
    if(NOT hash STREQUAL QUENLARK_CONTENT_ICONS_SHA1)
        file(REMOVE ${archive})
        message(FATAL_ERROR "${archive} is not the pinned ${QUENLARK_CONTENT_ICONS_PACKAGE}@"
                            "${QUENLARK_CONTENT_ICONS_VERSION} (SHA-1 ${hash}); configure again to fetch it anew.")
    endif()

    set(unpacked ${npm_dir}/unpacked)
    file(REMOVE_RECURSE ${unpacked} ${tree})
    file(ARCHIVE_EXTRACT INPUT ${archive} DESTINATION ${unpacked}
         PATTERNS package/LICENSE "package/*/svg/production/*.svg")

    # One drawing per file name; its size folder is the size at the end of the
    # name ("_26x24px.svg" is a 24px icon). Sizes without a folder are left out.
    file(GLOB drawings ${unpacked}/package/*/svg/production/*.svg)
    foreach(drawing IN LISTS drawings)
        get_filename_component(name ${drawing} NAME)
        if(NOT name MATCHES "_([0-9]+x)?(18|24|36|48)px\\.svg$")
            continue()
        endif()
        set(size ${CMAKE_MATCH_2}px)
        string(REGEX REPLACE "^.*/package/([^/]+)/svg/production/.*$" "\\1" group ${drawing})
        list(FIND QUENLARK_CONTENT_ICONS_RENAMED_GROUPS ${group} renamed)
        if(renamed GREATER_EQUAL 0)
            math(EXPR renamed "${renamed} + 1")
            list(GET QUENLARK_CONTENT_ICONS_RENAMED_GROUPS ${renamed} group)
        endif()
        file(COPY ${drawing} DESTINATION ${tree}/${group}/svg/production/${size})
    endforeach()
    file(COPY ${unpacked}/package/LICENSE DESTINATION ${tree})
    file(REMOVE_RECURSE ${unpacked})
    file(TOUCH ${stamp})
endif()

# Every drawing joins the bundle under its path in the tree.
file(GLOB_RECURSE QUENLARK_CONTENT_ICON_FILES ${tree}/*.svg)
foreach(drawing IN LISTS QUENLARK_CONTENT_ICON_FILES)
    file(RELATIVE_PATH path ${tree} ${drawing})
    set_source_files_properties(${drawing} PROPERTIES QT_RESOURCE_ALIAS content/icons/default/${path})
endforeach()
