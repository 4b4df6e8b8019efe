#!/usr/bin/env bash
# SHELL, CALL and SYSTEM with Wine's cmd.exe and the environment they inherit (system/processes.vl):
# SYSTEM waits and gives cmd's exit code; SHELL gives a value above 31 and does not wait, refuses an
# unknown mode and gives 2 for a missing program; CALL gives 0 or -1; LETENV changes what GETENV
# reads and what the programs started afterwards see, an empty value removes the variable, and a
# value longer than 4 KiB passes whole. The started programs write files the script waits for.
# Usage: test_system_processes.sh VELINT_EXE ARTIFACTS_DIR
# The whole script runs before the program ends; on a busy machine under an emulator that can take
# minutes, and the waits poll, so they cost nothing when it is quick.
EXIT_DEADLINE=${EXIT_DEADLINE:-200}
PROGRAM_TIMEOUT=${PROGRAM_TIMEOUT:-240}
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/system/common.sh"
begin_test "$@"

run_system_script processes.vl 5
check_results processes.expected
expect_missing never.txt
