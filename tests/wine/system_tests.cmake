# Wine tests of the system commands: files and folders, programs and the environment, keys, MCI and
# documents. Each runs one script of system/ with velint.exe that checks several things and writes
# its findings into a file the test compares. Included by CMakeLists.txt in this folder.
foreach(test
        system_files
        system_processes
        system_desktop)
    velmish_wine_test(${test} 300 ARGS $<TARGET_FILE:velint> ${wine_artifacts})
endforeach()

# A full disk: a small tmpfs mounted for the test, so it needs root and is skipped otherwise.
velmish_wine_test(system_full_disk 300 ARGS $<TARGET_FILE:velint> ${wine_artifacts})
set_tests_properties(wine_system_full_disk PROPERTIES SKIP_RETURN_CODE 77)
