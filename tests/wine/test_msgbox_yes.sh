#!/usr/bin/env bash
# MSGBOX with the button set 'yesno' answered Yes: errorcode becomes "6" and HALT 6 ends the run.
# Usage: test_msgbox_yes.sh VELINT_EXE ARTIFACTS_DIR
source "$(dirname "$0")/harness.sh"
begin_test "$@"

write_script msgbox_yes.vl \
    "MSGBOX 'Velmish Question', 'Go on with the test?', 'yesno'" \
    "IF [errorcode] = '6' HALT 6" \
    "HALT 9"
start_velint msgbox_yes.vl

answer_box "Velmish Question" "Go on with the test?" "Yes No" y 01-msgbox
expect_exit 6
