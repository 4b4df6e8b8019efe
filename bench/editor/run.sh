#!/usr/bin/env bash
# Editor benchmark under Wine and Xvfb: opening a 5,000-line script with colouring on (time until
# the main window is idle), and typing into a 2,000-character line (time per key from its press to
# the end of its release, repaint included). Reports the numbers; judges nothing.
#
# Usage: bench/editor/run.sh [--build DIR] [--runs N] [--keys N]
#   --build DIR  the Windows build folder holding velide.exe and velmish.syn (build/windows)
#   --runs N     how many times the big script is opened (5)
#   --keys N     how many keys are typed into the long line (100)
set -u

BENCH=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
REPO=$(dirname "$(dirname "$BENCH")")
BUILD=$REPO/build/windows
RUNS=5
KEYS=100
while (($# > 0)); do
    case "$1" in
        --build) BUILD=$(realpath "$2"); shift 2 ;;
        --runs) RUNS=$2; shift 2 ;;
        --keys) KEYS=$2; shift 2 ;;
        *) sed -n '6,9p' "$0" | sed 's/^# //'; exit 2 ;;
    esac
done
[[ -f $BUILD/velide.exe && -f $BUILD/velmish.syn ]] || { echo "run.sh: no velide.exe and velmish.syn in $BUILD" >&2; exit 2; }

WORK=$(mktemp -d /tmp/velide-bench.XXXXXX)
STATE=$WORK/wine
trap '"$REPO/tests/wine/cleanup.sh" "$STATE" >/dev/null 2>&1; rm -rf "$WORK"' EXIT

# The editor, its settings and the timer in one folder, as they ship.
cp "$BUILD/velide.exe" "$BUILD/velmish.syn" "$WORK/" || exit 2
i686-w64-mingw32-g++ -O2 -Wall -Wextra -static -o "$WORK/editor_timer.exe" "$BENCH/editor_timer.cpp" || exit 2
python3 "$REPO/bench/compile/generate.py" 5000 >"$WORK/big.vl" || exit 2
# One line of 2,000 characters mixing every kind of span the colouring pass knows, then a few
# ordinary lines.
python3 - "$WORK/long.vl" <<'PY'
import sys
piece = "ECHO [name] + 'quoted text' # [count] = 12 REM words "
line = (piece * (2000 // len(piece) + 1))[:2000]
with open(sys.argv[1], "w", newline="") as out:
    out.write(line + "\r\n" + "LET [x] = 'one'\r\nECHO [x]\r\n" * 20)
PY
printf "ECHO 'short' + [x]\r\nREM end\r\n" >"$WORK/short.vl"

"$REPO/tests/wine/setup.sh" "$STATE" >"$WORK/setup.log" 2>&1 || { cat "$WORK/setup.log" >&2; exit 2; }
# shellcheck source=/dev/null
source "$STATE/session.env"
source "$REPO/tests/wine/harness.sh"
wine_environment "$STATE"

timer() {
    (cd "$WORK" && timeout -k 2 300 "$WINE_LOADER" editor_timer.exe "$@" 2>>"$WORK/timer.log" </dev/null | tr -d '\r')
}

# Prints "mean min max" of the numbers on standard input.
summary() {
    sort -n | awk '{ v[NR] = $1; s += $1 } END { if (NR) printf "%.1f %.1f %.1f %.1f", s / NR, v[1], v[int((NR + 1) / 2)], v[NR] }'
}

echo "Opening big.vl ($(wc -l <"$WORK/big.vl") lines, $(stat -c %s "$WORK/big.vl") bytes), $RUNS runs:"
opens=()
for ((run = 0; run < RUNS; run++)); do
    opens+=("$(timer open velide.exe big.vl | sed -n 's/^open //p')")
done
printf '%s\n' "${opens[@]}" | grep . | summary | awk '{ printf "  mean %s ms, min %s ms, median %s ms, max %s ms\n", $1, $2, $3, $4 }'

# Types KEYS keys at the end of the first line of a script and prints the times per key.
typeInto() {
    local script=$1 output
    output=$(timer type velide.exe "$script" "$KEYS")
    sed -n 's/^open /  opened in /p' <<<"$output" | sed 's/$/ ms/'
    keyTimes() { awk -v column="$1" '$1 == "key" { print $column }' <<<"$output" | summary; }
    keyTimes 3 | awk '{ printf "  per key: mean %s ms, min %s ms, median %s ms, max %s ms\n", $1, $2, $3, $4 }'
    keyTimes 4 | awk '{ printf "    key down (format of the next character): mean %s ms\n", $1 }'
    keyTimes 5 | awk '{ printf "    character (the control inserting it): mean %s ms\n", $1 }'
    keyTimes 6 | awk '{ printf "    key up (colouring the line): mean %s ms\n", $1 }'
}
echo "Typing $KEYS keys at the end of a 2,000-character line:"
typeInto long.vl
echo "Typing $KEYS keys at the end of a short line, for comparison:"
typeInto short.vl
[[ -s $WORK/timer.log ]] && { echo "timer messages:"; grep -v '^[0-9a-f]*:fixme' "$WORK/timer.log" | tail -5; }
exit 0
