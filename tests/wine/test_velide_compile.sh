#!/usr/bin/env bash
# Compile (F9) from the editor: the compile dialog shows the options line, ticking "Run after
# compiler halt" makes it "/L /R", and Compile starts velcomp.exe from the editor's folder, which
# compiles, links with vellink.exe and runs the program; the program writes a file.
# Usage: test_velide_compile.sh VELIDE_EXE VELINT_EXE ARTIFACTS_DIR
source "$(dirname "$0")/velide/velide_harness.sh"
begin_velide_test "$@"
[[ -f $BIN/velcomp.exe && -f $BIN/vellink.exe && -f $BIN/velrun.rtl ]] ||
    fail "velcomp.exe, vellink.exe and velrun.rtl must lie beside velide.exe"

out=$(windows_path compiled.txt)
write_script prog.vl "NEWFILE '$out'" "WRITEFILE '$out', 'ran compiled'"
script=$(windows_path prog.vl)
start_velide "Velmish 4 - $script" "$script"

press_keys "$MAIN" F9
wait_window "Compile script"
dialog=$WINDOW
wait_painted "$dialog"
probe_windows 01-compile-dialog
[[ $(window_block "Compile script" | sed -n 's/^child .* id=3004 .* text=//p') == "/L" ]] ||
    fail "the options line does not start as /L"
click_control "Compile script" 3002
probe_windows 02-run-after-halt
[[ $(window_block "Compile script" | sed -n 's/^child .* id=3004 .* text=//p') == "/L /R" ]] ||
    fail "ticking \"Run after compiler halt\" does not give /L /R"
screenshot 02-run-after-halt
press_keys "$dialog" Return
wait_window_gone "$dialog"

wait_file compiled.txt
cmp -s compiled.txt <(printf 'ran compiled\r\n') || fail "the compiled program wrote $(od -c compiled.txt)"
[[ -f prog.exe ]] || fail "no prog.exe beside the script"
screenshot 03-compiled

# The editor is ended with the test, not by Quit: the compiled program may still be running.
