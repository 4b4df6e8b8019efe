#!/usr/bin/env bash
# System facts under Windows: [winvers] names the XP version the prefix reports, [curuser] holds the
# user name, [ownname] the script path as given; the echo box shows them, HALT 5 confirms the checks.
# Usage: test_system_variables.sh VELINT_EXE ARTIFACTS_DIR
source "$(dirname "$0")/harness.sh"
begin_test "$@"

write_script system_variables.vl \
    "ECHO [winvers]#'|'#[ownname]#'|'#[VL_Version]" \
    "IF [winvers] = 'XP' & [curuser] ! '' & [curuser] ! 'unknown' HALT 5" \
    "HALT 9"
start_velint system_variables.vl

answer_box "Velmish Echo" "XP|system_variables.vl|4.3" "OK" Return 01-facts
expect_exit 5
