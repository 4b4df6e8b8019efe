#!/usr/bin/env bash
# Linux editor benchmark under Xvfb, the counterpart of run.sh: opening a 5,000-line script with
# colouring on (time until the main window has stopped changing), and typing into a 2,000-character
# line (time per key from its press to the last repaint it caused). Reports the numbers; judges
# nothing.
#
# Usage: bench/editor/run_linux.sh [--build DIR] [--runs N] [--keys N]
#   --build DIR  the Linux build folder holding velide and velmish.syn (build/linux)
#   --runs N     how many times the big script is opened (5)
#   --keys N     how many keys are typed into the long line (100)
set -u

BENCH=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
REPO=$(dirname "$(dirname "$BENCH")")
BUILD=$REPO/build/linux
RUNS=5
KEYS=100
while (($# > 0)); do
    case "$1" in
        --build) BUILD=$(realpath "$2"); shift 2 ;;
        --runs) RUNS=$2; shift 2 ;;
        --keys) KEYS=$2; shift 2 ;;
        *) sed -n '7,10p' "$0" | sed 's/^# //'; exit 2 ;;
    esac
done
[[ -x $BUILD/velide && -f $BUILD/velmish.syn ]] || { echo "run_linux.sh: no velide and velmish.syn in $BUILD" >&2; exit 2; }

WORK=$(mktemp -d /tmp/velide-bench.XXXXXX)
STATE=$WORK/display
trap 'bash "$REPO/tests/desktop/cleanup.sh" "$STATE" >/dev/null 2>&1; rm -rf "$WORK"' EXIT

# shellcheck disable=SC2046  # pkg-config's flags are separate words
g++ -O2 -Wall -Wextra -std=c++20 -o "$WORK/editor_timer_x11" "$BENCH/editor_timer_x11.cpp" \
    $(pkg-config --cflags --libs x11 xtst xdamage) || exit 2
# The scripts of run.sh: generated commands, then one line of 2,000 characters mixing every kind of
# span the colouring pass knows, then a short line.
python3 "$REPO/bench/compile/generate.py" 5000 >"$WORK/big.vl" || exit 2
python3 - "$WORK/long.vl" <<'PY'
import sys
piece = "ECHO [name] + 'quoted text' # [count] = 12 REM words "
line = (piece * (2000 // len(piece) + 1))[:2000]
with open(sys.argv[1], "w", newline="") as out:
    out.write(line + "\r\n" + "LET [x] = 'one'\r\nECHO [x]\r\n" * 20)
PY
printf "ECHO 'short' + [x]\r\nREM end\r\n" >"$WORK/short.vl"

# Desktop settings of its own: a blinking caret and the animated scrolling that follows the caret
# along a long line would be drawings after the editor's work is done.
mkdir -p "$WORK/config/gtk-3.0" "$WORK/data"
printf '[Settings]\ngtk-cursor-blink = false\ngtk-enable-animations = false\n' >"$WORK/config/gtk-3.0/settings.ini"
export XDG_CONFIG_HOME=$WORK/config XDG_DATA_HOME=$WORK/data NO_AT_BRIDGE=1 GSETTINGS_BACKEND=memory
bash "$REPO/tests/desktop/setup.sh" "$STATE" >"$WORK/setup.log" 2>&1 || { cat "$WORK/setup.log" >&2; exit 2; }
# shellcheck source=/dev/null
source "$STATE/session.env"

timer() {
    (cd "$WORK" && timeout -k 2 300 ./editor_timer_x11 "$@" 2>>"$WORK/timer.log" </dev/null)
}

# Prints "mean min median max" of the numbers on standard input.
summary() {
    sort -n | awk '{ v[NR] = $1; s += $1 } END { if (NR) printf "%.1f %.1f %.1f %.1f", s / NR, v[1], v[int((NR + 1) / 2)], v[NR] }'
}

echo "Opening big.vl ($(wc -l <"$WORK/big.vl") lines, $(stat -c %s "$WORK/big.vl") bytes), $RUNS runs:"
opens=()
for ((run = 0; run < RUNS; run++)); do
    opens+=("$(timer open "$BUILD/velide" big.vl | sed -n 's/^open //p')")
done
printf '%s\n' "${opens[@]}" | awk 'NF { print $1 }' | summary |
    awk '{ printf "  mean %s ms, min %s ms, median %s ms, max %s ms\n", $1, $2, $3, $4 }'
printf '%s\n' "${opens[@]}" | awk 'NF { print $2 }' | summary |
    awk '{ printf "    first drawing of the window: mean %s ms\n", $1 }'

# Types KEYS keys at the end of the first line of a script and prints the times per key.
typeInto() {
    local output
    output=$(timer type "$BUILD/velide" "$1" "$KEYS")
    awk '$1 == "open" { printf "  opened in %s ms\n", $2 }' <<<"$output"
    awk '$1 == "key" { print $3 }' <<<"$output" | summary |
        awk '{ printf "  per key: mean %s ms, min %s ms, median %s ms, max %s ms\n", $1, $2, $3, $4 }'
    awk '$1 == "key" { print $4 }' <<<"$output" | summary |
        awk '{ printf "    key events taken (a ping answered): mean %s ms\n", $1 }'
}
echo "Typing $KEYS keys at the end of a 2,000-character line:"
typeInto long.vl
echo "Typing $KEYS keys at the end of a short line, for comparison:"
typeInto short.vl
[[ -s $WORK/timer.log ]] && { echo "timer messages:"; tail -5 "$WORK/timer.log"; }
exit 0
