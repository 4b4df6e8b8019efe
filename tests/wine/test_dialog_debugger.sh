#!/usr/bin/env bash
# The debugger window with VL_DEBUGMODE=STEP and VL_DEBUGVARS naming two variables: before anything
# runs it shows the first script line and both watches as not existing, laid out by its client
# size; Step runs one command; selecting a watch puts its value into the entry, Set assigns the
# typed value; Trace runs on without waiting and Step turns step mode back on; Halt ends the program
# with exit code 0 before the script's own HALT 7. Then VL_DEBUGMODE=TRACE: the window shows the line
# with Trace disabled while the script runs on, and its close box ends the program with exit code 0.
# Usage: test_dialog_debugger.sh VELINT_EXE ARTIFACTS_DIR
source "$(dirname "$0")/dialogs/dialog_harness.sh"
begin_dialog_test "$@"

write_script debugger.vl \
    "" \
    "  LET [x] = 'one'" \
    "LET [x] = [x]#'+'" \
    "ECHO '<'#[x]#'>'" \
    "LET [z] = 'after'" \
    "ECHO 'traced'" \
    "HALT 7"
export VL_DEBUGMODE=STEP
export VL_DEBUGVARS="[x] and [y]"
start_velint debugger.vl
unset VL_DEBUGMODE VL_DEBUGVARS
STEP_TITLE="Velmish Debug :: Step Mode"

# ---- The first line, before anything runs ----
wait_window "$STEP_TITLE"
window=$WINDOW
probe_windows 01-first-line
# Taken after the probe: the list and the buttons are drawn once the step wait handles messages.
screenshot 01-first-line
block=$(window_block "$STEP_TITLE")
expect_window "$block" "debugger window" 1 $((WS_CAPTION | WS_SYSMENU | WS_THICKFRAME)) 0 0 348 160 0 0
IFS=, read -r W H <<<"$(field "$(head -n 1 <<<"$block")" client)"
# The list keeps WS_VSCROLL only while it has something to scroll.
expect_child "$block" "watch list" 1 ListBox 12 $((CHILD | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY)) \
    $WS_EX_CLIENTEDGE "0,0,$((W - 1)),$((H - 50))" "*"
expect_child "$block" "line display" 2 Edit 13 $((CHILD | ES_READONLY)) $WS_EX_CLIENTEDGE \
    "0,$((H - 47)),$((W - 1)),21" "LET [x] = 'one'"
expect_child "$block" "Step" 3 Button 14 $((CHILD | WS_TABSTOP | BS_DEFPUSHBUTTON)) 0 "0,$((H - 22)),50,22" "&Step"
expect_child "$block" "Trace" 4 Button 16 $((CHILD | WS_TABSTOP)) 0 "52,$((H - 22)),50,22" "&Trace"
expect_child "$block" "value entry" 5 Edit 0 $((CHILD | WS_TABSTOP | ES_AUTOHSCROLL | ES_AUTOVSCROLL)) \
    $WS_EX_CLIENTEDGE "104,$((H - 22)),132,22" ""
expect_child "$block" "Set" 6 Button 17 $((CHILD | WS_TABSTOP)) 0 "236,$((H - 22)),40,22" "&Set"
expect_child "$block" "Halt" 7 Button 15 $((CHILD | WS_TABSTOP)) 0 "$((W - 61)),$((H - 22)),60,22" "&Halt"
watches=$(sed -n 's/^item=//p' <<<"$block" | paste -sd '|')
[[ $watches == "[x] = (variable not existing)|[y] = (variable not existing)" ]] ||
    fail "the watch list shows \"$watches\""

# ---- Step runs one command ----
click_control "$STEP_TITLE" 14
wait_probe "$STEP_TITLE" "^item=\[x\] = one$" 02-after-step
grep -q "^child class=Edit id=13 .* text=LET \[x\] = \[x\]#'+'$" <<<"$BLOCK" ||
    fail "the line display does not show the second command: $PROBE"
screenshot 02-after-step

# ---- Selecting a watch, typing a value and Set ----
click_control "$STEP_TITLE" 12 20 6
wait_probe "$STEP_TITLE" "^child class=Edit id=0 .* text=one$" 03-selected
type_text "$window" "changed"
screenshot 03-typed
click_control "$STEP_TITLE" 17
wait_probe "$STEP_TITLE" "^item=\[x\] = changed$" 04-set
grep -q "^child class=Edit id=0 .* text=$" <<<"$BLOCK" || fail "Set did not empty the value entry: $PROBE"
screenshot 04-set

# ---- Trace runs on; the ECHO box stops it, and Step there turns step mode back on ----
click_control "$STEP_TITLE" 16
wait_window "Velmish Debug :: Trace Mode"
read_echo 05-echo
[[ $ECHOED == "<changed+>" ]] || fail "the ECHO box says \"$ECHOED\", expected \"<changed+>\""
# Trace mode ran on to the next ECHO without waiting. Step, pressed while that box is up, ends trace
# mode, so after the box the debugger waits again.
wait_window "Velmish Echo"
echo_window=$WINDOW
screenshot 06-trace-echo
read_box "Velmish Echo"
[[ $BOX_TEXT == "traced" ]] || fail "the second ECHO box says \"$BOX_TEXT\""
probe_windows 06-trace
grep -q '^child class=Button id=16 .* enabled=0 ' <<<"$(window_block "Velmish Debug :: Trace Mode")" ||
    fail "Trace is still enabled in trace mode: $PROBE"
click_control "Velmish Debug :: Trace Mode" 14
# The click made the debugger the active window; a click on the box's OK button both activates the
# box and answers it.
DIALOG_CLASS="#32770" click_control "Velmish Echo" 1
wait_window_gone "$echo_window"

# ---- Halt ends the program before HALT 7 ----
wait_window "$STEP_TITLE"
wait_probe "$STEP_TITLE" "^child class=Edit id=13 .* text=HALT 7$" 07-before-halt
grep -q '^child class=Button id=16 .* enabled=1 ' <<<"$BLOCK" || fail "Step did not enable Trace again: $PROBE"
screenshot 07-before-halt
click_control "$STEP_TITLE" 15
expect_exit 0

# ---- TRACE from the environment runs on at once; the close box ends the program with code 0 ----
write_script close_box.vl "ECHO 'tracing'" "HALT 7"
export VL_DEBUGMODE=TRACE
start_velint close_box.vl
unset VL_DEBUGMODE
wait_window "Velmish Debug :: Trace Mode"
wait_window "Velmish Echo"
probe_windows 08-trace-environment
block=$(window_block "Velmish Debug :: Trace Mode")
grep -q "^child class=Edit id=13 .* text=ECHO 'tracing'$" <<<"$block" || fail "trace mode shows the wrong line: $PROBE"
grep -q '^child class=Button id=16 .* enabled=0 ' <<<"$block" || fail "Trace is enabled in trace mode: $PROBE"
grep -q '^child class=Button id=14 .* enabled=1 ' <<<"$block" || fail "Step is disabled in trace mode: $PROBE"
screenshot 08-trace-environment
click_close_box "$block"
expect_exit 0
