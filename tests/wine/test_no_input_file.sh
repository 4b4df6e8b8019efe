#!/usr/bin/env bash
# velint.exe without arguments shows its banner in the "ERROR: No input file." box and ends with 1.
# Usage: test_no_input_file.sh VELINT_EXE ARTIFACTS_DIR
source "$(dirname "$0")/harness.sh"
begin_test "$@"

# shellcheck disable=SC2119 # velint.exe really gets no arguments here
start_velint

# The banner's first line is fixed; the credit and contact lines after it are free text.
answer_box "ERROR: No input file." 'like:Velmish v4.3 Interpreter 1.6.7Pro\\n?*' "OK" Return 01-banner
expect_exit 1
