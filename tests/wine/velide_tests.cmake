# Wine tests of the editor velide.exe, driven with xdotool; each copies velide.exe, velint.exe and
# velmish.syn into its own folder. Included by CMakeLists.txt in this folder.
foreach(test
        velide_document
        velide_missing_file
        velide_encodings
        velide_error_line
        velide_run
        velide_find
        velide_compile
        velide_settings
        velide_large_script)
    velmish_wine_test(${test} 120 ARGS $<TARGET_FILE:velide> $<TARGET_FILE:velint> ${wine_artifacts}
                      ENVIRONMENT "VELMISH_WINDOW_PROBE=$<TARGET_FILE:window_probe>")
endforeach()
