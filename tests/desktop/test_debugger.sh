#!/usr/bin/env bash
# The debugger window with VL_DEBUGMODE=STEP, driven from the keyboard: it shows before anything
# runs, and Return alone steps three commands, because Step has the focus at every wait. No watch
# row is selected until the user clicks one, not even when the list takes the focus: a value typed
# into the field beside Set and set changes nothing, and Return steps again. Then a row clicked
# gets a new value with Set, and Halt ends the program with exit code 0 before its own HALT 7.
# Usage: test_debugger.sh BUILD_DIR ARTIFACTS_DIR
source "$(dirname "$0")/desktop_harness.sh"
begin_test "$@"

write_script debugger.vl \
    "WRITEFILE 'answers.txt', 'first <'#[x]#'>'" \
    "WRITEFILE 'answers.txt', 'second <'#[x]#'>'" \
    "WRITEFILE 'answers.txt', 'third <'#[x]#'>'" \
    "WRITEFILE 'answers.txt', 'fourth <'#[x]#'>'" \
    "WRITEFILE 'answers.txt', 'fifth <'#[x]#'>'" \
    "ECHO '<'#[x]#'>'" \
    "HALT 7"
VL_DEBUGMODE=STEP VL_DEBUGVARS="[x]" start_velint debugger.vl

# Waits until the script has written this many lines, then a moment for the debugger to wait
# again: a Step pressed while a command still runs is not kept for the next wait.
wait_lines() {
    local count=$1 deadline=$((SECONDS + WINDOW_DEADLINE)) written=0
    until ((written >= count)); do
        ((SECONDS < deadline)) || fail "the script wrote $written lines, expected $count: Return did not step"
        sleep 0.05
        [[ -f answers.txt ]] && written=$(wc -l <answers.txt)
    done
    sleep 0.2
}

show_window "Velmish Debug :: Step Mode" 01-first-line
debugger=$WINDOW
for step in 1 2 3; do
    press_keys "$debugger" Return
    wait_lines "$step"
done
screenshot 02-after-three-returns
# Shift+Tab gives the watch list the focus, which chooses no row; a value typed into the field
# beside Set (clicked, so the list stays untouched) and set then changes no variable.
press_keys "$debugger" shift+Tab
sleep 0.3
xdotool mousemove --window "$debugger" 210 177 click 1 || fail "xdotool could not click the value field"
type_text "$debugger" "typed" 60
press_keys "$debugger" alt+e
sleep 0.3
screenshot 03-set-without-a-row
press_keys "$debugger" Return
wait_lines 4
# The first row of the watch list, [x]: the click chooses it and puts its value into the field.
xdotool mousemove --window "$debugger" 60 24 click 1 || fail "xdotool could not click the watch list"
sleep 0.3
screenshot 04-row-clicked
press_keys "$debugger" ctrl+a
type_text "$debugger" "two" 60
press_keys "$debugger" alt+e
sleep 0.3
screenshot 05-value-set
press_keys "$debugger" Return
wait_lines 5
window_shown "Velmish Echo" && fail "the ECHO ran before its Step"
expect_lines answers.txt "first <>" "second <>" "third <>" "fourth <>" "fifth <two>"
press_keys "$debugger" Return
show_window "Velmish Echo" 06-echo
answer_window Return
wait_window "Velmish Debug :: Step Mode"
press_keys "$debugger" alt+h
expect_exit 0
