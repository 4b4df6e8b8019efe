#!/usr/bin/env bash
# Start of the desktop test run: Xvfb on a private display. Writes STATE_DIR/session.env, which
# the tests load. Usage: setup.sh STATE_DIR
source "$(dirname "$0")/desktop_harness.sh"

state=$(realpath -m "${1:?usage: setup.sh STATE_DIR}")
mkdir -p "$state/logs" || fail "cannot make $state/logs"
trap '(($? == 0)) || stop_xvfb "$state"' EXIT
# An interrupted earlier run may still hold a display.
stop_xvfb "$state"
rm -f "$state/session.env"
start_xvfb "$state"
note "Xvfb runs on display $DISPLAY"
printf 'export DISPLAY=%q\n' "$DISPLAY" >"$state/session.env"
