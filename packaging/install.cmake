# cmake --install: where every shipped file goes. Linux: programs in bin/, the runtime and the
# desktop module in lib/velmish/, data in share/velmish/, docs and examples in share/doc/velmish/,
# the desktop files in share/. Windows: one folder with the layout velide.exe expects.
# Components name the Debian packages they go into: velmish, desktop, editor.

find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(velmish_linux_data ${CMAKE_CURRENT_LIST_DIR}/linux)

if(WIN32)
    set(velmish_bin_dir .)
    set(velmish_runtime_dir .)
    set(velmish_data_dir .)
    set(velmish_doc_dir doc)
    set(velmish_examples_dir examples)
else()
    set(velmish_bin_dir bin)
    set(velmish_runtime_dir lib/velmish)
    set(velmish_data_dir share/velmish)
    set(velmish_doc_dir share/doc/velmish)
    set(velmish_examples_dir share/doc/velmish/examples)
endif()

install(TARGETS velint velcomp vellink RUNTIME DESTINATION ${velmish_bin_dir} COMPONENT velmish)

# velrun.rtl holds its own length, so it cannot be stripped once finished: a stripped install
# (cmake --install --strip, CPack) strips the unfinished program and finishes that copy.
install(CODE "
    set(runtime \"${CMAKE_BINARY_DIR}/velrun.rtl\")
    if(CMAKE_INSTALL_DO_STRIP)
        set(stripped \"${CMAKE_BINARY_DIR}/stripped/velrun\")
        file(MAKE_DIRECTORY \"${CMAKE_BINARY_DIR}/stripped\")
        execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded -o \${stripped} \"$<TARGET_FILE:velrun>\"
                        COMMAND_ERROR_IS_FATAL ANY)
        execute_process(COMMAND \"${Python3_EXECUTABLE}\" \"${PROJECT_SOURCE_DIR}/tools/finish_runtime.py\"
                                \${stripped} \${stripped}.rtl
                        COMMAND_ERROR_IS_FATAL ANY)
        set(runtime \${stripped}.rtl)
    endif()
    file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${velmish_runtime_dir}\" TYPE FILE FILES \${runtime})
" COMPONENT velmish)

install(FILES ${PROJECT_SOURCE_DIR}/src/ide/velmish.syn DESTINATION ${velmish_data_dir} COMPONENT velmish)
install(FILES ${PROJECT_SOURCE_DIR}/doc/index.html ${PROJECT_SOURCE_DIR}/doc/reference.html
              ${PROJECT_SOURCE_DIR}/doc/velmish.de.lng
        DESTINATION ${velmish_doc_dir} COMPONENT velmish)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/doc/images DESTINATION ${velmish_doc_dir} COMPONENT velmish)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${velmish_examples_dir} COMPONENT velmish
        PATTERN .gitattributes EXCLUDE)

if(WIN32)
    install(TARGETS velide RUNTIME DESTINATION . COMPONENT editor)
    return()
endif()

if(TARGET velmish_gtk)
    install(TARGETS velmish_gtk LIBRARY DESTINATION ${velmish_runtime_dir} COMPONENT desktop)
endif()
# The media module that plays MCI's sounds and videos through GStreamer goes with the desktop.
if(TARGET velmish_audio)
    install(TARGETS velmish_audio LIBRARY DESTINATION ${velmish_runtime_dir} COMPONENT desktop)
endif()

# The desktop: the MIME type of scripts, the icon, the "run with velint" entry and the metainfo.
# The date of the last commit, so that the same sources give the same files.
execute_process(COMMAND git log -1 --format=%cs WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                OUTPUT_VARIABLE VELMISH_RELEASE_DATE OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
execute_process(COMMAND git log -1 --format=%aD WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                OUTPUT_VARIABLE VELMISH_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT VELMISH_RELEASE_DATE)
    string(TIMESTAMP VELMISH_RELEASE_DATE "%Y-%m-%d" UTC)
    string(TIMESTAMP VELMISH_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
endif()
set(velmish_generated ${CMAKE_BINARY_DIR}/packaging)
foreach(component Velmish Editor)
    configure_file(${velmish_linux_data}/org.velmish.${component}.metainfo.xml
                   ${velmish_generated}/org.velmish.${component}.metainfo.xml @ONLY)
endforeach()
install(FILES ${velmish_linux_data}/velmish.xml DESTINATION share/mime/packages COMPONENT velmish)
install(FILES ${velmish_linux_data}/org.velmish.Run.desktop DESTINATION share/applications COMPONENT velmish)
install(FILES ${velmish_linux_data}/velmish.svg DESTINATION share/icons/hicolor/scalable/apps COMPONENT velmish)
install(FILES ${velmish_linux_data}/velmish.svg DESTINATION share/icons/hicolor/scalable/mimetypes
        RENAME text-x-velmish.svg COMPONENT velmish)
install(FILES ${velmish_generated}/org.velmish.Velmish.metainfo.xml DESTINATION share/metainfo COMPONENT velmish)

# Manual pages and the Debian package's own documents (gzip -n: no time stamp, the same bytes
# every build).
foreach(page velint.1 velcomp.1 vellink.1 velide.1)
    add_custom_command(OUTPUT ${velmish_generated}/${page}.gz
        COMMAND gzip -9nc ${velmish_linux_data}/man/${page} > ${velmish_generated}/${page}.gz
        DEPENDS ${velmish_linux_data}/man/${page} VERBATIM)
endforeach()
set(velmish_man_pages ${velmish_generated}/velint.1.gz ${velmish_generated}/velcomp.1.gz
                      ${velmish_generated}/vellink.1.gz)
configure_file(${velmish_linux_data}/changelog ${velmish_generated}/changelog @ONLY)
add_custom_command(OUTPUT ${velmish_generated}/changelog.gz
    COMMAND gzip -9nc ${velmish_generated}/changelog > ${velmish_generated}/changelog.gz
    DEPENDS ${velmish_generated}/changelog VERBATIM)
add_custom_target(velmish_packaging_files ALL
    DEPENDS ${velmish_man_pages} ${velmish_generated}/velide.1.gz ${velmish_generated}/changelog.gz)
install(FILES ${velmish_man_pages} DESTINATION share/man/man1 COMPONENT velmish)

set(velmish_packages velmish)
if(TARGET velmish_gtk)
    list(APPEND velmish_packages desktop)
endif()
# The Linux editor joins its package as soon as the build has a velide target.
if(TARGET velide)
    install(TARGETS velide RUNTIME DESTINATION bin COMPONENT editor)
    install(FILES ${velmish_generated}/velide.1.gz DESTINATION share/man/man1 COMPONENT editor)
    install(FILES ${velmish_linux_data}/org.velmish.Editor.desktop DESTINATION share/applications COMPONENT editor)
    install(FILES ${velmish_generated}/org.velmish.Editor.metainfo.xml DESTINATION share/metainfo COMPONENT editor)
    list(APPEND velmish_packages editor)
endif()
foreach(component IN LISTS velmish_packages)
    set(package velmish-${component})
    if(component STREQUAL "velmish")
        set(package velmish)
    endif()
    install(FILES ${velmish_linux_data}/copyright ${velmish_generated}/changelog.gz
            DESTINATION share/doc/${package} COMPONENT ${component})
    if(EXISTS ${velmish_linux_data}/lintian/${package})
        install(FILES ${velmish_linux_data}/lintian/${package} DESTINATION share/lintian/overrides COMPONENT ${component})
    endif()
endforeach()

include(${velmish_linux_data}/cpack.cmake)
