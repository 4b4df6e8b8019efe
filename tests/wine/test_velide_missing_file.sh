#!/usr/bin/env bash
# A script named on the command line that cannot be read: the application's error box says why,
# the caption names the script (Save writes there), the editor stays empty and Quit asks nothing.
# Usage: test_velide_missing_file.sh VELIDE_EXE VELINT_EXE ARTIFACTS_DIR
source "$(dirname "$0")/velide/velide_harness.sh"
begin_velide_test "$@"

start_program "$VELIDE" missing.vl
answer_box "Velmish Builder" "like:Could not *missing.vl*" "OK" Return 01-error-box
wait_window "Velmish 4 - $(windows_path missing.vl)"
MAIN=$WINDOW
probe_main 02-empty
[[ -z $(probe_text 2001) ]] || fail "the editor holds \"$(probe_text 2001)\""
press_keys "$MAIN" ctrl+q
expect_exit 0
