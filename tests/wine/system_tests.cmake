# Wine tests of the system commands: files and folders, programs and the environment, keys, MCI and
# documents. Each runs one script of system/ with velint.exe that checks several things and writes
# its findings into a file the test compares. Included by CMakeLists.txt in this folder.
foreach(test
        system_files
        system_processes
        system_desktop)
    velmish_wine_test(${test} 300 ARGS $<TARGET_FILE:velint> ${wine_artifacts})
endforeach()
