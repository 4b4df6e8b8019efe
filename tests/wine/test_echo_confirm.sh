#!/usr/bin/env bash
# An ECHO box, then a CONFIRM answered No: errorcode becomes "-1" and HALT 3 ends the run with code 3.
# Usage: test_echo_confirm.sh VELINT_EXE ARTIFACTS_DIR
source "$(dirname "$0")/harness.sh"
begin_test "$@"

write_script echo_confirm.vl \
    "ECHO Hello from Velmish" \
    "CONFIRM Stop here?" \
    "IF [errorcode] = '-1' HALT 3" \
    "HALT 9"
start_velint echo_confirm.vl

answer_box "Velmish Echo" "Hello from Velmish" "OK" Return 01-echo
answer_box "Velmish Confirmation" "Stop here?" "Yes No" n 02-confirm
expect_exit 3
