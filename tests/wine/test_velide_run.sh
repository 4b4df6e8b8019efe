#!/usr/bin/env bash
# Run (F5) from the editor: Set [command] takes a value, F5 saves the script and starts velint.exe
# from the editor's folder, which hands the value to the script as [command] and the script's path
# as [ownname]; the script writes both into a file. With velint.exe gone, F5 says so.
# Usage: test_velide_run.sh VELIDE_EXE VELINT_EXE ARTIFACTS_DIR
source "$(dirname "$0")/velide/velide_harness.sh"
begin_velide_test "$@"

write_script run.vl "NEWFILE 'out.txt'" "WRITEFILE 'out.txt', '<'#[command]#'>'" "WRITEFILE 'out.txt', [ownname]"
script=$(windows_path run.vl)
start_velide "Velmish 4 - $script" "$script"

# Script > Set [command] is the menu's last item.
press_keys "$MAIN" alt+s Up Return
wait_window "Set [command]"
dialog=$WINDOW
wait_painted "$dialog"
type_text "$dialog" "a  b"
screenshot 01-set-command
press_keys "$dialog" Return
wait_window_gone "$dialog"

press_keys "$MAIN" F5
wait_file out.txt
cmp -s out.txt <(printf '<a  b>\r\n%s\r\n' "$script") || fail "the script wrote $(od -c out.txt)"
screenshot 02-ran

rm "$BIN/velint.exe"
press_keys "$MAIN" F5
answer_box "ERROR" "VELINT.EXE not found." "OK" Return 03-velint-missing

press_keys "$MAIN" ctrl+q
expect_exit 0
