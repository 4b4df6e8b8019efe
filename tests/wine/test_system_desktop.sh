#!/usr/bin/env bash
# SENDKEYS, MCI and OPEN under Wine (system/desktop.vl). The script starts Wine's notepad with SHELL;
# once its window shows, the test lets the script go on, which types into it with SENDKEYS (Shift
# for capitals, the ~ key table, #NNN key codes, a held Ctrl for select-all and copy) and reads back
# through the clipboard what arrived. MCI gives the system's error codes for an unknown command and
# a missing file; OPEN gives 2 for a missing file and 31 for a file no program is associated with.
# Usage: test_system_desktop.sh VELINT_EXE ARTIFACTS_DIR
# Notepad's first start in a fresh prefix under an emulator can take a minute on a busy machine;
# the waits poll, so they cost nothing when it is quick.
WINDOW_DEADLINE=${WINDOW_DEADLINE:-150}
EXIT_DEADLINE=${EXIT_DEADLINE:-90}
PROGRAM_TIMEOUT=${PROGRAM_TIMEOUT:-240}
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/system/common.sh"
begin_test "$@"

# Ends the notepad that the script started, by its process id.
end_notepad() {
    local pid
    for pid in $(prefix_processes); do
        if tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -qi 'notepad\.exe'; then
            note "ending notepad (process $pid)"
            kill "$pid" 2>/dev/null
        fi
    done
}
# The harness's end step, after notepad is gone; it reads the test's exit status from $?.
end_desktop_test() {
    local code=$?
    end_notepad
    (exit "$code")
    end_test
}
trap end_desktop_test EXIT

start_system_script desktop.vl
wait_window "Untitled - Notepad"
wait_painted "$WINDOW"
screenshot 01-notepad
: >go.txt
expect_exit 5
screenshot 02-typed
check_results desktop.expected
