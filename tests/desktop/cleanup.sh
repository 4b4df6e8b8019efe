#!/usr/bin/env bash
# End of the desktop test run: stops Xvfb. Usage: cleanup.sh STATE_DIR
source "$(dirname "$0")/desktop_harness.sh"

state=$(realpath -m "${1:?usage: cleanup.sh STATE_DIR}")
[[ -d $state ]] || exit 0
stop_xvfb "$state"
rm -f "$state/session.env"
note "Xvfb stopped"
