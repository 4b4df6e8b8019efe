#!/usr/bin/env bash
# A failed compile takes the editor to the line: velcomp writes its error line to standard error,
# the editor reads it while velcomp still waits for a key, selects the line and shows the error;
# Script > Go to error selects it again later. What is typed then replaces exactly that line.
# Usage: test_velide_error_line.sh VELIDE_EXE VELINT_EXE ARTIFACTS_DIR
source "$(dirname "$0")/velide/velide_harness.sh"
begin_velide_test "$@"
[[ -f $BIN/velcomp.exe ]] || fail "velcomp.exe must lie beside velide.exe"

write_script bad.vl "REM first" "ECHO 'two'" "foo" "ECHO 'four'"
script=$(windows_path bad.vl)
start_velide "Velmish 4 - $script" "$script"

press_keys "$MAIN" F9
wait_window "Compile script"
dialog=$WINDOW
wait_painted "$dialog"
press_keys "$dialog" Return
wait_window_gone "$dialog"
# velcomp reports the error in its console and waits for a key there; the editor reads the error
# line meanwhile (velcomp is ended with the test).
wait_window "$(windows_path "$BIN")\\velcomp.exe"
deadline=$((SECONDS + 30))
while probe_main 01-error-line && [[ $(probe_text 2003) != "3:1" ]]; do
    ((SECONDS < deadline)) || fail "the caret did not move to line 3: the position panel shows $(probe_text 2003)"
    sleep 0.2
done
screenshot 01-error-line
type_text "$MAIN" "X"
press_keys "$MAIN" ctrl+s
wait_file bad.vl
cmp -s bad.vl <(printf "REM first\r\nECHO 'two'\r\nX\r\nECHO 'four'\r\n") ||
    fail "typing after the failed compile did not replace line 3: $(od -c bad.vl | head -n 4)"

press_keys "$MAIN" ctrl+Home
press_keys "$MAIN" alt+s g
type_text "$MAIN" "Y"
press_keys "$MAIN" ctrl+s
sleep 0.5
cmp -s bad.vl <(printf "REM first\r\nECHO 'two'\r\nY\r\nECHO 'four'\r\n") ||
    fail "Go to error did not select line 3 again: $(od -c bad.vl | head -n 4)"
screenshot 02-go-to-error
note "the failed compile and Go to error both selected line 3"
