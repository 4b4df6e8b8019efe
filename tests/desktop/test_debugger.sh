#!/usr/bin/env bash
# The debugger window with VL_DEBUGMODE=STEP: it shows before anything runs, Step runs one command
# at a time up to the ECHO box, and Halt ends the program with exit code 0 before its own HALT 7.
# Usage: test_debugger.sh BUILD_DIR ARTIFACTS_DIR
source "$(dirname "$0")/desktop_harness.sh"
begin_test "$@"

write_script debugger.vl \
    "LET [x] = 'one'" \
    "LET [x] = [x]#'+'" \
    "ECHO '<'#[x]#'>'" \
    "HALT 7"
VL_DEBUGMODE=STEP VL_DEBUGVARS="[x]" start_velint debugger.vl

show_window "Velmish Debug :: Step Mode" 01-first-line
debugger=$WINDOW
press_keys "$debugger" alt+s
press_keys "$debugger" alt+s
screenshot 02-after-two-steps
window_shown "Velmish Echo" && fail "the ECHO ran before its Step"
press_keys "$debugger" alt+s
show_window "Velmish Echo" 03-echo
answer_window Return
wait_window "Velmish Debug :: Step Mode"
press_keys "$debugger" alt+h
expect_exit 0
