#!/usr/bin/env bash
# The editor's settings files and the debugger settings: velmish.lng beside the editor renames menu
# items and a dialog; Debugger properties with "Debug script" ticked hands VL_DEBUGMODE=STEP to the
# velint started next, which shows its debugger window in step mode.
# Usage: test_velide_settings.sh VELIDE_EXE VELINT_EXE ARTIFACTS_DIR
source "$(dirname "$0")/velide/velide_harness.sh"
begin_velide_test "$@"

printf '%s\r\n' "Menu_Script=&Skript" "Menu_Script_Run=&Starten" "Menu_Script_DebuggerProperties=&Debugger..." \
    "Dialog_Debug_Title=Debugger-Einstellungen" "Dialog_Debug_DebugScript = ignored: the key ends in a blank" \
    >"$BIN/velmish.lng"
write_script debug.vl "LET [x] = 'one'" "ECHO [x]"
script=$(windows_path debug.vl)
start_velide "Velmish 4 - $script" "$script"

press_keys "$MAIN" alt+s
sleep 0.5
screenshot 01-renamed-menu
press_keys "$MAIN" d
wait_window "Debugger-Einstellungen"
dialog=$WINDOW
wait_painted "$dialog"
click_control "Debugger-Einstellungen" 3001
probe_windows 02-debug-dialog
block=$(window_block "Debugger-Einstellungen")
grep -q '^child .* id=3001 .*text=&Debug script$' <<<"$block" || fail "the Debug script box lost its caption"
grep -q '^child .* id=3012 .* enabled=1 ' <<<"$block" || fail "ticking Debug script does not enable Step"
screenshot 02-debug-dialog
press_keys "$dialog" Return
wait_window_gone "$dialog"

press_keys "$MAIN" F5
wait_window "Velmish Debug :: Step Mode"
wait_painted "$WINDOW"
screenshot 03-velint-steps
# Halt (id 15) ends the started velint, which is no process of this test's group.
debugger=$WINDOW
DIALOG_CLASS="Velmish 4" click_control "Velmish Debug :: Step Mode" 15
wait_window_gone "$debugger"
