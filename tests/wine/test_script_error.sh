#!/usr/bin/env bash
# An unknown instruction on line 2 stops the script with the "ERROR" box and exit code 1.
# Usage: test_script_error.sh VELINT_EXE ARTIFACTS_DIR
source "$(dirname "$0")/harness.sh"
begin_test "$@"

write_script script_error.vl \
    "REM the next line is no command" \
    "frobnicate the widget" \
    "HALT 9"
start_velint script_error.vl

answer_box "ERROR" "Line 2, Error 01: Unknown instruction: FROBNICATE" "OK" Return 01-error
expect_exit 1
