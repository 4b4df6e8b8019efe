#!/usr/bin/env bash
# The hidden windows made at start-up, as the probe sees them while the first INPUTBOX is up: the
# input, edit, list and info boxes and the debugger window, with their styles, controls, ids,
# positions, fonts and button captions. Then the input box itself: typed text and Enter store the
# text; Escape on a box with a default stores the empty text; assigning IBox_Ok and IBox_Cancel
# relabels the buttons, and a click on OK confirms; a default of 5000 characters comes back whole.
# Usage: test_dialog_input_box.sh VELINT_EXE ARTIFACTS_DIR
source "$(dirname "$0")/dialogs/dialog_harness.sh"
begin_dialog_test "$@"

write_script input_box.vl \
    "INPUTBOX [a] = 'Velmish Input','Your name?',''" \
    "INPUTBOX [b] = 'Velmish Default','Keep this?','preset text'" \
    "LET [IBox_Ok] = 'Go on'" \
    "LET [IBox_Cancel] = 'Stop'" \
    "INPUTBOX [c] = 'Velmish Captions','Captions changed',''" \
    "LET [t] = '0123456789'" \
    "LET [t] = [t]#[t]#[t]#[t]#[t]#[t]#[t]#[t]#[t]#[t]" \
    "LET [t] = [t]#[t]#[t]#[t]#[t]#[t]#[t]#[t]#[t]#[t]" \
    "LET [t] = [t]#[t]#[t]#[t]#[t]" \
    "INPUTBOX [d] = 'Velmish Long','5000 characters',[t]" \
    "GETLEN [n] = [d]" \
    "LET [same] = 'differs'" \
    "IF [d] = [t] LET [same] = 'same'" \
    "ECHO '<'#[a]#'>|<'#[b]#'>|<'#[c]#'>|'#[n]#' '#[same]"
start_velint input_box.vl

# ---- The windows made at start-up ----
show_dialog "Velmish Input" 01-input
probe_windows 01-windows
read_metrics
# The theme offset makes the input box taller and lowers the edit and list boxes.
input=$(window_block "Velmish Input")
expect_window "$input" "input box" 1 $((WS_CAPTION | WS_SYSMENU)) $WS_THICKFRAME 0 300 $((102 + THEME)) \
    $((CXF / 2 - 150)) $((CYF / 2 - 55))
IFS=, read -r clw clh <<<"$(field "$(head -n 1 <<<"$input")" client)"
expect_child "$input" "prompt" 1 Static 0 $CHILD 0 5,5,280,20 "Your name?"
expect_child "$input" "entry" 2 Edit 0 $((CHILD | WS_TABSTOP | ES_AUTOHSCROLL | ES_AUTOVSCROLL)) \
    $WS_EX_CLIENTEDGE 5,22,285,24 ""
# WM_SIZE places the buttons by the client area.
expect_child "$input" "OK button" 3 Button 1 $((CHILD | WS_TABSTOP | BS_NOTIFY)) 0 "15,$((clh - 28)),80,25" "OK"
expect_child "$input" "Cancel button" 4 Button 2 $((CHILD | WS_TABSTOP | BS_NOTIFY)) 0 \
    "$((clw - 95)),$((clh - 28)),80,25" "Cancel"

# The other windows have no title yet: each is known by one of its controls. Their controls still
# stand where they were made: WM_SIZE comes during creation, before the controls exist.
edit=$(window_with_child Edit 7)
expect_window "$edit" "edit box" 0 $((WS_CAPTION | WS_SYSMENU | WS_THICKFRAME)) 0 0 350 238 \
    $((CX / 2 - 175)) $((CY / 2 + THEME - 119))
expect_child "$edit" "edit text" 1 Edit 7 \
    $((CHILD | ES_MULTILINE | ES_WANTRETURN | ES_AUTOHSCROLL | ES_AUTOVSCROLL | WS_HSCROLL | WS_VSCROLL)) \
    $WS_EX_CLIENTEDGE 1,1,342,180 ""
expect_child "$edit" "edit OK" 2 Button 8 $((CHILD | WS_TABSTOP | BS_DEFPUSHBUTTON)) 0 1,185,100,25 "&Ok"
expect_child "$edit" "edit Cancel" 3 Button 9 $((CHILD | WS_TABSTOP)) 0 242,185,100,25 "&Cancel"

list=$(window_with_child ListBox 4)
expect_window "$list" "list box" 0 $((WS_CAPTION | WS_SYSMENU | WS_THICKFRAME)) 0 0 130 176 \
    $((CX / 2 - 65)) $((CY / 2 + THEME - 88))
# A list box shows its scroll bar, and keeps WS_VSCROLL in its style, only while it has something to
# scroll.
expect_child "$list" "list" 1 ListBox 4 $((CHILD | WS_TABSTOP | LBS_NOINTEGRALHEIGHT)) \
    $WS_EX_CLIENTEDGE 1,1,122,140 "*"
expect_child "$list" "list OK" 2 Button 5 $((CHILD | WS_TABSTOP | BS_DEFPUSHBUTTON)) 0 1,125,122,24 "&Ok"

info=$(window_with_child Static 12)
expect_window "$info" "info box" 0 $((WS_POPUP | WS_BORDER | WS_SYSMENU)) $((WS_CAPTION & ~WS_BORDER | WS_THICKFRAME)) \
    $((WS_EX_DLGMODALFRAME | WS_EX_TOPMOST)) 300 24 $((CX / 2 - 150)) $((CY / 2 - 12))
expect_child "$info" "info text" 1 Static 12 $((CHILD | SS_CENTER)) 0 0,2,300,30 ""

debugger=$(window_with_child Edit 13)
expect_window "$debugger" "debugger window" 0 $((WS_CAPTION | WS_SYSMENU | WS_THICKFRAME)) 0 0 348 160 0 0
windows=$(grep -c '^window ' "$PROBE")
((windows == 5)) || fail "$windows windows of the class \"$DIALOG_CLASS\", expected 5: $PROBE"

# ---- Typing and Enter ----
type_text "$WINDOW" "hello world"
press_keys "$WINDOW" Return
wait_dialog_closed "$WINDOW" "Velmish Input"

# ---- Escape on a box with a default ----
show_dialog "Velmish Default" 02-default
probe_windows 02-default
expect_child "$(window_block "Velmish Default")" "entry with default" 2 Edit 0 0 0 5,22,285,24 "preset text"
press_keys "$WINDOW" Escape
wait_dialog_closed "$WINDOW" "Velmish Default"

# ---- Captions from IBox_Ok and IBox_Cancel, and a click on OK ----
show_dialog "Velmish Captions" 03-captions
probe_windows 03-captions
block=$(window_block "Velmish Captions")
expect_child "$block" "relabelled OK" 3 Button 1 0 0 "*" "Go on"
expect_child "$block" "relabelled Cancel" 4 Button 2 0 0 "*" "Stop"
window=$WINDOW
type_text "$window" "x"
click_control "Velmish Captions" 1
wait_dialog_closed "$window" "Velmish Captions"

# ---- A default longer than any fixed buffer comes back whole ----
show_dialog "Velmish Long" 04-long
press_keys "$WINDOW" Return
wait_dialog_closed "$WINDOW" "Velmish Long"

read_echo 05-answers
expected="<hello world>|<>|<x>|5000 same"
[[ $ECHOED == "$expected" ]] || fail "the answers were \"$ECHOED\", expected \"$expected\""
expect_exit 0
