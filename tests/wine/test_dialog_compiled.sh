#!/usr/bin/env bash
# The dialog windows of a compiled program: four windows of the class "VL4RTL" (input, edit, list and
# info box) and no debugger window; the input box takes typed text, and a list entry of 3000
# characters comes back whole, as in the interpreter.
# Usage: test_dialog_compiled.sh VELCOMP_EXE VELLINK_EXE VELRUN_RTL ARTIFACTS_DIR
source "$(dirname "$0")/dialogs/dialog_harness.sh"
begin_compiled_dialog_test "$@"

compiler_folder program
write_script "$FOLDER/prog.vl" \
    "LET [t] = '0123456789'" \
    "LET [t] = [t]#[t]#[t]#[t]#[t]#[t]#[t]#[t]#[t]#[t]" \
    "LET [t] = [t]#[t]#[t]#[t]#[t]#[t]#[t]#[t]#[t]#[t]" \
    "LET [t] = [t]#[t]#[t]" \
    "INPUTBOX [a] = 'Velmish Compiled','Your name?',''" \
    "LISTBOX [long] = 'Velmish Compiled List','short|'#[t]" \
    "GETLEN [n] = [long]" \
    "LET [same] = 'differs'" \
    "IF [long] = [t] LET [same] = 'same'" \
    "ECHO '<'#[a]#'>|'#[n]#' '#[same]"
compile compile_link "$FOLDER" 0 prog.vl /L /E
[[ -f $FOLDER/prog.exe ]] || fail "no prog.exe after velcomp /L"
start_program "$FOLDER/prog.exe"

show_dialog "Velmish Compiled" 01-input
window=$WINDOW
DIALOG_CLASS=VL4RTL probe_windows 01-windows
windows=$(grep -c '^window ' "$PROBE")
((windows == 4)) || fail "$windows windows of the class VL4RTL, expected 4: $PROBE"
for control in "Edit 7" "ListBox 4" "Static 12"; do
    # shellcheck disable=SC2086 # class and id
    [[ -n $(window_with_child $control) ]] || fail "no window with the control $control: $PROBE"
done
[[ -z $(window_with_child Edit 13) ]] || fail "a compiled program has a debugger window: $PROBE"
# The runtime's start value of IBox_Ok is "Ok", where the interpreter's is "OK".
expect_child "$(window_block "Velmish Compiled")" "input OK" 3 Button 1 $((CHILD | WS_TABSTOP | BS_NOTIFY)) 0 "*" "Ok"
# No window of the interpreter's class.
timeout -k 2 60 "$WINE_LOADER" "$WINDOW_PROBE" "Velmish 4" >"$ARTIFACTS/interpreter-class.txt" 2>&1 </dev/null &&
    fail "a compiled program made windows of the interpreter's class: $ARTIFACTS/interpreter-class.txt"
type_text "$window" "compiled"
press_keys "$window" Return
wait_dialog_closed "$window" "Velmish Compiled"

show_dialog "Velmish Compiled List" 02-list
window=$WINDOW
press_keys "$window" Down Return
wait_window_gone "$window"

read_echo 03-answers
[[ $ECHOED == "<compiled>|3000 same" ]] || fail "the answers were \"$ECHOED\", expected \"<compiled>|3000 same\""
expect_exit 0
