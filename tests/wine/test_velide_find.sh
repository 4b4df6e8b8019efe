#!/usr/bin/env bash
# Find and Find next: Find selects the first occurrence (letter case counts), F3 the next one after
# the selection, and at the last one says "No more matches."; a text that is not there says
# "String could not be found.". The selection is checked through what typing over it leaves.
# Usage: test_velide_find.sh VELIDE_EXE VELINT_EXE ARTIFACTS_DIR
source "$(dirname "$0")/velide/velide_harness.sh"
begin_velide_test "$@"

# Finds a text with Edit > Find (Ctrl+F).
find_text() {
    press_keys "$MAIN" ctrl+f
    wait_window "Find"
    local dialog=$WINDOW
    wait_painted "$dialog"
    type_text "$dialog" "$1"
    screenshot "$2"
    press_keys "$dialog" Return
    wait_window_gone "$dialog"
}

write_script find.vl "echo ECHO a" "ECHO b" "REM end"
script=$(windows_path find.vl)
start_velide "Velmish 4 - $script" "$script"

find_text ECHO 01-find
press_keys "$MAIN" F3
press_keys "$MAIN" F3
answer_box "Find" "No more matches." "OK" Return 02-no-more
# The selection stayed on the last match, the ECHO of line 2: typing replaces it.
type_text "$MAIN" "MSGBOX"
find_text zzz 03-find-missing
answer_box "Find" "String could not be found." "OK" Return 04-not-found
type_text "$MAIN" "!"
screenshot 05-typed
press_keys "$MAIN" ctrl+s
sleep 0.5
cmp -s find.vl <(printf 'echo ECHO a\r\nMSGBOX! b\r\nREM end\r\n') || fail "find.vl holds $(od -c find.vl)"

press_keys "$MAIN" ctrl+q
expect_exit 0
