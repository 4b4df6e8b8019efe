#!/usr/bin/env bash
# Start of the Wine test run: Xvfb on a private display, a fresh Wine prefix and one persistent
# Wine server. Writes STATE_DIR/session.env, which the tests load (see load_session).
# Usage: setup.sh STATE_DIR
source "$(dirname "$0")/harness.sh"

state=$(realpath -m "${1:?usage: setup.sh STATE_DIR}")
mkdir -p "$state/logs" || fail "cannot make $state/logs"
wine_environment "$state"

# A failed start leaves nothing running.
trap '(($? == 0)) || { stop_server "$state"; stop_xvfb "$state"; }' EXIT

# An interrupted earlier run may still hold the prefix or a display.
stop_server "$state" || fail "processes of the old prefix survived"
stop_xvfb "$state"
rm -f "$state/session.env"

ensure_i386_programs_run
start_xvfb "$state"
note "Xvfb runs on display $DISPLAY"
make_prefix "$state"
note "Wine prefix made in $WINEPREFIX"
start_server "$state"
note "Wine server and Wine's background programs are running"

printf 'WINE_STATE=%q\nexport DISPLAY=%q\n' "$state" "$DISPLAY" >"$state/session.env"
note "session written to $state/session.env"
