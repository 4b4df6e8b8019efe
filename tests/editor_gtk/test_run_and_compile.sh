#!/usr/bin/env bash
# F5 runs the script with velint from beside the editor, giving it the value of Script > Set
# [command]; F9 asks for the compile options and compiles and links the script into a program
# beside it, which runs on its own. The scripts the editor starts write their errors as error lines
# (VL_DIAGNOSTICS); a program started from elsewhere does not.
# Usage: test_run_and_compile.sh BUILD_DIR ARTIFACTS_DIR
source "$(dirname "$0")/editor_harness.sh"
begin_editor_test "$@"

write_script run.vl "GETENV [d] = 'VL_DIAGNOSTICS'" \
    "WRITEFILE '$ARTIFACTS/ran.txt', 'command '#[command]#', diagnostics <'#[d]#'>'"
start_editor "$ARTIFACTS/run.vl" run.vl

# Set [command] is the last item of the Script menu.
press_keys "$EDITOR" alt+s
sleep 0.2
screenshot 01-script-menu
press_keys "$EDITOR" Up Return
show_window "Set [command]" 02-set-command
type_text "$WINDOW" "alpha beta"
answer_window Return

press_keys "$EDITOR" F5
deadline=$((SECONDS + EXIT_DEADLINE))
until [[ -s ran.txt ]]; do
    ((SECONDS < deadline)) || fail "F5 did not run the script: no ran.txt"
    sleep 0.05
done
expect_lines ran.txt "command alpha beta, diagnostics <1>"

press_keys "$EDITOR" F9
show_window "Compile script" 03-compile
answer_window Return
# vellink renames the finished program into place.
wait_replaced run.exe ""
rm ran.txt
timeout 10 ./run.exe gamma >compiled.log 2>&1 || fail "run.exe failed: $(cat compiled.log)"
expect_lines ran.txt "command gamma, diagnostics <>"
quit_editor
