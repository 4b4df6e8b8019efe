#!/usr/bin/env bash
# A new document saved as "test" gets the script extension and is written in UTF-8 with LF line
# ends. A Windows-1252 script with CR LF line ends is saved back byte for byte, and after an edit
# keeps both.
# Usage: test_files.sh BUILD_DIR ARTIFACTS_DIR
source "$(dirname "$0")/editor_harness.sh"
begin_editor_test "$@"

start_editor noname.vl
type_text "$EDITOR" "ECHO 'café'"
press_keys "$EDITOR" Return
type_text "$EDITOR" HALT
press_keys "$EDITOR" ctrl+s
show_window "Save as..." 01-save-as
type_text "$WINDOW" test 60
screenshot 02-name-typed
# The name field looks for completions after each key; a Return while it does can be lost.
sleep 0.5
answer_window Return
wait_replaced test.vl ""
expect_bytes test.vl "ECHO 'caf\303\251'\nHALT"
wait_window "Velmish 4 - $ARTIFACTS/test.vl"
screenshot 03-saved
quit_editor

# "café" and the euro sign in Windows-1252 (octal 351 and 200).
original='REM caf\351 costs \200 5\r\nECHO [x]\r\n'
# shellcheck disable=SC2059
printf "$original" >w1252.vl
start_editor "$ARTIFACTS/w1252.vl" w1252.vl
screenshot 04-w1252-opened
save_expecting w1252.vl "$original"
press_keys "$EDITOR" End
type_text "$EDITOR" " more"
save_expecting w1252.vl 'REM caf\351 costs \200 5 more\r\nECHO [x]\r\n'
screenshot 05-w1252-edited
quit_editor
