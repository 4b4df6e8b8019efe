#!/usr/bin/env bash
# The debugger window with VL_DEBUGMODE=STEP: it shows before anything runs, Step runs one command
# at a time up to the ECHO box, a watched variable chosen in the list gets a new value with Set,
# and Halt ends the program with exit code 0 before its own HALT 7.
# Usage: test_debugger.sh BUILD_DIR ARTIFACTS_DIR
source "$(dirname "$0")/desktop_harness.sh"
begin_test "$@"

write_script debugger.vl \
    "LET [x] = 'one'" \
    "LET [x] = [x]#'+'" \
    "WRITEFILE 'answers.txt', [x]" \
    "ECHO '<'#[x]#'>'" \
    "HALT 7"
VL_DEBUGMODE=STEP VL_DEBUGVARS="[x]" start_velint debugger.vl

show_window "Velmish Debug :: Step Mode" 01-first-line
debugger=$WINDOW
press_keys "$debugger" alt+s
# The first row of the watch list, [x]: choosing it puts its value into the field beside Set.
# The list is filled anew after the Step, so the click waits for that.
sleep 0.5
xdotool mousemove --window "$debugger" 60 12 click 1 || fail "xdotool could not click the watch list"
sleep 0.3
screenshot 02-watch-chosen
press_keys "$debugger" ctrl+a
type_text "$debugger" "two" 60
screenshot 03-value-typed
press_keys "$debugger" alt+e
sleep 0.3
screenshot 04-value-set
press_keys "$debugger" alt+s
sleep 0.3
press_keys "$debugger" alt+s
deadline=$((SECONDS + WINDOW_DEADLINE))
until [[ -s answers.txt ]]; do
    ((SECONDS < deadline)) || fail "the WRITEFILE did not run after two Steps"
    sleep 0.05
done
screenshot 05-after-two-steps
window_shown "Velmish Echo" && fail "the ECHO ran before its Step"
expect_lines answers.txt "two+"
press_keys "$debugger" alt+s
show_window "Velmish Echo" 06-echo
answer_window Return
wait_window "Velmish Debug :: Step Mode"
press_keys "$debugger" alt+h
expect_exit 0
