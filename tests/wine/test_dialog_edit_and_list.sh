#!/usr/bin/env bash
# EDITBOX with EditBox_Width 500: the window is 500 pixels wide and centred (xwininfo), the text's
# line feeds show as separate lines, a line typed at the end comes back joined with a line feed, and
# WM_SIZE lays the controls out by the new size. EDITBOX in mode "readonly" ignores typing and gives
# its text back on OK. LISTBOX "a|b||c": four entries, the third empty,
# the first selected; Down and Enter choose "b". A list entry of 3000 characters is chosen whole.
# Usage: test_dialog_edit_and_list.sh VELINT_EXE ARTIFACTS_DIR
source "$(dirname "$0")/dialogs/dialog_harness.sh"
begin_dialog_test "$@"

write_script edit_and_list.vl \
    "LET [EditBox_Width] = '500'" \
    "EDITBOX [e] = 'Velmish Edit','first'#[new_line]#'second'#[new_line]#'third','editable'" \
    "EDITBOX [r] = 'Velmish Read Only','fixed text','readonly'" \
    "LISTBOX [l] = 'Velmish List','a|b||c'" \
    "LET [t] = '0123456789'" \
    "LET [t] = [t]#[t]#[t]#[t]#[t]#[t]#[t]#[t]#[t]#[t]" \
    "LET [t] = [t]#[t]#[t]#[t]#[t]#[t]#[t]#[t]#[t]#[t]" \
    "LET [t] = [t]#[t]#[t]" \
    "LISTBOX [long] = 'Velmish Long','short|'#[t]" \
    "GETLEN [n] = [long]" \
    "LET [same] = 'differs'" \
    "IF [long] = [t] LET [same] = 'same'" \
    "ECHO '<'#[e]#'>|<'#[r]#'>|<'#[l]#'>|'#[n]#' '#[same]"
start_velint edit_and_list.vl

# ---- The edit box ----
show_dialog "Velmish Edit" 01-edit
edit_window=$WINDOW
probe_windows 01-edit
read_metrics
geometry=$(xwininfo -id "$edit_window")
width=$(awk '/^ *Width:/ {print $2}' <<<"$geometry")
height=$(awk '/^ *Height:/ {print $2}' <<<"$geometry")
left=$(awk '/Absolute upper-left X/ {print $NF}' <<<"$geometry")
top=$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$geometry")
note "edit box on X: ${width}x$height at $left,$top"
((width == 500 && height == 238)) || fail "the edit box is ${width}x$height, expected 500x238"
((left == CX / 2 - 250 && top == CY / 2 - 119 + THEME)) ||
    fail "the edit box is at $left,$top, expected $((CX / 2 - 250)),$((CY / 2 - 119 + THEME)) (centred)"

block=$(window_block "Velmish Edit")
expect_window "$block" "edit box" 1 $((WS_CAPTION | WS_SYSMENU | WS_THICKFRAME)) 0 0 500 238
IFS=, read -r clw clh <<<"$(field "$(head -n 1 <<<"$block")" client)"
expect_child "$block" "edit text" 1 Edit 7 $((CHILD | ES_MULTILINE | ES_WANTRETURN)) $WS_EX_CLIENTEDGE \
    "0,0,$clw,$((clh - 35))" 'first\r\nsecond\r\nthird'
expect_child "$block" "edit OK" 2 Button 8 $((CHILD | BS_DEFPUSHBUTTON)) 0 "5,$((clh - 28)),100,25" "&Ok"
expect_child "$block" "edit Cancel" 3 Button 9 $CHILD 0 "$((clw - 105)),$((clh - 28)),100,25" "&Cancel"
# Editable: no ES_READONLY.
style=$(field "$(grep '^child .* id=7 ' <<<"$block")" style)
((style & ES_READONLY)) && fail "the edit text is read-only in editable mode"

# Enter inserts a line break into the text; OK is clicked.
press_keys "$edit_window" ctrl+End Return
type_text "$edit_window" "fourth"
wait_probe "Velmish Edit" '^child class=Edit id=7 .* text=first\\r\\nsecond\\r\\nthird\\r\\nfourth$' 02-edit-typed
screenshot 02-edit-typed
click_control "Velmish Edit" 8
wait_dialog_closed "$edit_window" "Velmish Edit"

# ---- Read-only ("readonly" in lower case): typing changes nothing, OK gives the text back ----
show_dialog "Velmish Read Only" 03-read-only
readonly_window=$WINDOW
type_text "$readonly_window" "typed"
probe_windows 03-read-only
expect_child "$(window_block "Velmish Read Only")" "read-only text" 1 Edit 7 $((CHILD | ES_MULTILINE | ES_READONLY)) \
    $WS_EX_CLIENTEDGE "*" "fixed text"
click_control "Velmish Read Only" 8
wait_window_gone "$readonly_window"

# ---- The list box ----
show_dialog "Velmish List" 04-list
list_window=$WINDOW
probe_windows 04-list
block=$(window_block "Velmish List")
expect_window "$block" "list box" 1 $((WS_CAPTION | WS_SYSMENU | WS_THICKFRAME)) 0 0 130 176 \
    $((CX / 2 - 65)) $((CY / 2 - 88 + THEME))
IFS=, read -r clw clh <<<"$(field "$(head -n 1 <<<"$block")" client)"
expect_child "$block" "list" 1 ListBox 4 $((CHILD | WS_TABSTOP | LBS_NOINTEGRALHEIGHT)) $WS_EX_CLIENTEDGE \
    "0,0,$clw,$((clh - 35))" "*"
expect_child "$block" "list OK" 2 Button 5 $((CHILD | BS_DEFPUSHBUTTON)) 0 "3,$((clh - 28)),$((clw - 5)),25" "&Ok"
items=$(sed -n 's/^item=//p' <<<"$block" | paste -sd '|')
[[ $items == "a|b||c" ]] || fail "the list holds \"$items\", expected \"a|b||c\""
grep -qx 'selected=0' <<<"$block" || fail "the first entry is not selected: $(grep '^selected=' <<<"$block")"
press_keys "$list_window" Down Return
wait_dialog_closed "$list_window" "Velmish List"

# ---- An entry longer than any fixed buffer comes back whole ----
show_dialog "Velmish Long" 05-long
long_window=$WINDOW
press_keys "$long_window" Down Return
wait_window_gone "$long_window"

read_echo 06-answers
expected='<first\nsecond\nthird\nfourth>|<fixed text>|<b>|3000 same'
[[ $ECHOED == "$expected" ]] || fail "the answers were \"$ECHOED\", expected \"$expected\""
expect_exit 0
