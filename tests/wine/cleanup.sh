#!/usr/bin/env bash
# End of the Wine test run: stops the Wine server with every process of the prefix, stops Xvfb and
# removes the prefix (about 600 MB; set VELMISH_WINE_KEEP_PREFIX=1 to keep it for a look).
# Usage: cleanup.sh STATE_DIR
source "$(dirname "$0")/harness.sh"

state=$(realpath -m "${1:?usage: cleanup.sh STATE_DIR}")
[[ -d $state ]] || exit 0
wine_environment "$state"

stop_server "$state" || fail "processes of the prefix survived the server's end: $(prefix_processes)"
note "Wine server stopped"
stop_xvfb "$state"
note "Xvfb stopped"
rm -f "$state/session.env"
if [[ ${VELMISH_WINE_KEEP_PREFIX:-0} != 1 ]]; then
    rm -rf "$WINEPREFIX"
    note "prefix removed"
fi
