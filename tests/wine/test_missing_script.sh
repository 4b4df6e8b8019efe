#!/usr/bin/env bash
# A script path naming no file shows "File does not exists." captioned "ERROR" and ends with 1.
# Usage: test_missing_script.sh VELINT_EXE ARTIFACTS_DIR
source "$(dirname "$0")/harness.sh"
begin_test "$@"

rm -f no_such_script.vl
start_velint no_such_script.vl

answer_box "ERROR" "File does not exists." "OK" Return 01-missing
expect_exit 1
