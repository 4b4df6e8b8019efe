# Wine tests of the system commands: files and folders, programs and the environment, keys, MCI and
# documents. Each runs one script of system/ with velint.exe that checks several things and writes
# its findings into a file the test compares. Included by CMakeLists.txt in this folder.
foreach(test
        system_files
        system_processes
        system_desktop)
    add_test(NAME wine_${test}
        COMMAND bash ${wine_dir}/test_${test}.sh $<TARGET_FILE:velint> ${wine_artifacts})
    set_tests_properties(wine_${test} PROPERTIES
        FIXTURES_REQUIRED wine_session
        RESOURCE_LOCK wine_display
        LABELS wine
        TIMEOUT 300
        ENVIRONMENT "VELMISH_WINE_SESSION=${wine_state}/session.env;VELMISH_BOX_READER=$<TARGET_FILE:box_reader>")
endforeach()
