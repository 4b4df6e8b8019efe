# Wine tests of the dialog windows (input, edit, list and info box, the file and folder dialogs) and
# the debugger window, driven with xdotool. Included by CMakeLists.txt in this folder.

# Prints the interpreter's windows with their controls, styles, ids, fonts and texts from inside Wine.
add_executable(window_probe dialogs/window_probe.cpp)
target_link_libraries(window_probe PRIVATE user32 gdi32)
set_target_properties(window_probe PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})

foreach(test
        dialog_input_box
        dialog_edit_and_list
        dialog_file_and_folder
        dialog_info_box
        dialog_debugger)
    velmish_wine_test(${test} 240 ARGS $<TARGET_FILE:velint> ${wine_artifacts}
                      ENVIRONMENT "VELMISH_WINDOW_PROBE=$<TARGET_FILE:window_probe>")
endforeach()

# The same windows in a compiled program: the compile chain builds it first.
velmish_wine_test(dialog_compiled 300
    ARGS $<TARGET_FILE:velcomp> $<TARGET_FILE:vellink> ${CMAKE_BINARY_DIR}/velrun.rtl ${wine_artifacts}
    ENVIRONMENT "VELMISH_WINDOW_PROBE=$<TARGET_FILE:window_probe>")
